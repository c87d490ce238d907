#pragma once
// The list of the loaded records, sorted and searched.

#include "vc/vc_form.h"

class TListForm : public TForm {
 public:
  bool Refresh = false;  // rebuild the contents from the loaded database at the next check
  void OnCreate() override;
};

extern TOwned<TListForm> ListForm;
