// The main window: queued navigation, start screen, run, results, save, open and exit.
#include <gtest/gtest.h>

#include <QAction>
#include <filesystem>

#include "consumer/data/case_table.h"
#include "consumer/model/case_state.h"
#include "consumer/pages/activity_pages.h"
#include "consumer/pages/case_list_dialog.h"
#include "consumer/pages/intro_page.h"
#include "consumer/pages/kiv_state.h"
#include "consumer/pages/main_window.h"
#include "consumer/pages/scenario_page.h"
#include "consumer/pages/start_dialogs.h"
#include "consumer/pages/text_pages.h"
#include "tests/consumer/pages/kiv_fixture.h"

namespace {

using namespace consumer;
using namespace consumer_test;

std::string PageTitle(KIVFrame& frame) {
    TInputPage* page = frame.Client()->OpenPage();
    return page ? page->Title() : "";
}

TEST(MainWindow, StandAloneStartsWithSplashThenStartScreenThenANewCase) {
    KivFolder folder;
    SplashPending = true;
    forms::ScriptedUi ui;
    KIVFrame frame;
    frame.show();
    Settle();
    ASSERT_FALSE(ui.Shown().empty());
    EXPECT_EQ(ui.Shown()[0].kind, "modal");
    EXPECT_EQ(ui.Shown()[0].caption, "Consumer Exposure Module");
    TStartModel* start = frame.Client()->StartScreen();
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(PageCode, '9');
    Click(start->BeginNew());
    EXPECT_EQ(PageCode, 'b');
    Settle();
    EXPECT_EQ(PageTitle(frame), "Introduction");
    EXPECT_EQ(frame.Client()->StartScreen(), nullptr);
}

TEST(MainWindow, PageButtonsNavigateInTheirOrder) {
    KivFolder folder;
    MakeLatexPaintCase(*CaseInputs);
    PageCode = '0';
    forms::ScriptedUi ui;
    KIVFrame frame;
    frame.show();
    Settle();
    ASSERT_EQ(PageTitle(frame), "Introduction");
    const std::pair<int, const char*> steps[] = {
        {102, "Scenario Data"},   {103, "Inhalation Inputs"},  {104, "Dermal Inputs"},
        {105, "Day of Use Data"}, {106, "Day After Use Data"}, {107, "Scenario Data"},
        {101, "Introduction"}};
    for (const auto& [button, title] : steps) {
        TInputPage* page = frame.Client()->OpenPage();
        ASSERT_NE(page, nullptr);
        Click(page->PageButton(button));
        // The next page is opened from the event queue, not inside the click.
        EXPECT_EQ(frame.Client()->OpenPage(), nullptr);
        Settle();
        EXPECT_EQ(PageTitle(frame), title) << button;
    }
    EXPECT_TRUE(ui.Boxes().empty());
}

// The case runs from the pages, the results are shown and the case is saved where asked.
TEST(MainWindow, SubmitDataRunsShowsResultsAndSaves) {
    KivFolder folder;
    MakeLatexPaintCase(*CaseInputs);
    PageCode = '0';
    forms::ScriptedUi ui;
    ui.AnswerNextDialog(folder.Root() + "cases");
    KIVFrame frame;
    frame.show();
    Settle();
    frame.Command(34)->trigger();
    Settle();
    EXPECT_TRUE(ResultsReady);
    EXPECT_TRUE(CaseSaved);
    EXPECT_TRUE(forms::Visible(frame.Client()->InputsButton()));
    EXPECT_TRUE(forms::Visible(frame.Client()->InhalationButton()));
    EXPECT_TRUE(forms::Visible(frame.Client()->DermalButton()));
    EXPECT_GT((*CaseResults)[kInhalationAcuteDose], 0);
    EXPECT_GT((*CaseResults)[kDermalAcuteDose], 0);
    // The table was created beside the name chosen, with ".dbf" added.
    EXPECT_TRUE(folder.Exists("cases.dbf"));
    // Submit Data while results are shown is refused.
    frame.Command(34)->trigger();
    ASSERT_FALSE(ui.Boxes().empty());
    EXPECT_EQ(ui.Boxes().back().text, "Model results are currently being displayed.");
    Click(frame.Client()->DermalButton());
    EXPECT_EQ(frame.Client()->Results()->Page(), 2);
    // The document goes under a new name; the printout, without a printer, into a PDF.
    ui.ClearShown();
    ui.AnswerNextDialog(folder.Root() + "new.wpd");
    frame.Command(24)->trigger();
    EXPECT_TRUE(folder.Exists("new.wpd"));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, folder.Root() + "new.wpd has been saved");
    ui.AnswerNextPrintDialog(true);
    ui.AnswerNextDialog(folder.Root() + "printed.pdf");
    frame.Command(23)->trigger();
    EXPECT_TRUE(folder.Exists("printed.pdf"));
    Click(frame.Client()->ReturnButton());
    Settle();
    EXPECT_EQ(PageTitle(frame), "Introduction");
}

