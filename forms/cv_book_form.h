#pragma once
// A form holding one book of fixed pages, made from a table of page contents,
// with an OK button under it: the encyclopedia and the help.

#include <array>
#include <cstddef>
#include <span>

#include "forms/cv_book_page.h"
#include "forms/cv_dialog_form.h"
#include "vc/vc_book.h"

class TBookForm : public TDialogForm {
 public:
  // The most pages a book holds (the encyclopedia's).
  static constexpr std::size_t MAX_PAGES = 9;

  // Pages, in book order, outlive the form; page 0 is the one shown first.
  explicit TBookForm(std::span<const TPageContent> Pages);

  TOwned<TBook> Book;
  TOwned<TDialogOKButton> OKButton;

  void OnCreate() override;
  void OnFree() override;
  void OnShow() override;

  // Page I of the book, or null past its last page.
  TBookPageTemplate* Page(std::size_t I) const;

 private:
  std::span<const TPageContent> pages_;
  std::array<TOwned<TBookPageTemplate>, MAX_PAGES> page_slots_;
};

// A book form bound to its page table, so that each book is a type the
// start-up creates like any other form.
template <const auto& Pages>
class TBookOf : public TBookForm {
 public:
  TBookOf() : TBookForm(Pages) {}
};
