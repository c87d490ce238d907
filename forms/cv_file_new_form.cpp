#include "forms/cv_file_new_form.h"

#include <string>

#include "forms/cv_question_form.h"
#include "platform/cp1250.h"

TOwned<TFileNewForm> FileNewForm;

void TFileNewForm::OnOK() {
  CreateNewDatabase(PathEdit->Text, NameEdit->Text, AuthorEdit->Text, DescriptionEdit->Text);
}

void TFileNewForm::OnDraw() {
  DrawFileFormLabels(RealCanvasPos, {{"Názov súboru: "_cp, 20},
                                     {"Nazov databázy: "_cp, 60},
                                     {"Autor databázy: "_cp, 100},
                                     {"Popis databázy: "_cp, 140}});
  DrawFileNameNote(RealCanvasPos, 240);
}

void TFileNewForm::Finished(TWorkflowStep Step) {
  switch (Step) {
    case TWorkflowStep::Done:
      ClearEdits();
      Hide();
      break;
    case TWorkflowStep::Refused:  // no file can be made at the name; the other texts stay
      ClearEdit(*PathEdit);
      break;
    case TWorkflowStep::SaveFailed:  // the texts stay for another try
    case TWorkflowStep::AskToSave:
    case TWorkflowStep::AskToOverwrite:  // a question carries the request on
      break;
  }
}

namespace {

void NewFinished(TWorkflowStep Step) {
  if (FileNewForm) FileNewForm->Finished(Step);
}

}  // namespace

bool CreateNewDatabase(std::string_view P, std::string_view Name, std::string_view Author,
                       std::string_view Description) {
  // The texts may be the edits' own, which the form clears when done.
  const std::string path(P), name(Name), author(Author), description(Description);
  const TWorkflowStep step = RequestNew(path, name, author, description, &NewFinished);
  if (step == TWorkflowStep::AskToSave) QuestionForm->Show(ST_Modal);
  return step == TWorkflowStep::Done;
}
