// Clickable pictures and panels of the introductory screen and the main page.
#include "shell/intro_picture.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QVBoxLayout>
#include <functional>

#include "platform/sys/paths.h"
#include "scenario/globals.h"

namespace {

// A left press runs the action and ends there: passed on, the press would reach the panel that
// holds the picture and run that panel's action too. Other presses go on as usual.
bool ClickOnLeftPress(QMouseEvent* event, const std::function<void()>& click) {
    if (event->button() != Qt::LeftButton)
        return false;
    click();
    event->accept();
    return true;
}

}  // namespace

TImage::TImage(const std::string& programFile, QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    if (!programFile.empty())
        LoadPicture(programFile);
}

void TImage::LoadPicture(const std::string& programFile) {
    std::string folder = ProgramFolder.empty() ? sys::ProgramRoot() : ProgramFolder;
    QPixmap picture(QString::fromStdString(sys::NativePath(folder + "/" + programFile)));
    if (picture.isNull()) {
        setText(QString::fromStdString(sys::FileNamePart(programFile)));
        return;
    }
    setPixmap(picture.scaled(240, 180, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

bool TImage::HasPicture() const {
    return !pixmap().isNull();
}

void TImage::Click() {
    if (OnClick)
        OnClick();
}

void TImage::mousePressEvent(QMouseEvent* event) {
    if (!ClickOnLeftPress(event, [this] { Click(); }))
        QLabel::mousePressEvent(event);
}

TClickPanel::TClickPanel(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setCursor(Qt::PointingHandCursor);
    auto* layout = new QVBoxLayout(this);
    // The picture and its text stay together in the middle of the panel.
    layout->setAlignment(Qt::AlignCenter);
}

forms::TLabel* TClickPanel::AddLabel(const std::string& caption) {
    auto* label = new forms::TLabel(caption, this);
    label->setAlignment(Qt::AlignCenter);
    label->installEventFilter(this);
    layout()->addWidget(label);
    return label;
}

void TClickPanel::Click() {
    if (OnClick)
        OnClick();
}

void TClickPanel::mousePressEvent(QMouseEvent* event) {
    if (!ClickOnLeftPress(event, [this] { Click(); }))
        QFrame::mousePressEvent(event);
}

bool TClickPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Click();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

TClickLabel::TClickLabel(const std::string& caption, QWidget* parent)
    : forms::TLabel(caption, parent) {
    setCursor(Qt::PointingHandCursor);
}

void TClickLabel::Click() {
    if (OnClick)
        OnClick();
}

void TClickLabel::mousePressEvent(QMouseEvent* event) {
    if (!ClickOnLeftPress(event, [this] { Click(); }))
        forms::TLabel::mousePressEvent(event);
}
