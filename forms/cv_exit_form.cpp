#include "forms/cv_exit_form.h"

#include "catalogue/cv_database_workflow.h"
#include "forms/cv_question_form3.h"
#include "platform/cp1250.h"
#include "rastrix/fnt.h"

TOwned<TExitForm> ExitForm;
bool Terminate = false;

void AskToQuit() { ExitForm->Show(ST_Unmodal); }

namespace {

void QuitAgreed(TWorkflowStep Step) {
  if (Step == TWorkflowStep::Done) Terminate = true;
}

}  // namespace

void TExitForm::TYesButton1::OnMouseLeftClick(int32_t, int32_t) {
  // With unsaved changes the exit form stays open beneath the question.
  if (RequestQuit(&QuitAgreed) == TWorkflowStep::AskToSave) QuestionForm3->Show(ST_Modal);
}

void TExitForm::TNoButton1::OnMouseLeftClick(int32_t, int32_t) { ExitForm->Hide(); }

void TExitForm::OnCreate() {
  CreateDialogButton(YesButton, 50, 100);
  CreateDialogButton(NoButton, 150, 100);
  LoadFormIcon(*this);
}

void TExitForm::OnShow() {
  PositionOfFocusedComponent = 3;
  YesButton->CatchFocus();
}

void TExitForm::OnDraw() {
  SetColor(0, 0, 0, 0);
  WriteText(RealCanvasPos.X1 + 50, RealCanvasPos.Y1 + 40, ProgramFont(1), "Naozaj chcete ukončiť program?"_cp);
}
