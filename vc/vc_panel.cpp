#include "vc/vc_panel.h"

#include <algorithm>

#include "platform/vk.h"
#include "rastrix/fnt.h"
#include "rastrix/primitives.h"
#include "vc/vc_bevel.h"
#include "vc/vc_button.h"

namespace {

// The border around the canvas, on every side.
constexpr int32_t BORDER = 4;

}  // namespace

void TPanel::CreateComponent(PComponentBase Adress_, bool CanFocus_, TPanelStyle PanelStyle_, int32_t X_, int32_t Y_,
                             uint32_t Width_, uint32_t Height_) {
  CreatePanel(Adress_, CanFocus_, PanelStyle_, X_, Y_, Width_, Height_);
  OnCreate();
  Toolkit().ActualComponent = MotherComponent;
}

void TPanel::CreatePanel(PComponentBase Adress_, bool CanFocus_, TPanelStyle PanelStyle_, int32_t X_, int32_t Y_,
                         uint32_t Width_, uint32_t Height_) {
  TVisualComponent::CreateComponent(Adress_, CanFocus_);
  PanelStyle = PanelStyle_;
  Title.clear();
  TitleX = 4;
  TitleY = 4;
  Width = static_cast<int32_t>(Width_);
  Height = static_cast<int32_t>(Height_);
  X = X_;
  Y = Y_;
  AddTrackedKey(vk::RETURN);
  CanvasPos.X1 = BORDER;
  CanvasPos.Y1 = BORDER;
  TPanel::DimensionChange();
  Background = TColor{216, 233, 236, 0};
  AlphaBlending = 0;
}

void TPanel::DimensionChange() {
  const int32_t dx = Width > 0 ? 1 : 0;
  const int32_t dy = Height > 0 ? 1 : 0;
  ComponentPos = TViewport{X, Y, X + 2 * BORDER + Width - dx, Y + 2 * BORDER + Height - dy};
  CanvasPos.X2 = BORDER + Width - dx;
  CanvasPos.Y2 = BORDER + Height - dy;
}

void TPanel::LostFocus() {
  TVisualComponent::LostFocus();
  Enter_Pressed = false;
}

void TPanel::KeyDown(uint8_t Key) {
  if (Key != vk::RETURN) return;
  Enter_Pressed = true;
  MouseLeftDown(-1, -1);
}

void TPanel::KeyClick(uint8_t Key) {
  if (Key != vk::RETURN) return;
  PMouseLeftClick = true;
  Enter_Pressed = false;
  MouseLeftClick(-1, -1);
  OnMouseLeftClick(-1, -1);
}

void TPanel::Draw() {
  const int32_t X1 = RealComponentPos.X1;
  const int32_t Y1 = RealComponentPos.Y1;
  const int32_t X2 = RealComponentPos.X2;
  const int32_t Y2 = RealComponentPos.Y2;
  const uint8_t a = AlphaBlending;
  const TViewport& cv = RealComponentViewport;

  if (PanelStyle == PS_Classic || PanelStyle == PS_DownSituated) {
    SetViewport(cv.X1, cv.Y1, cv.X2, cv.Y2);
    if (!Texture.Loaded) {
      SetColor(Background.R, Background.G, Background.B, a);
      FillRectangle(X1, Y1, X2, Y2);
    } else {
      TilePicture(Texture, X1, Y1, X2, Y2, a);
    }

    // Raised: light top-left, dark bottom-right; sunken swaps the two.
    const bool raised = PanelStyle == PS_Classic;
    const auto use = [a](uint8_t r, uint8_t g, uint8_t b) { SetColor(r, g, b, a); };
    const TColor outerLight{255, 255, 255, 0}, innerLight{226, 239, 241, 0};
    const TColor outerDark{100, 111, 113, 0}, innerDark{153, 168, 172, 0};
    const TViewport edge{X1, Y1, X2, Y2};
    DrawBevelRing(edge, 0, raised ? outerLight : outerDark, raised ? outerDark : outerLight, a, Borders);
    DrawBevelRing(edge, 1, raised ? innerLight : innerDark, raised ? innerDark : innerLight, a, Borders);

    if (Adress != nullptr && Adress == Toolkit().Focused) {
      use(0, 0, 0);
      for (int32_t i = 2; i <= Width + 2; i += 2) {
        Pixel(X1 + 2 + i, Y1 + 3);
        Pixel(X1 + 2 + i, Y2 - 3);
      }
      for (int32_t i = 2; i <= Height + 1; i += 2) {
        Pixel(X1 + 3, Y1 + 2 + i);
        Pixel(X2 - 3, Y1 + 2 + i);
      }
    }

    if (!Title.empty() && Font != nullptr) {
      SetColor(TextColor.R, TextColor.G, TextColor.B, a);
      WriteText(X1 + TitleX, Y1 + TitleY, *Font, Title);
    }
  } else if (PanelStyle == PS_Circle) {
    // The circle is drawn in the viewport the mother left.
    const int32_t cx = X1 + (Width + 2 * BORDER) / 2;
    const int32_t cy = Y1 + (Height + 2 * BORDER) / 2;
    const int32_t r = (std::min(Width, Height) + 2 * BORDER) / 2;
    SetColor(Background.R, Background.G, Background.B, a);
    FillCircle(cx, cy, r);
    SetColor(143, 131, 120, a);
    Circle(cx, cy, r);
    SetColor(193, 181, 180, a);
    Circle(cx, cy, r - 1);
    SetViewport(cv.X1, cv.Y1, cv.X2, cv.Y2);
    if (!Title.empty() && Font != nullptr) {
      SetColor(TextColor.R, TextColor.G, TextColor.B, a);
      WriteText(X1 + TitleX, Y1 + TitleY, *Font, Title);
    }
  }
  TVisualComponent::Draw();
}
