#pragma once
// The control gallery: one form with every control of the toolkit (two edit
// fields, a radio group, a check box, both kinds of scroll bar, a combo box of
// seven entries, a book of three pages and a page control of three tabs), for
// scripted runs, screenshots and the controls' frame benchmark.

#include <string>

class TApplication;
class TEdit;
class TForm;

namespace replay {

// Constructs the gallery application (the gallery form, shown) and runs its
// Create.
TApplication* CreateGalleryApplication();
// The gallery's state for dumps, one line per control group.
std::string GalleryStateLines();

// The gallery form alone, on the display and fonts already set up (entry 0
// of LoadedFonts is its font): created, shown and focused on the first edit.
void CreateGallery();
void FreeGallery();
TForm& GalleryForm();
TEdit& GalleryEdit();

}  // namespace replay
