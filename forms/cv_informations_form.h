#pragma once
// The header of the loaded database: its name, author and description.

#include "catalogue/cv_database_watch.h"
#include "forms/cv_file_form_parts.h"

class TInformationsForm : public TFieldsForm {
 public:
  // Refill the edits from DatabaseInfo at the next check: asked for when the
  // form is opened from the menu, and due whenever another database has been
  // loaded or created since the last refill.
  TRefreshFlag Refresh{TDatabaseChange::Replacement};
  TOwned<TEdit> NameEdit;
  TOwned<TEdit> AuthorEdit;
  TOwned<TEdit> DescriptionEdit;

  TInformationsForm() : TFieldsForm({&NameEdit, &AuthorEdit, &DescriptionEdit}) {}
  void OnOK() override;
  void OnDraw() override;
  // Refills the edits when due, then walks them like every fields form.
  void OnCheck() override;
  // Shows the form with its edits refilled from the loaded database.
  void Open();
};

extern TOwned<TInformationsForm> InformationsForm;
