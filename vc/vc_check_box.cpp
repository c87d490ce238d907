#include "vc/vc_check_box.h"

#include "rastrix/primitives.h"

namespace {

constexpr int32_t kMarker = 18;  // outer size of the square marker
constexpr int32_t kTitleX = 23;  // where the title starts

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

TCheckBox::TCheckBox() : TChoiceControl(kMarker, kTitleX) {}

void TCheckBox::CreateComponent(PComponentBase Adress_, int32_t X_, int32_t Y_, std::string_view Title_) {
  const int32_t height = BeginCreate(Adress_, X_, Y_, Title_);
  BoxPanel = new TBoxPanel();
  BoxPanel->CreateComponent(&BoxPanel, false, PS_DownSituated, 0, MarkerY(height), 10, 10);
  BoxPanel->Borders = TBorders{true, true, true, true};
  FinishCreate();
}

void TCheckBox::Picked() {
  Checked = !Checked;
  OnChange();
}
