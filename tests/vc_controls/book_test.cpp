// Books and page controls: scrolling a page in whole lines by moving its
// children, switching pages back to their start, line sizes, the tab row and
// the front page's place at the end of the child list.

#include "tests/vc_controls/controls_fixture.h"
#include "vc/vc_book.h"
#include "vc/vc_label.h"
#include "vc/vc_page_control.h"

namespace vc_controls_test {
namespace {

// A page with one label 50 pixels down.
class TTextPage : public TBookPage {
 public:
  TOwned<TLabel> Text;
  void OnCreate() override {
    Text = new TLabel();
    Text->CreateComponent(&Text, false, 10, 50, "Riadok");
  }
};

class TTabPage : public TPage {
 public:
  TOwned<TLabel> Text;
  void OnCreate() override {
    Text = new TLabel();
    Text->CreateComponent(&Text, true, 10, 10, "Obsah");
  }
};

class BookTest : public ControlsTest {
 protected:
  void MakeBook() {
    book = new TBook();
    book->CreateComponent(&book, 10, 10, 300, 200);
    Toolkit().ActualComponent = &book;
    for (auto* page : {&first, &second}) {
      *page = new TTextPage();
      (*page)->CreateComponent(page);
    }
    Toolkit().ActualComponent = &desk;
  }
  void MakePages(std::initializer_list<const char*> titles) {
    pages = new TPageControl();
    pages->CreateComponent(&pages, 100, 100, 400, 200);
    std::size_t i = 0;
    for (const char* title : titles) {
      tabs[i] = new TTabPage();
      tabs[i]->CreateComponent(&tabs[i]);
      pages->AddPage(&tabs[i], title);
      ++i;
    }
    Frame();
  }
  void Press(const TVisualComponent& c) {
    const TViewport& r = c.RealComponentPos;
    host.SetCursor((r.X1 + r.X2) / 2, (r.Y1 + r.Y2) / 2);
    Key(vk::LBUTTON, true);
    Key(vk::LBUTTON, false);
  }

  TOwned<TBook> book;
  TOwned<TTextPage> first, second;
  TOwned<TPageControl> pages;
  TOwned<TTabPage> tabs[3];
};

TEST_F(BookTest, PagesScrollInWholeLinesAndStartAtTheTopWhenShownAgain) {
  MakeBook();
  book->ChangeLineSize(20);
  EXPECT_EQ(book->LineSize, 10) << "no page shown: nothing changes";
  book->AddBookPage(&first, 10);
  book->AddBookPage(&second, 0);
  EXPECT_FALSE(first->Visible) << "hidden until chosen";
  EXPECT_EQ(book->ComponentPos, (TViewport{10, 10, 336, 217}));
  EXPECT_EQ(first->Width, 300);
  EXPECT_EQ(first->Height, 200);
  book->ChangePageNumber(0);
  EXPECT_EQ(book->BookScrollBar->MaxValue, 9u);
  EXPECT_TRUE(first->Visible);

  // The bar drives the lines.
  book->BookScrollBar->SetPosition(3);
  Frame();
  EXPECT_EQ(book->Line, 3);
  EXPECT_EQ(first->Text->Y, 20);
  book->ChangeLine(10);
  EXPECT_EQ(book->Line, 3) << "beyond the page";
  book->ChangeLineSize(5);
  EXPECT_EQ(first->Text->Y, 35);
  EXPECT_EQ(second->LineSize, 5);
  book->ChangeLineSize(10);

  book->ChangePageNumber(1);
  EXPECT_EQ(first->Text->Y, 50) << "the left page is back at its start";
  EXPECT_EQ(first->Line, 0);
  EXPECT_EQ(book->BookScrollBar->MaxValue, 0u) << "no lines counts as one";
  EXPECT_FALSE(first->Visible);
  EXPECT_FALSE(first->Enable);
  EXPECT_TRUE(second->Visible);
  book->ChangePageNumber(0);
  EXPECT_EQ(book->Line, 0);
  EXPECT_EQ(book->BookScrollBar->Position, 0);
  Frame();
  EXPECT_EQ(first->Text->RealComponentPos.Y1, first->RealCanvasPos.Y1 + 50);
}

TEST_F(BookTest, TabsLineUpAndThePressedOneComesToTheFront) {
  // Text lengths 40, 50 and 60 in the small font.
  MakePages({"aaaaaaaaaa", "aaaaa aaaaa a", "aaaaaaaaaaaaaaa"});
  ASSERT_EQ(GetTextLength(*LoadedFonts[0], "aaaaa aaaaa a"), 50u);
  EXPECT_EQ(pages->TabletOverflow, 26);
  EXPECT_EQ(pages->ComponentPos.Y1, 100 - 26);
  EXPECT_EQ(tabs[0]->Tablet->X, 0);
  EXPECT_EQ(tabs[1]->Tablet->X, 64);
  EXPECT_EQ(tabs[2]->Tablet->X, 138);
  EXPECT_EQ(tabs[0]->Tablet->Y, 0) << "the front tab stands higher";
  EXPECT_EQ(tabs[1]->Tablet->Y, 2);
  EXPECT_TRUE(tabs[0]->Text->Visible);
  EXPECT_FALSE(tabs[1]->Text->Visible);
  EXPECT_FALSE(tabs[2]->Text->Enable);

  Press(*tabs[2]->Tablet);
  EXPECT_EQ(pages->FirstPage, 2);
  const Array_Of_PComponentBase& children = pages->RegisteredComponents;
  ASSERT_EQ(children.size(), 6u);
  EXPECT_EQ(children[4], &tabs[2]);
  EXPECT_EQ(children[5], &tabs[2]->Tablet);
  EXPECT_EQ(pages->Pages[2].PageIndex, 4);
  EXPECT_EQ(pages->Pages[2].TabletIndex, 5);
  for (int i = 0; i < 2; ++i) {
    const auto& entry = pages->Pages[static_cast<std::size_t>(i)];
    EXPECT_EQ(children[static_cast<std::size_t>(entry.PageIndex)], &tabs[i]) << i;
    EXPECT_EQ(children[static_cast<std::size_t>(entry.TabletIndex)], &tabs[i]->Tablet) << i;
  }
  EXPECT_EQ(tabs[2]->Tablet->Y, 0);
  EXPECT_EQ(tabs[0]->Tablet->Y, 2);
  EXPECT_TRUE(tabs[2]->Text->Visible);
  EXPECT_FALSE(tabs[0]->Text->Visible);
  EXPECT_TRUE(tabs[0]->Visible) << "other pages stay drawn, underneath";

  // The front tab again: nothing moves.
  const Array_Of_PComponentBase before = children;
  Press(*tabs[2]->Tablet);
  EXPECT_EQ(children, before);

  // Enter on a focused tab.
  tabs[1]->Tablet->CatchFocus();
  Frames(2);
  Key(vk::RETURN, true);
  Key(vk::RETURN, false);
  EXPECT_EQ(pages->FirstPage, 1);
  EXPECT_EQ(children.back(), &tabs[1]->Tablet);
}

}  // namespace
}  // namespace vc_controls_test
