// The real UI service on Qt widgets.
#include "platform/forms/qt_ui.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/forms/form.h"
#include "platform/print/print_job.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"

namespace forms {
namespace {

QMessageBox::StandardButtons ToQt(Buttons buttons) {
    switch (buttons) {
        case Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Buttons::RetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
        case Buttons::AbortRetryIgnore:
            return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
        default:
            return QMessageBox::Ok;
    }
}

int FromQt(int button) {
    switch (button) {
        case QMessageBox::Ok:
            return mrOk;
        case QMessageBox::Cancel:
            return mrCancel;
        case QMessageBox::Abort:
            return mrAbort;
        case QMessageBox::Retry:
            return mrRetry;
        case QMessageBox::Ignore:
            return mrIgnore;
        case QMessageBox::Yes:
            return mrYes;
        case QMessageBox::No:
            return mrNo;
        default:
            return mrCancel;
    }
}

QMessageBox::Icon ToQt(Icon icon) {
    switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Error:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
        default:
            return QMessageBox::NoIcon;
    }
}

std::optional<std::string> Chosen(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

}  // namespace

int QtUi::MessageBox(const std::string& text, const std::string& caption, Buttons buttons,
                     Icon icon) {
    QString title =
        caption.empty() ? QApplication::applicationName() : QString::fromStdString(caption);
    QMessageBox box(ToQt(icon), title, QString::fromStdString(text), ToQt(buttons),
                    QApplication::activeWindow());
    return FromQt(box.exec());
}

int QtUi::ShowModal(Form& form) {
    return form.RunModalReal();
}

std::optional<std::string> QtUi::OpenFileDialog(const FileDialogRequest& request) {
    QString start = QString::fromStdString(sys::NativePath(request.initialFolder));
    return Chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(),
                                               QString::fromStdString(request.title), start,
                                               QString::fromStdString(request.filter)));
}

std::optional<std::string> QtUi::SaveFileDialog(const FileDialogRequest& request) {
    QString start = QString::fromStdString(
        sys::NativePath(sys::JoinPath(request.initialFolder, request.initialName)));
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(request.title), start,
                       QString::fromStdString(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog adds the extension itself, so its overwrite question names the real file.
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    std::optional<std::string> path = Chosen(dialog.selectedFiles().front());
    if (path)
        path = WithDefaultExtension(*path, request.defaultExtension);
    return path;
}

std::optional<std::string> QtUi::FolderDialog(const std::string& title,
                                              const std::string& initialFolder) {
    return Chosen(QFileDialog::getExistingDirectory(
        QApplication::activeWindow(), QString::fromStdString(title),
        QString::fromStdString(sys::NativePath(initialFolder))));
}

bool QtUi::PrintDialog() {
    QPrinter printer;
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    print::SetChosenPdfFile("");
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // Printing to a file names the file here: the job writes it without asking again.
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        print::SetChosenPdfFile(printer.outputFileName().toStdString());
        return true;
    }
    // The next print job goes to the printer chosen here, not the system's default.
    print::SetChosenPrinter(printer.printerName().toStdString());
    return true;
}

void QtUi::ShowHelp(const std::string& topic) {
    std::string page = HelpPagePath(topic);
    if (!sys::FileExists(page)) {
        MessageBox("No help is available for the topic \"" + topic + "\".", "Help", Buttons::Ok,
                   Icon::Information);
        return;
    }
    QDialog viewer(QApplication::activeWindow());
    viewer.setWindowTitle(QStringLiteral("Help"));
    viewer.resize(640, 480);
    auto* layout = new QVBoxLayout(&viewer);
    auto* browser = new QTextBrowser(&viewer);
    browser->setSource(QUrl::fromLocalFile(QString::fromStdString(page)));
    layout->addWidget(browser);
    viewer.exec();
}

void QtUi::SetHourglass(bool on) {
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

}  // namespace forms
