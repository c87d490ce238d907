#include "forms/cv_observatory_form.h"

#include "forms/cv_picture_buttons.h"

TOwned<TObservatoryForm> ObservatoryForm;

void TObservatoryForm::OnCreate() {
  LoadProgramPicture("Pictures\\Icon.bmp", Icon);
}
