#pragma once
// What the four file forms (new, open, save as, informations) share: their
// edits, their labels, and the note on how to write a file name.

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

// A form that asks for one file name (open, save as): the edit with its label,
// the note on how to write the name, OK and Cancel. Enter in the edit is OK;
// Cancel empties the edit and hides the form. What OK does is the form's own.
class TFileNameForm : public TDialogForm {
 public:
  TOwned<TEdit> PathEdit;
  TOwned<TDialogOKButton> OKButton;
  TOwned<TDialogCancelButton> CancelButton;

  void OnCancel() override;
  void OnCreate() override;
  void OnFree() override;
  void OnDraw() override;
  void OnCheck() override;
  void OnShow() override;
};
