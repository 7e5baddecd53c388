// The Introduction page: the case's identification, product and comments.
#pragma once

#include "consumer/pages/input_page.h"

namespace consumer {

class TInputIntro : public TInputPage {
    Q_OBJECT
  public:
    explicit TInputIntro(QWidget* parent = nullptr);
    void SetupWindow() override;
    void StoreStep() override;

    forms::TEdit* Identification() const { return IdEdit(); }
    forms::TEdit* Product() const { return ProductEdit(); }
    forms::TMemo* CommentsEdit() const { return comments_; }

  protected:
    void PageButtonClick(int id) override;

  private:
    forms::TMemo* comments_ = nullptr;
};

}  // namespace consumer
