#pragma once
// The root of the component toolkit: the component tree, the state every
// component shares, and the per-frame input dispatch (Check) that turns the raw
// key and cursor state of one frame into component events.
//
// Ownership. A component is created with new, stored in exactly one owning slot
// (a TOwned<T> member of its owner or a global) and released by Free, which
// frees its children first and empties its slot. The tree never stores
// components, only the addresses of their slots (PComponentBase), so identity
// is "same slot" and a slot emptied by Free is simply skipped:
//
//   TOwned<TOKButton1> OKButton;                 // member of the form
//   OKButton = new TOKButton1();
//   OKButton->CreateComponent(&OKButton, true, BS_Classic, ...);
//
// Everything here runs on the frame cycle's thread; the shared state needs no locks.

#include <array>
#include <cassert>
#include <cstdint>
#include <string>
#include <vector>

#include "rastrix/display.h"

struct TFont;
struct TPicture;
class TVisualComponent;

// A slot that holds one component. The tree refers to components through the
// addresses of their slots.
class TComponentSlot {
 public:
  TComponentSlot() = default;
  TComponentSlot(const TComponentSlot&) = delete;
  TComponentSlot& operator=(const TComponentSlot&) = delete;

  TVisualComponent* Component() const { return component_; }

 protected:
  ~TComponentSlot() = default;
  TVisualComponent* component_ = nullptr;

  friend class TVisualComponent;  // Free empties the slot of the freed component
};

using PComponentBase = TComponentSlot*;
using Array_Of_PComponentBase = std::vector<PComponentBase>;

// The owning slot of a component of class T. It owns what it holds: a component
// still held when the slot is destroyed is freed then.
template <class T>
class TOwned final : public TComponentSlot {
 public:
  TOwned() = default;
  ~TOwned();

  // Takes a freshly created component; the slot must be empty.
  TOwned& operator=(T* created);

  T* Get() const { return static_cast<T*>(component_); }
  T* operator->() const {
    assert(component_ != nullptr && "the slot holds no component");
    return Get();
  }
  T& operator*() const { return *operator->(); }
  explicit operator bool() const { return component_ != nullptr; }
};

// The component a tree entry designates, or null for a null entry or an empty slot.
inline TVisualComponent* Deref(PComponentBase p) { return p != nullptr ? p->Component() : nullptr; }
// The same, as class T when it is one (null otherwise).
template <class T>
T* DerefAs(PComponentBase p) {
  return dynamic_cast<T*>(Deref(p));
}

using TKeyboardKeys = std::array<bool, 256>;

struct TTrackedKey {
  uint8_t Key = 0;
  // 0 idle (not focused), 1 armed by Focus (waits for a release), 2 ready, 3 pressed.
  uint8_t State = 0;
};

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

enum TMouseCursor : uint8_t { MC_Arrow, MC_Hand };
enum TLink : uint8_t { L_No_Response, L_Hover, L_Leaved };
enum TProcesType : uint8_t { P_Input, P_Position };

struct TBorders {
  bool Left = false;
  bool Right = false;
  bool Down = false;
  bool Up = false;
};

struct TMenuItemProces {
  bool Running = false;
  TProcesType Proces = P_Input;
};

// The empty rectangle every clipping step of the toolkit produces.
inline constexpr TViewport EMPTY_VIEWPORT{1, 1, 0, 0};
// The whole screen.
inline constexpr TViewport SCREEN_VIEWPORT{0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1};

class TComponentBase {
 public:
  TComponentBase() = default;
  TComponentBase(const TComponentBase&) = delete;
  TComponentBase& operator=(const TComponentBase&) = delete;

  int32_t Width = 0;
  int32_t Height = 0;
  int32_t X = 0;
  int32_t Y = 0;
  TViewport ComponentPos;           // outer rectangle, relative to the mother's canvas (forms: screen)
  TViewport CanvasPos;              // canvas, relative to the own outer origin
  TViewport RealComponentPos;       // outer rectangle on the screen, recomputed every frame
  TViewport RealCanvasPos;          // canvas on the screen, recomputed every frame
  TViewport RealComponentViewport;  // RealComponentPos clipped by the mother's canvas viewport
  TViewport RealCanvasViewport;     // RealCanvasPos clipped the same way
  bool Enable = false;
  bool Visible = false;
  bool UnEnableAncestor = false;
  bool InvisibleAncestor = false;

  virtual void SetWidth(int32_t Value);
  virtual void SetHeight(int32_t Value);
  virtual void SetX(int32_t Value);
  virtual void SetY(int32_t Value);
  virtual int32_t GetWidth();
  virtual int32_t GetHeight();
  virtual int32_t GetX();
  virtual int32_t GetY();
  // Subclasses recompute ComponentPos and CanvasPos from X, Y, Width, Height here.
  virtual void DimensionChange();
  virtual void OnDimensionChange();
  // Destroys the object; it must have been created with new.
  virtual void Free();
  virtual void Draw();
  virtual void Check();

