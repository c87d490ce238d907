#include "vc/vc_form.h"

#include "vc/vc_bevel.h"

#include <algorithm>
#include <cmath>

#include "platform/platform.h"
#include "rastrix/fnt.h"
#include "rastrix/primitives.h"
#include "vc/vc_bevel.h"

namespace {

constexpr int32_t FRAME_WIDTH = 12;   // 6 pixels left and right
constexpr int32_t FRAME_HEIGHT = 38;  // 32 of title on top, 6 at the bottom
constexpr int32_t CANVAS_LEFT = 6;
constexpr int32_t CANVAS_TOP = 32;
constexpr uint32_t DEFAULT_MAX_WIDTH = 1012;
constexpr uint32_t DEFAULT_MAX_HEIGHT = 730;
constexpr int32_t TITLE_BUTTON_Y = 7;
constexpr int32_t TITLE_BUTTON_WIDTH = 8;
constexpr int32_t TITLE_BUTTON_HEIGHT = 10;
// Title-button X offsets from the right end of the canvas width plus frame.
constexpr int32_t MINIMIZE_OFFSET = 55;
constexpr int32_t MAXIMIZE_OFFSET = 38;
constexpr int32_t EXIT_OFFSET = 18;

TPoint Cursor() {
  TPoint p;
  platform::Current().GetCursorPos(p.X, p.Y);
  return p;
}

bool Inside(const TViewport& v, const TPoint& p) { return p.X >= v.X1 && p.X <= v.X2 && p.Y >= v.Y1 && p.Y <= v.Y2; }

TForm* FormAt(std::size_t i) {
  TForm* form = DerefAs<TForm>(Toolkit().OpenedWindows[i]);
  assert(form != nullptr && "OpenedWindows holds only live forms");
  return form;
}

bool IsModal(std::size_t i) { return FormAt(i)->ShowType == ST_Modal; }
bool IsOnTop(std::size_t i) { return FormAt(i)->PositionType == PT_Always_On_The_Top; }
bool IsOnBottom(std::size_t i) { return FormAt(i)->PositionType == PT_Always_On_The_Bottom; }

void Colour(uint8_t r, uint8_t g, uint8_t b, uint8_t alpha) { SetColor(r, g, b, alpha); }

// Straight one-pixel lines are drawn as one-pixel-wide rectangles: the same
// pixels, without the general line walk, which matters as the title gradient
// alone is a thousand vertical lines per frame on a maximised form.
void HLine(int32_t y, int32_t x1, int32_t x2) { FillRectangle(std::min(x1, x2), y, std::max(x1, x2), y); }
void VLine(int32_t x, int32_t y1, int32_t y2) { FillRectangle(x, std::min(y1, y2), x, std::max(y1, y2)); }

// One straight frame line (x1 = x2 or y1 = y2) in the given colour.
void Stroke(uint8_t r, uint8_t g, uint8_t b, uint8_t alpha, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  Colour(r, g, b, alpha);
  if (y1 == y2) HLine(y1, x1, x2);
  else VLine(x1, y1, y2);
}

// Runs a title button's ordinary check or draw with its form's outer rectangle
// standing in for the form's canvas, so the button may sit in the title bar.
template <class Body>
void WithOuterAsCanvas(TVisualComponent* form, Body body) {
  assert(form != nullptr && "a title button belongs to a form");
  const TViewport canvas = form->RealCanvasPos;
  const TViewport canvasViewport = form->RealCanvasViewport;
  form->RealCanvasPos = form->RealComponentPos;
  form->RealCanvasViewport = form->RealComponentViewport;
  body();
  form->RealCanvasPos = canvas;
  form->RealCanvasViewport = canvasViewport;
}

// The glyph colour of a title button: black while it accepts input, else grey.
void GlyphColour(const TButton& button) {
  if (button.Enable && !button.UnEnableAncestor) Colour(0, 0, 0, button.AlphaBlending);
  else Colour(172, 168, 153, button.AlphaBlending);
}

void TitleButtonDrawViewport(const TButton& button) {
  const TVisualComponent* form = button.Mother();
  assert(form != nullptr && "a title button belongs to a form");
  const TViewport& v = form->RealComponentViewport;
  SetViewport(v.X1, v.Y1, v.X2, v.Y2);
}

}  // namespace

