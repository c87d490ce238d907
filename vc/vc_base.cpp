#include "vc/vc_base.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "platform/platform.h"
#include "rastrix/fnt.h"

const TColor TranColor{0, 0, 0, 0};

namespace {
std::unique_ptr<TToolkit> g_toolkit;
}  // namespace

TToolkit& Toolkit() {
  if (!g_toolkit) g_toolkit = std::make_unique<TToolkit>();
  return *g_toolkit;
}

void RenewToolkit() {
  g_toolkit = std::make_unique<TToolkit>();
}

void RedrawWithin(uint32_t Ms) { Toolkit().NextRedraw = std::min(Toolkit().NextRedraw, Ms); }

uint32_t TakeNextRedraw() { return std::exchange(Toolkit().NextRedraw, LONGEST_REST); }

// --- TComponentBase ---

void TComponentBase::SetWidth(int32_t Value) {
  Width = Value;
  DimensionChange();
  OnDimensionChange();
}

void TComponentBase::SetHeight(int32_t Value) {
  Height = Value;
  DimensionChange();
  OnDimensionChange();
}

void TComponentBase::SetX(int32_t Value) {
  X = Value;
  DimensionChange();
  OnDimensionChange();
}

void TComponentBase::SetY(int32_t Value) {
  Y = Value;
  DimensionChange();
  OnDimensionChange();
}

int32_t TComponentBase::GetWidth() { return Width; }
int32_t TComponentBase::GetHeight() { return Height; }
int32_t TComponentBase::GetX() { return X; }
int32_t TComponentBase::GetY() { return Y; }
void TComponentBase::DimensionChange() {}
void TComponentBase::OnDimensionChange() {}
void TComponentBase::Free() { delete this; }
void TComponentBase::Draw() {}
void TComponentBase::Check() {}

// --- TVisualComponent ---

namespace {

bool Inside(const TViewport& v, int32_t x, int32_t y) { return x >= v.X1 && x <= v.X2 && y >= v.Y1 && y <= v.Y2; }

// The overlap of a rectangle with a clip rectangle, or the empty viewport.
TViewport Clip(const TViewport& r, const TViewport& clip) {
  if (clip.X2 < r.X1 || r.X2 < clip.X1 || clip.Y2 < r.Y1 || r.Y2 < clip.Y1) return EMPTY_VIEWPORT;
  return TViewport{std::max(r.X1, clip.X1), std::max(r.Y1, clip.Y1), std::min(r.X2, clip.X2),
                   std::min(r.Y2, clip.Y2)};
}

TPoint Cursor() {
  TPoint p;
  platform::Current().GetCursorPos(p.X, p.Y);
  return p;
}

void Erase(Array_Of_PComponentBase& list, PComponentBase entry) {
  list.erase(std::remove(list.begin(), list.end(), entry), list.end());
}

}  // namespace

TVisualComponent::TVisualComponent() {
  CanCatchMouseEvent = true;
  RegisterComponent = true;
}

void TVisualComponent::CreateComponent(PComponentBase Adress_, bool CanFocus_) {
  assert(Adress_ != nullptr && Adress_->Component() == this && "a component is created through its own slot");
  Adress = Adress_;
  CanFocus = CanFocus_;
  Is_Focused = false;
  TrackedKeys.clear();
  MotherComponent = Toolkit().ActualComponent;
  if (RegisterComponent) {
    TVisualComponent* mother = Deref(Toolkit().ActualComponent);
    assert(mother != nullptr && "a component needs a parent to register with");
    mother->RegisteredComponents.push_back(Adress);
  }
  Toolkit().ActualComponent = Adress;
  if (CanFocus) {
    MotherForm = Toolkit().ActualForm;
    TVisualComponent* form = Deref(Toolkit().ActualForm);
    assert(form != nullptr && "a focusable component needs a form");
    form->FocusableComponents.push_back(Adress);
    FocusPosition = static_cast<uint32_t>(form->FocusableComponents.size() - 1);
  }
  Font = LoadedFonts.empty() ? nullptr : LoadedFonts[0];
  TextColor = TColor{0, 0, 0, 0};
  CenteredText = true;
  Visible = true;
  Enable = true;
}

