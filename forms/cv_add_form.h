#pragma once
// Adds a record (AddForm) or revises one (ReviseForm): two instances of one class.

#include "catalogue/cv_database_watch.h"
#include "vc/vc_form.h"

class TAddForm : public TForm {
 public:
  // The record revised belongs to the database loaded when the form was
  // shown; once another one is loaded or created, the revise form hides itself.
  TDatabaseWatch ShownDatabase{TDatabaseChange::Replacement};

  void OnCreate() override;
  void OnShow() override;
  void OnCheck() override;
};

extern TOwned<TAddForm> AddForm;
extern TOwned<TAddForm> ReviseForm;
