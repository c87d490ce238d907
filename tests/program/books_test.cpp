// The encyclopedia and the help book: links turn pages and set the line size,
// hovering underlines a link and shows the hand, a book reopens where it was
// left, and every page's content fits its scroll length and the fonts.
#include <set>

#include "forms/cv_about_form.h"
#include "forms/cv_encyclopedia_form.h"
#include "forms/cv_help_form.h"
#include "platform/cp1250.h"
#include "program_fixture.h"
#include "rastrix/display.h"
#include "rastrix/fnt.h"
#include "vc/vc_scroll_bar.h"

namespace program_test {
namespace {

// The colour of a pixel of the last frame.
TColor ScreenPixel(int32_t X, int32_t Y) {
  const uint8_t* p =
      reinterpret_cast<const uint8_t*>(VirtualScreen) + (static_cast<std::size_t>(Y) * SCREEN_WIDTH + X) * 4;
  return TColor{p[0], p[1], p[2], p[3]};
}

class BooksTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    Start();
    Frame();
    H = ProgramFont(0).PixHeight;
    EncyclopediaForm->Show(ST_Unmodal);
    Frame();
  }
  TBook& Book() { return *EncyclopediaForm->Book; }
  TBookLink& LinkOf(std::size_t Page, std::size_t I) { return *EncyclopediaForm->Page(Page)->LinkAt(I); }
  // Clicks the middle of a link's text with the mouse.
  void ClickLink(const TBookLink& L) {
    Click((L.RealCanvasPos.X1 + L.RealCanvasPos.X2) / 2, (L.RealCanvasPos.Y1 + L.RealCanvasPos.Y2) / 2);
  }

  int32_t H = 0;
};

TEST_F(BooksTest, ContentsLinkShowsItsPageAtTheTopAndTheInTextLinkLeadsOn) {
  ASSERT_EQ(H, 17);
  EXPECT_EQ(Book().GetPageNumber(), 0);
  EXPECT_EQ(Book().GetLineSize(), H + 10);

  ClickLink(LinkOf(0, 4));  // "Emisné hmloviny"
  EXPECT_EQ(Book().GetPageNumber(), 5);
  EXPECT_EQ(Book().GetLine(), 0);
  EXPECT_EQ(Book().BookScrollBar->Position, 0);
  EXPECT_EQ(Book().GetLineSize(), H);

  // Scrolled a little, the in-text link still lies where the text says it is.
  Book().BookScrollBar->SetPosition(2);
  Frame();
  ASSERT_EQ(Book().GetLine(), 2);
  const TBookLink& inText = LinkOf(5, 1);
  EXPECT_EQ(inText.Href, 8);
  ClickLink(inText);
  EXPECT_EQ(Book().GetPageNumber(), 8);
  EXPECT_EQ(Book().GetLine(), 0);
  EXPECT_EQ(Book().GetLineSize(), H);

  // The link back stands at the end of the page.
  Book().BookScrollBar->SetPosition(EncyclopediaPages[8].NumOfLines - 1);
  Frame();
  ClickLink(LinkOf(8, 0));  // "<- Obsah"
  EXPECT_EQ(Book().GetPageNumber(), 0);
  EXPECT_EQ(Book().GetLineSize(), H + 10);
}

TEST_F(BooksTest, HoverUnderlinesTheLinkAndShowsTheHand) {
  const TBookLink& link = LinkOf(0, 0);
  const TViewport c = link.RealCanvasPos;
  const int32_t middle = (c.X1 + c.X2) / 2;
  const auto underlined = [&]() {
    const TColor p = ScreenPixel(middle, c.Y2);
    return p.R == 50 && p.G == 50 && p.B == 240;
  };
  EXPECT_FALSE(underlined());
  backend_.SetCursor(middle, (c.Y1 + c.Y2) / 2);
  Frame(2);
  EXPECT_TRUE(underlined());
  EXPECT_EQ(backend_.Cursor(), platform::CursorShape::Hand);
  backend_.SetCursor(c.X2 + 200, c.Y2 + 100);
  Frame(2);
  EXPECT_FALSE(underlined());
  EXPECT_EQ(backend_.Cursor(), platform::CursorShape::Arrow);
}

