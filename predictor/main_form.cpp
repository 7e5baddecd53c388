// TMainForm: start-up with the exchange files and the release table, and showing the release.
#include "predictor/main_form.h"

#include <unistd.h>

#include <QTimer>
#include <cmath>

#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "platform/sys/text.h"
#include "platform/tables/error.h"
#include "predictor/release_row.h"
#include "predictor/units.h"

TMainForm* MainForm = nullptr;

namespace {

// A number as the row holds it, for an edit.
std::string NumberText(double value) {
    return sys::Format("%.15g", value);
}

bool Accessible(const std::string& path) {
    return ::access(sys::NativePath(path).c_str(), R_OK | W_OK) == 0;
}

void ShowBox(const std::string& text) {
    forms::Ui().MessageBox(text, "Error", forms::Buttons::Ok, forms::Icon::Error);
}

}  // namespace

TMainForm::TMainForm() : TMainForm(PredictorOptions{}) {}

TMainForm::TMainForm(const PredictorOptions& options) : options_(options) {
    MainForm = this;
    if (options_.folder.empty())
        options_.folder = sys::WorkingFolder();
    BuildLayout();
    StartUp();
}

TMainForm::~TMainForm() {
    if (MainForm == this)
        MainForm = nullptr;
}

std::string TMainForm::InFolder(const std::string& name) const {
    return sys::JoinPath(options_.folder, name);
}

void TMainForm::Refuse(const std::string& message) {
    if (refusal_.empty())
        refusal_ = message;
}

void TMainForm::StartUp() {
    std::optional<std::string> folder = ReadDataFolder(InFolder("data.drv"));
    // No answer until the release's own values are known: an answer of zeros would overwrite
    // the release's results, and one left from an earlier run would be taken for this one's.
    sys::DeleteFile(InFolder("chimra.out"));
    std::optional<ChimraRequest> request = ReadChimraIn(InFolder("chimra.in"));
    if (request)
        request_ = *request;
    Label1->SetText(request_.caller +
                    " will use Varn's PLUMO3 Model to predict the downwind exposure concentration "
                    "to your chemical.");
    BitBtn1->setText(QString::fromStdString("Return to " + request_.caller));
    SetCaption(request_.caller + " Downwind Concentration Predictor");
    if (!folder) {
        Refuse("Could not read the data folder from data.drv in " +
               sys::NativePath(options_.folder) + ".");
        return;
    }
    if (!request) {
        Refuse("Could not read the release to open from chimra.in in " +
               sys::NativePath(options_.folder) + ".");
        return;
    }
    dataFolder_ = *folder;
    if (OpenReleaseTable())
        FindRelease();
}

// Asks to retry while the table cannot be read and written; false after Cancel.
bool TMainForm::OpenReleaseTable() {
    std::string path = ScenarioTablePath(dataFolder_);
    bool accessible = Accessible(path);
    for (;;) {
        if (accessible) {
            try {
                table_.Open(path);
                return true;
            } catch (const tables::TableError& e) {
                accessible = false;
            }
        }
        int answer = forms::Ui().MessageBox(
            "Could not find required database file! Do you wish to retry or cancel?", "Error",
            forms::Buttons::RetryCancel, forms::Icon::Error);
        if (answer != forms::mrRetry) {
            Refuse("");  // the user chose to leave; nothing more to say
            return false;
        }
        accessible = Accessible(path);
    }
}

void TMainForm::FindRelease() {
    try {
        listed_ = ListedReleases(table_);
        PMNNumber->SetItems(listed_);
        int found = -1;
        for (size_t i = 0; i < listed_.size(); ++i) {
            if (listed_[i] == request_.key)
                found = int(i);
        }
        if (GoToRelease(table_, request_.key)) {
            ReleaseInputs stored = ReadRelease(table_);
            WriteAnswer(StoredAnswer(stored, ReadConcentrations(table_)));
        }
        if (found < 0) {
            Refuse("The release " + request_.key +
                   " has no stack or fugitive release in the scenario table " +
                   sys::NativePath(ScenarioTablePath(dataFolder_)) + ".");
            return;
        }
        savedReleaseIndex_ = found;
        PMNNumber->SetItemIndex(savedReleaseIndex_);
    } catch (const tables::TableError& e) {
        Refuse(e.what());
    }
}

void TMainForm::OpenForm() {
    if (opened_)
        return;
    opened_ = true;
    if (!refusal_.empty() || !table_.IsOpen()) {
        if (!refusal_.empty())
            ShowBox(refusal_);
        QTimer::singleShot(0, this, [this] { Close(); });
        return;
    }
    currentReleaseIndex_ = savedReleaseIndex_;
    PMNNumber->SetItemIndex(currentReleaseIndex_);
    ShowScreens();
    UpdateScreens();
    PageControl1->setCurrentWidget(FacData);
    // The results show what the row holds until a run replaces them.
    ShowStored();
    if (forms::Visible(FugRelHt) && FugRelHt->Text() == "-9") {
        FugRelHt->SetText("3");
        FieldLen->SetText("10");
        FieldWidth->SetText("10");
        FugRelHtUnits->SetText("m");
        FieldLenUnits->SetText("m");
        FieldWidthUnits->SetText("m");
    }
}

void TMainForm::CloseForm() {
    if (table_.IsOpen())
        table_.Close();
}

void TMainForm::BitBtn1Click() {
    CloseForm();
    Close();
}

