#pragma once
// The view of one record: its fields and its picture.

#include "catalogue/cv_nebula.h"
#include "vc/vc_form.h"

class TListItemForm : public TForm {
 public:
  void OnCreate() override;
};

extern TOwned<TListItemForm> ListItemForm;

// Shows record S in the item view, non-modally.
void ShowListItem(const TNebula& S);
