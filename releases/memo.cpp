// TMemoForm: shows and edits one comment memo of the current release row.
#include "releases/memo.h"

#include <QVBoxLayout>

#include "platform/forms/ui_service.h"

#include "scenario/table_set.h"

TMemoForm* MemoForm = nullptr;

bool MemoKindField(int kind, std::string& field, std::string& caption) {
    switch (kind) {
        case 1:
            field = "SWMEMO";
            caption = "Surface Water Comments";
            return true;
        case 2:
            field = "LNDMEMO";
            caption = "Landfill Comments";
            return true;
        case 4:
            field = "FUGMEMO";
            caption = "Inhalation Comments";
            return true;
        default:
            return false;
    }
}

TMemoForm::TMemoForm() {
    MemoForm = this;
    SetCaption("Memo Form");
    DBMemo1 = new forms::TMemo(this);
    Done = new forms::TButton("OK", this);
    CommentsMemo = new forms::TMemo(this);
    CommentsMemo->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DBMemo1);
    layout->addWidget(Done);
    resize(480, 320);
    Done->OnClick = [this] { DoneClick(); };
}

TMemoForm::~TMemoForm() {
    if (MemoForm == this)
        MemoForm = nullptr;
}

// Any other kind leaves the binding and the caption as they were.
void TMemoForm::FormActivate() {
    if (activated_)
        return;
    activated_ = true;
    std::string field;
    std::string caption;
    if (MemoKindField(MemoKind, field, caption)) {
        boundField_ = field;
        SetCaption(caption);
    }
    if (!boundField_.empty()) {
        shownText_ = ReadMemoField(boundField_);
        DBMemo1->SetText(shownText_);
    }
}

// The memo edits the field of the current release row as a data-aware control does: the text
// typed reaches the row whether the form is left by OK or by its close button.
void TMemoForm::StoreMemo() {
    if (boundField_.empty() || DBMemo1->Text() == shownText_)
        return;
    tables::Table& table = Tables().PmnTable;
    table.Edit();
    table.SetString(boundField_, DBMemo1->Text());
    table.Post();
    shownText_ = DBMemo1->Text();
}

void TMemoForm::DoneClick() {
    StoreMemo();
    SetModalResult(forms::mrOk);
    Close();
}

void TMemoForm::FormClose() {
    StoreMemo();
}