// "Print to File (PDF)" in the print dialog: the results go into the file named there, and no
// second dialog asks for a name.
TEST(MainWindow, PrinterOutputGoesIntoTheFileNamedInThePrintDialog) {
    KivFolder folder;
    MakeLatexPaintCase(*CaseInputs);
    PageCode = '0';
    forms::ScriptedUi ui;
    ui.AnswerNextDialog(folder.Root() + "cases");
    KIVFrame frame;
    frame.show();
    Settle();
    frame.Command(34)->trigger();
    Settle();
    ASSERT_TRUE(ResultsReady);
    ui.ClearShown();
    ui.AnswerNextPrintDialogToFile(folder.Root() + "chosen.pdf");
    frame.Command(23)->trigger();
    EXPECT_TRUE(folder.Exists("chosen.pdf"));
    ASSERT_EQ(ui.Shown().size(), 1u);
    EXPECT_EQ(ui.Shown()[0].kind, "print");
}

TEST(MainWindow, RunWithoutAScenarioOpensTheScenarioPage) {
    KivFolder folder;
    PageCode = '0';
    forms::ScriptedUi ui;
    KIVFrame frame;
    frame.show();
    Settle();
    frame.Command(34)->trigger();
    Settle();
    ASSERT_FALSE(ui.Boxes().empty());
    EXPECT_EQ(ui.Boxes()[0].text, "You must select a scenario!");
    EXPECT_EQ(PageTitle(frame), "Scenario Data");
    frame.Command(22)->trigger();
    EXPECT_EQ(ui.Boxes().back().text,
              "You must first run the calculations before\n you can view the results");
}

// Saving adds to a table or updates its case in place; the other cases stay. Opening a case
// brings back its age group; the path keeps its letter case.
TEST(MainWindow, SavedCasesStayAndOpenWithTheirAgeGroup) {
    KivFolder folder;
    std::filesystem::create_directories(folder.Root() + "Mixed.Case.d");
    std::string table = folder.Root() + "Mixed.Case.d/Cases";
    forms::ScriptedUi ui;
    KIVFrame frame;
    for (const char* id : {"FIRST", "SECOND", "FIRST"}) {
        MakeLatexPaintCase(*CaseInputs);
        CaseInputs->IdNumber = id;
        CaseInputs->AgeGroup = std::string(id) == "FIRST" ? 3 : 1;
        ui.AnswerNextDialog(table);
        frame.Client()->CmFileSave();
    }
    std::string path = table + ".dbf";
    ASSERT_TRUE(std::filesystem::exists(path));
    ExposureInputs loaded;
    ExposureResults results;
    LoadCase("Cases", folder.Root() + "Mixed.Case.d", 0, "SECOND", loaded, results);
    EXPECT_EQ(loaded.IdNumber, "SECOND");
    LoadCase("Cases", folder.Root() + "Mixed.Case.d", 0, "FIRST", loaded, results);
    EXPECT_EQ(loaded.StoredAgeGroup, 3);

    // The table holds two cases: the user picks one, the one saved last offered first.
    ResetProgramState();
    WorkingFolder = folder.Kiv();
    ui.AnswerNextDialog(path);
    std::vector<std::string> offered;
    ui.OnNextModal([&](forms::Form& form) -> int {
        auto* list = dynamic_cast<TCaseList*>(&form);
        EXPECT_NE(list, nullptr);
        if (!list)
            return forms::mrCancel;
        for (int row = 0; row < list->List()->count(); ++row)
            offered.push_back(list->List()->item(row)->text().toStdString());
        Click(list->OkButton());
        return form.ModalResult();
    });
    frame.Client()->CmFileOpen();
    Settle();
    EXPECT_EQ(offered, (std::vector<std::string>{"FIRST", "SECOND"}));
    EXPECT_EQ(CaseInputs->IdNumber, "FIRST");
    EXPECT_EQ(CaseInputs->AgeGroup, 3);
    EXPECT_EQ(ScenarioChosen, 1);
    EXPECT_EQ(CaseInputs->ScenarioApplyCount, 2);
    EXPECT_EQ(PageTitle(frame), "Introduction");

    // The other case is reached too; cancelling the choice keeps the case and shows the start
    // screen.
    ui.AnswerNextDialog(path);
    ui.OnNextModal([](forms::Form& form) -> int {
        auto* list = dynamic_cast<TCaseList*>(&form);
        if (list) {
            list->List()->setCurrentRow(1);
            Click(list->OkButton());
        }
        return form.ModalResult();
    });
    frame.Client()->CmFileOpen();
    Settle();
    EXPECT_EQ(CaseInputs->IdNumber, "SECOND");
    EXPECT_EQ(CaseInputs->AgeGroup, 1);
    ui.AnswerNextDialog(path);
    ui.OnNextModal([](forms::Form& form) -> int {
        form.SetModalResult(forms::mrCancel);
        return form.ModalResult();
    });
    frame.Client()->CmFileOpen();
    Settle();
    EXPECT_EQ(CaseInputs->IdNumber, "SECOND");
    EXPECT_NE(frame.Client()->StartScreen(), nullptr);
}

