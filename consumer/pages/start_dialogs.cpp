// The dialogs that open a stand-alone run: the splash dialog and the start screen.
#include "consumer/pages/start_dialogs.h"

#include <QPainter>
#include <QVBoxLayout>

#include "consumer/pages/help_files.h"
#include "consumer/pages/kiv_state.h"
#include "platform/forms/ui_service.h"

namespace consumer {

TitlePicture::TitlePicture(const std::string& title, const std::string& subtitle, QWidget* parent)
    : QWidget(parent), title_(title), subtitle_(subtitle) {
    setMinimumSize(360, 150);
}

void TitlePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(0, 64, 128));
    gradient.setColorAt(1, QColor(166, 202, 240));
    painter.fillRect(rect(), gradient);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(26);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(rect().adjusted(0, 0, 0, -height() / 3), Qt::AlignCenter,
                     QString::fromStdString(title_));
    font.setPixelSize(14);
    font.setBold(false);
    painter.setFont(font);
    painter.drawText(rect().adjusted(0, height() / 2, 0, 0), Qt::AlignCenter,
                     QString::fromStdString(subtitle_));
}

TExplode::TExplode(QWidget* parent) : forms::Form(parent) {
    SetCaption("Consumer Exposure Module");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new TitlePicture("KIV", "Consumer Exposure Module", this));
    ok_ = new forms::TButton("OK", this);
    ok_->OnClick = [this] { SetModalResult(forms::mrOk); };
    layout->addWidget(ok_, 0, Qt::AlignHCenter);
}

TStartModel::TStartModel(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(palette);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new TitlePicture("KIV", "Consumer Exposure Module", this));
    beginNew_ = new forms::TButton("Begin New KIV Run", this);
    openExisting_ = new forms::TButton("Open Existing KIV File", this);
    exit_ = new forms::TButton("Exit", this);
    quickAssist_ = new forms::TButton("Quick Assist", this);
    beginNew_->setDefault(true);
    for (forms::TButton* button : {beginNew_, openExisting_, exit_, quickAssist_})
        layout->addWidget(button);
    beginNew_->OnClick = [this] { Leave('b'); };
    openExisting_->OnClick = [this] { Leave('d'); };
    exit_->OnClick = [this] { Leave('f'); };
    quickAssist_->OnClick = [] { OpenHelpTopic(21); };
}

void TStartModel::SetupWindow() {
    PageCode = '9';
}

void TStartModel::Leave(char code) {
    PageCode = code;
    NavigationPending = "0";
    if (OnClose)
        OnClose();
}

}  // namespace consumer
