#pragma once
// The about page.

#include "vc/vc_form.h"

class TAboutForm : public TForm {
 public:
  void OnCreate() override;
};

extern TOwned<TAboutForm> AboutForm;
