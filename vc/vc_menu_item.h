#pragma once
// Menu items: buttons that belong to a menu. Main-menu items live in their
// form like any button. The other items make up drop-down submenus that open
// while one of their superior items is the active component; open submenus
// receive the mouse before every form, are drawn above every form and can be
// walked with the arrow keys. The frame cycle drives them through three global
// passes over AllMenuItems (input, position, drawing), offered here.

#include <cstdint>
#include <string_view>

#include "vc/vc_base.h"
#include "vc/vc_button.h"

enum TMenuItemType : uint8_t { MIT_Button, MIT_Left, MIT_Right, MIT_Up, MIT_Down };

// Targets of the arrow keys; null for none.
struct TNeighbours {
  PComponentBase LeftMenuItem = nullptr;
  PComponentBase RightMenuItem = nullptr;
  PComponentBase UpMenuItem = nullptr;
  PComponentBase DownMenuItem = nullptr;
};

class TMenuItem : public TButton {
 public:
  TMenuItemType MenuItemType = MIT_Button;        // the arrow glyph drawn at the side
  Array_Of_PComponentBase SuperiorMenuItems;      // activating any of these opens the item; empty: always open
  TNeighbours Neighbours;
  TBorders Borders;                               // the bevel sides drawn
  bool InMainMenu = false;

  // A focusable button that also joins AllMenuItems. The application fills
  // SuperiorMenuItems, Neighbours and Borders afterwards.
  void CreateComponent(PComponentBase Adress_, bool InMainMenu_, TMenuItemType MenuItemType_,
                       TButtonStyle ButtonStyle_, std::string_view Title_, int32_t X_, int32_t Y_, uint32_t Width_,
                       uint32_t Height_);

  void Draw() override;
  void Check() override;
  void MouseMove(int32_t X_, int32_t Y_) override;

  // No superiors, or one of them is the active component.
  bool IsOpen() const;
};

// Whether an AllMenuItems entry takes part in the global passes: a live menu
// item that is a submenu item or the lifted (active) main-menu item.
bool InMenuPass(PComponentBase Entry);

// The input pass (before the forms' Check) or the position pass (after it):
// Check on every such item from the last to the first.
void MenuCheckPass(TProcesType Proces);

// The drawing pass after the forms: every visible such item from the first to
// the last, in the whole screen, so that menus lie above every form.
void MenuDrawPass();
