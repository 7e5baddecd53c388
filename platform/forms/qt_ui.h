// The real UI service on Qt widgets.
#pragma once

#include "platform/forms/ui_service.h"

namespace forms {

class QtUi : public UiService {
  public:
    int MessageBox(const std::string& text, const std::string& caption, Buttons buttons,
                   Icon icon) override;
    int ShowModal(Form& form) override;
    std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> FolderDialog(const std::string& title,
                                            const std::string& initialFolder) override;
    bool PrintDialog() override;
    void ShowHelp(const std::string& topic) override;
    void SetHourglass(bool on) override;
};

}  // namespace forms