void TMainForm::ChangePMN() {
    if (!GetData())
        return;
    currentReleaseIndex_ = PMNNumber->ItemIndex();
    UpdateScreens();
}

void TMainForm::ShowScreens() {
    for (NumberEdit& n : numbers_)
        n.units->SetItems(UnitChoices(n.number->unitKind));
    LandUse->SetItems(UnitChoices('3'));
    StabClass->SetItems(UnitChoices('5'));
    MetClass->SetItems(UnitChoices('4'));
    for (forms::TComboBox* units : {FacHtUnits, FacLenUnits, FacWidthUnits})
        units->SetText("m");
}

void TMainForm::UpdateScreens() {
    std::string key = PMNNumber->Item(currentReleaseIndex_);
    if (!GoToRelease(table_, key)) {
        ShowBox("The release " + key + " is no longer in the scenario table.");
        return;
    }
    release_ = ReadRelease(table_);
    ApplyShownDefaults(release_);
    ShowRelease();
    ShowFacParams();
    ShowMetParams();
    ShowDownwash();
}

void TMainForm::ShowRelease() {
    const ReleaseInputs& r = release_;
    IncinRel->SetText(NumberText(r.incinRel));
    IncinRelDPY->SetText(NumberText(r.incinDays));
    IncinPerc->SetText(NumberText(r.incinPerc));
    FugRel->SetText(NumberText(r.fugRel));
    FugRelDPY->SetText(NumberText(r.fugDays));
    FugPerc->SetText(NumberText(r.fugPerc));
    FacName->SetText(r.facName);
    NumSites->SetText(NumberText(r.numSites));
    ShowNumbers();
    for (NumberEdit& n : numbers_) {
        bool facility = n.units == FacLenUnits || n.units == FacWidthUnits || n.units == FacHtUnits;
        bool wind = n.units == WindSpeedUnits;
        if ((!facility || r.downwash) && !wind)
            n.units->SetText(r.*n.number->unit);
    }
    LandUse->SetText(r.landUse);
    MetClass->SetText(r.metClass);
    Downwash->SetChecked(r.downwash);
}

void TMainForm::ShowNumbers() {
    for (NumberEdit& n : numbers_) {
        n.shown = NumberText(release_.*n.number->value);
        n.edit->SetText(n.shown);
    }
}

void TMainForm::ShowFacParams() {
    for (QWidget* w : stackControls_)
        w->setVisible(HasStack(release_));
    for (QWidget* w : fugitiveControls_)
        w->setVisible(HasFugitive(release_));
}

void TMainForm::ShowMetParams() {
    int met = MetClass->ItemIndex();
    bool classShown = met > 0;
    for (QWidget* w : stabilityControls_)
        w->setVisible(classShown);
    if (classShown)
        StabClass->SetItemIndex(
            release_.stabClass >= 0 && release_.stabClass <= 5 ? release_.stabClass : 0);
    bool windShown = met == 2;
    for (QWidget* w : windControls_)
        w->setVisible(windShown);
    if (windShown) {
        WindSpeedUnits->SetText(release_.wndSpdU);
        if (WindSpeedUnits->ItemIndex() < 0)
            WindSpeedUnits->SetItemIndex(0);
    }
}

void TMainForm::ShowDownwash() {
    bool ticked = Downwash->Checked();
    PageControl1->setTabVisible(PageControl1->indexOf(DownwashData), ticked);
    if (!ticked)
        return;
    for (forms::TComboBox* units : {FacLenUnits, FacWidthUnits, FacHtUnits}) {
        if (units->ItemIndex() < 0)
            units->SetItemIndex(0);
    }
}

// The form's values over the release on it; false, with a message, when a number is not one.
bool TMainForm::ReadForm(ReleaseInputs& into) {
    into = release_;
    for (NumberEdit& n : numbers_) {
        std::string text = n.edit->Text();
        if (text == n.shown)
            continue;  // untouched: the row's value with every digit
        double value = 0;
        if (!sys::Trim(text).empty() && (!sys::ParseDouble(text, value) || !std::isfinite(value))) {
            ShowBox("The " + std::string(n.number->caption) + " \"" + text + "\" is not a number.");
            return false;
        }
        into.*n.number->value = value;
    }
    for (NumberEdit& n : numbers_) {
        if (n.units->ItemIndex() >= 0)
            into.*n.number->unit = n.units->Text();
    }
    if (LandUse->ItemIndex() >= 0)
        into.landUse = LandUse->Text();
    if (MetClass->ItemIndex() >= 0)
        into.metClass = MetClass->Text();
    into.stabClass = forms::Visible(StabClass) ? std::max(StabClass->ItemIndex(), 0) : 0;
    if (!forms::Visible(WindSpeed))
        into.wndSpdU = "";
    into.downwash = Downwash->Checked();
    if (!into.downwash) {
        into.facLenU = release_.facLenU;
        into.facWdU = release_.facWdU;
        into.facHtU = release_.facHtU;
    }
    return true;
}

// Stores the inputs in the row; false, with a message, when the table refuses them.
bool TMainForm::PostInputs(const ReleaseInputs& inputs) {
    try {
        WriteEditedInputs(table_, inputs);
    } catch (const tables::TableError& e) {
        ShowBox(std::string("The inputs could not be saved: ") + e.what());
        return false;
    }
    release_ = inputs;
    ShowNumbers();
    return true;
}

bool TMainForm::GetData() {
    ReleaseInputs inputs;
    return ReadForm(inputs) && PostInputs(inputs);
}
