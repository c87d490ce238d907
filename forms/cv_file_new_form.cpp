#include "forms/cv_file_new_form.h"

#include "forms/cv_picture_buttons.h"
#include "forms/cv_question_form.h"

TOwned<TFileNewForm> FileNewForm;

void TFileNewForm::OnCreate() { LoadProgramPicture("Pictures\\Icon.bmp", Icon); }

void TFileNewForm::Finished(TWorkflowStep Step) {
  if (Step == TWorkflowStep::Done) Hide();
}

namespace {

void NewFinished(TWorkflowStep Step) {
  if (FileNewForm) FileNewForm->Finished(Step);
}

}  // namespace

bool CreateNewDatabase(std::string_view P, std::string_view Name, std::string_view Author,
                       std::string_view Description) {
  const TWorkflowStep step = RequestNew(P, Name, Author, Description, &NewFinished);
  if (step == TWorkflowStep::AskToSave) QuestionForm->Show(ST_Modal);
  return step == TWorkflowStep::Done;
}
