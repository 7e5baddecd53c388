// The Introduction page: the case's identification, product and comments.
#include "consumer/pages/intro_page.h"

#include "consumer/model/case_state.h"
#include "consumer/pages/help_files.h"
#include "consumer/pages/kiv_state.h"
#include "consumer/pages/start_dialogs.h"
#include "platform/forms/ui_service.h"

namespace consumer {
namespace {

constexpr size_t kTextWidth = 29;

std::string StoredText(const std::string& typed) {
    return typed.empty() ? "Unknown" : typed.substr(0, kTextWidth);
}

}  // namespace

TInputIntro::TInputIntro(QWidget* parent) : TInputPage("Introduction", 6, parent) {
    OmitButton(101);
    auto* picture = new TitlePicture("KIV", "Consumer Exposure Module", this);
    picture->setMinimumSize(360, 90);
    Body()->addWidget(picture, 6, 0, 1, 3);
    AddLabel(3, 0,
             "The Consumer Exposure Module estimates inhalation and dermal exposure to "
             "chemicals in consumer products. Enter the case's identification and product, "
             "choose a scenario, then complete the input pages and submit the data from the "
             "Run Model menu.",
             3)
        ->setWordWrap(true);
    AddIdentityRows();
    ScenarioLabel()->hide();
    AddLabel(4, 0,
             "Model Run Comments (this entry allows the user to enter any free flowing textual "
             "description about the model run.)",
             3)
        ->setWordWrap(true);
    comments_ = new forms::TMemo(this);
    Body()->addWidget(comments_, 5, 0, 1, 3);
}

void TInputIntro::SetupWindow() {
    TInputPage::SetupWindow();
    InputErrorFlag = false;
    IdEdit()->SetText("");
    ProductEdit()->SetText("");
    comments_->SetText("");
    const ExposureInputs& in = *CaseInputs;
    if (in.ScenarioApplyCount > 1 || RunMode > kRunStandAlone) {
        IdEdit()->SetText(in.IdNumber);
        ProductEdit()->SetText(in.ProductName);
        comments_->SetText(in.Comments);
    }
    EnablePathwayButtons();
    PageCode = '9';
}

void TInputIntro::StoreStep() {
    ExposureInputs& in = *CaseInputs;
    in.IdNumber = StoredText(IdEdit()->Text());
    in.ProductName = StoredText(ProductEdit()->Text());
    // The edit holds lines as the system's edit control does, CR LF between them.
    std::string comments;
    for (char c : comments_->Text()) {
        if (c == '\n')
            comments += '\r';
        comments += c;
    }
    RemoveLineBreaks(comments);
    in.Comments = comments;
}

void TInputIntro::PageButtonClick(int id) {
    if (id != 102 && ScenarioChosen <= 0) {
        forms::ShowMessage("You must first select a scenario!", "Warning", forms::Icon::Warning);
        return;
    }
    FollowPageButton(id);
}

}  // namespace consumer
