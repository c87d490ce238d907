#include "forms/cv_list_item_form.h"

#include <array>
#include <cmath>

#include "catalogue/cv_globals.h"
#include "catalogue/cv_number_text.h"
#include "catalogue/cv_picture.h"
#include "forms/cv_fullscreen_form.h"
#include "platform/cp1250.h"
#include "rastrix/fnt.h"
#include "rastrix/primitives.h"

TOwned<TListItemForm> ListItemForm;

namespace {

constexpr int32_t PANEL_WIDTH = 480;
constexpr uint32_t PANEL_AREA_WIDTH = 439;
constexpr uint32_t PANEL_AREA_HEIGHT = 319;

// The shown texts are short strings; an absurd value from a damaged file is cut.
std::string Fixed3(double Value) { return ThreeDecimals(Value).substr(0, 255); }

// round() of the fitting: nearest, halves to even.
uint32_t Nearest(double Value) { return static_cast<uint32_t>(std::nearbyint(Value)); }

struct TLabelLine {
  std::string_view Label;
  int32_t Y;
  std::string TListItemForm::*Value;
  int32_t MaxWidth;
};

}  // namespace

bool DistanceUnknown(double Distance) { return Distance == 0; }
std::string_view UnknownDistanceText() { return "neznáma"_cp; }

std::string_view PictureLoadMessage(uint8_t Result_) { return PictureErrorText(static_cast<TPictureError>(Result_)); }

TFittedPicture FitPicture(uint32_t W, uint32_t H, uint32_t AW, uint32_t AH) {
  TFittedPicture fit;
  fit.Width = W;
  fit.Height = H;
  if (fit.Width > AW) {
    fit.Width = AW;
    fit.Height = Nearest(static_cast<double>(AW) * H / W);
  }
  if (fit.Height > AH) {
    fit.Height = AH;
    fit.Width = Nearest(static_cast<double>(AH) * W / H);
  }
  fit.X = (static_cast<int32_t>(AW) - static_cast<int32_t>(fit.Width)) / 2;
  fit.Y = (static_cast<int32_t>(AH) - static_cast<int32_t>(fit.Height)) / 2;
  return fit;
}

void ShowFittedPicture(int32_t X, int32_t Y, uint32_t AW, uint32_t AH, const TPicture& Picture) {
  if (!Picture.Loaded) return;
  const TFittedPicture fit = FitPicture(Picture.ImageWidth, Picture.ImageHeight, AW, AH);
  ShowAlphaScaleBMPPicture(X + fit.X, Y + fit.Y, Picture, fit.Width, fit.Height, 0, false, TColor{});
}

void ShowListItem(const TNebula& S) {
  TListItemForm& form = *ListItemForm;
  form.Show(ST_Unmodal);
  form.IndexInArray = std::to_string(S.IndexOfItem);
  form.NameOfNebula.assign(S.NameOfNebula.View());
  form.NGC = std::to_string(S.NGC);
  form.Rect = Fixed3(S.Rect);
  form.Dec = Fixed3(S.Dec);
  form.Distance = DistanceUnknown(S.Distance) ? std::string(UnknownDistanceText()) : Fixed3(S.Distance);
  form.Magnitude = Fixed3(S.Magnitude);
  // A type byte outside the known ones (from a damaged file) shows no text.
  form.TypeOfNebula.assign(S.TypeOfNebula < TYPE_OF_NEBULA_COUNT ? TypeOfNebulaText(S.TypeOfNebula)
                                                                   : std::string_view());
  form.Picture.assign(S.Picture.View());
  form.Description.assign(S.Description.View());

  TListItemForm::TPicturePanel& panel = *form.PicturePanel;
  if (form.Picture.empty()) {
    FreeBMPPicture(panel.Picture);
    panel.Result_ = 1;
  } else {
    std::string file(FolderOf(Catalogue().DatabaseInfo.Path.View()));
    file += form.Picture;
    LoadBMPPicture(file, panel.Picture, panel.Result_);
    if (panel.Result_ != 0) FreeBMPPicture(panel.Picture);
  }
  panel.ErrorMessage.assign(PictureLoadMessage(panel.Result_));
  panel.Caption.assign("Obrázok ("_cp);
  panel.Caption += form.Picture;
  panel.Caption += ')';
}

