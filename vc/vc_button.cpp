#include "vc/vc_button.h"

#include "platform/vk.h"
#include "rastrix/fnt.h"
#include "rastrix/primitives.h"
#include "vc/vc_bevel.h"

namespace {

// The border around the canvas, on every side.
constexpr int32_t BORDER = 5;

struct Rgb {
  uint8_t R, G, B;
};

constexpr Rgb WHITE{255, 255, 255};
constexpr Rgb BLACK{0, 0, 0};
constexpr Rgb LIGHT{241, 239, 226};
constexpr Rgb SHADE{172, 168, 153};
constexpr Rgb DARK{113, 111, 100};

void Use(Rgb c, uint8_t alpha) { SetColor(c.R, c.G, c.B, alpha); }
void UseBg(const TColor& c, uint8_t alpha) { SetColor(c.R, c.G, c.B, alpha); }
TColor Bevel(Rgb c) { return TColor{c.B, c.G, c.R, 0}; }

// The band of the background from inset From to inset To inside the edge,
// each pixel once: the left strip, then the bottom, top and right ones.
void FillBand(const TViewport& e, int32_t From, int32_t To, const TColor& background, uint8_t a) {
  UseBg(background, a);
  FillRectangle(e.X1 + From, e.Y1 + From, e.X1 + To, e.Y2 - From);
  FillRectangle(e.X1 + To + 1, e.Y2 - To, e.X2 - From, e.Y2 - From);
  FillRectangle(e.X1 + To + 1, e.Y1 + From, e.X2 - From, e.Y1 + To);
  FillRectangle(e.X2 - To, e.Y1 + To + 1, e.X2 - From, e.Y2 - To - 1);
}

// The frames of the looks, from the outer edge to the canvas border.
void RaisedFrame(const TViewport& edge, const TColor& background, uint8_t a) {
  DrawBevelRing(edge, 0, Bevel(WHITE), Bevel(DARK), a);
  DrawBevelRing(edge, 1, Bevel(LIGHT), Bevel(SHADE), a);
  FillBand(edge, 2, 4, background, a);
}

void PressedFrame(const TViewport& edge, const TColor& background, uint8_t a) {
  DrawBevelRing(edge, 0, Bevel(BLACK), Bevel(BLACK), a);
  DrawBevelRing(edge, 1, Bevel(SHADE), Bevel(SHADE), a);
  FillBand(edge, 2, 3, background, a);
}

void FocusedFrame(const TViewport& edge, const TColor& background, uint8_t a) {
  DrawBevelRing(edge, 0, Bevel(BLACK), Bevel(BLACK), a);
  DrawBevelRing(edge, 1, Bevel(WHITE), Bevel(DARK), a);
  DrawBevelRing(edge, 2, Bevel(LIGHT), Bevel(SHADE), a);
  DrawBevelRing(edge, 3, background, background, a);
}

// The dotted focus rectangle just inside the band of the pressed and focused
// looks: every other dot black while focused, the background between them
// (and everywhere while not focused), so it also wipes an earlier focus.
void FocusDots(const TViewport& e, int32_t width, int32_t height, bool focused, const TColor& background,
               uint8_t a) {
  const auto dot = [&](int32_t i, int32_t x, int32_t y) {
    if (focused && i % 2 == 0) {
      Use(BLACK, a);
    } else {
      UseBg(background, a);
    }
    Pixel(x, y);
  };
  for (int32_t i = 1; i <= width + 2; ++i) {
    dot(i, e.X1 + 3 + i, e.Y1 + 4);
    dot(i, e.X1 + 3 + i, e.Y2 - 4);
  }
  for (int32_t i = 2; i <= height + 1; ++i) {
    dot(i, e.X1 + 4, e.Y1 + 3 + i);
    dot(i, e.X2 - 4, e.Y1 + 3 + i);
  }
}

}  // namespace

int32_t HalfRounded(int64_t N) {
  // Floor division first, so that negative odd values round the same way.
  int64_t q = N >= 0 ? N / 2 : -((-N + 1) / 2);
  if ((N & 1) != 0 && (q & 1) != 0) ++q;
  return static_cast<int32_t>(q);
}

void TilePicture(const TPicture& Picture, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, uint8_t Alpha) {
  if (!Picture.Loaded || Picture.ImageWidth == 0 || Picture.ImageHeight == 0) return;
  // Up to and including the last row and column, so that no strip along the
  // far edges stays unpainted; the viewport cuts the last tiles. 64-bit steps:
  // a huge picture must not wrap the position back into the area.
  for (int64_t y = Y1; y <= Y2; y += Picture.ImageHeight) {
    for (int64_t x = X1; x <= X2; x += Picture.ImageWidth) {
      ShowAlphaScaleBMPPicture(static_cast<int32_t>(x), static_cast<int32_t>(y), Picture, Picture.ImageWidth,
                               Picture.ImageHeight, Alpha, false, TranColor);
    }
  }
}

