#include "forms/cv_list_form.h"

#include "forms/cv_picture_buttons.h"

TOwned<TListForm> ListForm;
TNebulas Nebulas2;
TComponentBase* ActivePropertyButton = nullptr;

void TListForm::OnCreate() {
  LoadProgramPicture("Pictures\\Icon.bmp", Icon);
}

void TListForm::OnFree() {
  Nebulas2.clear();
  ActivePropertyButton = nullptr;
}
