#include "vc/vc_radio_button.h"

#include <algorithm>

#include "rastrix/primitives.h"

namespace {

constexpr int32_t kMarker = 13;  // outer size of the round marker
constexpr int32_t kTitleX = 17;  // where the title starts

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

TRadioButton::TRadioButton() : TChoiceControl(kMarker, kTitleX) {}

void TRadioButton::CreateComponent(PComponentBase Adress_, int32_t X_, int32_t Y_, std::string_view Title_) {
  const int32_t height = BeginCreate(Adress_, X_, Y_, Title_);
  RadioPanel = new TRadioPanel();
  RadioPanel->CreateComponent(&RadioPanel, false, PS_Circle, 0, MarkerY(height), 5, 5);
  RadioPanel->Font = Font;
  FinishCreate();
}

void TRadioButton::Picked() {
  if (Checked) return;
  Checked = true;
  for (PComponentBase entry : Neighbours) {
    if (auto* other = DerefAs<TRadioButton>(entry); other != nullptr && other != this) other->Checked = false;
  }
  OnChange();
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
