#include "vc/vc_radio_button.h"

#include <algorithm>

#include "rastrix/fnt.h"
#include "rastrix/primitives.h"

namespace {

constexpr int32_t kMarker = 13;      // outer size of the round marker
constexpr int32_t kTitleX = 17;      // where the title starts
constexpr TColor kWhite{255, 255, 255, 0};
constexpr TColor kPressed{216, 233, 236, 0};

uint32_t PixHeight(const TFont* font) { return font != nullptr ? font->PixHeight : 0; }
uint32_t TextLength(const TFont* font, std::string_view text) {
  return font != nullptr ? GetTextLength(*font, text) : 0;
}

}  // namespace

void TRadioPanel::OnDraw() {
  if (!Checked) return;
  // The dot is wider than the 5-pixel canvas: it is clipped by the marker's
  // outer rectangle only, so that it stays round.
  const TViewport& v = RealComponentViewport;
  SetViewport(v.X1, v.Y1, v.X2, v.Y2);
  SetColor(33, 161, 33, AlphaBlending);
  const TViewport& c = RealCanvasPos;
  FillCircle((c.X1 + c.X2) / 2, (c.Y1 + c.Y2) / 2, 3);
  const TViewport& cv = RealCanvasViewport;
  SetViewport(cv.X1, cv.Y1, cv.X2, cv.Y2);
}

void TRadioPanel::MouseArrive(int32_t X_, int32_t Y_) {
  TPanel::MouseArrive(X_, Y_);
  RequestHand();
}

void TRadioPanel::MouseLeave(int32_t X_, int32_t Y_) {
  TPanel::MouseLeave(X_, Y_);
  ReleaseHand();
}

void TRadioButton::TTitlePanel::MouseArrive(int32_t X_, int32_t Y_) {
  TLabel::MouseArrive(X_, Y_);
  RequestHand();
}

void TRadioButton::TTitlePanel::MouseLeave(int32_t X_, int32_t Y_) {
  TLabel::MouseLeave(X_, Y_);
  ReleaseHand();
}

int32_t TRadioButton::PanelY() const {
  const int32_t h = static_cast<int32_t>(PixHeight(Font)) + 10;
  return h >= kMarker ? 0 : (kMarker - h) / 2;
}

void TRadioButton::CreateComponent(PComponentBase Adress_, int32_t X_, int32_t Y_, std::string_view Title_) {
  Font = LoadedFonts.empty() ? nullptr : LoadedFonts[0];
  const int32_t height = std::max<int32_t>(static_cast<int32_t>(PixHeight(Font)) + 2 + 8, kMarker);
  Title = std::string(Title_);
  Checked = false;
  TContainer::CreateComponent(Adress_, X_, Y_, TextLength(Font, Title) + kTitleX + 10 + 8,
                              static_cast<uint32_t>(height));
  RadioPanel = new TRadioPanel();
  RadioPanel->CreateComponent(&RadioPanel, false, PS_Circle, 0, (height - kMarker) / 2, 5, 5);
  RadioPanel->Checked = Checked;
  RadioPanel->Background = kWhite;
  RadioPanel->Font = Font;
  TitlePanel = new TTitlePanel();
  TitlePanel->CreateComponent(&TitlePanel, true, kTitleX, PanelY(), Title);
  AlphaBlending = 0;
  OnCreate();
  ActualComponent = MotherComponent;
}

void TRadioButton::DimensionChange() {
  Width = static_cast<int32_t>(TextLength(Font, Title)) + kTitleX + 10 + 8;
  Height = std::max<int32_t>(static_cast<int32_t>(PixHeight(Font)) + 2 + 8, kMarker);
  if (TitlePanel) TitlePanel->SetY(PanelY());
  TContainer::DimensionChange();
}

void TRadioButton::Check() {
  TContainer::Check();
  TRadioPanel& marker = *RadioPanel;
  TTitlePanel& title = *TitlePanel;
  marker.AlphaBlending = AlphaBlending;
  title.AlphaBlending = AlphaBlending;
  if (marker.PMouseLeftClick) title.CatchFocus();
  if (!marker.PMouseLeftDown && !marker.Enter_Pressed) marker.Background = kWhite;
  // Enter on the focused title arrives as its click.
  if ((marker.PMouseLeftClick || title.PMouseLeftClick) && !Checked) {
    Checked = true;
    for (PComponentBase entry : Neighbours) {
      if (auto* other = DerefAs<TRadioButton>(entry); other != nullptr && other != this) other->Checked = false;
    }
    OnChange();
  }
  if (marker.PMouseLeftDown || marker.Enter_Pressed || title.PMouseLeftDown || title.Enter_Pressed)
    marker.Background = kPressed;
  marker.Checked = Checked;
}

void TRadioButton::CatchFocus() {
  if (TitlePanel) TitlePanel->CatchFocus();
}

void TRadioButton::SetFont(TFont* Font_) {
  if (TitlePanel) TitlePanel->SetFont(Font_);
  TContainer::SetFont(Font_);
}

void TRadioButton::AddNeighbour(PComponentBase Neighbour) {
  auto* other = DerefAs<TRadioButton>(Neighbour);
  if (other == nullptr || other == this) return;
  Array_Of_PComponentBase group{Adress};
  const auto join = [&group](PComponentBase member) {
    if (member != nullptr && std::find(group.begin(), group.end(), member) == group.end()) group.push_back(member);
  };
  for (PComponentBase member : Neighbours) join(member);
  join(other->Adress);
  for (PComponentBase member : other->Neighbours) join(member);
  for (PComponentBase member : group) {
    auto* button = DerefAs<TRadioButton>(member);
    if (button == nullptr) continue;
    button->Neighbours.clear();
    for (PComponentBase peer : group)
      if (peer != member) button->Neighbours.push_back(peer);
  }
}

void TRadioButton::ChangeTitle(std::string_view Title_) {
  Title = std::string(Title_);
  if (TitlePanel) {
    TitlePanel->Title = Title;
    TitlePanel->DimensionChange();
  }
  DimensionChange();
  OnDimensionChange();
}
