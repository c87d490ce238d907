#include "vc/vc_menu_item.h"

#include <algorithm>

#include "platform/vk.h"
#include "rastrix/fnt.h"
#include "rastrix/primitives.h"

void TMenuItem::CreateComponent(PComponentBase Adress_, bool InMainMenu_, TMenuItemType MenuItemType_,
                                TButtonStyle ButtonStyle_, std::string_view Title_, int32_t X_, int32_t Y_,
                                uint32_t Width_, uint32_t Height_) {
  TButton::CreateComponent(Adress_, true, ButtonStyle_, Title_, X_, Y_, Width_, Height_);
  MenuItemType = MenuItemType_;
  InMainMenu = InMainMenu_;
  Toolkit().AllMenuItems.push_back(Adress);
}

bool TMenuItem::IsOpen() const {
  if (SuperiorMenuItems.empty()) return true;
  return Toolkit().ActiveComponent != nullptr && std::find(SuperiorMenuItems.begin(), SuperiorMenuItems.end(),
                                                           Toolkit().ActiveComponent) != SuperiorMenuItems.end();
}

void TMenuItem::MouseMove(int32_t X_, int32_t Y_) {
  TButton::MouseMove(X_, Y_);
  Toolkit().Focused = Adress;
  if (TVisualComponent* form = Form()) form->PositionOfFocusedComponent = FocusPosition;
}

namespace {

// The neighbour an arrow key leads to, when it is a visible, enabled component.
TVisualComponent* Target(PComponentBase neighbour) {
  TVisualComponent* item = Deref(neighbour);
  return item != nullptr && item->Visible && item->Enable ? item : nullptr;
}

// The bevel of the sides drawn, inner lines first. Each line runs the whole
// length of its side and the outer lines cover the inner ones' ends. This
// stays drawn by hand: DrawBevelRing draws every pixel once and stops short of
// the sides it leaves out, which would change the corners of an item with
// some sides only and blend a translucent item's corners once, not twice.
void DrawEdges(const TViewport& r, const TBorders& sides, uint8_t a) {
  const int32_t X1 = r.X1, Y1 = r.Y1, X2 = r.X2, Y2 = r.Y2;
  SetColor(241, 239, 226, a);
  if (sides.Up) Line(X1 + 1, Y1 + 1, X2 - 2, Y1 + 1);
  if (sides.Left) Line(X1 + 1, Y1, X1 + 1, Y2);
  SetColor(172, 168, 153, a);
  if (sides.Down) Line(X1 + 1, Y2 - 1, X2, Y2 - 1);
  if (sides.Right) Line(X2 - 1, Y1 + 1, X2 - 1, Y2);
  SetColor(255, 255, 255, a);
  if (sides.Up) Line(X1, Y1, X2 - 1, Y1);
  if (sides.Left) Line(X1, Y1, X1, Y2);
  SetColor(113, 111, 100, a);
  if (sides.Down) Line(X1, Y2, X2, Y2);
  if (sides.Right) Line(X2, Y1, X2, Y2);
}

// The arrow that points where the item's submenu opens, in the current colour.
void DrawArrow(const TViewport& r, TMenuItemType type) {
  const int32_t cy = r.Y2 - (r.Y2 - r.Y1) / 2;
  for (int32_t i = 0; i <= 3; ++i) {
    switch (type) {
      case MIT_Left:
        Line(r.X1 + 5 + i, cy - i, r.X1 + 5 + i, cy + i);
        break;
      case MIT_Right:
        Line(r.X2 - 5 - i, cy - i, r.X2 - 5 - i, cy + i);
        break;
      case MIT_Up:
        Line(r.X2 - 8 - i, cy - 2 + i, r.X2 - 8 + i, cy - 2 + i);
        break;
      case MIT_Down:
        Line(r.X2 - 8 - i, cy + 2 - i, r.X2 - 8 + i, cy + 2 - i);
        break;
      case MIT_Button:
        break;
    }
  }
}

}  // namespace