int32_t CenteredFormPos(int32_t Screen, int64_t Size, int32_t Frame) {
  return static_cast<int32_t>(std::nearbyint(static_cast<double>(Screen - Size - Frame) / 2.0));
}

// --- Title buttons ---

void TExitButton::OnDraw() {
  if (ButtonStyle != BS_Classic) return;
  GlyphColour(*this);
  const int32_t x1 = RealCanvasPos.X1, y1 = RealCanvasPos.Y1, x2 = RealCanvasPos.X2, y2 = RealCanvasPos.Y2;
  FillRectangle(x1 + 2, y1 + 3, x2 - 2, y2 - 3);
  FillRectangle(x1, y1 + 1, x1 + 1, y1 + 2);
  FillRectangle(x1 + 1, y1 + 2, x1 + 2, y1 + 3);
  FillRectangle(x2 - 1, y1 + 1, x2, y1 + 2);
  FillRectangle(x2 - 2, y1 + 2, x2 - 1, y1 + 3);
  FillRectangle(x1, y2 - 2, x1 + 1, y2 - 1);
  FillRectangle(x1 + 1, y2 - 3, x1 + 2, y2 - 2);
  FillRectangle(x2 - 1, y2 - 2, x2, y2 - 1);
  FillRectangle(x2 - 2, y2 - 3, x2 - 1, y2 - 2);
}

void TExitButton::Draw() {
  TitleButtonDrawViewport(*this);
  TButton::Draw();
}

void TExitButton::Check() {
  WithOuterAsCanvas(Mother(), [this] { TButton::Check(); });
  if (PMouseLeftClick) Close = true;
}

void TMinimizeButton::OnDraw() {
  if (ButtonStyle != BS_Classic) return;
  GlyphColour(*this);
  FillRectangle(RealCanvasPos.X1 + 1, RealCanvasPos.Y2 - 2, RealCanvasPos.X2 - 2, RealCanvasPos.Y2 - 1);
}

void TMinimizeButton::Draw() {
  TitleButtonDrawViewport(*this);
  TButton::Draw();
}

void TMinimizeButton::Check() {
  WithOuterAsCanvas(Mother(), [this] { TButton::Check(); });
  if (PMouseLeftClick) Minimized = true;
}

void TMaximizeButton::OnDraw() {
  if (ButtonStyle != BS_Classic) return;
  GlyphColour(*this);
  const int32_t x1 = RealCanvasPos.X1, y1 = RealCanvasPos.Y1, x2 = RealCanvasPos.X2, y2 = RealCanvasPos.Y2;
  if (!Maximized) {
    FillRectangle(x1, y2 - 1, x2, y2 - 1);
    FillRectangle(x1, y1, x1, y2 - 2);
    FillRectangle(x2, y1, x2, y2 - 2);
    FillRectangle(x1 + 1, y1, x2 - 1, y1 + 1);
  } else {
    FillRectangle(x1, y2 - 1, x2 - 2, y2 - 1);
    FillRectangle(x1, y1 + 3, x1, y2 - 2);
    FillRectangle(x2 - 2, y1 + 3, x2 - 2, y2 - 2);
    FillRectangle(x1 + 1, y1 + 3, x2 - 3, y1 + 4);
    FillRectangle(x2 - 1, y2 - 4, x2, y2 - 4);
    FillRectangle(x1 + 2, y1, x1 + 2, y1 + 2);
    FillRectangle(x2, y1, x2, y2 - 4);
    FillRectangle(x1 + 3, y1, x2 - 1, y1 + 1);
  }
}

void TMaximizeButton::Draw() {
  TitleButtonDrawViewport(*this);
  TButton::Draw();
}

void TMaximizeButton::Check() {
  WithOuterAsCanvas(Mother(), [this] { TButton::Check(); });
  if (PMouseLeftClick) {
    Maximized = !Maximized;
    ChangedStatus = true;
  }
}

// --- TForm ---

uint32_t TForm::ShownWidth() const {
  return MaximizeButton && MaximizeButton->Maximized ? MaxWidth : static_cast<uint32_t>(Width);
}

