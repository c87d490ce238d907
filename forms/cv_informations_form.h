#pragma once
// The header of the loaded database: its name, author and description.

#include "catalogue/cv_database_watch.h"
#include "vc/vc_form.h"

class TInformationsForm : public TForm {
 public:
  // Refill the edits from DatabaseInfo at the next check: asked for when the
  // form is opened from the menu, and due whenever another database has been
  // loaded or created since the last refill.
  TRefreshFlag Refresh{TDatabaseChange::Replacement};

  void OnCreate() override;
  // Shows the form with its edits refilled from the loaded database.
  void Open();
};

extern TOwned<TInformationsForm> InformationsForm;
