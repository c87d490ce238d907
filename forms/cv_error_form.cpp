#include "forms/cv_error_form.h"

#include "rastrix/fnt.h"

TOwned<TErrorForm> ErrorForm;

void ShowOnErrorForm(std::string_view Text) {
  if (!ErrorForm) return;  // before start-up: the message stays in the catalogue's record only
  ErrorForm->ErrorMessage.assign(Text);
  ErrorForm->Show(ST_Modal);
}

int32_t ErrorMessageX(uint32_t TextWidth) {
  if (TextWidth > static_cast<uint32_t>(ERROR_MESSAGE_WIDTH)) return 0;
  return (ERROR_MESSAGE_WIDTH - static_cast<int32_t>(TextWidth)) / 2;
}

void TErrorForm::OnCreate() {
  LoadFormIcon(*this);
  CreateDialogButton(OKButton, 103, 140);
  LoadProgramPicture("Pictures\\Exclamationmark.bmp", Picture1);
  TranColor = TColor{128, 128, 0, 0};
}

void TErrorForm::OnShow() {
  PositionOfFocusedComponent = 3;
  OKButton->CatchFocus();
}

void TErrorForm::OnDraw() {
  const TFont& font = ProgramFont(1);
  SetColor(200, 0, 0, 0);
  const uint32_t width = GetTextLength(font, ErrorMessage);
  WriteAlignedText(RealCanvasPos.X1 + ErrorMessageX(width), RealCanvasPos.Y1 + 80, ERROR_MESSAGE_WIDTH, font,
                   ErrorMessage);
  ShowAlphaScaleBMPPicture(RealCanvasPos.X1 + 125, RealCanvasPos.Y1 + 15, Picture1, Picture1.ImageWidth,
                           Picture1.ImageHeight, 0, true, TranColor);
}
