#pragma once
// The view of one record: its fields and its picture.

#include "catalogue/cv_database_watch.h"
#include "vc/vc_form.h"

class TListItemForm : public TForm {
 public:
  // The record shown belongs to the database loaded when the form was shown;
  // once another one is loaded or created, the form hides itself.
  TDatabaseWatch ShownDatabase{TDatabaseChange::Replacement};

  void OnCreate() override;
  void OnShow() override;
  void OnCheck() override;
};

extern TOwned<TListItemForm> ListItemForm;
