#pragma once
// The sky pictures: the reference books' illustrations and one picture for each
// object of the sample catalogue. Each paints a whole canvas, deterministically.

#include <string>

#include "tools/artgen/art_canvas.h"

namespace art {

void PaintOrionNebula(Canvas& c);
void PaintHorseHead(Canvas& c);
void PaintNebulaHorse(Canvas& c);
void PaintCatsEye(Canvas& c);
void PaintNgc6302(Canvas& c);
void PaintIris(Canvas& c);
void PaintStarExplosion(Canvas& c);
// The observatory's stand-in for a record without a picture.
void PaintDefaultThumbnail(Canvas& c);

// Object types in the order of the catalogue's seven type texts.
enum class NebulaType { Planetary, Supernova, HerbigHaro, HI, HII, Reflection, Dark };

// The picture of one catalogue object; known objects get a likeness, the rest
// a rendering typical of their type, varied by the picture's name.
void PaintSample(Canvas& c, const std::string& picture, NebulaType type);

}  // namespace art
