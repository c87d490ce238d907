#pragma once
// The help book: a register of three chapters (control, questions, support),
// each with a link back to the register.

#include "forms/cv_book_form.h"

inline constexpr std::size_t HELP_PAGE_COUNT = 4;
extern const std::array<TPageContent, HELP_PAGE_COUNT> HelpPages;

using THelpForm = TBookOf<HelpPages>;

extern TOwned<THelpForm> HelpForm;
