#pragma once
// Sorting the loaded records by one field. The order is the one of a simple
// exchange sort (for I, for J from I: exchange when record J must come before
// record I), equal keys included, but it is computed in O(N log N): see the
// argument in cv_sort.cpp.

#include <cstdint>
#include <vector>

#include "catalogue/cv_globals.h"

// Reorders the first DatabaseInfo.NumberOfItems records of Nebulas. Numbers,
// DatabaseInfo and Modified stay as they are; thumbnails travel along.
void Sort(TSortType SortType, TDirection Direction);

// The same on any sequence of records: reorders its first Count records.
void SortNebulas(TNebulas& Records, int32_t Count, TSortType SortType, TDirection Direction);

// The core. Ranks[i] orders record i: a smaller rank must come first, equal
// ranks are equal keys, and -1 marks a key comparable to none (a NaN), which
// the exchange sort never moves. Order receives, for each final position, the
// original position of the record that ends there.
void ExchangeSortOrder(const std::vector<int32_t>& Ranks, std::vector<int32_t>& Order);
