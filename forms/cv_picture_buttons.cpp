#include "forms/cv_picture_buttons.h"

void LoadProgramPicture(std::string_view Name, TPicture& Picture) {
  uint8_t result = 0;
  LoadBMPPicture(Name, Picture, result);
}

void TPictureButton::OnCreate() {
  LoadProgramPicture(NormalPictureName(), Picture1);
  LoadProgramPicture(HighlightedPictureName(), Picture2);
  AlphaBlending = 255;
}

bool TPictureButton::Highlighted() const { return PMouseIs || (Adress != nullptr && Toolkit().Focused == Adress); }

void TPictureButton::OnDraw() {
  ShowBMPPicture(RealCanvasPos.X1, RealCanvasPos.Y1, Highlighted() ? Picture2 : Picture1);
}

void LoadFormIcon(TForm& Form) { LoadProgramPicture("Pictures\\Icon.bmp", Form.Icon); }

const TFont& ProgramFont(std::size_t Index) {
  static const TFont kMissing;
  if (Index < LoadedFonts.size() && LoadedFonts[Index] != nullptr) return *LoadedFonts[Index];
  return kMissing;
}
