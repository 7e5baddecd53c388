// Text, file and path helpers used by every unit of the main program.
#pragma once

#include <cstdio>
#include <string>

enum class LineStatus { LineRead, EndOfFile };

// Conversions between the form library's strings and C strings; both are std::string here.
std::string ToAnsiString(const char* text);
std::string ToCString(const std::string& text);
// Leading and trailing blanks and control characters removed.
std::string TrimCString(const std::string& text);

// Reads one line of any length. One trailing line feed is dropped, and a carriage return
// before it too. EndOfFile (and an empty destination) when nothing could be read.
LineStatus ReadLine(std::string& destination, std::FILE* file);

// Copies a file byte for byte. A missing or unreadable source leaves the target as it was
// and gives false; the target is replaced only by a complete copy.
bool CopyFileBytes(const std::string& source, const std::string& target);

// DataFolder followed by the name.
std::string DataPath(const std::string& name);

// A copy of the current release's activity text (CurrentPmn.RELEASE), for page headings and
// reports.
std::string ReleaseName();
