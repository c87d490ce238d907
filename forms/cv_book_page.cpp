#include "forms/cv_book_page.h"

#include <algorithm>
#include <cassert>

#include "forms/cv_picture_buttons.h"
#include "platform/cp1250.h"
#include "rastrix/fnt.h"
#include "rastrix/primitives.h"

namespace {

// The heading's colour, also used by sub-headings.
constexpr TColor HEADING_COLOR{60, 30, 0, 0};
constexpr TColor LINK_COLOR{240, 50, 50, 0};
constexpr int32_t FONT_OF_BOLD = 2;
constexpr int32_t FONT_OF_CAPTIONS = 4;
// A caption's baseline gap under its picture.
constexpr int32_t CAPTION_GAP = 4;

const TFont& BlockFont(const TPageBlock& B, const TFont& PageFont) {
  return B.Kind == BK_Text ? PageFont : ProgramFont(FONT_OF_BOLD);
}

}  // namespace

int32_t BookFontHeight() { return ProgramFont(0).PixHeight; }

TFont* BookFont() { return LoadedFonts.empty() ? nullptr : LoadedFonts[0]; }

int32_t LinkX(const TPageLink& L) { return L.InText ? 1 : 20; }

int32_t LinkY(const TPageLink& L, int32_t H) { return L.HTimes * H + L.Plus; }

void TBookLink::OnCreate() {
  Background = PAPER_COLOR;
  TextColor = LINK_COLOR;
  TextColor.Alpha = AlphaBlending;
}

void TBookLink::OnDraw() {
  if (!PMouseIs) return;
  SetColor(TextColor.R, TextColor.G, TextColor.B, TextColor.Alpha);
  ::Line(RealCanvasPos.X1 + 5, RealCanvasPos.Y2, RealCanvasPos.X2 - 5, RealCanvasPos.Y2);
}

void TBookLink::OnMouseLeftClick(int32_t, int32_t) {
  TBook* book = DerefAs<TBook>(TargetBook);
  if (book == nullptr) return;
  book->ChangePageNumber(Href);
  book->ChangeLineSize(Href_Line_Size);
}

void TBookLink::MouseArrive(int32_t X_, int32_t Y_) {
  TLabel::MouseArrive(X_, Y_);
  Toolkit().Link = L_Hover;
}

void TBookLink::MouseLeave(int32_t X_, int32_t Y_) {
  TLabel::MouseLeave(X_, Y_);
  // Moving straight onto another link in the same frame keeps the hand.
  if (Toolkit().Link != L_Hover) Toolkit().Link = L_Leaved;
}

void TBookPageTemplate::OnCreate() {
  Background = PAPER_COLOR;
  const int32_t h = BookFontHeight();
  assert(Content_.Links.size() <= MAX_LINKS);
  for (std::size_t i = 0; i < Content_.Links.size() && i < MAX_LINKS; ++i) {
    const TPageLink& l = Content_.Links[i];
    Links_[i] = new TBookLink();
    Links_[i]->CreateComponent(&Links_[i], true, LinkX(l), LinkY(l, h), l.Title);
    Links_[i]->Href = l.Href;
    Links_[i]->Href_Line_Size = h + l.LineSizePlus;
    Links_[i]->TargetBook = TargetBook;
  }
  for (const TPageBlock& b : Content_.Blocks) {
    if (b.Kind != BK_Picture) continue;
    Pictures_.emplace_back();
    LoadProgramPicture(b.Text, Pictures_.back());
  }
}

void TBookPageTemplate::OnFree() {
  for (TPicture& p : Pictures_) FreeBMPPicture(p);
  Pictures_.clear();
}

void TBookPageTemplate::OnDraw() {
  const TFont* own = GetFont();
  const TFont& font = own != nullptr ? *own : ProgramFont(0);
  const int32_t x = RealCanvasPos.X1;
  const auto lineY = [this](int32_t k) { return RealCanvasPos.Y1 + (k - Line) * LineSize; };

  SetColor(HEADING_COLOR.R, HEADING_COLOR.G, HEADING_COLOR.B, 0);
  WriteText(x + TEXT_X, lineY(1), ProgramFont(FONT_OF_BOLD), Content_.Heading);

  std::size_t picture = 0;
  for (const TPageBlock& b : Content_.Blocks) {
    const int32_t y = lineY(b.Line) + b.Dy;
    switch (b.Kind) {
      case BK_Text:
      case BK_Bold:
        SetColor(0, 0, 0, 0);
        WriteAlignedText(x + TEXT_X, y, b.Width, BlockFont(b, font), b.Text);
        break;
      case BK_SubHeading:
        SetColor(HEADING_COLOR.R, HEADING_COLOR.G, HEADING_COLOR.B, 0);
        WriteText(x + TEXT_X, y, ProgramFont(FONT_OF_BOLD), b.Text);
        break;
      case BK_Picture: {
        const TPicture& p = Pictures_[picture++];
        ShowBMPPicture(x + b.Width, y, p);
        if (!b.Caption.empty()) {
          const TFont& small = ProgramFont(FONT_OF_CAPTIONS);
          const int32_t w = static_cast<int32_t>(GetTextLength(small, b.Caption));
          SetColor(0, 0, 0, 0);
          WriteText(x + b.Width + (static_cast<int32_t>(p.ImageWidth) - w) / 2,
                    y + static_cast<int32_t>(p.ImageHeight) + CAPTION_GAP, small, b.Caption);
        }
        break;
      }
    }
  }
}

std::vector<TPageArea> PageAreas(const TPageContent& Content, int32_t LineSize, int32_t H) {
  std::vector<TPageArea> areas;
  const TFont& font = ProgramFont(0);
  for (const TPageBlock& b : Content.Blocks) {
    const int32_t y = b.Line * LineSize + b.Dy;
    switch (b.Kind) {
      case BK_Text:
      case BK_Bold: {
        const TFont& f = BlockFont(b, font);
        const int32_t rows = static_cast<int32_t>(CountAlignedTextRows(b.Width, f, b.Text));
        areas.push_back({TEXT_X, y, TEXT_X + b.Width - 1, y + rows * f.PixHeight - 1});
        break;
      }
      case BK_SubHeading: {
        const TFont& f = ProgramFont(FONT_OF_BOLD);
        areas.push_back({TEXT_X, y, TEXT_X + static_cast<int32_t>(GetTextLength(f, b.Text)) - 1, y + f.PixHeight - 1});
        break;
      }
      case BK_Picture: {
        TPicture p;
        LoadProgramPicture(b.Text, p);
        int32_t bottom = y + static_cast<int32_t>(p.ImageHeight) - 1;
        if (!b.Caption.empty()) bottom += CAPTION_GAP + ProgramFont(FONT_OF_CAPTIONS).PixHeight;
        areas.push_back({b.Width, y, b.Width + static_cast<int32_t>(p.ImageWidth) - 1, bottom});
        FreeBMPPicture(p);
        break;
      }
    }
  }
  // A link's text stands 9 pixels right of and 5 below the link's corner.
  for (const TPageLink& l : Content.Links) {
    const int32_t x = LinkX(l) + 9;
    const int32_t y = LinkY(l, H) + 5;
    areas.push_back({x, y, x + static_cast<int32_t>(GetTextLength(font, l.Title)) - 1, y + H - 1});
  }
  return areas;
}
