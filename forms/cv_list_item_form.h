#pragma once
// The view of one record: its fields and its picture.

#include "vc/vc_form.h"

class TListItemForm : public TForm {
 public:
  void OnCreate() override;
};

extern TOwned<TListItemForm> ListItemForm;
