#pragma once
// Adds a record (AddForm) or revises one (ReviseForm): two instances of one
// class. Enter walks through the fields in reading order and, in the last
// one, accepts like OK.

#include <cstddef>
#include <cstdint>

#include "catalogue/cv_database_watch.h"
#include "forms/cv_dialog_form.h"
#include "vc/vc_combo_box.h"
#include "vc/vc_edit.h"

class TAddForm : public TDialogForm {
 public:
  TOwned<TEdit> NameEdit;
  TOwned<TEdit> NGCEdit;
  TOwned<TEdit> RectEdit;
  TOwned<TEdit> DecEdit;
  TOwned<TEdit> DistanceEdit;
  TOwned<TEdit> MagEdit;
  TOwned<TComboBox> TypeComboBox;  // ChoosedItem 1 to 7: TN_Planetary to TN_Dark
  TOwned<TEdit> PictureEdit;       // relative to the database's folder
  TOwned<TEdit> DescriptionEdit;
  // Revise form: the position in Nebulas of the record being revised, found
  // again through RecordSerial when the list has been sorted meanwhile.
  int32_t IndexOfItem = 0;
  uint32_t RecordSerial = 0;
  TOwned<TDialogOKButton> OKButton;
  TOwned<TDialogCancelButton> CancelButton;

  // The record revised belongs to the database loaded when the form was
  // shown; once another one is loaded or created, or the record is deleted,
  // the revise form hides itself.
  TDatabaseWatch ShownDatabase{TDatabaseChange::Replacement};

  void OnOK() override;
  void OnCancel() override;
  void OnCreate() override;
  void OnFree() override;
  void OnDraw() override;
  void OnShow() override;
  void OnCheck() override;

  // OK: checks the five numbers (every bad one is reported and emptied, the
  // last message stays on the error form); when all are sound, adds the
  // record or revises this form's record, then hides and empties the form.
  // Returns true when a record was stored.
  bool Accept();
  // Cancel: hides and empties the form; nothing else changes.
  void Discard();
  // Fills the form from the record at Position of Nebulas, for revising it.
  // The real numbers get as many decimals as they need to be stored again
  // unchanged.
  void FillFrom(std::size_t Position);

 private:
  void Clear();
  uint32_t seen_revision_ = 0;
};

extern TOwned<TAddForm> AddForm;
extern TOwned<TAddForm> ReviseForm;

// The messages of the five number fields, in the order they are checked.
std::string_view NumberFieldMessage(int Field);
