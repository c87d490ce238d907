#pragma once
// Geometric primitives: all draw with the current Color into the virtual screen,
// clipped to the current Viewport, and change neither.

#include <cstdint>

#include "rastrix/display.h"

void Pixel(int32_t X, int32_t Y);
void Line(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2);
void Circle(int32_t XS, int32_t YS, int32_t R);
void Circle(int32_t XS, int32_t YS, int32_t R, int32_t Line_Width);
void FillCircle(int32_t XS, int32_t YS, int32_t R);
void Rectangle(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2);
void Rectangle(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t Line_Width);
void FillRectangle(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2);
