#pragma once
// A record's picture over the whole screen.

#include "vc/vc_form.h"

class TFullscreenForm : public TForm {
 public:
  void OnCreate() override;
};

extern TOwned<TFullscreenForm> FullscreenForm;
