#include "tests/support/list_reference.h"

#include "catalogue/cv_list_view.h"
#include "catalogue/cv_sort.h"

void RebuildListLiterally(TNebulas& Records, int32_t Count, TSortType SortType, TDirection Direction,
                          bool SearchActive, std::string_view SearchText, TNebulas& Shown) {
  SortNebulas(Records, Count, SortType, Direction);
  Shown.clear();
  const TSearch search(SearchText);
  for (int32_t i = 0; i < Count; ++i) {
    const TNebula& r = Records[static_cast<std::size_t>(i)];
    if (!SearchActive || MatchesSearch(r, search)) Shown.push_back(r);
  }
}
