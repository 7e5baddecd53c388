// TMainForm's submit: checks, the model runs, the results on the form, in the row and in
// chimra.out.
#include "platform/forms/ui_service.h"
#include "platform/tables/error.h"
#include "predictor/main_form.h"
#include "predictor/model_deck.h"
#include "predictor/model_run.h"
#include "predictor/release_row.h"
#include "predictor/units.h"
#include "predictor/validation.h"

namespace {

const char* kRunFailed =
    "An error has occurred running PLUMO3. Please check your inputs and rerun the model.";

}  // namespace

// Shows each message in its own box; true when there was any.
bool TMainForm::ShowMessages(const std::vector<std::string>& messages) {
    for (const std::string& m : messages)
        forms::Ui().MessageBox(m, "Error", forms::Buttons::Ok, forms::Icon::Error);
    return !messages.empty();
}

void TMainForm::SubmitClick() {
    if (!table_.IsOpen())
        return;
    ReleaseInputs inputs;
    if (!ReadForm(inputs))
        return;
    if (forms::Visible(FieldLen) && ShowMessages(AspectRatioMessages(inputs)))
        return;
    for (forms::TEdit* e : {Results, ResultsAcute, ResultsFug, ResultsAcuteFug})
        e->show();
    if (!PostInputs(inputs))
        return;
    if (ShowMessages(ValidationMessages(inputs)))
        return;
    RunModel(inputs);
}

void TMainForm::RunModel(ReleaseInputs inputs) {
    if (RunsStack(inputs))
        ApplyDeckDefaults(inputs, Source::Stack);
    if (RunsFugitive(inputs))
        ApplyDeckDefaults(inputs, Source::Fugitive);
    SubmitOutcome outcome;
    {
        forms::Hourglass wait;
        StatusBar1->showMessage("Running PLUMO3...");
        outcome = RunSubmit(inputs, {options_.folder, options_.timeoutMs});
        StatusBar1->clearMessage();
    }
    // The dimensions the model ran with go into the row whatever the outcome.
    if (!PostInputs(inputs))
        return;
    if (!outcome.ok) {
        forms::Ui().MessageBox(std::string(kRunFailed) + "\n\n" + outcome.failure, "Error",
                               forms::Buttons::Ok, forms::Icon::Error);
        // The row and chimra.out keep the last good results; the form shows them too.
        ShowStored();
        return;
    }
    // The caller is handed the results exactly as the row now holds them, so storing them
    // again changes nothing.
    AirConcentrations stored;
    try {
        WriteConcentrations(table_, inputs.key, outcome.concentrations);
        if (!GoToRelease(table_, inputs.key))
            throw tables::TableError(table_.FileName(), "", "the release is no longer there");
        stored = ReadConcentrations(table_);
    } catch (const tables::TableError& e) {
        forms::Ui().MessageBox(std::string("The results could not be saved: ") + e.what(), "Error",
                               forms::Buttons::Ok, forms::Icon::Error);
        return;
    }
    ShowResults(stored);
    WriteAnswer(CurrentAnswer(stored));
}

void TMainForm::ShowResults(const AirConcentrations& c) {
    Results->SetText(ShowNumberText(c.stackAnnual));
    ResultsAcute->SetText(ShowNumberText(c.stack24Hour));
    ResultsFug->SetText(ShowNumberText(c.fugitiveAnnual));
    ResultsAcuteFug->SetText(ShowNumberText(c.fugitive24Hour));
}

void TMainForm::ShowStored() {
    try {
        if (GoToRelease(table_, release_.key))
            ShowResults(ReadConcentrations(table_));
    } catch (const tables::TableError& e) {
        forms::Ui().MessageBox(std::string("The stored results could not be read: ") + e.what(),
                               "Error", forms::Buttons::Ok, forms::Icon::Error);
    }
}

ChimraAnswer TMainForm::CurrentAnswer(const AirConcentrations& c) {
    if (StabClass->Text().empty())
        StabClass->SetText("A");
    ChimraAnswer a = StoredAnswer(release_, c);
    a.downwash = Downwash->Checked();
    a.metClass = MetClass->Text();
    return a;
}

void TMainForm::WriteAnswer(const ChimraAnswer& answer) {
    if (!WriteChimraOut(InFolder("chimra.out"), ChimraOutText(answer)))
        forms::Ui().MessageBox("Could not write the results to chimra.out.", "Error",
                               forms::Buttons::Ok, forms::Icon::Error);
}
