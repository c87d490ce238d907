#include "forms/cv_three_answer_form.h"

#include <utility>

#include "rastrix/fnt.h"

void TThreeAnswerForm::OnCreate() {
  LoadFormIcon(*this);
  LoadProgramPicture("Pictures\\Questionmark.bmp", Picture1);
  TranColor = TColor{128, 128, 0, 0};
}

void TThreeAnswerForm::SetLines(std::vector<std::string> Text) {
  const TFont& font = ProgramFont(1);
  const uint32_t room = WIDTH - 20;
  for (std::string& line : Text) {
    if (GetTextLength(font, line) <= room) continue;
    std::size_t cut = 0;
    std::string shortened;
    do {
      shortened = "..." + line.substr(++cut);
    } while (cut < line.size() && GetTextLength(font, shortened) > room);
    line = std::move(shortened);
  }
  Lines = std::move(Text);
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
