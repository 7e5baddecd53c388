// The scripted UI service: answers in order, records what was shown, runs modal forms unblocked.
#include "platform/forms/ui_service.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <stdexcept>

#include "platform/forms/application.h"
#include "platform/forms/form.h"

namespace {

class CountingForm : public forms::Form {
  public:
    CountingForm() { SetCaption("Counting"); }
    void FormShow() override { events += "show,"; }
    void FormActivate() override { events += "activate,"; }
    void FormClose() override { events += "close,"; }
    std::string events;
};

TEST(ScriptedUiTest, BoxesTakeScriptedAnswersInOrderThenTheirFirstButton) {
    forms::ScriptedUi ui;
    ui.AnswerNextBox(forms::mrCancel);
    ui.AnswerNextBox(forms::mrNo);
    EXPECT_EQ(
        forms::Ui().MessageBox("first", "Error", forms::Buttons::OkCancel, forms::Icon::Error),
        forms::mrCancel);
    EXPECT_EQ(forms::Ui().MessageBox("second", "Note", forms::Buttons::YesNo, forms::Icon::None),
              forms::mrNo);
    EXPECT_EQ(forms::Ui().MessageBox("third", "Note", forms::Buttons::YesNo, forms::Icon::None),
              forms::mrYes);
    EXPECT_EQ(forms::ShowMessage("fourth"), forms::mrOk);

    auto boxes = ui.Boxes();
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_EQ(boxes[0].text, "first");
    EXPECT_EQ(boxes[1].result, forms::mrNo);
    EXPECT_EQ(boxes[3].text, "fourth");
}

TEST(ScriptedUiTest, ModalFormRunsItsEventsAndTheStepWithoutBlocking) {
    forms::ScriptedUi ui;
    CountingForm form;
    ui.OnNextModal([](forms::Form& shown) {
        EXPECT_EQ(shown.Caption(), "Counting");
        return static_cast<int>(forms::mrOk);
    });
    EXPECT_EQ(form.ShowModal(), forms::mrOk);
    EXPECT_EQ(form.events, "show,activate,close,");
    // Unscripted: the form's own result, or Cancel when it set none.
    EXPECT_EQ(form.ShowModal(), forms::mrCancel);
    ASSERT_EQ(ui.Shown().size(), 2u);
    EXPECT_EQ(ui.Shown()[0].kind, "modal");
    EXPECT_EQ(ui.Shown()[0].result, forms::mrOk);
}

TEST(FormTest, EveryWayOutOfARealModalShowRunsTheCloseHandlerOnce) {
    struct Way {
        const char* name;
        std::function<void(CountingForm&)> leave;
        int result;
    };
    const Way ways[] = {
        {"escape", [](CountingForm& f) { f.reject(); }, forms::mrCancel},
        {"close button", [](CountingForm& f) { f.close(); }, forms::mrCancel},
        {"modal result", [](CountingForm& f) { f.SetModalResult(forms::mrOk); }, forms::mrOk},
        {"Close", [](CountingForm& f) { f.Close(); }, forms::mrCancel},
    };
    for (const Way& way : ways) {
        CountingForm form;
        QTimer::singleShot(0, &form, [&form, &way] { way.leave(form); });
        EXPECT_EQ(form.RunModalReal(), way.result) << way.name;
        EXPECT_EQ(form.events.find("close,"), form.events.rfind("close,")) << way.name;
        EXPECT_NE(form.events.find("show,"), std::string::npos) << way.name;
        EXPECT_NE(form.events.find("close,"), std::string::npos) << way.name;
    }
}

TEST(ScriptedUiTest, DialogsHelpAndHourglassAreRecorded) {
    forms::ScriptedUi ui;
    ui.AnswerNextDialog(std::string("/tmp/chosen.dbf"));
    EXPECT_EQ(forms::Ui().OpenFileDialog({"Open", "", "", ""}), "/tmp/chosen.dbf");
    EXPECT_FALSE(forms::Ui().FolderDialog("Folder", "/"));
    forms::Ui().ShowHelp("Contents");
    {
        forms::Hourglass busy;
        EXPECT_EQ(ui.HourglassDepth(), 1);
    }
    EXPECT_EQ(ui.HourglassDepth(), 0);
    ASSERT_EQ(ui.Shown().size(), 3u);
    EXPECT_EQ(ui.Shown()[1].result, forms::mrCancel);
    EXPECT_EQ(ui.Shown()[2].kind, "help");
    EXPECT_EQ(ui.Shown()[2].caption, "Contents");
}

TEST(ScriptedUiTest, ASaveDialogAddsTheDefaultExtensionToANameWithout) {
    forms::ScriptedUi ui;
    forms::FileDialogRequest request{"Save File", "", "", ""};
    request.defaultExtension = "wpd";
    const std::pair<const char*, const char*> cases[] = {
        {"/tmp/barsoap_doc", "/tmp/barsoap_doc.wpd"},
        {"/tmp/barsoap.doc", "/tmp/barsoap.doc"},
        {"/tmp/dotted.folder/report", "/tmp/dotted.folder/report.wpd"},
        {"c:\\out\\report", "c:\\out\\report.wpd"},
    };
    for (const auto& [typed, written] : cases) {
        ui.AnswerNextDialog(std::string(typed));
        EXPECT_EQ(forms::Ui().SaveFileDialog(request), written) << typed;
    }
    request.defaultExtension.clear();
    ui.AnswerNextDialog(std::string("/tmp/plain"));
    EXPECT_EQ(forms::Ui().SaveFileDialog(request), "/tmp/plain");
}

TEST(ScriptedUiTest, NestedScriptsRestoreThePreviousService) {
    forms::ScriptedUi outer;
    {
        forms::ScriptedUi inner;
        forms::ShowMessage("inner");
        EXPECT_EQ(inner.Boxes().size(), 1u);
    }
    forms::ShowMessage("outer");
    ASSERT_EQ(outer.Boxes().size(), 1u);
    EXPECT_EQ(outer.Boxes()[0].text, "outer");
}

class ThrowingObject : public QObject {
  public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            throw std::runtime_error("handler failed");
        return QObject::event(e);
    }
};

TEST(ApplicationTest, ExceptionFromAHandlerIsShownAndTheProgramCarriesOn) {
    forms::ScriptedUi ui;
    ThrowingObject target;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&target, &event);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].caption, "Error");
    EXPECT_EQ(ui.Boxes()[0].text, "handler failed");
}

}  // namespace
