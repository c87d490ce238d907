#include "vc/vc_scroll_bar.h"

#include <algorithm>
#include <cmath>

#include "platform/platform.h"
#include "platform/vk.h"
#include "rastrix/primitives.h"

namespace {

constexpr int32_t kButton = 19;    // outer size of an arrow button
constexpr int32_t kMinThumb = 10;  // shortest thumb
constexpr uint32_t kStepMs = 50;   // fastest stepping by buttons and keys

uint32_t Tick() { return platform::Current().TickCount(); }

TPoint Cursor() {
  TPoint p;
  platform::Current().GetCursorPos(p.X, p.Y);
  return p;
}

// Nearest integer, halves to the even neighbour.
int32_t Rounded(double v) {
  const double r = std::nearbyint(v);
  if (r >= 2147483647.0) return 2147483647;
  if (r <= -2147483648.0) return -2147483647 - 1;
  return static_cast<int32_t>(r);
}

uint32_t NonNegative(int64_t v) { return v > 0 ? static_cast<uint32_t>(v) : 0; }

}  // namespace

void TScrollBarButton::OnDraw() {
  if (Enable && !UnEnableAncestor) {
    SetColor(0, 0, 0, AlphaBlending);
  } else {
    SetColor(172, 168, 153, AlphaBlending);
  }
  const int32_t X1 = RealCanvasPos.X1, Y1 = RealCanvasPos.Y1;
  const int32_t X2 = RealCanvasPos.X2, Y2 = RealCanvasPos.Y2;
  for (int32_t i = 1; i <= 4; ++i) {
    switch (Course) {
      case TCourse::Up:
        Line(X1 + i, Y1 + 7 - i, X2 - i, Y1 + 7 - i);
        break;
      case TCourse::Down:
        Line(X1 + i, Y1 + i + 2, X2 - i, Y1 + i + 2);
        break;
      case TCourse::Left:
        Line(X1 + i + 1, Y1 + 5 - i, X1 + i + 1, Y2 - 5 + i);
        break;
      case TCourse::Right:
        Line(X1 + 7 - i, Y1 + 5 - i, X1 + 7 - i, Y2 - 5 + i);
        break;
    }
  }
}

void TPanelDown::MouseLeftClick(int32_t, int32_t) { MousePos = Cursor(); }

void TScrollBar::CreateComponent(PComponentBase Adress_, TScrollBarType ScrollBarType_, int32_t X_, int32_t Y_,
                                 uint32_t ScrollBarLength_, uint32_t MaxValue_) {
  ScrollBarType = ScrollBarType_;
  ScrollBarLength = static_cast<int32_t>(ScrollBarLength_);
  MaxValue = MaxValue_;
  Position = 0;
  const bool vertical = ScrollBarType == SBT_Vertical;
  const auto length = static_cast<uint32_t>(ScrollBarLength + 2 * kButton);
  if (vertical) {
    TContainer::CreateComponent(Adress_, X_, Y_ - kButton, kButton, length);
  } else {
    TContainer::CreateComponent(Adress_, X_ - kButton, Y_, length, kButton);
  }

  Button1 = new TScrollBarButton();
  Button1->CreateComponent(&Button1, true, BS_Classic, "", 0, 0, 9, 9);
  Button2 = new TScrollBarButton();
  Button2->CreateComponent(&Button2, true, BS_Classic, "", 0, 0, 9, 9);
  PanelDown = new TPanelDown();
  PanelDown->CreateComponent(&PanelDown, false, PS_Classic, 0, 0, 0, 0);
  PanelDown->Background = TColor{225, 225, 225, 0};
  PanelUp = new TPanelUp();
  PanelUp->CreateComponent(&PanelUp, true, PS_Classic, 0, 0, 0, 0);
  PanelUp->Borders = TBorders{true, true, true, true};
  DimensionChange();
  OnCreate();
  Toolkit().ActualComponent = MotherComponent;
}

double TScrollBar::Pitch() const {
  if (MaxValue == 0) return 0;
  return static_cast<double>(ScrollBarLength - PanelUpWidth) / MaxValue;
}

void TScrollBar::DimensionChange() {
  const bool vertical = ScrollBarType == SBT_Vertical;
  const int32_t length = ScrollBarLength + 2 * kButton;
  Width = vertical ? kButton : length;
  Height = vertical ? length : kButton;

  PanelUpWidth = std::max<int32_t>(static_cast<int32_t>(ScrollBarLength / (int64_t{MaxValue} + 1)), kMinThumb);
  PanelUpPos = MaxValue == 0 ? 0 : Rounded(Pitch() * Position);

  if (Button1 && Button2 && PanelDown && PanelUp) {
    Button1->Course = vertical ? TCourse::Up : TCourse::Left;
    Button2->Course = vertical ? TCourse::Down : TCourse::Right;
    const auto place = [vertical](TComponentBase& c, int32_t along, int32_t across) {
      c.SetX(vertical ? across : along);
      c.SetY(vertical ? along : across);
    };
    const auto size = [vertical](TComponentBase& c, int32_t along) {
      const auto n = static_cast<int32_t>(NonNegative(along));
      c.SetWidth(vertical ? 11 : n);
      c.SetHeight(vertical ? n : 11);
    };
    place(*Button1, 0, 0);
    place(*Button2, ScrollBarLength + kButton, 0);
    place(*PanelDown, kButton, 0);
    size(*PanelDown, ScrollBarLength - 8);
    place(*PanelUp, PanelUpPos + kButton, 0);
    size(*PanelUp, PanelUpWidth - 8);
  }
  TContainer::DimensionChange();
}

