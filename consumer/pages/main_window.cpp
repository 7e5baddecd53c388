// The consumer model's main window: frame, menus, client, navigation between pages.
#include "consumer/pages/main_window.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "consumer/model/case_state.h"
#include "consumer/output/display_texts.h"
#include "consumer/output/result_pages.h"
#include "consumer/pages/activity_pages.h"
#include "consumer/pages/intro_page.h"
#include "consumer/pages/kiv_state.h"
#include "consumer/pages/scenario_page.h"
#include "consumer/pages/text_pages.h"

namespace consumer {
namespace {

const QColor kClientGrey(192, 192, 192);

}  // namespace

ResultView::ResultView(QWidget* parent) : QWidget(parent) {
    setFixedSize(kResultPageWidth, kResultPageHeight);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kClientGrey);
    setPalette(palette);
}

void ResultView::SetPage(int page) {
    page_ = page;
    update();
}

void ResultView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    ResultPageSource source{*CaseInputs, *CaseResults, Display, RunMode, OutputMode};
    switch (page_) {
        case 1:
            DrawInhalationPage(painter, source);
            break;
        case 2:
            DrawDermalPage(painter, source);
            break;
        default:
            DrawInputsPage(painter, source);
            break;
    }
}

KIVWindow::KIVWindow(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kClientGrey);
    setPalette(palette);
    area_ = new QMdiArea(this);
    area_->setBackground(kClientGrey);
    results_ = new ResultView(this);
    results_->hide();
    struct WindowButton {
        forms::TButton** button;
        const char* caption;
        QRect geometry;
    };
    const WindowButton buttons[] = {{&inputs_, "Inputs", QRect(100, 5, 75, 20)},
                                    {&inhalation_, "Outputs - Inhalation", QRect(175, 5, 150, 20)},
                                    {&dermal_, "Outputs - Dermal", QRect(325, 5, 125, 20)},
                                    {&return_, "Return to Input Screen", QRect(550, 5, 150, 20)}};
    for (const WindowButton& entry : buttons) {
        *entry.button = new forms::TButton(entry.caption, this);
        (*entry.button)->setGeometry(entry.geometry);
        (*entry.button)->hide();
    }
    inputs_->OnClick = [this] { ShowResultPage(0); };
    inhalation_->OnClick = [this] { ShowResultPage(1); };
    dermal_->OnClick = [this] { ShowResultPage(2); };
    return_->OnClick = [this] { CmReturnToInputs(); };
}

// The start screen's window outlives this part of the window while the children are deleted.
KIVWindow::~KIVWindow() {
    if (startWindow_)
        disconnect(startWindow_, nullptr, this, nullptr);
}

// The first navigation runs once the frame is up and drawn; the splash then comes over it.
void KIVWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!started_) {
        started_ = true;
        ScheduleNavigation();
    }
}

void KIVWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    area_->setGeometry(rect());
}

void KIVWindow::ScheduleNavigation() {
    if (navigationQueued_)
        return;
    navigationQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        navigationQueued_ = false;
        NavigationStep();
    });
}

void KIVWindow::NavigationStep() {
    if (exited_)
        return;
    if (SplashPending) {
        SplashPending = false;
        NavigationPending = "1";
        TExplode splash(this);
        splash.ShowModal();
        NavigationPending = "0";
        DispatchPageCode();
    } else if (NavigationPending == "0") {
        DispatchPageCode();
    } else if (PageCode == '9' && !page_ && !start_) {
        // The last page or the start screen was closed without asking for another.
        CmExit();
    }
}

void KIVWindow::DispatchPageCode() {
    switch (PageCode) {
        case '9':
        case 'f':
            CmExit();
            break;
        case 'a':
            ShowStartScreen();
            break;
        case 'b':
            CmNewCase();
            break;
        case 'd':
            CmFileOpen();
            break;
        case 'g':
            CmShowResults();
            break;
        default:
            OpenPageFor(PageCode);
            break;
    }
}

QMdiSubWindow* KIVWindow::AddChild(QWidget* widget, const QPoint& position, bool caption) {
    Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint;
    if (caption)
        flags |= Qt::WindowTitleHint;
    else
        flags |= Qt::FramelessWindowHint;
    QMdiSubWindow* child = area_->addSubWindow(widget, flags);
    child->setAttribute(Qt::WA_DeleteOnClose);
    child->adjustSize();
    child->move(position);
    child->show();
    return child;
}

