#pragma once
// The error form: the one road by which every message reaches the user. It
// shows one Slovak text modally above everything until OK is pressed.

#include <string>
#include <string_view>

#include "forms/cv_dialog_form.h"
#include "vc/vc_form.h"

class TErrorForm : public TDialogForm {
 public:
  std::string ErrorMessage;  // Windows-1250
  TOwned<TDialogOKButton> OKButton;
  TPicture Picture1;  // the exclamation mark
  TColor TranColor;

  void OnCreate() override;
  void OnShow() override;
  void OnDraw() override;
};

extern TOwned<TErrorForm> ErrorForm;

// Shows Text on the error form. This is the catalogue's message handler; it
// is installed at start-up.
void ShowOnErrorForm(std::string_view Text);

// The width within which a message is centred; a wider one is wrapped.
inline constexpr int32_t ERROR_MESSAGE_WIDTH = 300;
// Where a message of the given pixel width starts, relative to the canvas.
int32_t ErrorMessageX(uint32_t TextWidth);