void TScrollBar::SetX(int32_t Value) {
  X = ScrollBarType == SBT_Vertical ? Value : Value - kButton;
  DimensionChange();
  OnDimensionChange();
}

void TScrollBar::SetY(int32_t Value) {
  Y = ScrollBarType == SBT_Vertical ? Value - kButton : Value;
  DimensionChange();
  OnDimensionChange();
}

void TScrollBar::SetPosition(int32_t Value) {
  const int64_t top = MaxValue;
  Position = static_cast<int32_t>(std::clamp<int64_t>(Value, 0, top));
  DimensionChange();
  OnDimensionChange();
}

bool TScrollBar::MouseWheel(int32_t Notches) {
  SetPosition(static_cast<int32_t>(
      std::clamp<int64_t>(Position - int64_t{Notches} * WheelStep, 0, static_cast<int64_t>(MaxValue))));
  return true;
}

void TScrollBar::SetMaxValue(uint32_t Value) {
  MaxValue = Value;
  DimensionChange();
  OnDimensionChange();
}

void TScrollBar::SetScrollBarLength(int32_t Value) {
  ScrollBarLength = Value;
  DimensionChange();
  OnDimensionChange();
}

void TScrollBar::SetScrollBarType(TScrollBarType Value) {
  if (Value == ScrollBarType) return;
  // The track keeps its start.
  const int32_t trackX = ScrollBarType == SBT_Vertical ? X : X + kButton;
  const int32_t trackY = ScrollBarType == SBT_Vertical ? Y + kButton : Y;
  ScrollBarType = Value;
  X = Value == SBT_Vertical ? trackX : trackX - kButton;
  Y = Value == SBT_Vertical ? trackY - kButton : trackY;
  DimensionChange();
  OnDimensionChange();
}

void TScrollBar::CatchFocus() {
  if (PanelUp) PanelUp->CatchFocus();
}

void TScrollBar::Check() {
  TContainer::Check();
  if (SelfChanged) Toolkit().Changed = true;
  const bool vertical = ScrollBarType == SBT_Vertical;
  TPanelUp& thumb = *PanelUp;
  TPanelDown& track = *PanelDown;

  // Unsigned difference: right across the wrap of the tick counter.
  const uint32_t now = Tick();
  if (now - static_cast<uint32_t>(LastChangeTime) >= kStepMs) {
    bool stepped = false;
    if (Button1->PMouseLeftDown) {
      stepped = true;
      if (Position != 0) SetPosition(Position - 1);
    }
    if (Button2->PMouseLeftDown) {
      stepped = true;
      SetPosition(Position + 1);
    }
    if (Toolkit().Focused != nullptr && Toolkit().Focused == thumb.Adress) {
      const int back = vertical ? vk::UP : vk::LEFT;
      const int forth = vertical ? vk::DOWN : vk::RIGHT;
      if (KeyIsDown(back) && Position != 0) {
        stepped = true;
        SetPosition(Position - 1);
      } else if (KeyIsDown(forth)) {
        stepped = true;
        SetPosition(Position + 1);
      }
    }
    if (track.PMouseLeftClick) thumb.CatchFocus();
    if (stepped) LastChangeTime = static_cast<int32_t>(now);
  }

  if (MaxValue == 0) return;
  const double pitch = Pitch();
  if (track.PMouseLeftClick && !thumb.PMove && pitch > 0) {
    const int32_t offset = vertical ? track.MousePos.Y - track.RealComponentPos.Y1
                                    : track.MousePos.X - track.RealComponentPos.X1;
    SetPosition(Rounded(offset / pitch));
  }
  if (!Toolkit().KeyboardKeysNew[vk::LBUTTON]) thumb.PMove = false;
  if (thumb.PMouseLeftDown && !thumb.PMove) {
    thumb.PMove = true;
    thumb.MousePos = Cursor();
    thumb.DragRest = 0;
  }
  if (thumb.PMove && pitch > 0) {
    const TPoint cursor = Cursor();
    // Movement too small for a step in one frame is kept for the next, so a
    // slow drag moves the thumb as far as a quick one.
    const double moved = (vertical ? cursor.Y - thumb.MousePos.Y : cursor.X - thumb.MousePos.X) + thumb.DragRest;
    const int32_t steps = Rounded(moved / pitch);
    thumb.DragRest = moved - steps * pitch;
    if (steps != 0) SetPosition(Position + steps);
    thumb.MousePos = cursor;
  }
}
