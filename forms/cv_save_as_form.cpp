#include "forms/cv_save_as_form.h"

#include <string>

#include "catalogue/cv_database_workflow.h"
#include "forms/cv_file_form_parts.h"
#include "platform/cp1250.h"

TOwned<TSaveAsForm> SaveAsForm;

void TSaveAsForm::TOKButton1::OnMouseLeftClick(int32_t, int32_t) {
  TSaveAsForm& form = *SaveAsForm;
  // Whether refused (reported) or written, the name has served.
  const std::string path = form.PathEdit->Text;
  const TWorkflowStep step = RequestSaveAs(path);
  ClearEdit(*form.PathEdit);
  if (step == TWorkflowStep::Done) form.Hide();
}

void TSaveAsForm::TCancelButton1::OnMouseLeftClick(int32_t, int32_t) {
  ClearEdit(*SaveAsForm->PathEdit);
  SaveAsForm->Hide();
}

void TSaveAsForm::OnCreate() {
  LoadProgramPicture("Pictures\\Icon.bmp", Icon);
  CreateFileFormEdit(PathEdit, 17);
  OKButton = new TOKButton1();
  OKButton->CreateComponent(&OKButton, true, BS_Classic, "OK button", 60, 80, DIALOG_BUTTON_WIDTH,
                            DIALOG_BUTTON_HEIGHT);
  CancelButton = new TCancelButton1();
  CancelButton->CreateComponent(&CancelButton, true, BS_Classic, "Cancel button", 201, 80, DIALOG_BUTTON_WIDTH,
                                DIALOG_BUTTON_HEIGHT);
}

void TSaveAsForm::OnFree() { FreeBMPPicture(Icon); }

void TSaveAsForm::OnDraw() {
  DrawFileFormLabels(RealCanvasPos, {{"Názov súboru: "_cp, 20}});
  DrawFileNameNote(RealCanvasPos, 120);
}

void TSaveAsForm::OnCheck() {
  if (PathEdit->PAccept) OKButton->OnMouseLeftClick(-1, -1);
}

void TSaveAsForm::OnShow() {
  PositionOfFocusedComponent = 3;
  PathEdit->CatchFocus();
}
