// TMemoForm: shows and edits one comment memo of the current release row.
#pragma once

#include <string>

#include "platform/forms/components.h"
#include "platform/forms/form.h"

// The memo field and caption of a memo kind; false for a kind that has none.
bool MemoKindField(int kind, std::string& field, std::string& caption);

class TMemoForm : public forms::Form {
    Q_OBJECT
  public:
    TMemoForm();
    ~TMemoForm() override;

    // Set by the caller before showing: 1 surface water, 2 landfill, 4 inhalation comments.
    int MemoKind = 0;

    forms::TMemo* DBMemo1;
    forms::TButton* Done;
    forms::TMemo* CommentsMemo;  // never shown

    void FormShow() override { activated_ = false; }
    // Once per showing, so an edit in progress is not read over.
    void FormActivate() override;
    void DoneClick();
    // Leaving by the close button keeps the text typed, as OK does.
    void FormClose() override;

    // The memo field DBMemo1 edits; empty while it is bound to none.
    const std::string& BoundField() const { return boundField_; }

  private:
    void StoreMemo();

    bool activated_ = false;
    std::string boundField_;
    std::string shownText_;
};

extern TMemoForm* MemoForm;