TEST_F(BooksTest, ABookReopensOnThePageShownLast) {
  ClickLink(LinkOf(0, 6));  // "Tmavé hmloviny"
  EncyclopediaForm->OKButton->OnMouseLeftClick(-1, -1);
  Frame();
  EXPECT_FALSE(EncyclopediaForm->Visible);
  EncyclopediaForm->Show(ST_Unmodal);
  Frame();
  EXPECT_EQ(Book().GetPageNumber(), 7);
  EXPECT_TRUE(EncyclopediaForm->Page(7)->Visible);
  EXPECT_FALSE(EncyclopediaForm->Page(0)->Visible);
}

// The bytes a font draws with its missing-character box: below or above its
// range, the five bytes Windows-1250 leaves unassigned, and the delete control.
bool Drawable(const TFont& F, uint8_t C) {
  if (C < 32 || C == 127 || C < F.FirstChar || C > F.LastChar) return false;
  return cp1250::ToCodePoint(C) != 0;
}

void ExpectDrawable(const TFont& F, std::string_view Text, std::string_view Where) {
  for (const char c : Text)
    EXPECT_TRUE(Drawable(F, static_cast<uint8_t>(c)))
        << Where << ": byte " << int(static_cast<uint8_t>(c)) << " in \"" << cp1250::ToUtf8(Text) << "\"";
}

bool Overlap(const TPageArea& A, const TPageArea& B) {
  return A.X1 <= B.X2 && B.X1 <= A.X2 && A.Y1 <= B.Y2 && B.Y1 <= A.Y2;
}

// Every page at the line size it is read with (H on the topic pages, H + 10 on
// the index page): nothing overlaps, everything lies within the page's width
// and within what its scroll length brings into the 320 visible pixels.
void CheckBook(std::span<const TPageContent> Pages, int32_t H) {
  constexpr int32_t kPageWidth = 463, kPageHeight = 320;
  for (std::size_t p = 0; p < Pages.size(); ++p) {
    const TPageContent& page = Pages[p];
    const std::string name = cp1250::ToUtf8(page.Heading);
    const int32_t lineSize = p == 0 ? H + 10 : H;
    ExpectDrawable(ProgramFont(2), page.Heading, name);
    for (const TPageBlock& b : page.Blocks)
      if (b.Kind != BK_Picture)
        ExpectDrawable(ProgramFont(b.Kind == BK_Text ? 0 : 2), b.Text, name);
      else
        ExpectDrawable(ProgramFont(4), b.Caption, name);
    for (const TPageLink& l : page.Links) ExpectDrawable(ProgramFont(0), l.Title, name);

    const std::vector<TPageArea> areas = PageAreas(page, lineSize, H);
    const int32_t bottom = (page.NumOfLines - 1) * lineSize + kPageHeight - 1;
    for (std::size_t i = 0; i < areas.size(); ++i) {
      const TPageArea& a = areas[i];
      EXPECT_TRUE(a.X1 >= 0 && a.X2 < kPageWidth && a.Y1 >= 2 * lineSize && a.Y2 <= bottom)
          << name << ", item " << i << ": " << a.X1 << "," << a.Y1 << " - " << a.X2 << "," << a.Y2
          << " outside the page ending at " << bottom;
      for (std::size_t j = i + 1; j < areas.size(); ++j)
        EXPECT_FALSE(Overlap(a, areas[j])) << name << ": items " << i << " and " << j << " overlap";
    }
  }
}

TEST_F(BooksTest, EveryPageFitsItsScrollLengthAndTheFonts) {
  CheckBook(EncyclopediaPages, H);
  CheckBook(HelpPages, H);
  for (const TAboutLine& l : AboutLines)
    ExpectDrawable(ProgramFont(static_cast<std::size_t>(l.FontIndex)), l.Text, "about");
}

TEST_F(BooksTest, TheHelpsLinksTurnTheHelpBook) {
  HelpForm->Show(ST_Unmodal);
  Frame();
  TBook& help = *HelpForm->Book;
  ClickLink(*HelpForm->Page(0)->LinkAt(1));  // "FAQ"
  EXPECT_EQ(help.GetPageNumber(), 2);
  EXPECT_EQ(help.GetLineSize(), H);
  EXPECT_EQ(Book().GetPageNumber(), 0);  // the encyclopedia stays where it was
  help.BookScrollBar->SetPosition(HelpPages[2].NumOfLines - 1);
  Frame();
  ClickLink(*HelpForm->Page(2)->LinkAt(0));
  EXPECT_EQ(help.GetPageNumber(), 0);
  EXPECT_EQ(help.GetLineSize(), H + 10);
}

}  // namespace
}  // namespace program_test
