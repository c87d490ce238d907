#pragma once
// The encyclopedia of the kinds of nebulae.

#include "vc/vc_form.h"

class TEncyclopediaForm : public TForm {
 public:
  void OnCreate() override;
};

extern TOwned<TEncyclopediaForm> EncyclopediaForm;
