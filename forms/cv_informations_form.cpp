#include "forms/cv_informations_form.h"

#include "forms/cv_picture_buttons.h"

TOwned<TInformationsForm> InformationsForm;

void TInformationsForm::OnCreate() {
  LoadProgramPicture("Pictures\\Icon.bmp", Icon);
}

void TInformationsForm::Open() {
  Show(ST_Unmodal);
  Refresh = true;
}
