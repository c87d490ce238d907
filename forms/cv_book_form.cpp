#include "forms/cv_book_form.h"

#include <cassert>

TBookForm::TBookForm(std::span<const TPageContent> Pages) : pages_(Pages) {
  assert(pages_.size() <= MAX_PAGES && "a book form holds at most MAX_PAGES pages");
}

TBookPageTemplate* TBookForm::Page(std::size_t I) const {
  return I < pages_.size() ? page_slots_[I].Get() : nullptr;
}

void TBookForm::OnCreate() {
  LoadFormIcon(*this);
  CreateDialogButton(OKButton, 203, 360);
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    TOwned<TBookPageTemplate>& slot = page_slots_[i];
    slot = new TBookPageTemplate(pages_[i]);
    slot->TargetBook = &Book;
    slot->CreateComponent(&slot);
  }
  Book = new TBook();
  Book->CreateComponent(&Book, 5, 5, 463, 320);
  for (std::size_t i = 0; i < pages_.size(); ++i) Book->AddBookPage(Page(i)->Adress, pages_[i].NumOfLines);
  Book->ChangePageNumber(Page(0)->PageIndex);
  Book->SetFont(BookFont());
  Book->ChangeLineSize(BookFontHeight() + 10);
}

void TBookForm::OnFree() { FreeBMPPicture(Icon); }

void TBookForm::OnShow() { OKButton->CatchFocus(); }