void KIVWindow::OpenPageFor(char code) {
    CloseOpenPage();
    TInputPage* page = nullptr;
    switch (code) {
        case '1':
        case '6':
            page = new TScenario;
            break;
        case '2':
            page = new TInhInput;
            break;
        case '3':
            if (CaseInputs->DoseType == "Absorbed")
                page = new TDermInput2;
            else
                page = new TDermInput;
            break;
        case '4':
            page = new TUserAct;
            break;
        case '5':
            page = new TNUserAct;
            break;
        default:
            page = new TInputIntro;
            break;
    }
    page_ = page;
    pageWindow_ = AddChild(page, QPoint(120, 30), true);
    page->OnClose = [this] {
        CloseOpenPage();
        ScheduleNavigation();
    };
    page->SetupWindow();
    ShowWholePage();
    NavigationPending = "1";
}

// The page takes the size its filled controls need; where that runs past the client area, the
// window grows, so that no edit is squeezed below its number and no label is cut.
void KIVWindow::ShowWholePage() {
    if (QLayout* layout = page_->layout())
        layout->activate();
    pageWindow_->adjustSize();
    const int margin = 10;
    QRect page = pageWindow_->geometry();
    int wider = page.right() + 1 + margin - area_->width();
    int taller = page.bottom() + 1 + margin - area_->height();
    if (wider > 0 || taller > 0)
        window()->resize(window()->size() + QSize(std::max(wider, 0), std::max(taller, 0)));
}

// The page goes later, since it may be closing from inside one of its own handlers.
void KIVWindow::CloseOpenPage() {
    if (pageWindow_) {
        pageWindow_->hide();
        pageWindow_->deleteLater();
    }
    page_ = nullptr;
    pageWindow_ = nullptr;
}

void KIVWindow::StoreOpenPage(int command) {
    if (page_ && !page_->Closed())
        page_->CommandEnabler(command);
}

void KIVWindow::ShowStartScreen() {
    HideResultButtons();
    CaseSaved = true;
    NavigationPending = "1";
    auto* start = new TStartModel;
    start_ = start;
    startWindow_ = AddChild(start, QPoint(170, 100), false);
    start->SetupWindow();
    start->OnClose = [this] {
        if (startWindow_) {
            startWindow_->hide();
            startWindow_->deleteLater();
        }
        start_ = nullptr;
        ScheduleNavigation();
    };
    // Closed any other way, the start screen leaves PageCode at '9' and the program ends.
    connect(startWindow_, &QObject::destroyed, this, [this] { ScheduleNavigation(); });
}

void KIVWindow::HideResultButtons() {
    for (forms::TButton* button : {inputs_, return_, inhalation_, dermal_})
        button->hide();
    results_->hide();
}

void KIVWindow::ShowResultPage(int page) {
    results_->SetPage(page);
    results_->show();
    results_->raise();
    for (forms::TButton* button : {inputs_, return_, inhalation_, dermal_})
        button->raise();
}

KIVFrame::KIVFrame(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle("Consumer Exposure Module (KIV)");
    client_ = new KIVWindow(this);
    setCentralWidget(client_);
    client_->OnExit = [this] { close(); };
    QMenu* file = menuBar()->addMenu("&File");
    QMenu* output = file->addMenu("Output");
    auto add = [this](QMenu* menu, int id, const char* caption, std::function<void()> action) {
        QAction* command = menu->addAction(caption);
        connect(command, &QAction::triggered, this, [action] { action(); });
        commands_[id] = command;
    };
    add(output, 22, "Screen", [this] { client_->CmOutputScreen(); });
    add(output, 23, "Printer", [this] { client_->CmOutputPrinter(); });
    add(output, 24, "Word processing file", [this] { client_->CmOutputDocument(); });
    file->addSeparator();
    add(file, 25, "E&xit", [this] { client_->CmExit(); });
    QMenu* run = menuBar()->addMenu("&Run Model");
    add(run, 34, "Submit &Data", [this] { client_->CmRunModel(); });
    QMenu* help = menuBar()->addMenu("&Help");
    add(help, 26, "KIV &Help Screen", [this] { client_->CmHelp(); });
    add(help, 27, "&About", [this] { client_->CmAbout(); });
    resize(840, 640);
}

QAction* KIVFrame::Command(int id) const {
    auto it = commands_.find(id);
    return it == commands_.end() ? nullptr : it->second;
}

// Closing the frame is the exit command: the open page is stored and an unsaved case saved.
void KIVFrame::closeEvent(QCloseEvent* event) {
    if (!client_->Exited())
        client_->FinishWork();
    event->accept();
}

}  // namespace consumer
