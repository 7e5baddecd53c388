// Text, file and path helpers used by every unit of the main program.
#include "scenario/text_helpers.h"

#include "platform/sys/files.h"
#include "platform/sys/text.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"

std::string ToAnsiString(const char* text) {
    return text ? std::string(text) : std::string();
}

std::string ToCString(const std::string& text) {
    return text;
}

std::string TrimCString(const std::string& text) {
    return sys::Trim(text);
}

LineStatus ReadLine(std::string& destination, std::FILE* file) {
    return sys::ReadTextLine(file, destination) ? LineStatus::LineRead : LineStatus::EndOfFile;
}

bool CopyFileBytes(const std::string& source, const std::string& target) {
    return sys::CopyBytes(source, target);
}

std::string DataPath(const std::string& name) {
    return DataFolder + name;
}

std::string ReleaseName() {
    return CurrentPmn.RELEASE;
}
