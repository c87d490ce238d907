#include "forms/cv_save_as_form.h"

#include <string>

#include "catalogue/cv_database_workflow.h"

TOwned<TSaveAsForm> SaveAsForm;

void TSaveAsForm::OnOK() {
  // Whether refused (reported) or written, the name has served.
  const std::string path = PathEdit->Text;
  const TWorkflowStep step = RequestSaveAs(path);
  ClearEdit(*PathEdit);
  if (step == TWorkflowStep::Done) Hide();
}
