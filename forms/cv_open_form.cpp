#include "forms/cv_open_form.h"

#include <string>

#include "forms/cv_question_form2.h"

TOwned<TOpenForm> OpenForm;

void TOpenForm::OnOK() { OpenDatabaseFile(PathEdit->Text); }

void TOpenForm::Finished(TWorkflowStep Step) {
  // A missing or rejected file has been reported; the form stays for another
  // name. A failed save before the opening keeps the name for another try.
  if (Step == TWorkflowStep::SaveFailed) return;
  ClearEdit(*PathEdit);
  if (Step == TWorkflowStep::Done) Hide();
}

namespace {

void OpenFinished(TWorkflowStep Step) {
  if (OpenForm) OpenForm->Finished(Step);
}

}  // namespace

bool OpenDatabaseFile(std::string_view P) {
  // The name may be the edit's own text, which the form clears when done.
  const std::string path(P);
  const TWorkflowStep step = RequestOpen(path, &OpenFinished);
  if (step == TWorkflowStep::AskToSave) QuestionForm2->Show(ST_Modal);
  return step == TWorkflowStep::Done;
}
