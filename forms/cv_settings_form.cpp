#include "forms/cv_settings_form.h"

#include "forms/cv_picture_buttons.h"

TOwned<TSettingsForm> SettingsForm;

void TSettingsForm::OnCreate() {
  LoadFormIcon(*this);
}
