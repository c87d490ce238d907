#pragma once
// Saves the loaded database under another file name.

#include "vc/vc_form.h"

class TSaveAsForm : public TForm {
 public:
  void OnCreate() override;
};

extern TOwned<TSaveAsForm> SaveAsForm;
