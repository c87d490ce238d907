#pragma once
// The encyclopedia: a book of nine pages about nebulae, a contents page with
// a link to each topic and a link back to the contents on every topic page.

#include "forms/cv_book_page.h"
#include "forms/cv_dialog_form.h"
#include "vc/vc_book.h"
#include "vc/vc_form.h"

// The page contents in book order; index 0 is the contents page.
inline constexpr std::size_t ENCYCLOPEDIA_PAGE_COUNT = 9;
extern const std::array<TPageContent, ENCYCLOPEDIA_PAGE_COUNT> EncyclopediaPages;

class TEncyclopediaPage : public TBookPageTemplate {
 public:
  explicit TEncyclopediaPage(std::size_t Index) : TBookPageTemplate(EncyclopediaPages[Index]) {}
};

class TBookContent final : public TEncyclopediaPage {
 public:
  TBookContent() : TEncyclopediaPage(0) {}
};
class TBookNebulas final : public TEncyclopediaPage {
 public:
  TBookNebulas() : TEncyclopediaPage(1) {}
};
class TBookFormation final : public TEncyclopediaPage {
 public:
  TBookFormation() : TEncyclopediaPage(2) {}
};
class TBookChemComposition final : public TEncyclopediaPage {
 public:
  TBookChemComposition() : TEncyclopediaPage(3) {}
};
class TBookTaxonomy final : public TEncyclopediaPage {
 public:
  TBookTaxonomy() : TEncyclopediaPage(4) {}
};
class TBookEmission final : public TEncyclopediaPage {
 public:
  TBookEmission() : TEncyclopediaPage(5) {}
};
class TBookReflex final : public TEncyclopediaPage {
 public:
  TBookReflex() : TEncyclopediaPage(6) {}
};
class TBookDark final : public TEncyclopediaPage {
 public:
  TBookDark() : TEncyclopediaPage(7) {}
};
class TBookPlanetary final : public TEncyclopediaPage {
 public:
  TBookPlanetary() : TEncyclopediaPage(8) {}
};

class TEncyclopediaForm : public TDialogForm {
 public:
  TOwned<TBookContent> BookContent;
  TOwned<TBookNebulas> BookNebulas;
  TOwned<TBookFormation> BookFormation;
  TOwned<TBookChemComposition> BookChemComposition;
  TOwned<TBookTaxonomy> BookTaxonomy;
  TOwned<TBookEmission> BookEmission;
  TOwned<TBookReflex> BookReflex;
  TOwned<TBookDark> BookDark;
  TOwned<TBookPlanetary> BookPlanetary;
  TOwned<TBook> Book;
  TOwned<TDialogOKButton> OKButton;

  void OnCreate() override;
  void OnFree() override;
  void OnShow() override;

  // Page I of the book (0 to 8).
  TBookPageTemplate* Page(std::size_t I) const;
};

extern TOwned<TEncyclopediaForm> EncyclopediaForm;
