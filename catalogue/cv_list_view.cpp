#include "catalogue/cv_list_view.h"

#include <array>
#include <charconv>
#include <cmath>

#include "catalogue/cv_number_text.h"
#include "catalogue/cv_sort.h"

namespace {

// Windows-1250 bytes 128..255 folded: the base letter of every Latin letter
// the code page holds, '.' where the byte stays as it is.
constexpr std::string_view kHighFold =
    "..........s.stzz"
    "..........s.stzz"
    " ..l.a....s....z"
    "...l.....as.l.lz"
    "raaaalccceeeeiid"
    "dnnoooo.ruuuuyts"
    "raaaalccceeeeiid"
    "dnnoooo.ruuuuyt.";

constexpr std::array<char, 256> MakeFoldTable() {
  std::array<char, 256> table{};
  for (int b = 0; b < 256; ++b) {
    char c = static_cast<char>(b);
    if (b < 0x20) c = ' ';  // keeps the separators of the searchable texts unmatched
    if (b >= 'A' && b <= 'Z') c = static_cast<char>(b - 'A' + 'a');
    if (b >= 0x80 && kHighFold[static_cast<std::size_t>(b - 0x80)] != '.')
      c = kHighFold[static_cast<std::size_t>(b - 0x80)];
    table[static_cast<std::size_t>(b)] = c;
  }
  return table;
}
constexpr std::array<char, 256> kFold = MakeFoldTable();

char Fold(char c) { return kFold[static_cast<unsigned char>(c)]; }
bool IsLetter(char c) { return c >= 'a' && c <= 'z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr char FIELD_END = '\x01';

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

void FoldSearchText(std::string_view text, std::string& out) {
  const std::size_t begin = out.size();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = Fold(text[i]);
    if (c == ' ' && out.size() > begin && IsLetter(out.back())) {
      std::size_t next = i;
      while (next < text.size() && Fold(text[next]) == ' ') ++next;
      if (next < text.size() && IsDigit(Fold(text[next]))) {
        i = next - 1;
        continue;
      }
    }
    out.push_back(c);
  }
}

void AppendSearchableText(const TNebula& r, std::string& out) {
  FoldSearchText(r.NameOfNebula.View(), out);
  out.push_back(FIELD_END);
  if (r.NGC != 0) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, r.NGC).ptr;
    out.append("ngc").append(buffer, end);
  }
  out.push_back(FIELD_END);
  FoldSearchText(r.Description.View(), out);
  out.push_back(FIELD_END);
}

TSearch::TSearch(std::string_view T) : Text(T) {
  IsNumber = ParseRealNumber(T, Number);
  FoldSearchText(T, Folded);
  // "NGC " is on its way to "NGC 7293", whose space the records' texts no longer hold.
  while (!Folded.empty() && Folded.back() == ' ') Folded.pop_back();
}

bool MatchesSearch(const TNebula& r, const TSearch& s) {
  if (MatchesSearchPrefix(r, s)) return true;
  if (s.Folded.empty()) return false;
  std::string text;
  AppendSearchableText(r, text);
  return text.find(s.Folded) != std::string::npos;
}

bool MatchesSearchPrefix(const TNebula& r, const TSearch& s) {
  if (s.Text.empty()) return true;
  return WholeMatches(r.IndexOfItem, s) || StartsWith(r.NameOfNebula.View(), s.Text) || WholeMatches(r.NGC, s) ||
         RealMatches(r.Rect, s) || RealMatches(r.Dec, s) || RealMatches(r.Distance, s) ||
         RealMatches(r.Magnitude, s) || StartsWith(TypeOfNebulaText(r.TypeOfNebula), s.Text) ||
         StartsWith(r.Picture.View(), s.Text) || StartsWith(r.Description.View(), s.Text);
}

bool TListView::Update(TSortType SortType, TDirection Direction, bool SearchActive, std::string_view SearchText) {
  const bool records_changed = !valid_ || revision_ != Catalogue().Revision;
  const bool order_changed = records_changed || SortType != sort_type_ || Direction != direction_;
  const bool search_changed =
      !valid_ || SearchActive != filtered_ || (SearchActive && SearchText != std::string_view(search_text_));
  if (!order_changed && !search_changed) return false;

  if (order_changed) {
    Sort(SortType, Direction);
    searchable_valid_ = false;
  }
  filtered_ = SearchActive;
  search_text_.assign(SearchActive ? SearchText : std::string_view());
  positions_.clear();
  if (filtered_) {
    if (!searchable_valid_) BuildSearchable();
    // One pass over all the searchable texts finds every containing record;
    // a hit never spans two records, the separators being unmatchable.
    const TSearch search(search_text_);
    const std::string_view all(searchable_);
    const std::size_t none = std::string_view::npos;
    std::size_t hit = search.Folded.empty() ? none : all.find(search.Folded);
    for (std::size_t i = 0; i < Catalogue().Nebulas.size(); ++i) {
      const std::size_t end = searchable_start_[i + 1];
      const bool contained = hit < end;
      if (contained) hit = all.find(search.Folded, end);
      if (contained || MatchesSearchPrefix(Catalogue().Nebulas[i], search))
        positions_.push_back(static_cast<uint32_t>(i));
    }
  }
  valid_ = true;
  revision_ = Catalogue().Revision;
  sort_type_ = SortType;
  direction_ = Direction;
  return true;
}

void TListView::BuildSearchable() {
  searchable_.clear();
  searchable_start_.clear();
  searchable_start_.reserve(Catalogue().Nebulas.size() + 1);
  for (const TNebula& r : Catalogue().Nebulas) {
    searchable_start_.push_back(static_cast<uint32_t>(searchable_.size()));
    AppendSearchableText(r, searchable_);
  }
  searchable_start_.push_back(static_cast<uint32_t>(searchable_.size()));
  searchable_valid_ = true;
}
