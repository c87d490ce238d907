#pragma once
// What the list of records shows: the loaded records sorted by one key in one
// direction (the sort reorders Nebulas itself, so a save writes that order),
// narrowed by a search when one is active.
//
// The plain way is to sort and filter again in every frame. TListView keeps
// its result and does the work again only when the records, the key, the
// direction or the search changed; because the exchange sort leaves a sorted
// sequence as it is, the rows are always those the plain way would show.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/cv_globals.h"

// A search text, its reading as a real number and its folded form, prepared
// once per search.
struct TSearch {
  std::string Text;
  bool IsNumber = false;  // Text reads as a real number (ParseRealNumber)
  double Number = 0.0;
  std::string Folded;  // FoldSearchText(Text) without trailing spaces; empty: no containment test

  explicit TSearch(std::string_view T);
};

// Appends Text folded for searching: lower case, Slovak and Czech diacritics
// dropped ("Veľká" -> "velka"), and the spaces between a letter and a digit
// dropped, so "NGC 7293", "ngc7293" and "M 42" read like the designations in
// the names.
void FoldSearchText(std::string_view Text, std::string& Out);

// Appends what a search finds a record by anywhere: its folded name, its NGC
// designation ("ngc7293", none for 0) and its folded description, separated
// by bytes that no folded search text holds.
void AppendSearchableText(const TNebula& Record, std::string& Out);

// Whether a record matches: one of its fields, as the list shows it, begins
// with the text (byte for byte), or one of its numbers equals the text read
// as a real number, or its searchable text contains the folded text.
bool MatchesSearch(const TNebula& Record, const TSearch& Search);
// The first two tests alone: what the search found before it looked inside
// the texts.
bool MatchesSearchPrefix(const TNebula& Record, const TSearch& Search);

class TListView {
 public:
  // Brings the order of Nebulas and the rows up to date. SearchActive: the
  // search is switched on and its text is not empty. Returns true when it
  // recomputed anything (the rows may differ from the last call).
  bool Update(TSortType SortType, TDirection Direction, bool SearchActive, std::string_view SearchText);

  // The next Update recomputes whatever its inputs are.
  void Invalidate() { valid_ = false; }

  std::size_t Count() const { return filtered_ ? positions_.size() : Catalogue().Nebulas.size(); }
  // Position in Nebulas of row I (from 0) and the record shown there; valid
  // until the records change.
  std::size_t Position(std::size_t I) const { return filtered_ ? positions_[I] : I; }
  const TNebula& Row(std::size_t I) const { return Catalogue().Nebulas[Position(I)]; }

 private:
  bool valid_ = false;
  uint32_t revision_ = 0;
  TSortType sort_type_ = ST_IndexOfItem;
  TDirection direction_ = D_Up;
  bool filtered_ = false;
  std::string search_text_;
  std::vector<uint32_t> positions_;
  // The searchable texts of Nebulas in their order, record I at
  // [searchable_start_[I], searchable_start_[I + 1]); built at the first
  // search after the records or their order changed.
  bool searchable_valid_ = false;
  std::string searchable_;
  std::vector<uint32_t> searchable_start_;
  void BuildSearchable();
};