uint32_t TForm::ShownHeight() const {
  return MaximizeButton && MaximizeButton->Maximized ? MaxHeight : static_cast<uint32_t>(Height);
}

void TForm::CreateComponent(PComponentBase Adress_, TPositionType PositionType_, TFormStyle FormStyle_,
                            std::string_view Title_, uint32_t Width_, uint32_t Height_) {
  assert(Adress_ != nullptr && Adress_->Component() == this && "a form is created through its own slot");
  Adress = Adress_;
  MotherComponent = nullptr;
  MotherForm = nullptr;
  Toolkit().ActualForm = Adress;
  CanFocus = false;
  PositionOfFocusedComponent = 0;
  PositionType = PositionType_;
  FormStyle = FormStyle_;
  Title = std::string(Title_);
  ShowType = ST_Unmodal;
  CenterX = true;
  CenterY = true;
  Is_Focused = false;
  TrackedKeys.clear();

  Add_To_List();
  Toolkit().AllForms.push_back(Adress);

  if (FormStyle == FS_Classic) {
    const int64_t w = Width_;
    const int64_t h = Height_;
    ComponentPos.X1 = CenteredFormPos(SCREEN_WIDTH, w, FRAME_WIDTH);
    ComponentPos.Y1 = CenteredFormPos(SCREEN_HEIGHT, h, FRAME_HEIGHT);
    X = ComponentPos.X1;
    Y = ComponentPos.Y1;
    ComponentPos.X2 = static_cast<int32_t>(ComponentPos.X1 + FRAME_WIDTH + w - (w > 0 ? 1 : 0));
    ComponentPos.Y2 = static_cast<int32_t>(ComponentPos.Y1 + FRAME_HEIGHT + h - (h > 0 ? 1 : 0));
    CanvasPos = TViewport{CANVAS_LEFT, CANVAS_TOP, static_cast<int32_t>(CANVAS_LEFT + w - (w > 0 ? 1 : 0)),
                          static_cast<int32_t>(CANVAS_TOP + h - (h > 0 ? 1 : 0))};
    Width = static_cast<int32_t>(Width_);
    Height = static_cast<int32_t>(Height_);
    MaxWidth = DEFAULT_MAX_WIDTH;
    MaxHeight = DEFAULT_MAX_HEIGHT;
  }

  Visible = false;
  Enable = true;
  IsExitButton = true;
  IsMinimizeButton = true;
  IsMaximizeButton = true;
  Background = TColor{216, 233, 236, 0};
  Font = LoadedFonts.empty() ? nullptr : LoadedFonts[0];
  TextColor = TColor{0, 0, 0, 0};
  CenteredText = true;
  AlphaBlending = 0;

  Toolkit().ActualComponent = Adress;

  if (FormStyle == FS_Classic) {
    const int32_t right = Width + CANVAS_LEFT;
    MinimizeButton = new TMinimizeButton();
    MinimizeButton->CreateComponent(&MinimizeButton, true, BS_Classic, "", right - MINIMIZE_OFFSET, TITLE_BUTTON_Y,
                                    TITLE_BUTTON_WIDTH, TITLE_BUTTON_HEIGHT);
    MinimizeButton->AlphaBlending = AlphaBlending;
    MaximizeButton = new TMaximizeButton();
    MaximizeButton->CreateComponent(&MaximizeButton, true, BS_Classic, "", right - MAXIMIZE_OFFSET, TITLE_BUTTON_Y,
                                    TITLE_BUTTON_WIDTH, TITLE_BUTTON_HEIGHT);
    MaximizeButton->AlphaBlending = AlphaBlending;
    ExitButton = new TExitButton();
    ExitButton->CreateComponent(&ExitButton, true, BS_Classic, "", right - EXIT_OFFSET, TITLE_BUTTON_Y,
                                TITLE_BUTTON_WIDTH, TITLE_BUTTON_HEIGHT);
    ExitButton->AlphaBlending = AlphaBlending;
  }

  OnCreate();
}

void TForm::Free() {
  Remove_From_List();
  // A freed form must not stay reachable by the keyboard's window switching.
  Toolkit().AllForms.erase(std::remove(Toolkit().AllForms.begin(), Toolkit().AllForms.end(), Adress),
                           Toolkit().AllForms.end());
  TVisualComponent::Free();
}