void TVisualComponent::Free() {
  OnFree();
  for (auto i = RegisteredComponents.size(); i-- > 0;) {
    // A child's Free may not touch this list, but read the entry afresh anyway.
    if (TVisualComponent* child = Deref(RegisteredComponents[i])) child->Free();
  }
  RegisteredComponents.clear();
  // Nothing may keep pointing at a component that no longer exists.
  if (Adress != nullptr) {
    if (Toolkit().Focused == Adress) Toolkit().Focused = nullptr;
    if (Toolkit().ActiveComponent == Adress) {
      Toolkit().ActiveComponent = nullptr;
      Toolkit().ChangedActiveComponent = false;
    }
    if (Toolkit().ActualComponent == Adress) Toolkit().ActualComponent = MotherComponent;
    if (Toolkit().ActualForm == Adress) Toolkit().ActualForm = nullptr;
    if (Toolkit().ActiveForm == Adress) Toolkit().ActiveForm = nullptr;
    Erase(Toolkit().AllMenuItems, Adress);
    if (Adress->component_ == this) Adress->component_ = nullptr;
  }
  TComponentBase::Free();
}

void TVisualComponent::Draw() {
  SetViewport(RealCanvasViewport.X1, RealCanvasViewport.Y1, RealCanvasViewport.X2, RealCanvasViewport.Y2);
  OnDraw();
  for (PComponentBase entry : RegisteredComponents) {
    TVisualComponent* child = Deref(entry);
    if (child != nullptr && child->Visible) child->Draw();
  }
  const TVisualComponent* mother = Mother();
  const TViewport v = mother != nullptr ? mother->RealCanvasViewport : SCREEN_VIEWPORT;
  SetViewport(v.X1, v.Y1, v.X2, v.Y2);
}

void TVisualComponent::ComputeGeometry() {
  const TVisualComponent* mother = Mother();
  if (mother != nullptr) {
    const TViewport& mc = mother->RealCanvasPos;
    RealComponentPos = TViewport{mc.X1 + ComponentPos.X1, mc.Y1 + ComponentPos.Y1, mc.X1 + ComponentPos.X2,
                                 mc.Y1 + ComponentPos.Y2};
  } else {
    RealComponentPos = ComponentPos;
  }
  RealCanvasPos = TViewport{RealComponentPos.X1 + CanvasPos.X1, RealComponentPos.Y1 + CanvasPos.Y1,
                            RealComponentPos.X1 + CanvasPos.X2, RealComponentPos.Y1 + CanvasPos.Y2};
  const TViewport clip = mother != nullptr ? mother->RealCanvasViewport : SCREEN_VIEWPORT;
  RealComponentViewport = Clip(RealComponentPos, clip);
  RealCanvasViewport = Clip(RealCanvasPos, clip);
  if (mother != nullptr) {
    UnEnableAncestor = !mother->Enable || mother->UnEnableAncestor;
    InvisibleAncestor = !mother->Visible || mother->InvisibleAncestor;
  } else {
    UnEnableAncestor = false;
    InvisibleAncestor = false;
  }
}

void TVisualComponent::Check() {
  ComputeGeometry();

  for (auto i = RegisteredComponents.size(); i-- > 0;) {
    if (TVisualComponent* child = Deref(RegisteredComponents[i])) child->Check();
  }

  TPoint cursor = Cursor();
  ClaimMouse(cursor);
  TrackMouse(cursor);
  const int32_t ex = cursor.X - RealCanvasPos.X1;
  const int32_t ey = cursor.Y - RealCanvasPos.Y1;
  MousePosition = cursor;
  DispatchMouse(ex, ey);
  if (SelfChanged && CanCatchMouseEvent) Toolkit().Changed = true;

  FollowFocus();
  DispatchKeys();
  OnCheck();
}

