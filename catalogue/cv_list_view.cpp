#include "catalogue/cv_list_view.h"

#include <charconv>
#include <cmath>

#include "catalogue/cv_number_text.h"
#include "catalogue/cv_sort.h"

TSearch::TSearch(std::string_view T) : Text(T) { IsNumber = ParseRealNumber(T, Number); }

namespace {

bool StartsWith(std::string_view field, std::string_view prefix) {
  return field.size() >= prefix.size() && field.compare(0, prefix.size(), prefix) == 0;
}

bool WholeMatches(int32_t value, const TSearch& s) {
  char buffer[16];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return StartsWith(std::string_view(buffer, static_cast<std::size_t>(end - buffer)), s.Text) ||
         (s.IsNumber && static_cast<double>(value) == s.Number);
}

bool RealMatches(double value, const TSearch& s) {
  if (s.IsNumber && value == s.Number) return true;
  // The three-decimal text of a finite value starts with a digit or a minus
  // sign; most searches for a name are settled here without formatting.
  const char first = s.Text[0];
  if (first != '-' && (first < '0' || first > '9') && std::isfinite(value)) return false;
  char buffer[THREE_DECIMALS_BUFFER];
  return StartsWith(std::string_view(buffer, FormatThreeDecimals(value, buffer)), s.Text);
}

}  // namespace

bool MatchesSearch(const TNebula& r, const TSearch& s) {
  if (s.Text.empty()) return true;
  return WholeMatches(r.IndexOfItem, s) || StartsWith(r.NameOfNebula.View(), s.Text) || WholeMatches(r.NGC, s) ||
         RealMatches(r.Rect, s) || RealMatches(r.Dec, s) || RealMatches(r.Distance, s) ||
         RealMatches(r.Magnitude, s) || StartsWith(TypeOfNebulaText(r.TypeOfNebula), s.Text) ||
         StartsWith(r.Picture.View(), s.Text) || StartsWith(r.Description.View(), s.Text);
}

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

bool TListView::Update(TSortType SortType, TDirection Direction, bool SearchActive, std::string_view SearchText) {
  const bool records_changed = !valid_ || revision_ != DatabaseRevision;
  const bool order_changed = records_changed || SortType != sort_type_ || Direction != direction_;
  const bool search_changed =
      !valid_ || SearchActive != filtered_ || (SearchActive && SearchText != std::string_view(search_text_));
  if (!order_changed && !search_changed) return false;

  if (order_changed) Sort(SortType, Direction);
  filtered_ = SearchActive;
  search_text_.assign(SearchActive ? SearchText : std::string_view());
  positions_.clear();
  if (filtered_) {
    const TSearch search(search_text_);
    for (std::size_t i = 0; i < Nebulas.size(); ++i)
      if (MatchesSearch(Nebulas[i], search)) positions_.push_back(static_cast<uint32_t>(i));
  }
  valid_ = true;
  revision_ = DatabaseRevision;
  sort_type_ = SortType;
  direction_ = Direction;
  return true;
}
