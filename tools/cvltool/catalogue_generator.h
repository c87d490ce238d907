#pragma once
// Made-up catalogues for benchmarks, tests and trying the program with many
// records: believable Slovak names and designations, many records sharing a
// key (so sorting has ties to settle), positions spread evenly over the whole
// sky, and optionally small pictures for a part of the records.

#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/cv_globals.h"

namespace catalogue_generator {

struct TOptions {
  uint64_t Seed = 1;
  // Share of the records (0 to 1) that get a 32 x 32 picture of their own.
  double ThumbnailFraction = 0.0;
  // Picture file names are PictureStem + "_" + number + ".bmp", relative to
  // the database's folder.
  std::string PictureStem = "gen";
};

// Count records numbered 1 to Count in that order; the same options always
// give the same records. Records with a picture name one, but nothing is
// written here.
TNebulas Generate(int32_t Count, const TOptions& Options);

// The 24-bit BMP file of the picture of a record: a small nebula-like blot
// whose colours follow the record's type, different for every number.
std::string ThumbnailBmp(const TNebula& Record);

// Writes the pictures the records name into Folder (a program path ending in
// a separator, or empty for the current folder). Returns false at the first
// file that cannot be written completely.
bool WriteThumbnails(const TNebulas& Records, std::string_view Folder);

}  // namespace catalogue_generator
