#pragma once
// The list's plain computation, as it would be done in every frame: what the
// list view's incremental one is compared with, and measured against.

#include <cstdint>
#include <string_view>

#include "catalogue/cv_nebula.h"

// Sorts the first Count records of Records, then Shown := copies of the
// matching ones in that order when SearchActive, else copies of them all.
void RebuildListLiterally(TNebulas& Records, int32_t Count, TSortType SortType, TDirection Direction,
                          bool SearchActive, std::string_view SearchText, TNebulas& Shown);
