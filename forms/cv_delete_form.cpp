#include "forms/cv_delete_form.h"

#include "catalogue/cv_globals.h"
#include "platform/cp1250.h"
#include "rastrix/fnt.h"

TOwned<TDeleteForm> DeleteForm;

std::string_view DeleteQuestionText() { return "Naozaj chcete odstrániť položku s indexom "_cp; }

void TDeleteForm::TYesButton1::OnMouseLeftClick(int32_t, int32_t) { DeleteForm->AnswerYes(); }

void TDeleteForm::TNoButton1::OnMouseLeftClick(int32_t, int32_t) { DeleteForm->AnswerNo(); }

void TDeleteForm::OnCreate() {
  LoadFormIcon(*this);
  CreateDialogButton(YesButton, 55, 140);
  CreateDialogButton(NoButton, 151, 140);
  LoadProgramPicture("Pictures\\Questionmark.bmp", Picture1);
  TranColor = TColor{128, 128, 0, 0};
}

void TDeleteForm::OnFree() {
  FreeBMPPicture(Icon);
  FreeBMPPicture(Picture1);
}

void TDeleteForm::OnShow() {
  PositionOfFocusedComponent = 3;
  YesButton->CatchFocus();
}

void TDeleteForm::OnDraw() {
  const TFont& font = ProgramFont(1);
  SetColor(0, 50, 100, 0);
  const int32_t width = static_cast<int32_t>(GetTextLength(font, question_));
  WriteText(RealCanvasPos.X1 + (300 - width) / 2, RealCanvasPos.Y1 + 80, font, question_);
  ShowAlphaScaleBMPPicture(RealCanvasPos.X1 + 125, RealCanvasPos.Y1 + 15, Picture1, Picture1.ImageWidth,
                           Picture1.ImageHeight, 0, true, TranColor);
}

void TDeleteForm::Ask(std::size_t Position) {
  if (Position >= Catalogue().Nebulas.size()) return;
  IndexOfItem = static_cast<int32_t>(Position);
  serial_ = Catalogue().Nebulas[Position].Serial;
  IndexOfItem2 = std::to_string(Catalogue().Nebulas[Position].IndexOfItem);
  question_.assign(DeleteQuestionText());
  question_.append(IndexOfItem2);
  question_.push_back('?');
  Show(ST_Modal);
}

void TDeleteForm::AnswerYes() {
  Hide();
  // The question is modal, so the record normally stands where it stood;
  // a second Yes of the same question finds it gone and deletes nothing.
  const std::ptrdiff_t at = FindNebula(serial_);
  serial_ = 0;
  if (at >= 0) DeleteNebula(static_cast<std::size_t>(at));
}

void TDeleteForm::AnswerNo() {
  Hide();
  serial_ = 0;
}
