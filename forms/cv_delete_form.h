#pragma once
// The question whether to delete the record chosen in the list. Yes removes
// it and numbers the records above it one lower.

#include <cstddef>
#include <cstdint>
#include <string>

#include "forms/cv_dialog_form.h"

class TDeleteForm : public TQuestionMarkForm {
 public:
  int32_t IndexOfItem = 0;   // position in Nebulas of the record to delete
  std::string IndexOfItem2;  // that record's number, for the question

  void OnDraw() override;

  // Asks, modally, about the record at Position of Nebulas.
  void Ask(std::size_t Position);
  // Yes: deletes the record asked about; No: leaves everything as it is.
  void OnYes() override;
  void OnNo() override;

 private:
  uint32_t serial_ = 0;   // the record asked about, however the list moves
  std::string question_;  // kept between frames so that drawing does not allocate
};

extern TOwned<TDeleteForm> DeleteForm;

// The question's first words; the record's number and "?" follow.
std::string_view DeleteQuestionText();