void TForm::DimensionChange() {
  const int64_t w = ShownWidth();
  const int64_t h = ShownHeight();
  ComponentPos.X1 = CenterX && !PMove ? CenteredFormPos(SCREEN_WIDTH, w, FRAME_WIDTH) : X;
  ComponentPos.Y1 = CenterY && !PMove ? CenteredFormPos(SCREEN_HEIGHT, h, FRAME_HEIGHT) : Y;
  X = ComponentPos.X1;
  Y = ComponentPos.Y1;
  ComponentPos.X2 = static_cast<int32_t>(ComponentPos.X1 + FRAME_WIDTH + w - (w > 0 ? 1 : 0));
  ComponentPos.Y2 = static_cast<int32_t>(ComponentPos.Y1 + FRAME_HEIGHT + h - (h > 0 ? 1 : 0));
  CanvasPos.X2 = static_cast<int32_t>(CANVAS_LEFT + w - (w > 0 ? 1 : 0));
  CanvasPos.Y2 = static_cast<int32_t>(CANVAS_TOP + h - (h > 0 ? 1 : 0));
  const int32_t right = static_cast<int32_t>(w) + CANVAS_LEFT;
  if (MaximizeButton) {
    MaximizeButton->SetX(right - MAXIMIZE_OFFSET);
    MaximizeButton->SetY(TITLE_BUTTON_Y);
  }
  if (MinimizeButton) {
    MinimizeButton->SetX(right - MINIMIZE_OFFSET);
    MinimizeButton->SetY(TITLE_BUTTON_Y);
  }
  if (ExitButton) {
    ExitButton->SetX(right - EXIT_OFFSET);
    ExitButton->SetY(TITLE_BUTTON_Y);
  }
}

void TForm::Show(TShowType ShowType_) {
  // Shown again while up, the focus is the form's own by now.
  if (!Visible) FocusBeforeModal = ShowType_ == ST_Modal ? Toolkit().Focused : nullptr;
  Visible = true;
  ShowType = ShowType_;
  Replace_To_The_Top();
  Minimized = false;
  OnShow();
}

void TForm::Hide() {
  const bool was_shown = Visible;
  Visible = false;
  // Before OnHide, so that a form it shows keeps the focus it takes.
  if (was_shown && ShowType == ST_Modal) GiveBackFocus();
  FocusBeforeModal = nullptr;
  OnHide();
}

void TForm::GiveBackFocus() {
  TVisualComponent* target = Deref(FocusBeforeModal);
  if (target == nullptr) return;
  // The focus went elsewhere on purpose (an answer that opened another form).
  const TVisualComponent* now = Deref(Toolkit().Focused);
  if (now != nullptr && now != this && now->Form() != this) return;
  if (!target->Enable || !target->Visible || target->UnEnableAncestor || target->InvisibleAncestor) return;
  TVisualComponent* form = target->Form() != nullptr ? target->Form() : target;
  if (!form->Visible || !form->Enable) return;
  Toolkit().Focused = FocusBeforeModal;
  if (form != target) form->PositionOfFocusedComponent = target->FocusPosition;
  Toolkit().ActiveForm = form->Adress;
}

void TForm::Add_To_List() {
  Toolkit().ActiveForm = Adress;
  const std::size_t n = Toolkit().OpenedWindows.size();
  std::size_t p = 0;
  if (n > 0) {
    std::size_t i = n - 1;
    if (ShowType == ST_Modal) {
      p = n;
    } else if (PositionType == PT_Always_On_The_Top) {
      while (i > 0 && IsModal(i)) --i;
      p = IsModal(i) ? i : i + 1;
    } else if (PositionType == PT_Normal) {
      while (i > 0 && (IsModal(i) || IsOnTop(i))) --i;
      p = IsModal(i) || IsOnTop(i) ? i : i + 1;
    } else {
      while (i > 0 && !IsOnBottom(i)) --i;
      p = IsOnBottom(i) ? i + 1 : i;
    }
  }
  Toolkit().OpenedWindows.insert(Toolkit().OpenedWindows.begin() + static_cast<std::ptrdiff_t>(p), Adress);
  for (std::size_t k = p + 1; k < Toolkit().OpenedWindows.size(); ++k) FormAt(k)->Position = static_cast<uint32_t>(k);
  Position = static_cast<uint32_t>(p);
}

