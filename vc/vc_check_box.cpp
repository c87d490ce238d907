#include "vc/vc_check_box.h"

#include <algorithm>

#include "rastrix/fnt.h"
#include "rastrix/primitives.h"

namespace {

constexpr int32_t kMarker = 18;  // outer size of the square marker
constexpr int32_t kTitleX = 23;  // where the title starts
constexpr TColor kWhite{255, 255, 255, 0};
constexpr TColor kPressed{216, 233, 236, 0};

uint32_t PixHeight(const TFont* font) { return font != nullptr ? font->PixHeight : 0; }
uint32_t TextLength(const TFont* font, std::string_view text) {
  return font != nullptr ? GetTextLength(*font, text) : 0;
}

}  // namespace

void TBoxPanel::OnDraw() {
  if (!Checked) return;
  SetColor(33, 161, 33, AlphaBlending);
  const int32_t x = RealCanvasPos.X1;
  const int32_t y = RealCanvasPos.Y1;
  // The tick: seven columns of three pixels, down to x = 4, then up.
  constexpr int32_t kTop[7] = {4, 5, 6, 5, 4, 3, 2};
  for (int32_t i = 0; i < 7; ++i) Line(x + 2 + i, y + kTop[i], x + 2 + i, y + kTop[i] + 2);
}

void TBoxPanel::MouseArrive(int32_t X_, int32_t Y_) {
  TPanel::MouseArrive(X_, Y_);
  RequestHand();
}

void TBoxPanel::MouseLeave(int32_t X_, int32_t Y_) {
  TPanel::MouseLeave(X_, Y_);
  ReleaseHand();
}

void TCheckBox::TTitlePanel::MouseArrive(int32_t X_, int32_t Y_) {
  TLabel::MouseArrive(X_, Y_);
  RequestHand();
}

void TCheckBox::TTitlePanel::MouseLeave(int32_t X_, int32_t Y_) {
  TLabel::MouseLeave(X_, Y_);
  ReleaseHand();
}

int32_t TCheckBox::PanelY() const {
  const int32_t h = static_cast<int32_t>(PixHeight(Font)) + 10;
  return h >= kMarker ? 0 : (kMarker - h) / 2;
}

void TCheckBox::CreateComponent(PComponentBase Adress_, int32_t X_, int32_t Y_, std::string_view Title_) {
  Font = LoadedFonts.empty() ? nullptr : LoadedFonts[0];
  const int32_t height = std::max<int32_t>(static_cast<int32_t>(PixHeight(Font)) + 2 + 8, kMarker);
  Title = std::string(Title_);
  Checked = false;
  TContainer::CreateComponent(Adress_, X_, Y_, TextLength(Font, Title) + kTitleX + 10 + 8,
                              static_cast<uint32_t>(height));
  BoxPanel = new TBoxPanel();
  BoxPanel->CreateComponent(&BoxPanel, false, PS_DownSituated, 0, (height - kMarker) / 2, 10, 10);
  BoxPanel->Borders = TBorders{true, true, true, true};
  BoxPanel->Checked = Checked;
  BoxPanel->Background = kWhite;
  TitlePanel = new TTitlePanel();
  TitlePanel->CreateComponent(&TitlePanel, true, kTitleX, PanelY(), Title);
  AlphaBlending = 0;
  OnCreate();
  ActualComponent = MotherComponent;
}

void TCheckBox::DimensionChange() {
  Width = static_cast<int32_t>(TextLength(Font, Title)) + kTitleX + 10 + 8;
  Height = std::max<int32_t>(static_cast<int32_t>(PixHeight(Font)) + 2 + 8, kMarker);
  if (TitlePanel) TitlePanel->SetY(PanelY());
  TContainer::DimensionChange();
}

void TCheckBox::Check() {
  TContainer::Check();
  TBoxPanel& marker = *BoxPanel;
  TTitlePanel& title = *TitlePanel;
  marker.AlphaBlending = AlphaBlending;
  title.AlphaBlending = AlphaBlending;
  if (marker.PMouseLeftClick) title.CatchFocus();
  if (!marker.PMouseLeftDown && !marker.Enter_Pressed) marker.Background = kWhite;
  // Enter on the focused title arrives as its click.
  if (marker.PMouseLeftClick || title.PMouseLeftClick) {
    Checked = !Checked;
    OnChange();
  }
  if (marker.PMouseLeftDown || marker.Enter_Pressed || title.PMouseLeftDown || title.Enter_Pressed)
    marker.Background = kPressed;
  marker.Checked = Checked;
}

void TCheckBox::CatchFocus() {
  if (TitlePanel) TitlePanel->CatchFocus();
}

void TCheckBox::SetFont(TFont* Font_) {
  if (TitlePanel) TitlePanel->SetFont(Font_);
  TContainer::SetFont(Font_);
}

void TCheckBox::ChangeTitle(std::string_view Title_) {
  Title = std::string(Title_);
  if (TitlePanel) {
    TitlePanel->Title = Title;
    TitlePanel->DimensionChange();
  }
  DimensionChange();
  OnDimensionChange();
}