 protected:
  virtual ~TComponentBase() = default;
};

class TVisualComponent : public TComponentBase {
 public:
  // The constructor of every component (CreateClass): mouse capture and
  // registration with the parent on, everything else zero.
  TVisualComponent();

  PComponentBase MotherComponent = nullptr;
  PComponentBase MotherForm = nullptr;  // set only for focusable components
  bool CanCatchMouseEvent = true;
  bool CanFocus = false;
  bool Is_Focused = false;
  uint32_t FocusPosition = 0;  // index in MotherForm's FocusableComponents
  bool SelfChanged = false;    // a mouse framework method ran this frame
  bool Continue_ = false;      // may receive mouse events this frame
  TPoint MousePosition;        // cursor (screen pixels) at the end of the last Check
  uint32_t LastLeftClick = 0;
  uint32_t LastRightClick = 0;
  TFont* Font = nullptr;
  std::vector<TTrackedKey> TrackedKeys;
  PComponentBase Adress = nullptr;  // the slot that holds this component: its identity
  Array_Of_PComponentBase RegisteredComponents;  // children, first = bottom
  bool RegisterComponent = true;
  Array_Of_PComponentBase FocusableComponents;  // (forms) focusable components, creation order
  uint32_t PositionOfFocusedComponent = 0;      // (forms) index of the focused one
  uint8_t AlphaBlending = 0;
  TColor Background;
  TColor TextColor;
  bool CenteredText = false;
  bool PMouseIs = false;
  bool PMouseMove = false;
  bool PMouseArrive = false;
  bool PMouseLeave = false;
  bool PMouseLeftDown = false;
  bool PMouseRightDown = false;
  bool PMouseLeftClick = false;
  bool PMouseRightClick = false;
  bool PMouseLeftDoubleClick = false;
  bool PMouseRightDoubleClick = false;

  // The base part of every creation routine: attaches the component under
  // ActualComponent (and, when focusable, to ActualForm's focus list) and makes
  // it the current parent. The concrete class then sets its geometry, calls
  // OnCreate and restores ActualComponent := MotherComponent.
  void CreateComponent(PComponentBase Adress_, bool CanFocus_);

  void Free() override;
  void Draw() override;
  void Check() override;

  virtual void AddTrackedKey(uint8_t Key);
  virtual void CatchFocus();
  virtual void Focus();
  virtual void LostFocus();
  virtual void KeyDown(uint8_t Key);
  virtual void KeyClick(uint8_t Key);
  // Mouse framework methods; (X, Y) relative to the canvas origin.
  virtual void MouseIs(int32_t X_, int32_t Y_);
  virtual void MouseMove(int32_t X_, int32_t Y_);
  virtual void MouseArrive(int32_t X_, int32_t Y_);
  virtual void MouseLeave(int32_t X_, int32_t Y_);
  virtual void MouseLeftDown(int32_t X_, int32_t Y_);
  virtual void MouseRightDown(int32_t X_, int32_t Y_);
  virtual void MouseLeftClick(int32_t X_, int32_t Y_);
  virtual void MouseRightClick(int32_t X_, int32_t Y_);
  virtual void MouseLeftDoubleClick(int32_t X_, int32_t Y_);
  virtual void MouseRightDoubleClick(int32_t X_, int32_t Y_);

  // Hooks for application classes; all empty here.
  virtual void OnCreate() {}
  virtual void OnFree() {}
  virtual void OnDraw() {}
  virtual void OnCheck() {}
  virtual void OnFocus() {}
  virtual void OnLostFocus() {}
  virtual void OnKeyDown(uint8_t) {}
  virtual void OnKeyClick(uint8_t) {}
  virtual void OnMouseIs(int32_t, int32_t) {}
  virtual void OnMouseMove(int32_t, int32_t) {}
  virtual void OnMouseArrive(int32_t, int32_t) {}
  virtual void OnMouseLeave(int32_t, int32_t) {}
  virtual void OnMouseLeftDown(int32_t, int32_t) {}
  virtual void OnMouseRightDown(int32_t, int32_t) {}
  virtual void OnMouseLeftClick(int32_t, int32_t) {}
  virtual void OnMouseRightClick(int32_t, int32_t) {}
  virtual void OnMouseLeftDoubleClick(int32_t, int32_t) {}
  virtual void OnMouseRightDoubleClick(int32_t, int32_t) {}

  // The mouse wheel turned Notches (positive away from the user) over this
  // component or one of its children; true when it used them, false lets
  // the mother try.
  virtual bool MouseWheel(int32_t Notches) {
    (void)Notches;
    return false;
  }

