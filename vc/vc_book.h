#pragma once
// The book: one page at a time of fixed-position content, scrolled vertically
// in whole lines of LineSize pixels by moving the page's children, driven by
// a scroll bar at the right. Pages are created unregistered and attached by
// hand:
//
//   Book = new TBook();
//   Book->CreateComponent(&Book, 10, 10, 600, 400);   // a 600 x 400 page area
//   ActualComponent = &Book;
//   Page1 = new TPage1();                              // its OnCreate makes the content
//   Page1->CreateComponent(&Page1);
//   Book->AddBookPage(&Page1, 40);                     // 40 lines to scroll through
//   Book->ChangePageNumber(0);

#include <cstdint>
#include <vector>

#include "vc/vc_container.h"
#include "vc/vc_panel.h"
#include "vc/vc_scroll_bar.h"

class TBookPage : public TPanel {
 public:
  int32_t Line = 0;        // the line at the top
  int32_t LineSize = 10;   // pixels per line
  int32_t PageIndex = 0;   // in its book
  int32_t NumOfLines = 1;  // lines it can scroll through

  // A raised panel without a right border, sized by the book; not registered
  // with any parent until AddBookPage.
  void CreateComponent(PComponentBase Adress_);
};

struct TBookPageEntry {
  PComponentBase BookPage = nullptr;
  int32_t NumOfLines = 1;
};

class TBook : public TContainer {
 public:
  int32_t PageNumber = -1;  // the shown page, -1 for none
  int32_t Line = 0;
  int32_t LineSize = 10;
  TOwned<TScrollBar> BookScrollBar;
  std::vector<TBookPageEntry> BookPages;

  // Width x Height is the page area; the bar adds 19 pixels at the right and
  // a 4-pixel border goes round.
  void CreateComponent(PComponentBase Adress_, int32_t X_, int32_t Y_, uint32_t Width_, uint32_t Height_);

  // The page area's size.
  void SetWidth(int32_t Value) override;
  void SetHeight(int32_t Value) override;
  void DimensionChange() override;
  void Free() override;
  void Check() override;
  void SetFont(TFont* Font_) override;
  // Scrolls the shown page, three lines a notch.
  bool MouseWheel(int32_t Notches) override { return BookScrollBar->MouseWheel(Notches); }

  // Attaches a page created with registration off; it stays hidden until shown.
  void AddBookPage(PComponentBase BookPage, int32_t NumOfLines);
  // Shows a page from its top; out of range does nothing.
  void ChangePageNumber(int32_t PageNum);
  int32_t GetPageNumber() const { return PageNumber; }
  int32_t GetLine() const { return Line; }
  int32_t GetLineSize() const { return LineSize; }
  // Scrolls the shown page; a line outside the page does nothing.
  void ChangeLine(int32_t NewLine);
  // Only while a page is shown.
  void ChangeLineSize(int32_t NewLineSize);
  // How far page PageNum can scroll; applied at once to the shown page.
  void ChangeNumOfLines(int32_t PageNum, int32_t NumOfLines);

 private:
  TBookPage* Page(int32_t Index) const;
};

// Moves a component by Dy pixels, whatever convention its SetY has.
void ShiftY(TComponentBase& Component, int32_t Dy);