void TVisualComponent::ClaimMouse(TPoint Cursor_) {
  // A disabled component under the cursor takes the mouse from everything
  // below it, so nothing behind it reacts.
  TToolkit& tk = Toolkit();
  if (CanCatchMouseEvent && (!tk.ChangedActiveComponent || Adress == tk.ActiveComponent) &&
      (!Enable || UnEnableAncestor) && Visible && !InvisibleAncestor &&
      Inside(RealComponentViewport, Cursor_.X, Cursor_.Y)) {
    tk.Changed = true;
    if (tk.KeyboardKeysNew[1]) {
      tk.ChangedActiveComponent = true;
      tk.ActiveComponent = Adress;
    }
  }
}

void TVisualComponent::TrackMouse(TPoint& Cursor_) {
  const TToolkit& tk = Toolkit();
  SelfChanged = false;
  PMouseLeftClick = false;
  Continue_ = true;
  if ((tk.ChangedActiveComponent && Adress != tk.ActiveComponent) || InvisibleAncestor || UnEnableAncestor ||
      !Visible || !Enable || tk.Changed) {
    Continue_ = false;
    PMouseArrive = false;
    PMouseLeave = PMouseIs;
    PMouseIs = false;
    PMouseMove = false;
    PMouseLeftDown = false;
    PMouseRightDown = false;
    PMouseLeftClick = false;
    PMouseRightClick = false;
    PMouseLeftDoubleClick = false;
    PMouseRightDoubleClick = false;
    return;
  }

  Cursor_ = Cursor();
  const bool inside = Inside(RealComponentViewport, Cursor_.X, Cursor_.Y);
  const bool oldIs = PMouseIs;
  const bool oldLeftDown = PMouseLeftDown;
  const bool oldRightDown = PMouseRightDown;
  const bool left = tk.KeyboardKeysNew[1];
  const bool right = tk.KeyboardKeysNew[2];
  PMouseArrive = inside && !oldIs;
  PMouseLeave = !inside && oldIs;
  PMouseMove = inside && oldIs && Cursor_ != MousePosition;
  PMouseIs = inside;
  if (oldLeftDown && !left) PMouseLeftClick = true;
  PMouseRightClick = oldRightDown && !right;
  PMouseLeftDown = PMouseIs && left;
  PMouseRightDown = PMouseIs && right;
  // Signed difference of the unsigned ticks, so a wrapped counter still pairs.
  const int64_t tick = platform::Current().TickCount();
  PMouseLeftDoubleClick = PMouseLeftClick && tick - int64_t{LastLeftClick} <= DOUBLE_CLICK_WINDOW;
  PMouseRightDoubleClick = PMouseRightClick && tick - int64_t{LastRightClick} <= DOUBLE_CLICK_WINDOW;
}

void TVisualComponent::DispatchMouse(int32_t X_, int32_t Y_) {
  if (PMouseIs) {
    MouseIs(X_, Y_);
    OnMouseIs(X_, Y_);
  }
  if (PMouseArrive) {
    MouseArrive(X_, Y_);
    OnMouseArrive(X_, Y_);
  }
  if (PMouseLeave) {
    MouseLeave(X_, Y_);
    OnMouseLeave(X_, Y_);
  }
  if (PMouseMove) {
    MouseMove(X_, Y_);
    OnMouseMove(X_, Y_);
  }
  if (PMouseLeftDown) {
    MouseLeftDown(X_, Y_);
    OnMouseLeftDown(X_, Y_);
  }
  if (PMouseRightDown) {
    MouseRightDown(X_, Y_);
    OnMouseRightDown(X_, Y_);
  }
  if (PMouseLeftClick) {
    MouseLeftClick(X_, Y_);
    OnMouseLeftClick(X_, Y_);
  }
  if (PMouseRightClick) {
    MouseRightClick(X_, Y_);
    OnMouseRightClick(X_, Y_);
  }
  if (PMouseLeftDoubleClick) {
    MouseLeftDoubleClick(X_, Y_);
    OnMouseLeftDoubleClick(X_, Y_);
  }
  if (PMouseRightDoubleClick) {
    MouseRightDoubleClick(X_, Y_);
    OnMouseRightDoubleClick(X_, Y_);
  }
}

