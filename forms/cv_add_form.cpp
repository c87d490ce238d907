#include "forms/cv_add_form.h"

#include "forms/cv_picture_buttons.h"

TOwned<TAddForm> AddForm;
TOwned<TAddForm> ReviseForm;

void TAddForm::OnCreate() {
  LoadProgramPicture("Pictures\\Icon.bmp", Icon);
}

void TAddForm::OnShow() { ShownDatabase.Seen(); }

void TAddForm::OnCheck() {
  if (this == ReviseForm.Get() && ShownDatabase.Changed()) Hide();
}
