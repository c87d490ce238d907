#include "forms/cv_delete_form.h"

#include "forms/cv_picture_buttons.h"

TOwned<TDeleteForm> DeleteForm;

void TDeleteForm::OnCreate() {
  LoadProgramPicture("Pictures\\Icon.bmp", Icon);
}
