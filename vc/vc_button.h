#pragma once
// The push button: a bevelled rectangle with a 5-pixel border around a canvas
// that shows a colour or a tiled texture and a title. It is pressed with the
// left mouse button or, while focused, with Enter, and asks for the hand cursor
// while hovered. Title-bar buttons, menu items and the application's picture
// buttons derive from it.

#include <cstdint>
#include <string>
#include <string_view>

#include "rastrix/bmp.h"
#include "vc/vc_base.h"

enum TButtonStyle : uint8_t { BS_Classic };

class TButton : public TVisualComponent {
 public:
  TButtonStyle ButtonStyle = BS_Classic;
  TPicture Texture;  // tiled over the canvas instead of Background when loaded
  std::string Title;  // Windows-1250
  bool Enter_Pressed = false;  // Enter is held while the button is focused

  // Width and Height are the canvas size; the outer rectangle is 10 pixels
  // wider and taller.
  void CreateComponent(PComponentBase Adress_, bool CanFocus_, TButtonStyle ButtonStyle_, std::string_view Title_,
                       int32_t X_, int32_t Y_, uint32_t Width_, uint32_t Height_);

  void DimensionChange() override;
  void Draw() override;
  void LostFocus() override;
  void KeyDown(uint8_t Key) override;
  void KeyClick(uint8_t Key) override;
  void MouseArrive(int32_t X_, int32_t Y_) override;
  void MouseLeave(int32_t X_, int32_t Y_) override;

 protected:
  // The canvas fill (colour or tiled texture) in the canvas viewport.
  void DrawCanvas() const;
  // The title where every look puts it: centred in the canvas or at its origin.
  TPoint TitlePosition() const;
};

// round(N / 2) to the nearest integer, halfway cases to the even neighbour:
// the centring rule of every toolkit title.
int32_t HalfRounded(int64_t N);

// Tiles a picture at its own size from (X1, Y1) over the rectangle up to
// (X2, Y2) inclusive, blended with Alpha and without a transparent colour.
// The caller's viewport cuts the tiles at the far edges.
void TilePicture(const TPicture& Picture, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, uint8_t Alpha);
