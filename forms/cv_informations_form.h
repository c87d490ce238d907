#pragma once
// The header of the loaded database: its name, author and description.

#include "catalogue/cv_database_watch.h"
#include "forms/cv_dialog_form.h"
#include "vc/vc_edit.h"

class TInformationsForm : public TDialogForm {
 public:
  // Refill the edits from DatabaseInfo at the next check: asked for when the
  // form is opened from the menu, and due whenever another database has been
  // loaded or created since the last refill.
  TRefreshFlag Refresh{TDatabaseChange::Replacement};
  TOwned<TEdit> NameEdit;
  TOwned<TEdit> AuthorEdit;
  TOwned<TEdit> DescriptionEdit;
  TOwned<TDialogOKButton> OKButton;
  TOwned<TDialogCancelButton> CancelButton;

  void OnOK() override;
  void OnCancel() override;
  void OnCreate() override;
  void OnFree() override;
  void OnDraw() override;
  void OnCheck() override;
  void OnShow() override;
  // Shows the form with its edits refilled from the loaded database.
  void Open();
  void ClearEdits();
};

extern TOwned<TInformationsForm> InformationsForm;
