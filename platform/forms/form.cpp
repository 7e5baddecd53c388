// The base of every form: caption, modal result and the show, activate and close events.
#include "platform/forms/form.h"

#include <QCloseEvent>
#include <QEvent>

#include "platform/forms/ui_service.h"

namespace forms {

Form::Form(QWidget* parent) : QDialog(parent) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

std::string Form::Caption() const {
    return windowTitle().toStdString();
}

void Form::SetCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

int Form::ShowModal() {
    return Ui().ShowModal(*this);
}

void Form::SetModalResult(int result) {
    modalResult_ = result;
    if (result != mrNone && modal_ && !scripted_)
        done(result);
}

void Form::Close() {
    if (modal_ && !scripted_) {
        if (modalResult_ == mrNone)
            modalResult_ = mrCancel;
        done(modalResult_);
    } else if (!scripted_) {
        close();
    }
}

int Form::RunModalScripted(const std::function<int(Form&)>& step) {
    modalResult_ = mrNone;
    modal_ = true;
    scripted_ = true;
    FormShow();
    FormActivate();
    if (step)
        modalResult_ = step(*this);
    FormClose();
    modal_ = false;
    scripted_ = false;
    return modalResult_ == mrNone ? mrCancel : modalResult_;
}

int Form::RunModalReal() {
    modalResult_ = mrNone;
    modal_ = true;
    exec();
    modal_ = false;
    return modalResult_ == mrNone ? mrCancel : modalResult_;
}

void Form::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    closeHandled_ = false;
    if (!scripted_)
        FormShow();
}

// Every way a shown form closes (its close button, Escape, a modal result, Close) runs the
// close handler, once per showing.
void Form::RunCloseHandler() {
    if (scripted_ || closeHandled_)
        return;
    closeHandled_ = true;
    FormClose();
}

void Form::closeEvent(QCloseEvent* event) {
    RunCloseHandler();
    QDialog::closeEvent(event);
}

bool Form::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !scripted_)
        FormActivate();
    return QDialog::event(event);
}

void Form::done(int result) {
    if (modalResult_ == mrNone)
        modalResult_ = result == QDialog::Accepted ? mrOk : mrCancel;
    RunCloseHandler();
    QDialog::done(result);
}

}  // namespace forms
