#pragma once
// The header of the loaded database: its name, author and description.

#include "vc/vc_form.h"

class TInformationsForm : public TForm {
 public:
  bool Refresh = false;  // rebuild the contents from the loaded database at the next check
  void OnCreate() override;
};

extern TOwned<TInformationsForm> InformationsForm;
