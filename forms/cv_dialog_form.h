#pragma once
// The answers of a dialog. A picture button of one of the four answers (OK,
// Cancel, Yes, No) calls the matching handler of the dialog it lies on, so a
// form says what its answers do by overriding those handlers instead of
// deriving a button class of its own for each. An answer a form does not
// override closes it.

#include <cstdint>
#include <string>
#include <string_view>

#include "forms/cv_picture_buttons.h"
#include "vc/vc_form.h"

class TDialogForm : public TForm {
 public:
  virtual void OnOK() { Hide(); }
  virtual void OnCancel() { Hide(); }
  virtual void OnYes() { Hide(); }
  virtual void OnNo() { Hide(); }
};

// The dialog a button lies on, directly or inside one of its panels.
TDialogForm& DialogOf(const TVisualComponent& Button);

template <class TLook, void (TDialogForm::*Answer)()>
class TAnswerButton final : public TLook {
 public:
  void OnMouseLeftClick(int32_t, int32_t) override { (DialogOf(*this).*Answer)(); }
};

using TDialogOKButton = TAnswerButton<TOKButton, &TDialogForm::OnOK>;
using TDialogCancelButton = TAnswerButton<TCancelButton, &TDialogForm::OnCancel>;
using TDialogYesButton = TAnswerButton<TYesButton, &TDialogForm::OnYes>;
using TDialogNoButton = TAnswerButton<TNoButton, &TDialogForm::OnNo>;

// A question answered Yes or No; Yes has the focus when it is shown.
class TYesNoForm : public TDialogForm {
 public:
  TOwned<TDialogYesButton> YesButton;
  TOwned<TDialogNoButton> NoButton;

  void OnShow() override;

 protected:
  void CreateAnswers(int32_t YesX, int32_t NoX, int32_t Y);
};

// A yes/no question written centred under a question mark: the question
// whether to delete a record and those whether to save the changes.
class TQuestionMarkForm : public TYesNoForm {
 public:
  TPicture Picture1;  // the question mark
  TColor TranColor;

  void OnCreate() override;
  void OnFree() override;

 protected:
  void DrawQuestion(std::string_view Question);
};
