// Help by context number, file copy and line-break removal for the consumer model's windows.
#include "consumer/pages/help_files.h"

#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"

namespace consumer {

std::string HelpTopicOfContext(int context) {
    switch (context) {
        case 6:
            return "KIV_Introduction";
        case 7:
            return "KIV_Scenario";
        case 8:
            return "KIV_Inhalation_Inputs";
        case 9:
            return "KIV_Dermal_Inputs";
        case 10:
            return "KIV_Day_of_Use";
        case 11:
            return "KIV_Days_After_Use";
        case 21:
            return "KIV_Quick_Assist";
        default:
            return "KIV_Contents";
    }
}

void OpenHelpTopic(int context) {
    forms::Ui().ShowHelp(HelpTopicOfContext(context));
}

void OpenAbsorbedDoseHelp() {
    forms::Ui().ShowHelp("KIV_Absorbed_Dose");
}

bool CopyCompressedFile(const std::string& source, const std::string& destination) {
    return sys::CopyBytes(source, destination);
}

// Each removal may bring a new pair together ("\r\r\n\n"), so the search starts again.
void RemoveLineBreaks(std::string& text) {
    for (size_t pos = text.find("\r\n"); pos != std::string::npos; pos = text.find("\r\n"))
        text.erase(pos, 2);
}

}  // namespace consumer
