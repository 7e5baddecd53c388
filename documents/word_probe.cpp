// The start-up test whether Word-format reports can be made, cached in the file wordup.
#include "documents/word_probe.h"

#include <string>

#include "documents/word_access.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "scenario/globals.h"

namespace {

std::string WordupPath() {
    std::string folder = ProgramFolder.empty() ? sys::ProgramRoot() : ProgramFolder;
    if (folder.back() == '\\' || folder.back() == '/')
        return folder + "wordup";
    return folder + "\\wordup";
}

}  // namespace

int ProbeWord() {
    int answer = 2;
    {
        // Only the Word components are needed, not a whole results form.
        WordFileCarrier carrier;
        answer = TestWordAvailable(carrier);
    }
    sys::WriteWholeFile(WordupPath(), answer == 1 ? "WORD\n" : "NOWORD\n");
    return answer;
}