void TForm::Remove_From_List() {
  assert(Position < Toolkit().OpenedWindows.size() && Toolkit().OpenedWindows[Position] == Adress &&
         "Position tracks the list");
  Toolkit().OpenedWindows.erase(Toolkit().OpenedWindows.begin() + Position);
  for (std::size_t k = Position; k < Toolkit().OpenedWindows.size(); ++k)
    FormAt(k)->Position = static_cast<uint32_t>(k);
}

void TForm::Replace_To_The_Top() {
  Remove_From_List();
  Add_To_List();
}

void TForm::CloseByUser() {
  Close = true;
  OnCloseQuery();
  if (Close) Hide();
}

void TForm::CancelByEscape() {
  if (TVisualComponent* button = Deref(EscapeButton)) {
    if (button->Enable && button->Visible) button->OnMouseLeftClick(-1, -1);
    return;
  }
  if (IsExitButton) CloseByUser();
}

void TForm::Check() {
  TPoint cursor = Cursor();
  if (Enable && Visible && !Toolkit().ChangedActiveComponent && Inside(RealComponentPos, cursor) &&
      Toolkit().KeyboardKeysNew[1])
    Replace_To_The_Top();

  if (ExitButton) {
    ExitButton->AlphaBlending = AlphaBlending;
    ExitButton->Enable = IsExitButton;
  }
  if (MinimizeButton) {
    MinimizeButton->AlphaBlending = AlphaBlending;
    MinimizeButton->Enable = IsMinimizeButton;
  }
  if (MaximizeButton) {
    MaximizeButton->AlphaBlending = AlphaBlending;
    MaximizeButton->Enable = IsMaximizeButton;
  }

  TVisualComponent::Check();

  if (ExitButton && ExitButton->Close) {
    ExitButton->Close = false;
    CloseByUser();
  }
  if (MinimizeButton && MinimizeButton->Minimized) {
    MinimizeButton->Minimized = false;
    Minimized = true;
    Hide();
  }
  if (MaximizeButton && MaximizeButton->ChangedStatus) {
    DimensionChange();
    MaximizeButton->ChangedStatus = false;
  }

  if (!Toolkit().KeyboardKeysNew[1]) PMove = false;

  if (Continue_) {
    cursor = Cursor();
    const TViewport& r = RealComponentPos;
    if (PMouseLeftDoubleClick && cursor.X >= r.X1 + 4 && cursor.X <= r.X1 + 28 && cursor.Y >= r.Y1 + 4 &&
        cursor.Y <= r.Y1 + 28)
      CloseByUser();
    if (FormStyle == FS_Classic && cursor.X >= r.X1 + 4 && cursor.X <= r.X2 - 4 && cursor.Y >= r.Y1 + 4 &&
        cursor.Y <= r.Y1 + 28 && Toolkit().KeyboardKeysNew[1] && !PMove) {
      PMove = true;
      MovePos = cursor;
      Toolkit().Changed = true;
    }
    if (PMove) {
      SetX(GetX() + cursor.X - MovePos.X);
      SetY(GetY() + cursor.Y - MovePos.Y);
      MovePos = cursor;
      Toolkit().Changed = true;
      FormMove();
      OnFormMove();
    }
  }

  if (SelfChanged) Toolkit().Changed = true;
}