  virtual void SetFont(TFont* Font_);
  virtual TFont* GetFont();

  // The mother component (null for a form) and the form holding the focus list.
  TVisualComponent* Mother() const { return Deref(MotherComponent); }
  TVisualComponent* Form() const { return Deref(MotherForm); }

 protected:
  // Steps 1 and 2 of Check: screen geometry, viewports and ancestor flags.
  // Menu items recompute just this in their position pass.
  void ComputeGeometry();

 private:
  // The steps of Check after the children's: a disabled component under the
  // cursor claims the mouse; the mouse flags of this frame (Cursor_ is read
  // again when the component may react); the mouse events; the focus
  // arriving or leaving; the tracked keys.
  void ClaimMouse(TPoint Cursor_);
  void TrackMouse(TPoint& Cursor_);
  void DispatchMouse(int32_t X_, int32_t Y_);
  void FollowFocus();
  void DispatchKeys();
};

// --- The toolkit's state ---

// The longest rest between two frames.
inline constexpr uint32_t LONGEST_REST = 1000;

// What every component shares: the forms, the focus, the mouse's claim in
// this frame, the keys and the cursor. One object, made afresh with each
// application (RenewToolkit), so nothing can be left over from the last one.
struct TToolkit {
  Array_Of_PComponentBase OpenedWindows;  // every form, z-order, 0 = bottom
  Array_Of_PComponentBase AllForms;       // every form, creation order
  PComponentBase ActiveForm = nullptr;
  bool ChangedActiveComponent = false;  // the left button went down on ActiveComponent and is still down
  PComponentBase ActiveComponent = nullptr;
  PComponentBase ActualComponent = nullptr;  // parent of components created now
  PComponentBase ActualForm = nullptr;       // focus-list owner of components created now
  PComponentBase Focused = nullptr;
  bool Changed = false;  // the mouse has been claimed in this frame
  TKeyboardKeys KeyboardKeysOld{};
  TKeyboardKeys KeyboardKeysNew{};
  // Characters typed in this frame (Windows-1250, in order) when the system's
  // layout makes them; the focused edit field takes them. With TextFromSystem
  // false the fields make their characters from the key states instead.
  bool TextFromSystem = false;
  std::string TypedText;
  int32_t DoubleClickTime = 0;  // the platform's setting; the dispatch uses its own 1000 ms
  TMouseCursor MouseCursor = MC_Arrow;
  TLink Link = L_No_Response;
  TMenuItemProces MenuItemProces;
  Array_Of_PComponentBase AllMenuItems;
  bool CanControl = false;
  uint32_t NextRedraw = LONGEST_REST;  // the soonest RedrawWithin request of this frame
};

// The toolkit's state of this process.
TToolkit& Toolkit();
// Destroys the toolkit's state and makes it afresh (the lists must hold no
// live components any more): the application does so when it is created and
// released, a test of components without one before and after each case.
void RenewToolkit();

// The transparent colour the toolkit passes when it draws textures and icons
// (black; transparency is always off there).
extern const TColor TranColor;

// What changes on the screen by the clock alone (a caret's blink, a clock's
// next second) asks, every frame it is checked or drawn, to be drawn again
// within Ms milliseconds; the frame loop lets the program rest until the
// soonest of these. Input ends a rest at once.
void RedrawWithin(uint32_t Ms);
// The soonest request since the last call (LONGEST_REST when none); the
// requests start over.
uint32_t TakeNextRedraw();

// The fixed double-click window of the dispatch, in milliseconds.
inline constexpr int64_t DOUBLE_CLICK_WINDOW = 1000;

// Key state helpers over the two arrays: down now, and down now but not before.
inline bool KeyIsDown(int Key) { return Toolkit().KeyboardKeysNew[static_cast<uint8_t>(Key)]; }
inline bool KeyPressed(int Key) {
  return Toolkit().KeyboardKeysNew[static_cast<uint8_t>(Key)] && !Toolkit().KeyboardKeysOld[static_cast<uint8_t>(Key)];
}

// The hand cursor for a clickable part: asked for on arrival, given back on
// leaving unless another part asked for it in the same frame.
inline void RequestHand() { Toolkit().Link = L_Hover; }
inline void ReleaseHand() {
  if (Toolkit().Link != L_Hover) Toolkit().Link = L_Leaved;
}

// --- TOwned ---

template <class T>
TOwned<T>::~TOwned() {
  if (component_ != nullptr) component_->Free();
}

template <class T>
TOwned<T>& TOwned<T>::operator=(T* created) {
  assert(component_ == nullptr && "the slot already holds a component");
  component_ = created;
  return *this;
}
