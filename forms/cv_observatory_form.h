#pragma once
// The observatory: the sky map of the loaded nebulae for a chosen time and place.

#include "vc/vc_form.h"

class TObservatoryForm : public TForm {
 public:
  void OnCreate() override;
};

extern TOwned<TObservatoryForm> ObservatoryForm;
