// A scratch program folder for the consumer model's windows: kiv/ (the working folder) with
// the model's tables and templates, data/ as the main program's data folder named by data.drv.
#pragma once

#include <gtest/gtest.h>
#include <QTest>
#include <functional>
#include <string>

#include "consumer/model/case_records.h"
#include "consumer/pages/main_window.h"
#include "platform/forms/form.h"
#include "platform/forms/ui_service.h"
#include "tests/consumer/model/test_folder.h"

namespace consumer_test {

class KivFolder {
  public:
    KivFolder();
    ~KivFolder();

    std::string Kiv() const { return root_.Folder() + "kiv/"; }
    std::string Data() const { return root_.Folder() + "data/"; }
    std::string Root() const { return root_.Folder(); }
    void Write(const std::string& relative, const std::string& text) const {
        root_.Write(relative, text);
    }
    std::string Read(const std::string& relative) const { return root_.Read(relative); }
    bool Exists(const std::string& relative) const;

  private:
    TestFolder root_;
};

// Back to the state at program start: records, flags and the window state.
void ResetProgramState();

// A product scenario as the Scenario page commits it.
struct ProductChoice {
    const char* name;
    int number;
    const char* keyword;
    int scenarioClass;
    int ageGroup = 1;
    const char* doseType = "Potential";
};

// A case of the product with the model's defaults for it and its age group, as the Scenario
// page leaves it (an absorbed dose gets a permeability and a Kow of 0, as the dialog may).
void MakeProductCase(consumer::ExposureInputs& inputs, const ProductChoice& product);

// An adult "Latex Paint" case with the model's defaults, as the Scenario page leaves it.
void MakeLatexPaintCase(consumer::ExposureInputs& inputs);

// The case of the product run as a user runs it: the window opened on the Introduction page,
// the case id "P-01-0001", the product "Wall paint" and the comment "Read back." typed there,
// Submit Data, and the case saved into the table "cases" of the folder.
void RunProductCase(consumer::KIVFrame& frame, const KivFolder& folder, forms::ScriptedUi& ui,
                    const ProductChoice& product);

// Lets queued navigation run.
void Settle();

// Clicks a widget with the real mouse button.
void Click(QWidget* widget);

// Runs the next modal dialog with a step on its concrete type.
template <typename Dialog>
void OnNext(forms::ScriptedUi& ui, std::function<void(Dialog&)> step) {
    ui.OnNextModal([step](forms::Form& form) {
        auto* dialog = dynamic_cast<Dialog*>(&form);
        EXPECT_NE(dialog, nullptr);
        if (dialog)
            step(*dialog);
        return form.ModalResult();
    });
}

}  // namespace consumer_test
