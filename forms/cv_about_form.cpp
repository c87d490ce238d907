#include "forms/cv_about_form.h"

#include "platform/cp1250.h"
#include "rastrix/fnt.h"

TOwned<TAboutForm> AboutForm;

namespace {

constexpr int32_t LEFT = 30;
constexpr int32_t CREDIT_WIDTH = 540;

constexpr TAboutLine kLines[] = {
    {5, LEFT, 20, "Corvala"_cp},
    {1, LEFT, 52, "Verzia 1.0"_cp},
    {3, LEFT, 80, "Katalóg hmlovín a hvezdáreň pre astronómov amatérov."_cp},
    {2, LEFT, 124, "Písma"_cp},
    {4, LEFT, 146,
     "Písma programu sú prevedené z voľných písiem a nesú vlastné mená Corvala Sans, Corvala Serif a "
     "Corvala Garamond:"_cp,
     CREDIT_WIDTH},
    {4, LEFT + 10, 182,
     "DejaVu Sans – © 2003 Bitstream, Inc., zmeny DejaVu sú voľné dielo; licencia Bitstream Vera."_cp,
     CREDIT_WIDTH - 10},
    {4, LEFT + 10, 200,
     "Liberation Serif – © 2010 Google Corporation, © 2012 Red Hat, Inc.; SIL Open Font License 1.1."_cp,
     CREDIT_WIDTH - 10},
    {4, LEFT + 10, 218, "EB Garamond – © 2010–2012 Georg Duffner; SIL Open Font License 1.1."_cp, CREDIT_WIDTH - 10},
    {4, LEFT, 242, "Plné znenie licencií je priložené k písmam v priečinku Fonts/LICENSES."_cp, CREDIT_WIDTH},
    {4, LEFT, 266, "Obrázky hmlovín v encyklopédii a v ukážkovom katalógu sú kresby programu, nie fotografie."_cp,
     CREDIT_WIDTH},
    {4, LEFT, 290, "Údaje NGC/IC: OpenNGC, CC-BY-SA-4.0"_cp, CREDIT_WIDTH},
};

}  // namespace

const std::span<const TAboutLine> AboutLines = kLines;

void TAboutForm::OnCreate() {
  LoadFormIcon(*this);
  CreateDialogButton(OKButton, 258, 320);
}

void TAboutForm::OnFree() { FreeBMPPicture(Icon); }

void TAboutForm::OnShow() { OKButton->CatchFocus(); }

void TAboutForm::OnDraw() {
  for (const TAboutLine& l : AboutLines) {
    const TFont& font = ProgramFont(static_cast<std::size_t>(l.FontIndex));
    if (l.FontIndex == 5)
      SetColor(0, 30, 60, 0);
    else
      SetColor(0, 0, 0, 0);
    const int32_t x = RealCanvasPos.X1 + l.X;
    const int32_t y = RealCanvasPos.Y1 + l.Y;
    if (l.Width > 0)
      WriteAlignedText(x, y, l.Width, font, l.Text);
    else
      WriteText(x, y, font, l.Text);
  }
}
