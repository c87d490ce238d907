#pragma once
// The catalogue as CSV, for cvltool: one header line with fixed column names
// and one record a line, texts in UTF-8, numbers with "." and the shortest
// digits that read back to the same double.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/cv_globals.h"

namespace catalogue_csv {

inline constexpr std::array<std::string_view, 10> kColumns = {
    "number", "name", "ngc", "ra_hours", "dec_degrees", "distance_ly", "magnitude", "type", "picture", "description"};

std::string FormatDouble(double Value);
// The whole text must be one number; the locale plays no part.
bool ParseDouble(std::string_view Text, double& Value);
bool ParseInt32(std::string_view Text, int32_t& Value);

// UTF-8 to a Windows-1250 text of at most 255 bytes; Error says what is wrong
// (a character Windows-1250 lacks, malformed UTF-8, too long).
bool ToShortText(std::string_view Utf8, std::string& Text, std::string& Error);

// The first Count records as CSV. Fails (Error names the record and field)
// when a text holds a byte that is no character of Windows-1250.
bool Export(const TNebulas& Records, int32_t Count, std::string& Out, std::string& Error);

// Records from CSV. Numbers come from the number column, which must then be
// positive and unique on every line, or 1 to N in file order when it is
// empty on every line. Error names the line and the column of the first fault.
bool Import(std::string_view Text, TNebulas& Records, std::string& Error);

}  // namespace catalogue_csv
