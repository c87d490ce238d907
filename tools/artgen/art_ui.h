#pragma once
// The program's interface pictures: the desktop background, the arc buttons of
// the main window, the dialog buttons, menu items, status-bar pieces and icons.

#include <string_view>

#include "tools/artgen/art_canvas.h"

namespace art {

enum class Emblem { File, Database, Observatory, Encyclopedia, Settings, Help, About, Exit, Windows };

void PaintScreenPicture(Canvas& c);
// A 150 x 54 plaque; emblem_left puts the medallion on the left end (the
// buttons of the left arc), otherwise on the right.
void PaintArcButton(Canvas& c, std::string_view caption, Emblem emblem, bool emblem_left, bool highlighted);
// The open-windows button on the status bar (170 x 26).
void PaintWindowsButton(Canvas& c, bool highlighted);
// Dialog and list buttons (84 x 23 and 110 x 27), drawn on the dialogs' face colour.
enum class Glyph { None, View, Edit, Delete };
void PaintDialogButton(Canvas& c, std::string_view caption, Glyph glyph, bool highlighted);
void PaintMenuItem(Canvas& c, bool highlighted);
void PaintStatusBarTexture(Canvas& c);
// The status bar's end pieces; left is the date piece, else the time piece.
void PaintStatusBarEnd(Canvas& c, bool left);
void PaintIcon(Canvas& c);
void PaintQuestionMark(Canvas& c);
void PaintExclamationMark(Canvas& c);

}  // namespace art