void TListItemForm::TPicturePanel::OnDraw() {
  const TViewport& c = RealCanvasPos;
  SetColor(0, 0, 0, 0);
  FillRectangle(c.X1, c.Y1, c.X2, c.Y2);
  SetColor(0, 0, 30, 0);
  FillRectangle(c.X1, c.Y2 - 20, c.X2, c.Y2);

  const TFont& captionFont = ProgramFont(2);
  SetColor(225, 225, 225, 0);
  WriteText(c.X1 + (PANEL_WIDTH - static_cast<int32_t>(GetTextLength(captionFont, Caption))) / 2, c.Y2 - 18,
            captionFont, Caption);

  if (Result_ != 0) {
    const TFont& font = ProgramFont(1);
    const int32_t width = static_cast<int32_t>(GetTextLength(font, ErrorMessage));
    const int32_t x = width <= PANEL_WIDTH ? c.X1 + (PANEL_WIDTH - width) / 2 : c.X1;
    SetColor(200, 0, 0, 0);
    WriteAlignedText(x, (c.Y1 + c.Y2) / 2, PANEL_WIDTH, font, ErrorMessage);
  }
  ShowFittedPicture(c.X1 + 20, c.Y1 + 20, PANEL_AREA_WIDTH, PANEL_AREA_HEIGHT, Picture);
}

void TListItemForm::TPicturePanel::OnFree() { FreeBMPPicture(Picture); }

void TListItemForm::TPicturePanel::OnMouseRightClick(int32_t, int32_t) { ShowFullscreenPicture(); }

void TListItemForm::OnCreate() {
  LoadFormIcon(*this);
  CreateDialogButton(OKButton, 393, 423);
  PicturePanel = new TPicturePanel();
  PicturePanel->CreateComponent(&PicturePanel, false, PS_Classic, 372, 20, 480, 360);
  PicturePanel->Borders = TBorders{true, true, true, true};
}

void TListItemForm::OnFree() { FreeBMPPicture(Icon); }

void TListItemForm::OnShow() {
  ShownDatabase.Seen();
  OKButton->CatchFocus();
}

void TListItemForm::OnCheck() {
  if (ShownDatabase.Changed()) Hide();
}

void TListItemForm::OnDraw() {
  static constexpr std::array<TLabelLine, 9> kLines = {{
      {"Index: ", 20, &TListItemForm::IndexInArray, 298},
      {"Názov hmloviny: "_cp, 50, &TListItemForm::NameOfNebula, 230},
      {"Index v NGC: ", 80, &TListItemForm::NGC, 244},
      {"Rektascenzia [h]: ", 110, &TListItemForm::Rect, 246},
      {"Deklinácia [°]: "_cp, 140, &TListItemForm::Dec, 262},
      {"Vzdialenosť [ly]: "_cp, 170, &TListItemForm::Distance, 232},
      {"Magnitúda: "_cp, 200, &TListItemForm::Magnitude, 263},
      {"Typ hmloviny: ", 230, &TListItemForm::TypeOfNebula, 240},
      {"Popis: ", 260, &TListItemForm::Description, 290},
  }};
  const TViewport& c = RealCanvasPos;
  const TFont& labelFont = ProgramFont(2);
  const TFont& valueFont = ProgramFont(3);
  for (const TLabelLine& line : kLines) {
    SetColor(0, 0, 100, 0);
    WriteText(c.X1 + 20, c.Y1 + line.Y, labelFont, line.Label);
    SetColor(0, 0, 0, 0);
    WriteAlignedText(c.X1 + 20 + static_cast<int32_t>(GetTextLength(labelFont, line.Label)), c.Y1 + line.Y,
                     line.MaxWidth, valueFont, this->*line.Value);
  }
  SetColor(0, 0, 0, 0);
  Line(c.X1 + 20, c.Y1 + 463, c.X2 - 20, c.Y1 + 463);
  WriteAlignedText(c.X1 + 20, c.Y1 + 473, 700, ProgramFont(1),
                   "Pozn.: Na zobrazenie obrázku vo fullscreen móde kliknite pravým tlačítkom myšky na panel "
                   "obrázka."_cp);
}
