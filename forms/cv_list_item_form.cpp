#include "forms/cv_list_item_form.h"

#include "forms/cv_picture_buttons.h"

TOwned<TListItemForm> ListItemForm;

void TListItemForm::OnCreate() {
  LoadProgramPicture("Pictures\\Icon.bmp", Icon);
}

void TListItemForm::OnShow() { ShownDatabase.Seen(); }

void TListItemForm::OnCheck() {
  if (ShownDatabase.Changed()) Hide();
}
