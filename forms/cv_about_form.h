#pragma once
// The about page: the program's name, version and purpose, and the credits
// of the free fonts it is drawn with.

#include <span>

#include "forms/cv_dialog_form.h"
#include "vc/vc_form.h"

struct TAboutLine {
  int32_t FontIndex;
  int32_t X, Y;  // relative to the form's canvas
  std::string_view Text;
  int32_t Width = 0;  // wrapped to this width when not 0
};
extern const std::span<const TAboutLine> AboutLines;

class TAboutForm : public TDialogForm {
 public:
  TOwned<TDialogOKButton> OKButton;

  void OnCreate() override;
  void OnFree() override;
  void OnShow() override;
  void OnDraw() override;
};

extern TOwned<TAboutForm> AboutForm;
