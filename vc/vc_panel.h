#pragma once
// The panel: a filled box, raised, sunken or round, with selectable border
// sides and a title at a fixed offset. Edit fields, labels and many of the
// application's panels (status bar, list rows, time and position panels) are
// panels.

#include <cstdint>
#include <string>
#include <string_view>

#include "rastrix/bmp.h"
#include "vc/vc_base.h"

enum TPanelStyle : uint8_t { PS_Classic, PS_DownSituated, PS_Circle };

class TPanel : public TVisualComponent {
 public:
  TPanelStyle PanelStyle = PS_Classic;
  // The panel's own fill colour; it hides the inherited one on purpose, so that
  // what the panel draws never depends on the toolkit's default.
  TColor Background;
  TPicture Texture;    // tiled instead of Background when loaded
  std::string Title;   // Windows-1250
  int32_t TitleX = 0;  // title position from the outer top-left corner
  int32_t TitleY = 0;
  TBorders Borders;    // the border sides drawn; none after creation
  bool Enter_Pressed = false;  // Enter is held while the panel is focused

  // Width and Height are the canvas size; the outer rectangle is 8 pixels
  // wider and taller.
  void CreateComponent(PComponentBase Adress_, bool CanFocus_, TPanelStyle PanelStyle_, int32_t X_, int32_t Y_,
                       uint32_t Width_, uint32_t Height_);

  void DimensionChange() override;
  void Draw() override;
  void LostFocus() override;
  void KeyDown(uint8_t Key) override;
  void KeyClick(uint8_t Key) override;

 protected:
  // The creation without OnCreate and without restoring ActualComponent, for
  // subclasses that set their own fields before their OnCreate runs.
  void CreatePanel(PComponentBase Adress_, bool CanFocus_, TPanelStyle PanelStyle_, int32_t X_, int32_t Y_,
                   uint32_t Width_, uint32_t Height_);
};
