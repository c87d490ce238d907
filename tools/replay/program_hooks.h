#pragma once
// What the harness knows of the program beyond its application object: the
// program's lines of a state dump and its test-only "program" commands. They
// live here, not in the program, so that nothing of the harness ships.

#include <string>
#include <string_view>

#include "tools/replay/replay.h"

namespace replay {

// One line describing the loaded database (and one for its file binding).
std::string DatabaseStateLine();
// One line naming the highlighted main-window button and the entries of the
// open-windows list.
std::string MainFormStateLine();
// One line on the item view: the record's name, the picture load's result
// code and the loaded picture's size.
std::string ItemViewStateLine();
// One line on the two books: the shown page, the scroll line and the line
// size of each, as "books encyclopedia=P,L,S help=P,L,S".
std::string BooksStateLine();
// One line on the observatory: simulated UTC instant, milliseconds into the
// minute, speed, position, nebulae listed on the map and the focused one.
std::string ObservatoryStateLine();
// One line on the recovery question at start: "recovery asking=0", or the
// kind of what is offered (copy, leftover), its file, the catalogue it
// belongs to and its record count.
std::string RecoveryStateLine();
// "modify NAME" renames the loaded database and marks it modified;
// "close-request" is the desktop asking the window to close. Returns an empty
// text when done, else the reason.
std::string ProgramCommand(std::string_view Text);

// The program with the hooks above.
Application ProgramApplication();

}  // namespace replay
