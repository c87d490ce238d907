#include "forms/cv_file_form_parts.h"

#include <algorithm>
#include <cassert>

#include "forms/cv_picture_buttons.h"
#include "platform/cp1250.h"
#include "rastrix/fnt.h"
#include "rastrix/primitives.h"

void CreateFileFormEdit(TOwned<TEdit>& Edit, int32_t Y) {
  Edit = new TEdit();
  Edit->CreateComponent(&Edit, 130, Y, 200, 20);
  if (LoadedFonts.size() > 3 && LoadedFonts[3] != nullptr) Edit->SetFont(LoadedFonts[3]);
}

void ClearEdit(TEdit& Edit) { Edit.SetText({}); }

void DrawFileFormLabels(const TViewport& Canvas, std::initializer_list<TFileFormLabel> Labels) {
  SetColor(0, 0, 100, 0);
  for (const TFileFormLabel& label : Labels) WriteText(Canvas.X1 + 20, Canvas.Y1 + label.Y, ProgramFont(2), label.Text);
}

void DrawFileNameNote(const TViewport& Canvas, int32_t LineY) {
  SetColor(0, 0, 0, 0);
  Line(Canvas.X1 + 20, Canvas.Y1 + LineY, Canvas.X2 - 20, Canvas.Y1 + LineY);
  const TFont& font = ProgramFont(1);
  WriteAlignedText(Canvas.X1 + 20, Canvas.Y1 + LineY + 10, 315, font, "Pozn.: Názov súboru zapisujte v tvare:"_cp);
  WriteAlignedText(Canvas.X1 + 60, Canvas.Y1 + LineY + 25, 315, font, "Cesta\\Meno.cvl.");
}

TFieldsForm::TFieldsForm(std::initializer_list<TOwned<TEdit>*> Fields) : count_(Fields.size()) {
  assert(count_ >= 1 && count_ <= MAX_FIELDS && "a fields form has one to four edits");
  std::copy(Fields.begin(), Fields.end(), fields_.begin());
}

void TFieldsForm::OnCancel() {
  ClearEdits();
  Hide();
}

void TFieldsForm::OnCreate() {
  LoadFormIcon(*this);
  // Creation order is the focus order: the edits, then OK and Cancel.
  for (std::size_t i = 0; i < count_; ++i) CreateFileFormEdit(*fields_[i], 17 + 40 * static_cast<int32_t>(i));
  const int32_t y = 40 + 40 * static_cast<int32_t>(count_);
  CreateDialogButton(OKButton, 60, y);
  CreateDialogButton(CancelButton, 201, y);
}

void TFieldsForm::OnFree() { FreeBMPPicture(Icon); }

void TFieldsForm::OnCheck() {
  for (std::size_t i = 0; i < count_; ++i) {
    if (!(*fields_[i])->PAccept) continue;
    if (i + 1 < count_) {
      (*fields_[i + 1])->CatchFocus();
    } else {
      OnOK();
    }
    return;
  }
}

void TFieldsForm::OnShow() {
  PositionOfFocusedComponent = 3;
  (*fields_[0])->CatchFocus();
}

void TFieldsForm::ClearEdits() {
  for (std::size_t i = 0; i < count_; ++i) ClearEdit(**fields_[i]);
}

void TFileNameForm::OnDraw() {
  DrawFileFormLabels(RealCanvasPos, {{"Názov súboru: "_cp, 20}});
  DrawFileNameNote(RealCanvasPos, 120);
}
