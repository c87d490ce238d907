#include "vc/vc_book.h"

#include <algorithm>

namespace {

constexpr int32_t kBar = 19;
constexpr int32_t kBorder = 8;

// Every child of a page moved by Dy.
void ShiftChildren(TBookPage& page, int64_t dy) {
  if (dy == 0) return;
  for (PComponentBase entry : page.RegisteredComponents)
    if (TVisualComponent* child = Deref(entry)) ShiftY(*child, static_cast<int32_t>(dy));
}

}  // namespace

void ShiftY(TComponentBase& Component, int32_t Dy) {
  // Straight on the field: scroll bars and page controls read SetY as the
  // position of a part inside them.
  Component.Y += Dy;
  Component.DimensionChange();
  Component.OnDimensionChange();
}

void TBookPage::CreateComponent(PComponentBase Adress_) {
  RegisterComponent = false;
  CreatePanel(Adress_, false, PS_Classic, 0, 0, 0, 0);
  Borders = TBorders{true, false, true, true};
  NumOfLines = 1;
  OnCreate();
  Toolkit().ActualComponent = MotherComponent;
}

void TBook::CreateComponent(PComponentBase Adress_, int32_t X_, int32_t Y_, uint32_t Width_, uint32_t Height_) {
  PageNumber = -1;
  Line = 0;
  LineSize = 10;
  const uint32_t width = Width_ + kBorder + kBar;
  const uint32_t height = Height_ + kBorder;
  TContainer::CreateComponent(Adress_, X_, Y_, width, height);
  BookScrollBar = new TScrollBar();
  BookScrollBar->CreateComponent(&BookScrollBar, SBT_Vertical, static_cast<int32_t>(width) - kBar, kBar,
                                 static_cast<uint32_t>(std::max<int64_t>(int64_t{height} - 2 * kBar, 0)), 0);
  BookScrollBar->SetPosition(0);
  BookScrollBar->WheelStep = 3;
  OnCreate();
  Toolkit().ActualComponent = MotherComponent;
}

TBookPage* TBook::Page(int32_t Index) const {
  if (Index < 0 || Index >= static_cast<int32_t>(BookPages.size())) return nullptr;
  return DerefAs<TBookPage>(BookPages[static_cast<std::size_t>(Index)].BookPage);
}

void TBook::SetWidth(int32_t Value) {
  Width = Value + kBorder + kBar;
  DimensionChange();
  OnDimensionChange();
}

void TBook::SetHeight(int32_t Value) {
  Height = Value + kBorder;
  DimensionChange();
  OnDimensionChange();
}

void TBook::DimensionChange() {
  for (const TBookPageEntry& entry : BookPages) {
    if (TBookPage* page = DerefAs<TBookPage>(entry.BookPage)) {
      page->X = 0;
      page->Y = 0;
      page->Width = std::max(Width - kBar - kBorder, 0);
      page->Height = std::max(Height - kBorder, 0);
      page->DimensionChange();
      page->OnDimensionChange();
    }
  }
  if (BookScrollBar) {
    BookScrollBar->SetX(Width - kBar);
    BookScrollBar->SetScrollBarLength(std::max(Height - 2 * kBar, 0));
  }
  TContainer::DimensionChange();
}

void TBook::Free() {
  BookPages.clear();
  TContainer::Free();
}

void TBook::SetFont(TFont* Font_) {
  Font = Font_;
  for (const TBookPageEntry& entry : BookPages)
    if (TBookPage* page = DerefAs<TBookPage>(entry.BookPage)) page->SetFont(Font_);
  DimensionChange();
  OnDimensionChange();
}

void TBook::AddBookPage(PComponentBase BookPage, int32_t NumOfLines) {
  TBookPage* page = DerefAs<TBookPage>(BookPage);
  assert(page != nullptr && "a book holds book pages");
  if (page == nullptr) return;
  const int32_t lines = std::max(NumOfLines, 1);
  BookPages.push_back(TBookPageEntry{BookPage, lines});
  page->PageIndex = static_cast<int32_t>(BookPages.size()) - 1;
  page->NumOfLines = lines;
  page->Line = 0;
  page->LineSize = LineSize;
  page->MotherComponent = Adress;
  RegisteredComponents.push_back(BookPage);
  // Not shown before ChangePageNumber chooses it.
  page->Visible = false;
  page->Enable = false;
  DimensionChange();
  OnDimensionChange();
}

void TBook::ChangePageNumber(int32_t PageNum) {
  if (PageNum < 0 || PageNum >= static_cast<int32_t>(BookPages.size())) return;
  if (TBookPage* shown = Page(PageNumber)) {
    ShiftChildren(*shown, int64_t{Line} * LineSize);
    shown->Line = 0;
  }
  PageNumber = PageNum;
  Line = 0;
  TBookPage* page = Page(PageNum);
  if (page != nullptr) page->Line = 0;
  BookScrollBar->SetPosition(0);
  BookScrollBar->SetMaxValue(static_cast<uint32_t>(BookPages[static_cast<std::size_t>(PageNum)].NumOfLines - 1));
  for (std::size_t i = 0; i < BookPages.size(); ++i) {
    if (TBookPage* p = DerefAs<TBookPage>(BookPages[i].BookPage)) {
      const bool front = static_cast<int32_t>(i) == PageNum;
      p->Enable = front;
      p->Visible = front;
    }
  }
}

void TBook::ChangeLine(int32_t NewLine) {
  TBookPage* page = Page(PageNumber);
  if (page == nullptr || NewLine < 0) return;
  if (NewLine >= BookPages[static_cast<std::size_t>(PageNumber)].NumOfLines) return;
  ShiftChildren(*page, (int64_t{Line} - NewLine) * LineSize);
  page->Line = NewLine;
  Line = NewLine;
  BookScrollBar->SetPosition(NewLine);
}

void TBook::ChangeLineSize(int32_t NewLineSize) {
  TBookPage* shown = Page(PageNumber);
  if (shown == nullptr) return;
  ShiftChildren(*shown, int64_t{Line} * LineSize - int64_t{Line} * NewLineSize);
  for (const TBookPageEntry& entry : BookPages)
    if (TBookPage* page = DerefAs<TBookPage>(entry.BookPage)) page->LineSize = NewLineSize;
  LineSize = NewLineSize;
}

void TBook::ChangeNumOfLines(int32_t PageNum, int32_t NumOfLines) {
  TBookPage* page = Page(PageNum);
  if (page == nullptr) return;
  const int32_t lines = std::max(NumOfLines, 1);
  BookPages[static_cast<std::size_t>(PageNum)].NumOfLines = lines;
  page->NumOfLines = lines;
  if (PageNum != PageNumber) return;
  if (Line >= lines) ChangeLine(lines - 1);
  BookScrollBar->SetMaxValue(static_cast<uint32_t>(lines - 1));
}

void TBook::Check() {
  if (BookScrollBar->Position != Line) ChangeLine(BookScrollBar->Position);
  TContainer::Check();
}
