#pragma once
// Captions for the pictures, drawn with the program's own FNT fonts: the raster
// unit writes the text once into the virtual screen, and its pixels become a
// mask that the canvas can shade, shadow and make glow.

#include <string_view>
#include <vector>

#include "tools/artgen/art_canvas.h"

namespace art {

struct TextMask {
  int width = 0;   // text width plus the padding on both sides
  int height = 0;  // font height plus the padding
  int pad = 0;
  std::vector<double> ink;  // 1 where the font sets a pixel
};

// The text (Windows-1250 bytes) in LoadedFonts[font], padded on every side.
// An unloaded font gives an empty mask of the padding's size.
TextMask RenderText(int font, std::string_view text, int pad = 4);
int TextWidth(int font, std::string_view text);
int FontHeight(int font);

// Paints the mask's ink with its top-left text pixel at (x, y).
void DrawMask(Canvas& canvas, const TextMask& mask, int x, int y, Rgb color, double opacity = 1.0);
// A soft halo or shadow: the ink blurred by radius, offset by (dx, dy).
void DrawHalo(Canvas& canvas, const TextMask& mask, int x, int y, int radius, int dx, int dy, Rgb color,
              double opacity);

}  // namespace art

namespace art {
// The mask enlarged by factor with bilinear filtering, for titles larger than
// the biggest font; the padding grows with it.
TextMask ScaleMask(const TextMask& mask, int factor);
}  // namespace art
