#pragma once
// The help book: a register of three chapters (control, questions, support),
// each with a link back to the register.

#include "forms/cv_book_form.h"

inline constexpr std::size_t HELP_PAGE_COUNT = 4;
extern const std::array<TPageContent, HELP_PAGE_COUNT> HelpPages;

class THelpForm : public TBookForm {
 public:
  THelpForm();
};

extern TOwned<THelpForm> HelpForm;
