#pragma once
// The raster unit: virtual screen, primitives, BMP pictures, FNT fonts.
#include "rastrix/bmp.h"
#include "rastrix/display.h"
#include "rastrix/fnt.h"
#include "rastrix/primitives.h"
