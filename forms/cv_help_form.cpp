#include "forms/cv_help_form.h"

#include "forms/cv_picture_buttons.h"

TOwned<THelpForm> HelpForm;

void THelpForm::OnCreate() {
  LoadFormIcon(*this);
}
