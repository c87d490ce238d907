#include "forms/cv_about_form.h"

#include "forms/cv_picture_buttons.h"

TOwned<TAboutForm> AboutForm;

void TAboutForm::OnCreate() {
  LoadFormIcon(*this);
}
