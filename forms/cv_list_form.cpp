#include "forms/cv_list_form.h"

#include "forms/cv_picture_buttons.h"

TOwned<TListForm> ListForm;

void TListForm::OnCreate() {
  LoadProgramPicture("Pictures\\Icon.bmp", Icon);
}