// In linked and chemical-id starts ..\kiv.dbf holds the one case saved last; the data folder's
// table keeps every case.
TEST(MainWindow, LinkedSavesLeaveTheLastCaseBesideTheProgram) {
    KivFolder folder;
    RunMode = kRunLinked;
    CaseDataFolder = folder.Data();
    forms::ScriptedUi ui;
    KIVFrame frame;
    for (const char* id : {"FIRST", "SECOND"}) {
        MakeLatexPaintCase(*CaseInputs);
        CaseInputs->IdNumber = id;
        frame.Client()->CmFileSave();
    }
    std::vector<StoredCase> beside = ListCases("kiv", folder.Root());
    ASSERT_EQ(beside.size(), 1u);
    EXPECT_EQ(beside[0].id, "SECOND");
    std::vector<StoredCase> collected = ListCases("kiv", folder.Data());
    ASSERT_EQ(collected.size(), 2u);
    EXPECT_EQ(collected[0].id, "SECOND");
    EXPECT_EQ(collected[1].id, "FIRST");
    // Opening the one beside the program asks nothing.
    ResetProgramState();
    WorkingFolder = folder.Kiv();
    ui.AnswerNextDialog(folder.Root() + "kiv.dbf");
    frame.Client()->CmFileOpen();
    Settle();
    EXPECT_EQ(CaseInputs->IdNumber, "SECOND");
    for (const auto& item : ui.Shown())
        EXPECT_NE(item.kind, "modal");
}

TEST(MainWindow, OpeningAFileThatIsNoCaseAsksAgain) {
    KivFolder folder;
    folder.Write("notes.txt", "x");
    forms::ScriptedUi ui;
    ui.AnswerNextDialog(folder.Root() + "notes.txt");
    KIVFrame frame;
    PageCode = 'd';
    NavigationPending = "0";
    frame.show();
    Settle();
    ASSERT_FALSE(ui.Boxes().empty());
    EXPECT_EQ(ui.Boxes()[0].text, "This is not a KIV file!");
    // The open dialog came back (no answer: cancelled) and the start screen followed.
    int opens = 0;
    for (const auto& item : ui.Shown())
        opens += item.kind == "open";
    EXPECT_EQ(opens, 2);
    EXPECT_NE(frame.Client()->StartScreen(), nullptr);
}

TEST(MainWindow, DocumentNameProposedInLinkedMode) {
    KivFolder folder;
    EXPECT_EQ(ProposedDocumentName("wpd"), "");
    RunMode = kRunLinked;
    CaseDataFolder = "/data/";
    CaseChemical->IdNumber = "P-99-0042,1";
    CaseInputs->IdNumber = "P-99-0042,1";
    EXPECT_EQ(ProposedDocumentName("wpd"), "/data/P-99-0042P-99-0042,1.kiv.wpd");
    CaseChemical->IdNumber = "A,B,C";
    EXPECT_EQ(ProposedDocumentName("doc"), "/data/A, P-99-0042,1.kiv.doc");
    CaseChemical->IdNumber = "NOCOMMA";
    EXPECT_EQ(ProposedDocumentName("doc"), "/data/P-99-0042,1.kiv.doc");
}

TEST(MainWindow, ExitStoresTheOpenPageFirst) {
    KivFolder folder;
    MakeLatexPaintCase(*CaseInputs);
    RunMode = kRunLinked;
    CaseDataFolder = folder.Data();
    PageCode = '2';
    forms::ScriptedUi ui;
    KIVFrame frame;
    frame.show();
    Settle();
    auto* page = dynamic_cast<TInhInput*>(frame.Client()->OpenPage());
    ASSERT_NE(page, nullptr);
    page->Number(126)->SetText("55");
    frame.Command(25)->trigger();
    EXPECT_TRUE(frame.Client()->Exited());
    EXPECT_EQ(CaseInputs->BODYWEIGHT, 55);
    ExposureInputs saved;
    ExposureResults results;
    LoadCase("kiv", folder.Data(), 0, CaseInputs->IdNumber, saved, results);
    EXPECT_EQ(saved.BODYWEIGHT, 55);
}

}  // namespace
