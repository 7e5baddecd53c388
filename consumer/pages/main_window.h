// The consumer model's main window: a multiple-document frame whose client opens one input page
// at a time, runs the menu commands and shows the result pages.
#pragma once

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <functional>

#include "consumer/pages/input_page.h"
#include "consumer/pages/start_dialogs.h"
#include "platform/forms/components.h"

class QAction;

namespace consumer {

// The area the result pages are drawn in, at the logical size the pages are made for.
class ResultView : public QWidget {
    Q_OBJECT
  public:
    explicit ResultView(QWidget* parent = nullptr);
    int Page() const { return page_; }
    void SetPage(int page);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int page_ = 0;
};

class KIVWindow : public QWidget {
    Q_OBJECT
  public:
    explicit KIVWindow(QWidget* parent = nullptr);
    ~KIVWindow() override;

    // What the paint step of the system did, run from the event queue after a page or the start
    // screen closed and when the window is first shown.
    void NavigationStep();
    void ScheduleNavigation();
    void DispatchPageCode();

    void CmNewCase();
    void CmFileOpen();
    void CmRunModel();
    void CmShowResults();
    void CmReturnToInputs();
    void CmOutputScreen();
    void CmOutputPrinter();
    void CmOutputDocument();
    void CmFileSave();
    void CmExit();
    // The work of the exit command without closing the frame: the open page is stored and an
    // unsaved case saved.
    void FinishWork();
    void CmHelp();
    void CmAbout();
    void ShowStartScreen();
    void ShowResultPage(int page);

    TInputPage* OpenPage() const { return page_; }
    TStartModel* StartScreen() const { return start_; }
    QMdiArea* Area() const { return area_; }
    ResultView* Results() const { return results_; }
    forms::TButton* InputsButton() const { return inputs_; }
    forms::TButton* InhalationButton() const { return inhalation_; }
    forms::TButton* DermalButton() const { return dermal_; }
    forms::TButton* ReturnButton() const { return return_; }
    bool Exited() const { return exited_; }

    // Run when the exit command has closed the program's work; the frame then closes.
    std::function<void()> OnExit;

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void OpenPageFor(char code);
    void ShowWholePage();
    QMdiSubWindow* AddChild(QWidget* widget, const QPoint& position, bool caption);
    void CloseOpenPage();
    void StoreOpenPage(int command);
    bool RefuseWithoutResults();
    void HideResultButtons();
    enum class OpenResult { Loaded, NotACase, Cancelled };
    OpenResult LoadChosenCase(const std::string& path);
    std::string CaseTablePath();

    QMdiArea* area_ = nullptr;
    ResultView* results_ = nullptr;
    QPointer<TInputPage> page_;
    QPointer<QMdiSubWindow> pageWindow_;
    QPointer<TStartModel> start_;
    QPointer<QMdiSubWindow> startWindow_;
    forms::TButton* inputs_ = nullptr;
    forms::TButton* inhalation_ = nullptr;
    forms::TButton* dermal_ = nullptr;
    forms::TButton* return_ = nullptr;
    bool exited_ = false;
    bool navigationQueued_ = false;
    bool started_ = false;
};

// The result document's name proposed in linked and chemical-id starts ("" stand-alone): the
// data folder, the chemical's id cut at its last comma, the case id, ".kiv." and the extension.
std::string ProposedDocumentName(const std::string& extension);

class KIVFrame : public QMainWindow {
    Q_OBJECT
  public:
    explicit KIVFrame(QWidget* parent = nullptr);
    KIVWindow* Client() const { return client_; }
    // The menu command of the given id (20, 22 to 27, 34).
    QAction* Command(int id) const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    KIVWindow* client_ = nullptr;
    std::map<int, QAction*> commands_;
};

}  // namespace consumer
