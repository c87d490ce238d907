#include "forms/cv_dialog_form.h"

#include <cassert>
#include <cstdlib>

#include "rastrix/fnt.h"

TDialogForm& DialogOf(const TVisualComponent& Button) {
  for (TVisualComponent* c = Button.Mother(); c != nullptr; c = c->Mother())
    if (auto* dialog = dynamic_cast<TDialogForm*>(c)) return *dialog;
  assert(false && "an answer button lies on a dialog");
  std::abort();
}

void TYesNoForm::OnShow() {
  PositionOfFocusedComponent = 3;
  YesButton->CatchFocus();
}

void TYesNoForm::CreateAnswers(int32_t YesX, int32_t NoX, int32_t Y) {
  CreateDialogButton(YesButton, YesX, Y);
  CreateDialogButton(NoButton, NoX, Y);
}

void TQuestionMarkForm::OnCreate() {
  LoadFormIcon(*this);
  CreateAnswers(55, 151, 140);
  LoadProgramPicture("Pictures\\Questionmark.bmp", Picture1);
  TranColor = TColor{128, 128, 0, 0};
}

void TQuestionMarkForm::OnFree() {
  FreeBMPPicture(Icon);
  FreeBMPPicture(Picture1);
}

void TQuestionMarkForm::DrawQuestion(std::string_view Question) {
  const TFont& font = ProgramFont(1);
  SetColor(0, 50, 100, 0);
  const int32_t width = static_cast<int32_t>(GetTextLength(font, Question));
  WriteText(RealCanvasPos.X1 + (300 - width) / 2, RealCanvasPos.Y1 + 80, font, Question);
  ShowAlphaScaleBMPPicture(RealCanvasPos.X1 + 125, RealCanvasPos.Y1 + 15, Picture1, Picture1.ImageWidth,
                           Picture1.ImageHeight, 0, true, TranColor);
}
