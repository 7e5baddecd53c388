// The dialogs that open a stand-alone run: the splash dialog and the start screen.
#pragma once

#include <QWidget>
#include <functional>

#include "platform/forms/components.h"
#include "platform/forms/form.h"

namespace consumer {

// The picture of the start screen and the splash dialog: the program's title drawn on a panel.
class TitlePicture : public QWidget {
    Q_OBJECT
  public:
    TitlePicture(const std::string& title, const std::string& subtitle, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::string title_;
    std::string subtitle_;
};

class TExplode : public forms::Form {
    Q_OBJECT
  public:
    explicit TExplode(QWidget* parent = nullptr);
    forms::TButton* OkButton() const { return ok_; }

  private:
    forms::TButton* ok_ = nullptr;
};

class TStartModel : public QWidget {
    Q_OBJECT
  public:
    explicit TStartModel(QWidget* parent = nullptr);
    // Sets PageCode to '9': the start screen is a page that is up.
    void SetupWindow();

    forms::TButton* BeginNew() const { return beginNew_; }
    forms::TButton* OpenExisting() const { return openExisting_; }
    forms::TButton* ExitButton() const { return exit_; }
    forms::TButton* QuickAssist() const { return quickAssist_; }

    // Run when one of the three navigation buttons closed the start screen.
    std::function<void()> OnClose;

  private:
    void Leave(char code);

    forms::TButton* beginNew_ = nullptr;
    forms::TButton* openExisting_ = nullptr;
    forms::TButton* exit_ = nullptr;
    forms::TButton* quickAssist_ = nullptr;
};

}  // namespace consumer
