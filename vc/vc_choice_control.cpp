#include "vc/vc_choice_control.h"

#include <algorithm>

#include "rastrix/fnt.h"

namespace {

constexpr TColor kWhite{255, 255, 255, 0};
constexpr TColor kPressed{216, 233, 236, 0};

uint32_t PixHeight(const TFont* font) { return font != nullptr ? font->PixHeight : 0; }
uint32_t TextLength(const TFont* font, std::string_view text) {
  return font != nullptr ? GetTextLength(*font, text) : 0;
}

}  // namespace

void TChoiceControl::TTitlePanel::MouseArrive(int32_t X_, int32_t Y_) {
  TLabel::MouseArrive(X_, Y_);
  RequestHand();
}

void TChoiceControl::TTitlePanel::MouseLeave(int32_t X_, int32_t Y_) {
  TLabel::MouseLeave(X_, Y_);
  ReleaseHand();
}

int32_t TChoiceControl::ContentWidth() const {
  return static_cast<int32_t>(TextLength(Font, Title)) + TitleX_ + 10 + 8;
}

int32_t TChoiceControl::ContentHeight() const {
  return std::max<int32_t>(static_cast<int32_t>(PixHeight(Font)) + 2 + 8, MarkerSize_);
}

int32_t TChoiceControl::PanelY() const {
  const int32_t h = static_cast<int32_t>(PixHeight(Font)) + 10;
  return h >= MarkerSize_ ? 0 : (MarkerSize_ - h) / 2;
}

int32_t TChoiceControl::BeginCreate(PComponentBase Adress_, int32_t X_, int32_t Y_, std::string_view Title_) {
  Font = LoadedFonts.empty() ? nullptr : LoadedFonts[0];
  Title = std::string(Title_);
  Checked = false;
  const int32_t height = ContentHeight();
  TContainer::CreateComponent(Adress_, X_, Y_, static_cast<uint32_t>(ContentWidth()), static_cast<uint32_t>(height));
  return height;
}

void TChoiceControl::FinishCreate() {
  TChoiceMark& marker = Mark();
  marker.Checked = Checked;
  marker.Background = kWhite;
  TitlePanel = new TTitlePanel();
  TitlePanel->CreateComponent(&TitlePanel, true, TitleX_, PanelY(), Title);
  AlphaBlending = 0;
  OnCreate();
  Toolkit().ActualComponent = MotherComponent;
}

void TChoiceControl::DimensionChange() {
  Width = ContentWidth();
  Height = ContentHeight();
  if (TitlePanel) TitlePanel->SetY(PanelY());
  TContainer::DimensionChange();
}

void TChoiceControl::Check() {
  TContainer::Check();
  TChoiceMark& marker = Mark();
  TTitlePanel& title = *TitlePanel;
  marker.AlphaBlending = AlphaBlending;
  title.AlphaBlending = AlphaBlending;
  if (marker.PMouseLeftClick) title.CatchFocus();
  if (!marker.PMouseLeftDown && !marker.Enter_Pressed) marker.Background = kWhite;
  // Enter on the focused title arrives as its click.
  if (marker.PMouseLeftClick || title.PMouseLeftClick) Picked();
  if (marker.PMouseLeftDown || marker.Enter_Pressed || title.PMouseLeftDown || title.Enter_Pressed)
    marker.Background = kPressed;
  marker.Checked = Checked;
}

void TChoiceControl::CatchFocus() {
  if (TitlePanel) TitlePanel->CatchFocus();
}

void TChoiceControl::SetFont(TFont* Font_) {
  if (TitlePanel) TitlePanel->SetFont(Font_);
  TContainer::SetFont(Font_);
}

void TChoiceControl::ChangeTitle(std::string_view Title_) {
  Title = std::string(Title_);
  if (TitlePanel) {
    TitlePanel->Title = Title;
    TitlePanel->DimensionChange();
  }
  DimensionChange();
  OnDimensionChange();
}
