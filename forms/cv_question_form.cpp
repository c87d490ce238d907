#include "forms/cv_question_form.h"

#include "catalogue/cv_database_workflow.h"
#include "catalogue/cv_globals.h"
#include "forms/cv_overwrite_form.h"
#include "platform/cp1250.h"
#include "rastrix/fnt.h"

TOwned<TQuestionForm> QuestionForm;

std::string_view SaveQuestionText() { return "Uložiť zmeny do databázy: "_cp; }

namespace {

TSaveQuestionForm* FormOf(TVisualComponent* Button) {
  auto* form = dynamic_cast<TSaveQuestionForm*>(Button->Mother());
  assert(form != nullptr && "a question button lies directly on its question form");
  return form;
}

}  // namespace

void TSaveQuestionForm::TYesButton1::OnMouseLeftClick(int32_t, int32_t) { FormOf(this)->AnswerYes(); }

void TSaveQuestionForm::TNoButton1::OnMouseLeftClick(int32_t, int32_t) { FormOf(this)->AnswerNo(); }

void TSaveQuestionForm::OnCreate() {
  LoadFormIcon(*this);
  CreateDialogButton(YesButton, 55, 140);
  CreateDialogButton(NoButton, 151, 140);
  LoadProgramPicture("Pictures\\Questionmark.bmp", Picture1);
  TranColor = TColor{128, 128, 0, 0};
}

void TSaveQuestionForm::OnShow() {
  PositionOfFocusedComponent = 3;
  YesButton->CatchFocus();
}

void TSaveQuestionForm::OnDraw() {
  question_.assign(SaveQuestionText());
  question_.append(Catalogue().DatabaseInfo.NameOfDatabase.View());
  const TFont& font = ProgramFont(1);
  SetColor(0, 50, 100, 0);
  const int32_t width = static_cast<int32_t>(GetTextLength(font, question_));
  WriteText(RealCanvasPos.X1 + (300 - width) / 2, RealCanvasPos.Y1 + 80, font, question_);
  ShowAlphaScaleBMPPicture(RealCanvasPos.X1 + 125, RealCanvasPos.Y1 + 15, Picture1, Picture1.ImageWidth,
                           Picture1.ImageHeight, 0, true, TranColor);
}

void TSaveQuestionForm::OnCloseQuery() { CancelPendingOperation(); }

void TSaveQuestionForm::AnswerYes() {
  Hide();
  ShowOverwriteQuestionFor(AnswerSaveQuestion(true));
}

void TSaveQuestionForm::AnswerNo() {
  Hide();
  AnswerSaveQuestion(false);
}