void TVisualComponent::FollowFocus() {
  // Read afresh each time: a focus handler may move the focus on.
  if (!Is_Focused && Adress == Toolkit().Focused) {
    Is_Focused = true;
    Focus();
    OnFocus();
  }
  if (Is_Focused && Adress != Toolkit().Focused) {
    Is_Focused = false;
    LostFocus();
    OnLostFocus();
  }
}

void TVisualComponent::DispatchKeys() {
  // Indexed: a key handler may add tracked keys.
  for (std::size_t i = 0; i < TrackedKeys.size(); ++i) {
    const uint8_t key = TrackedKeys[i].Key;
    const bool down = Toolkit().KeyboardKeysNew[key];
    switch (TrackedKeys[i].State) {
      case 1:
        if (!down) TrackedKeys[i].State = 2;
        break;
      case 2:
        if (down) {
          TrackedKeys[i].State = 3;
          KeyDown(key);
          OnKeyDown(key);
        }
        break;
      case 3:
        if (!down) {
          TrackedKeys[i].State = 2;
          KeyClick(key);
          OnKeyClick(key);
        }
        break;
      default:
        break;
    }
  }
}

void TVisualComponent::AddTrackedKey(uint8_t Key) { TrackedKeys.push_back(TTrackedKey{Key, 0}); }

void TVisualComponent::CatchFocus() {
  if (!CanFocus) return;
  TVisualComponent* form = Form();
  if (form == nullptr) return;
  Toolkit().Focused = Adress;
  form->PositionOfFocusedComponent = FocusPosition;
}

void TVisualComponent::Focus() {
  for (TTrackedKey& k : TrackedKeys) k.State = 1;
}

void TVisualComponent::LostFocus() {
  for (TTrackedKey& k : TrackedKeys) k.State = 0;
}

void TVisualComponent::KeyDown(uint8_t) {}
void TVisualComponent::KeyClick(uint8_t) {}

void TVisualComponent::MouseIs(int32_t, int32_t) {
  if (CanCatchMouseEvent) SelfChanged = true;
}

void TVisualComponent::MouseMove(int32_t, int32_t) {}

void TVisualComponent::MouseArrive(int32_t, int32_t) {
  if (CanCatchMouseEvent) SelfChanged = true;
}

void TVisualComponent::MouseLeave(int32_t, int32_t) {}

void TVisualComponent::MouseLeftDown(int32_t, int32_t) {
  if (CanFocus) {
    Toolkit().Focused = Adress;
    if (TVisualComponent* form = Form()) form->PositionOfFocusedComponent = FocusPosition;
  }
  Toolkit().ActiveComponent = Adress;
  if (CanCatchMouseEvent) {
    Toolkit().ChangedActiveComponent = true;
    SelfChanged = true;
  }
}

void TVisualComponent::MouseRightDown(int32_t, int32_t) {
  if (CanCatchMouseEvent) SelfChanged = true;
}

void TVisualComponent::MouseLeftClick(int32_t, int32_t) {
  if (CanCatchMouseEvent) SelfChanged = true;
  LastLeftClick = platform::Current().TickCount();
}

void TVisualComponent::MouseRightClick(int32_t, int32_t) {
  if (CanCatchMouseEvent) SelfChanged = true;
  LastRightClick = platform::Current().TickCount();
}

void TVisualComponent::MouseLeftDoubleClick(int32_t, int32_t) { LastLeftClick = 0; }
void TVisualComponent::MouseRightDoubleClick(int32_t, int32_t) { LastRightClick = 0; }

void TVisualComponent::SetFont(TFont* Font_) {
  Font = Font_;
  DimensionChange();
  OnDimensionChange();
}

TFont* TVisualComponent::GetFont() { return Font; }
