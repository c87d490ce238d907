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

void TExitForm::OnYes() {
  // With unsaved changes the exit form stays open beneath the question.
  if (RequestQuit(&QuitAgreed) == TWorkflowStep::AskToSave) QuestionForm3->Show(ST_Modal);
}

void TExitForm::OnCreate() {
  CreateAnswers(50, 150, 100);
  LoadFormIcon(*this);
}

void TExitForm::OnDraw() {
  SetColor(0, 0, 0, 0);
  WriteText(RealCanvasPos.X1 + 50, RealCanvasPos.Y1 + 40, ProgramFont(1), "Naozaj chcete ukončiť program?"_cp);
}
