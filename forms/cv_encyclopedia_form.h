#pragma once
// The encyclopedia: a book of nine pages about nebulae, a contents page with
// a link to each topic and a link back to the contents on every topic page.

#include "forms/cv_book_form.h"

// The page contents in book order; index 0 is the contents page.
inline constexpr std::size_t ENCYCLOPEDIA_PAGE_COUNT = 9;
extern const std::array<TPageContent, ENCYCLOPEDIA_PAGE_COUNT> EncyclopediaPages;

using TEncyclopediaForm = TBookOf<EncyclopediaPages>;

extern TOwned<TEncyclopediaForm> EncyclopediaForm;
