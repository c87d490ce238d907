#include "forms/cv_delete_form.h"

#include "catalogue/cv_globals.h"
#include "platform/cp1250.h"

TOwned<TDeleteForm> DeleteForm;

std::string_view DeleteQuestionText() { return "Naozaj chcete odstrániť položku s indexom "_cp; }

void TDeleteForm::OnDraw() { DrawQuestion(question_); }

void TDeleteForm::Ask(std::size_t Position) {
  if (Position >= Catalogue().Nebulas.size()) return;
  IndexOfItem = static_cast<int32_t>(Position);
  serial_ = Catalogue().Nebulas[Position].Serial;
  IndexOfItem2 = std::to_string(Catalogue().Nebulas[Position].IndexOfItem);
  question_.assign(DeleteQuestionText());
  question_.append(IndexOfItem2);
  question_.push_back('?');
  Show(ST_Modal);
}

void TDeleteForm::OnYes() {
  Hide();
  // The question is modal, so the record normally stands where it stood;
  // a second Yes of the same question finds it gone and deletes nothing.
  const std::ptrdiff_t at = FindNebula(serial_);
  serial_ = 0;
  if (at >= 0) DeleteNebula(static_cast<std::size_t>(at));
}

void TDeleteForm::OnNo() {
  Hide();
  serial_ = 0;
}
