#pragma once
// The question whether to delete the record chosen in the list.

#include "vc/vc_form.h"

class TDeleteForm : public TForm {
 public:
  void OnCreate() override;
};

extern TOwned<TDeleteForm> DeleteForm;
