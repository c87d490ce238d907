#include "forms/cv_save_as_form.h"

#include "forms/cv_picture_buttons.h"

TOwned<TSaveAsForm> SaveAsForm;

void TSaveAsForm::OnCreate() {
  LoadProgramPicture("Pictures\\Icon.bmp", Icon);
}
