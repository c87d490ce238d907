#include "forms/cv_open_form.h"

#include "forms/cv_picture_buttons.h"
#include "forms/cv_question_form2.h"

TOwned<TOpenForm> OpenForm;

void TOpenForm::OnCreate() { LoadProgramPicture("Pictures\\Icon.bmp", Icon); }

void TOpenForm::Finished(TWorkflowStep Step) {
  // A rejected file has been reported; the form stays for another name.
  if (Step == TWorkflowStep::Done) Hide();
}

namespace {

void OpenFinished(TWorkflowStep Step) {
  if (OpenForm) OpenForm->Finished(Step);
}

}  // namespace

bool OpenDatabaseFile(std::string_view P) {
  const TWorkflowStep step = RequestOpen(P, &OpenFinished);
  if (step == TWorkflowStep::AskToSave) QuestionForm2->Show(ST_Modal);
  return step == TWorkflowStep::Done;
}
