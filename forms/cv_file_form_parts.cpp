#include "forms/cv_file_form_parts.h"

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

void TFileNameForm::OnCancel() {
  ClearEdit(*PathEdit);
  Hide();
}

void TFileNameForm::OnCreate() {
  LoadFormIcon(*this);
  CreateFileFormEdit(PathEdit, 17);
  CreateDialogButton(OKButton, 60, 80);
  CreateDialogButton(CancelButton, 201, 80);
}

void TFileNameForm::OnFree() { FreeBMPPicture(Icon); }

void TFileNameForm::OnDraw() {
  DrawFileFormLabels(RealCanvasPos, {{"Názov súboru: "_cp, 20}});
  DrawFileNameNote(RealCanvasPos, 120);
}

void TFileNameForm::OnCheck() {
  if (PathEdit->PAccept) OnOK();
}

void TFileNameForm::OnShow() {
  PositionOfFocusedComponent = 3;
  PathEdit->CatchFocus();
}
