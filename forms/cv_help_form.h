#pragma once
// The help book: a register of three chapters (control, questions, support),
// each with a link back to the register.

#include "forms/cv_book_page.h"
#include "forms/cv_dialog_form.h"
#include "vc/vc_book.h"
#include "vc/vc_form.h"

inline constexpr std::size_t HELP_PAGE_COUNT = 4;
extern const std::array<TPageContent, HELP_PAGE_COUNT> HelpPages;

class THelpPage : public TBookPageTemplate {
 public:
  explicit THelpPage(std::size_t Index) : TBookPageTemplate(HelpPages[Index]) {}
};

class TBookRegister final : public THelpPage {
 public:
  TBookRegister() : THelpPage(0) {}
};
class TBookControling final : public THelpPage {
 public:
  TBookControling() : THelpPage(1) {}
};
class TBookFAQ final : public THelpPage {
 public:
  TBookFAQ() : THelpPage(2) {}
};
class TBookTechSupport final : public THelpPage {
 public:
  TBookTechSupport() : THelpPage(3) {}
};

class THelpForm : public TDialogForm {
 public:
  TOwned<TBookRegister> BookRegister;
  TOwned<TBookControling> BookControling;
  TOwned<TBookFAQ> BookFAQ;
  TOwned<TBookTechSupport> BookTechSupport;
  TOwned<TBook> Book;
  TOwned<TDialogOKButton> OKButton;

  void OnCreate() override;
  void OnFree() override;
  void OnShow() override;

  TBookPageTemplate* Page(std::size_t I) const;
};

extern TOwned<THelpForm> HelpForm;
