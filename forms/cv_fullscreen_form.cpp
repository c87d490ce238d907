#include "forms/cv_fullscreen_form.h"

#include "forms/cv_picture_buttons.h"

TOwned<TFullscreenForm> FullscreenForm;

void TFullscreenForm::OnCreate() {
  // The picture fills the whole screen; a title-bar icon would never be seen.
}
