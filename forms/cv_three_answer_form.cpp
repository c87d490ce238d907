#include "forms/cv_three_answer_form.h"

#include "rastrix/fnt.h"

void TThreeAnswerForm::OnCreate() {
  LoadFormIcon(*this);
  LoadProgramPicture("Pictures\\Questionmark.bmp", Picture1);
  TranColor = TColor{128, 128, 0, 0};
}

void TThreeAnswerForm::OnDraw() {
  const TFont& font = ProgramFont(1);
  SetColor(0, 50, 100, 0);
  int32_t y = RealCanvasPos.Y1 + 75;
  for (const std::string& line : Lines) {
    const int32_t width = static_cast<int32_t>(GetTextLength(font, line));
    WriteText(RealCanvasPos.X1 + (static_cast<int32_t>(WIDTH) - width) / 2, y, font, line);
    y += 20;
  }
  ShowAlphaScaleBMPPicture(RealCanvasPos.X1 + (static_cast<int32_t>(WIDTH) - 50) / 2, RealCanvasPos.Y1 + 15,
                           Picture1, Picture1.ImageWidth, Picture1.ImageHeight, 0, true, TranColor);
}
