// The base of every form: caption, modal result and the show, activate and close events.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

namespace forms {

class Form : public QDialog {
    Q_OBJECT
  public:
    explicit Form(QWidget* parent = nullptr);

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    // Shows the form modally through the UI service and returns its modal result.
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    // Setting a result other than mrNone while the form is shown modally closes it.
    void SetModalResult(int result);
    // Closes the form like the close button.
    void Close();

    // The events of a form; each form overrides the ones it handles.
    virtual void FormShow() {}
    virtual void FormActivate() {}
    virtual void FormClose() {}

    // Used by the scripted UI service: show and activation, the test's step, then close.
    int RunModalScripted(const std::function<int(Form&)>& step);
    // Used by the real UI service.
    int RunModalReal();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void done(int result) override;

  private:
    void RunCloseHandler();

    int modalResult_ = 0;
    bool closeHandled_ = false;
    bool modal_ = false;
    bool scripted_ = false;
};

}  // namespace forms
