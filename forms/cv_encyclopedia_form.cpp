#include "forms/cv_encyclopedia_form.h"

#include "forms/cv_picture_buttons.h"

TOwned<TEncyclopediaForm> EncyclopediaForm;

void TEncyclopediaForm::OnCreate() {
  LoadFormIcon(*this);
}