void TMenuItem::Check() {
  const bool isActive = Adress == Toolkit().ActiveComponent;
  // Outside the global passes only a main-menu item that is not lifted works,
  // inside its form's walk; submenu items are checked by the passes alone.
  if (Toolkit().MenuItemProces.Running || (InMainMenu && !isActive)) {
    if (Toolkit().MenuItemProces.Proces == P_Input) {
      Visible = IsOpen() || PMouseLeftDown || Enter_Pressed;
      TButton::Check();
      // One item per frame may react to an arrow key: the item the focus moves
      // to sees the same key edge later in the same pass. Each key asks afresh,
      // as an earlier one may have moved or cleared the focus.
      const auto inControl = [this] {
        return Toolkit().CanControl && Adress != nullptr && Adress == Toolkit().Focused;
      };
      if (inControl() && KeyPressed(vk::ESCAPE) && !InMainMenu) {
        Toolkit().ActiveComponent = nullptr;
        Toolkit().Focused = nullptr;
      }
      if (inControl() && KeyPressed(vk::LEFT) && !PMouseLeftDown) {
        if (TVisualComponent* item = Target(Neighbours.LeftMenuItem)) {
          item->CatchFocus();
          Toolkit().CanControl = false;
        }
      }
      // The remaining arrows move the focus without touching the form's focus
      // index.
      const auto moveTo = [&](int key, PComponentBase neighbour) {
        if (!inControl() || !KeyPressed(key) || PMouseLeftDown) return;
        if (TVisualComponent* item = Target(neighbour)) {
          Toolkit().Focused = item->Adress;
          Toolkit().CanControl = false;
        }
      };
      moveTo(vk::RIGHT, Neighbours.RightMenuItem);
      moveTo(vk::UP, Neighbours.UpMenuItem);
      moveTo(vk::DOWN, Neighbours.DownMenuItem);
    } else if (Toolkit().MenuItemProces.Proces == P_Position) {
      // The mother form may just have moved; only the geometry follows it.
      ComputeGeometry();
    }
  }
  if (SelfChanged) Toolkit().Changed = true;
}

void TMenuItem::Draw() {
  if (!((IsOpen() && Toolkit().MenuItemProces.Running) || (InMainMenu && Adress != Toolkit().ActiveComponent))) return;
  // In the global pass an item is drawn over the whole screen (the item drawn
  // before it has restored its own form's canvas viewport), otherwise in its
  // form's canvas; either way nothing it paints, a texture's last tiles or a
  // long title, may spill beyond its own rectangle.
  const TViewport area = Toolkit().MenuItemProces.Running ? SCREEN_VIEWPORT : Viewport;
  const TViewport& r = RealComponentPos;
  SetViewport(std::max(area.X1, r.X1), std::max(area.Y1, r.Y1), std::min(area.X2, r.X2), std::min(area.Y2, r.Y2));

  if (ButtonStyle == BS_Classic) {
    const uint8_t a = AlphaBlending;
    const bool focused = Adress != nullptr && Adress == Toolkit().Focused;
    const bool disabled = !Enable || UnEnableAncestor;
    const auto use = [a](uint8_t red, uint8_t green, uint8_t blue) { SetColor(red, green, blue, a); };

    if (focused) {
      use(49, 106, 197);
      FillRectangle(r.X1, r.Y1, r.X2, r.Y2);
    } else if (!Texture.Loaded) {
      InMainMenu ? use(236, 233, 216) : use(251, 249, 236);
      FillRectangle(r.X1, r.Y1, r.X2, r.Y2);
    } else {
      TilePicture(Texture, r.X1, r.Y1, r.X2, r.Y2, a);
    }
    if (Font != nullptr && !Title.empty()) {
      if (focused) {
        use(255, 255, 255);
      } else if (disabled) {
        use(172, 168, 153);
      } else {
        use(TextColor.R, TextColor.G, TextColor.B);
      }
      const TPoint p = TitlePosition();
      WriteText(p.X, p.Y, *Font, Title);
    }
    DrawEdges(r, Borders, a);
    if (MenuItemType != MIT_Button) {
      if (disabled) {
        use(172, 168, 153);
      } else if (focused) {
        use(255, 255, 255);
      } else {
        use(0, 0, 0);
      }
      DrawArrow(r, MenuItemType);
    }
  }
  TVisualComponent::Draw();
}

bool InMenuPass(PComponentBase Entry) {
  const auto* item = dynamic_cast<const TMenuItem*>(Deref(Entry));
  return item != nullptr && (!item->InMainMenu || Entry == Toolkit().ActiveComponent);
}

void MenuCheckPass(TProcesType Proces) {
  Toolkit().MenuItemProces = TMenuItemProces{true, Proces};
  // Indexed from the top: an item's hooks may add items.
  for (std::size_t i = Toolkit().AllMenuItems.size(); i-- > 0;) {
    if (i >= Toolkit().AllMenuItems.size()) continue;
    if (InMenuPass(Toolkit().AllMenuItems[i])) Deref(Toolkit().AllMenuItems[i])->Check();
  }
  Toolkit().MenuItemProces.Running = false;
}

void MenuDrawPass() {
  Toolkit().MenuItemProces.Running = true;
  SetViewport(0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1);
  for (std::size_t i = 0; i < Toolkit().AllMenuItems.size(); ++i) {
    TVisualComponent* item = Deref(Toolkit().AllMenuItems[i]);
    if (item != nullptr && item->Visible && InMenuPass(Toolkit().AllMenuItems[i])) item->Draw();
  }
  Toolkit().MenuItemProces.Running = false;
}