void TForm::Draw() {
  if (FormStyle == FS_Classic) {
    const int32_t X1 = RealComponentPos.X1, Y1 = RealComponentPos.Y1, X2 = RealComponentPos.X2,
                  Y2 = RealComponentPos.Y2;
    const uint8_t a = AlphaBlending;
    SetViewport(SCREEN_VIEWPORT.X1, SCREEN_VIEWPORT.Y1, SCREEN_VIEWPORT.X2, SCREEN_VIEWPORT.Y2);

    // Bevelled frame: four raised rings, outermost first.
    const TViewport frame{X1, Y1, X2, Y2};
    DrawBevelRing(frame, 0, TColor{226, 239, 241, 0}, TColor{100, 111, 113, 0}, a);
    DrawBevelRing(frame, 1, TColor{255, 255, 255, 0}, TColor{153, 168, 172, 0}, a);
    DrawBevelRing(frame, 2, TColor{200, 208, 212, 0}, TColor{200, 208, 212, 0}, a);
    DrawBevelRing(frame, 3, TColor{216, 233, 236, 0}, TColor{216, 233, 236, 0}, a);
    Stroke(236, 233, 216, a, X1 + 4, Y1 + 29, X2 - 4, Y1 + 29);
    // The canvas sits in a sunken frame of two rings below the title bar.
    const TViewport well{X1 + 4, Y1 + 30, X2 - 4, Y2 - 4};
    DrawBevelRing(well, 0, TColor{153, 168, 172, 0}, TColor{255, 255, 255, 0}, a);
    DrawBevelRing(well, 1, TColor{100, 111, 113, 0}, TColor{226, 239, 241, 0}, a);

    // Title gradient: colour A at the right end, nearly B at the left.
    const bool active = Toolkit().ActiveForm == Adress;
    const double ar = active ? 61 : 157, ag = active ? 149 : 185, ab = active ? 255 : 235;
    const double br = active ? 0 : 122, bg = active ? 84 : 150, bb = active ? 227 : 223;
    const double span = static_cast<double>(X2) - X1 + 1;
    for (int32_t x = X1 + 4; x <= X2 - 4; ++x) {
      const double t = (static_cast<double>(X2) - 4 - x) / span;
      auto mix = [t](double from, double to) {
        return static_cast<uint8_t>(std::clamp(std::nearbyint((1 - t) * from + t * to), 0.0, 255.0));
      };
      Colour(mix(ar, br), mix(ag, bg), mix(ab, bb), a);
      VLine(x, Y1 + 4, Y1 + 28);
    }

    // Shadow, fading outwards.
    for (int32_t i = 0; i < 8; ++i) {
      Colour(0, 0, 0, static_cast<uint8_t>(70 + 25 * i));
      VLine(X2 + 1 + i, Y1 + 1 + i, Y2 + 1 + i);
      HLine(Y2 + 1 + i, X1 + 1 + i, X2 + i);
    }

    // Canvas.
    SetViewport(RealCanvasPos.X1, RealCanvasPos.Y1, RealCanvasPos.X2, RealCanvasPos.Y2);
    if (!Texture.Loaded) {
      Colour(Background.R, Background.G, Background.B, a);
      FillRectangle(RealCanvasPos.X1, RealCanvasPos.Y1, RealCanvasPos.X2, RealCanvasPos.Y2);
    } else if (Texture.ImageWidth > 0 && Texture.ImageHeight > 0) {
      // Up to and including the last row and column: stopping before them
      // would leave a one-pixel strip unpainted whenever the canvas is one
      // pixel longer than a whole number of tiles.
      for (int64_t y = RealCanvasPos.Y1; y <= RealCanvasPos.Y2; y += Texture.ImageHeight)
        for (int64_t x = RealCanvasPos.X1; x <= RealCanvasPos.X2; x += Texture.ImageWidth)
          ShowBMPPicture(static_cast<int32_t>(x), static_cast<int32_t>(y), Texture);
    }

    // Title bar: icon and text.
    SetViewport(X1 + 4, Y1 + 4, X2 - 4, Y1 + 28);
    int32_t textX = X1 + 9;
    if (Icon.Loaded) {
      ShowAlphaScaleBMPPicture(X1 + 9, Y1 + 8, Icon, 16, 16, a, false, TranColor);
      textX = X1 + 32;
    }
    if (Font != nullptr && Font->Loaded) {
      const int32_t textY =
          Y1 + static_cast<int32_t>(std::nearbyint((25.0 - static_cast<double>(Font->PixHeight)) / 2.0)) + 4;
      if (active) Colour(255, 255, 255, a);
      else Colour(216, 228, 248, a);
      WriteText(textX, textY, *Font, Title);
    }
  }

  TVisualComponent::Draw();
}
