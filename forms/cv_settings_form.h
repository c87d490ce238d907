#pragma once
// The settings: the default database and the default observer position.

#include "vc/vc_form.h"

class TSettingsForm : public TForm {
 public:
  void OnCreate() override;
};

extern TOwned<TSettingsForm> SettingsForm;
