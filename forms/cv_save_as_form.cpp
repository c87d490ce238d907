#include "forms/cv_save_as_form.h"

#include <string>

#include "catalogue/cv_database_workflow.h"
#include "forms/cv_file_form_parts.h"

TOwned<TSaveAsForm> SaveAsForm;

void TSaveAsForm::OnOK() {
  TSaveAsForm& form = *this;
  // Whether refused (reported) or written, the name has served.
  const std::string path = form.PathEdit->Text;
  const TWorkflowStep step = RequestSaveAs(path);
  ClearEdit(*form.PathEdit);
  if (step == TWorkflowStep::Done) form.Hide();
}

void TSaveAsForm::OnCancel() {
  ClearEdit(*PathEdit);
  Hide();
}

void TSaveAsForm::OnCreate() {
  LoadFormIcon(*this);
  CreateFileFormEdit(PathEdit, 17);
  CreateDialogButton(OKButton, 60, 80);
  CreateDialogButton(CancelButton, 201, 80);
}

void TSaveAsForm::OnFree() { FreeBMPPicture(Icon); }

void TSaveAsForm::OnDraw() {
  DrawFileNameForm(RealCanvasPos);
}

void TSaveAsForm::OnCheck() {
  if (PathEdit->PAccept) OKButton->OnMouseLeftClick(-1, -1);
}

void TSaveAsForm::OnShow() {
  PositionOfFocusedComponent = 3;
  PathEdit->CatchFocus();
}
