#include "forms/cv_recovery_form.h"

#include <utility>

#include "catalogue/cv_messages.h"
#include "platform/cp1250.h"

TOwned<TRecoveryForm> RecoveryForm;

void TRecoveryForm::OnCreate() {
  TThreeAnswerForm::OnCreate();
  CreateDialogButton(OpenButton, ANSWER_X[0], ANSWER_Y);
  CreateDialogButton(LaterButton, ANSWER_X[1], ANSWER_Y);
  CreateDialogButton(RemoveButton, ANSWER_X[2], ANSWER_Y);
}

void TRecoveryForm::OnShow() {
  PositionOfFocusedComponent = 3;
  OpenButton->CatchFocus();
}

void TRecoveryForm::OnCloseQuery() {
  // The answer hides the form itself, or moves on to the next offer.
  Close = false;
  Answer(TRecoveryAnswer::Later);
}

void TRecoveryForm::Ask(std::vector<TRecoveryOffer> Offers, TThen Then) {
  offers_ = std::move(Offers);
  next_ = 0;
  opened_ = false;
  then_ = Then;
  AskNext();
}

void TRecoveryForm::AskNext() {
  if (opened_ || next_ >= offers_.size()) {
    offers_.clear();
    next_ = 0;
    if (Visible) Hide();
    if (then_ != nullptr) std::exchange(then_, nullptr)(opened_);
    return;
  }
  SetLines(RecoveryQuestionLines(offers_[next_]));
  if (!Visible) Show(ST_Modal);
}

void TRecoveryForm::Answer(TRecoveryAnswer A) {
  const TRecoveryOffer* offer = Current();
  if (offer == nullptr) return;
  switch (A) {
    case TRecoveryAnswer::Open:
      opened_ = OpenRecoveredVersion(*offer).Ok();
      break;
    case TRecoveryAnswer::Later:
      break;
    case TRecoveryAnswer::Delete:
      if (!DeleteRecoveredVersion(*offer)) {
        std::string message = "Súbor \""_cps;
        message += offer->File;
        message += "\" sa nepodarilo odstrániť!"_cp;
        ShowErrorMessage(message);
      }
      break;
  }
  ++next_;
  AskNext();
}
