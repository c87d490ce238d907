#pragma once
// What the four file forms (new, open, save as, informations) share: their
// edits, their labels, and the note on how to write a file name.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "forms/cv_dialog_form.h"
#include "vc/vc_edit.h"

// A 200 x 20 edit at (130, Y) of the current form, in the text font.
void CreateFileFormEdit(TOwned<TEdit>& Edit, int32_t Y);

// Empties the edit and lays it out again.
void ClearEdit(TEdit& Edit);

struct TFileFormLabel {
  std::string_view Text;  // Windows-1250
  int32_t Y;
};
// The labels at X = 20 of the canvas, dark blue, in the bold font.
void DrawFileFormLabels(const TViewport& Canvas, std::initializer_list<TFileFormLabel> Labels);

// The separator line at LineY and, below it, the two note lines on the form
// of a file name.
void DrawFileNameNote(const TViewport& Canvas, int32_t LineY);

// A form of one to four edits under each other, each with its label, and OK
// and Cancel under them. Enter in an edit moves to the next one and, in the
// last, is OK; Cancel empties the edits and hides the form. What OK does is
// the form's own.
class TFieldsForm : public TDialogForm {
 public:
  static constexpr std::size_t MAX_FIELDS = 4;

  TOwned<TDialogOKButton> OKButton;
  TOwned<TDialogCancelButton> CancelButton;

  void OnCancel() override;
  void OnCreate() override;
  void OnFree() override;
  void OnCheck() override;
  void OnShow() override;
  void ClearEdits();

 protected:
  // The slots of the edits, top to bottom; they are filled at creation.
  explicit TFieldsForm(std::initializer_list<TOwned<TEdit>*> Fields);

 private:
  std::array<TOwned<TEdit>*, MAX_FIELDS> fields_{};
  std::size_t count_ = 0;
};

// A form that asks for one file name (open, save as), with the note on how
// to write it.
class TFileNameForm : public TFieldsForm {
 public:
  TOwned<TEdit> PathEdit;

  TFileNameForm() : TFieldsForm({&PathEdit}) {}
  void OnDraw() override;
};