void TButton::CreateComponent(PComponentBase Adress_, bool CanFocus_, TButtonStyle ButtonStyle_,
                              std::string_view Title_, int32_t X_, int32_t Y_, uint32_t Width_, uint32_t Height_) {
  TVisualComponent::CreateComponent(Adress_, CanFocus_);
  ButtonStyle = ButtonStyle_;
  Title = std::string(Title_);
  Width = static_cast<int32_t>(Width_);
  X = X_;
  Y = Y_;
  Height = static_cast<int32_t>(Height_);
  Enter_Pressed = false;
  AddTrackedKey(vk::RETURN);
  TButton::DimensionChange();
  Background = TColor{216, 233, 236, 0};
  AlphaBlending = 0;
  OnCreate();
  Toolkit().ActualComponent = MotherComponent;
}

void TButton::DimensionChange() {
  if (ButtonStyle != BS_Classic) return;
  const int32_t dx = Width > 0 ? 1 : 0;
  const int32_t dy = Height > 0 ? 1 : 0;
  ComponentPos = TViewport{X, Y, X + 2 * BORDER + Width - dx, Y + 2 * BORDER + Height - dy};
  CanvasPos = TViewport{BORDER, BORDER, BORDER + Width - dx, BORDER + Height - dy};
}

void TButton::LostFocus() {
  TVisualComponent::LostFocus();
  Enter_Pressed = false;
}

void TButton::KeyDown(uint8_t Key) {
  if (Key != vk::RETURN) return;
  Enter_Pressed = true;
  MouseLeftDown(-1, -1);
}

void TButton::KeyClick(uint8_t Key) {
  if (Key != vk::RETURN) return;
  PMouseLeftClick = true;
  Enter_Pressed = false;
  MouseLeftClick(-1, -1);
  OnMouseLeftClick(-1, -1);
}

void TButton::MouseArrive(int32_t, int32_t) { Toolkit().Link = L_Hover; }

void TButton::MouseLeave(int32_t, int32_t) {
  // Another button may already have asked for the hand in this frame.
  if (Toolkit().Link != L_Hover) Toolkit().Link = L_Leaved;
}

void TButton::DrawCanvas() const {
  const TViewport& v = RealCanvasViewport;
  SetViewport(v.X1, v.Y1, v.X2, v.Y2);
  const TViewport& c = RealCanvasPos;
  if (!Texture.Loaded) {
    UseBg(Background, AlphaBlending);
    FillRectangle(c.X1, c.Y1, c.X2, c.Y2);
  } else {
    TilePicture(Texture, c.X1, c.Y1, c.X2, c.Y2, AlphaBlending);
  }
}

TPoint TButton::TitlePosition() const {
  const TViewport& c = RealCanvasPos;
  if (!CenteredText || Font == nullptr) return TPoint{c.X1, c.Y1};
  const int64_t length = GetTextLength(*Font, Title);
  return TPoint{c.X1 + HalfRounded(int64_t{c.X2} + 1 - c.X1 - length),
                c.Y1 + HalfRounded(int64_t{c.Y2} + 1 - c.Y1 - Font->PixHeight)};
}

void TButton::Draw() {
  if (ButtonStyle == BS_Classic) {
    const TViewport& edge = RealComponentPos;
    const uint8_t a = AlphaBlending;
    const bool focused = Adress != nullptr && Adress == Toolkit().Focused;
    const bool pressed = PMouseLeftDown || Enter_Pressed;

    // The first look drawn starts in the viewport the mother left (or whatever
    // a subclass chose) and every look ends in the canvas viewport, where the
    // next one starts: the grey look drawn over look 1 or 2 under a disabled
    // ancestor therefore repaints only the canvas and its title.
    const auto canvasAndTitle = [&] {
      DrawCanvas();
      if (Font != nullptr && !Title.empty()) {
        const TPoint p = TitlePosition();
        SetColor(TextColor.R, TextColor.G, TextColor.B, a);
        WriteText(p.X, p.Y, *Font, Title);
      }
    };

    if (Enable && !pressed && !focused) {
      RaisedFrame(edge, Background, a);
      canvasAndTitle();
    }
    if (Enable && pressed) {
      PressedFrame(edge, Background, a);
      FocusDots(edge, Width, Height, focused, Background, a);
      canvasAndTitle();
    }
    if (Enable && !UnEnableAncestor && !pressed && focused) {
      FocusedFrame(edge, Background, a);
      FocusDots(edge, Width, Height, focused, Background, a);
      canvasAndTitle();
    }
    if (!Enable || UnEnableAncestor) {
      RaisedFrame(edge, Background, a);
      DrawCanvas();
      if (Font != nullptr && !Title.empty()) {
        const TPoint p = TitlePosition();
        Use(WHITE, a);
        WriteText(CenteredText ? p.X : p.X + 1, p.Y + 1, *Font, Title);
        Use(SHADE, a);
        WriteText(p.X, p.Y, *Font, Title);
      }
    }
  }
  TVisualComponent::Draw();
}
