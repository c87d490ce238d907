#pragma once
// The scroll bar: two arrow buttons, a track and a draggable thumb in a
// container, vertical or horizontal. It holds Position in 0..MaxValue; the
// arrow buttons and, while the thumb has the focus, the arrow keys step it at
// most once per 50 ms, a click on the track jumps there, and the thumb drags.
// Owners read Position every frame and set MaxValue to the steps they need:
//
//   Bar = new TScrollBar();
//   Bar->CreateComponent(&Bar, SBT_Vertical, 400, 60, 200, 0);  // track from (400, 60), 200 long
//   Bar->SetMaxValue(RowCount - VisibleRows);

#include <cstdint>

#include "vc/vc_button.h"
#include "vc/vc_container.h"
#include "vc/vc_panel.h"

enum TScrollBarType : uint8_t { SBT_Vertical, SBT_Horizontal };

enum class TCourse : uint8_t { Left, Right, Up, Down };

// An arrow button.
class TScrollBarButton : public TButton {
 public:
  TCourse Course = TCourse::Up;

  void OnDraw() override;
};

// The track.
class TPanelDown : public TPanel {
 public:
  TPoint MousePos;  // the cursor (screen pixels) at the last click

  // Stores the cursor; no double-click bookkeeping.
  void MouseLeftClick(int32_t X_, int32_t Y_) override;
};

// The thumb: the focusable part.
class TPanelUp : public TPanel {
 public:
  TPoint MousePos;       // the cursor (screen pixels) in the last dragging frame
  bool PMove = false;    // being dragged
  double DragRest = 0;   // movement of this drag not yet turned into steps, pixels
};

class TScrollBar : public TContainer {
 public:
  int32_t PanelUpWidth = 0;  // thumb length along the bar
  int32_t PanelUpPos = 0;    // thumb offset from the track's start
  int32_t LastChangeTime = 0;
  TOwned<TScrollBarButton> Button1;  // up or left
  TOwned<TScrollBarButton> Button2;  // down or right
  TOwned<TPanelDown> PanelDown;
  TOwned<TPanelUp> PanelUp;
  int32_t Position = 0;
  uint32_t MaxValue = 0;  // 0: nothing to scroll
  int32_t ScrollBarLength = 0;
  TScrollBarType ScrollBarType = SBT_Vertical;
  int32_t WheelStep = 1;  // steps a wheel notch moves

  // (X, Y) is where the track starts; the arrow buttons, 19 pixels each, lie
  // before and after it. Position starts at 0.
  void CreateComponent(PComponentBase Adress_, TScrollBarType ScrollBarType_, int32_t X_, int32_t Y_,
                       uint32_t ScrollBarLength_, uint32_t MaxValue_);

  void Check() override;
  void CatchFocus() override;
  // Both take the track's start, as creation does.
  void SetX(int32_t Value) override;
  void SetY(int32_t Value) override;
  // The bar's size, the thumb and the children from the fields.
  void DimensionChange() override;
  // Never called by the bar: owners compare Position between frames.
  virtual void OnChange() {}

  // Away from the user moves towards 0 (up, or left on a horizontal bar).
  bool MouseWheel(int32_t Notches) override;
  // Clamped to 0..MaxValue.
  void SetPosition(int32_t Value);
  // Position is not clamped again until the next SetPosition.
  void SetMaxValue(uint32_t Value);
  void SetScrollBarLength(int32_t Value);
  void SetScrollBarType(TScrollBarType Value);
  int32_t GetPosition() const { return Position; }
  uint32_t GetMaxValue() const { return MaxValue; }
  int32_t GetScrollBarLength() const { return ScrollBarLength; }
  TScrollBarType GetScrollBarType() const { return ScrollBarType; }

  // Pixels of thumb travel per step (0 when there is nothing to scroll).
  double Pitch() const;
};
