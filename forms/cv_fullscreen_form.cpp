#include "forms/cv_fullscreen_form.h"

#include "forms/cv_list_item_form.h"
#include "rastrix/fnt.h"
#include "rastrix/primitives.h"

TOwned<TFullscreenForm> FullscreenForm;

void ShowFullscreenPicture() {
  TFullscreenForm& form = *FullscreenForm;
  const TListItemForm& item = *ListItemForm;
  form.Show(ST_Unmodal);
  form.Picture = &item.PicturePanel->Picture;
  form.NameOfNebula = item.NameOfNebula;
  form.CaptionRest = item.NameOfNebula + " (" + item.Picture + ")";
}

void TFullscreenForm::OnCreate() {
  // The title bar lies above the screen; an icon there would never be seen.
  CreateDialogButton(OKButton, 935, 741);
}

void TFullscreenForm::OnShow() {
  PositionOfFocusedComponent = 3;
  OKButton->CatchFocus();
}

void TFullscreenForm::OnDraw() {
  const TViewport& c = RealCanvasPos;
  SetColor(0, 0, 0, 0);
  FillRectangle(c.X1, c.Y1, c.X2, c.Y2);
  if (Picture != nullptr) ShowFittedPicture(c.X1 + 20, c.Y1 + 20, 983, 727, *Picture);

  const TFont& lead = ProgramFont(2);
  const TFont& rest = ProgramFont(3);
  const std::string_view leadText = "Obr.: ";
  const int32_t leadWidth = static_cast<int32_t>(GetTextLength(lead, leadText));
  const int32_t width = leadWidth + static_cast<int32_t>(GetTextLength(rest, CaptionRest));
  const int32_t x = c.X1 + (1024 - width) / 2;
  SetColor(225, 225, 225, 0);
  WriteText(x, c.Y2 - 18, lead, leadText);
  WriteText(x + leadWidth, c.Y2 - 18, rest, CaptionRest);
}
