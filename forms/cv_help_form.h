#pragma once
// The help book.

#include "vc/vc_form.h"

class THelpForm : public TForm {
 public:
  void OnCreate() override;
};

extern TOwned<THelpForm> HelpForm;
