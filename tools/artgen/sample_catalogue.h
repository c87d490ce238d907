#pragma once
// The sample catalogue's CSV file: RFC 4180 records, UTF-8, with the header
// number,name,ngc,ra_hours,dec_degrees,distance_ly,magnitude,type,picture,description.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace art {

using CsvRow = std::vector<std::string>;

// Splits RFC 4180 text into records of fields (quotes removed, "" unescaped)
// with the tools' CSV reader (tools/csv). A quote inside an unquoted field,
// text after a closing quote, or an unterminated quoted field is an error,
// reported with its line.
bool ParseCsv(std::string_view text, std::vector<CsvRow>& rows, std::string& error);

inline constexpr const char* kCatalogueHeader[] = {"number",      "name",      "ngc",  "ra_hours", "dec_degrees",
                                                   "distance_ly", "magnitude", "type", "picture",  "description"};
inline constexpr size_t kCatalogueColumns = 10;

// The seven type texts, in the order of the program's type enumeration.
inline constexpr const char* kTypeTexts[] = {
    "Planetárna hmlovina", "Pozostatok Supernovy", "Herbigov-Harov objekt", "H1", "H2",
    "Reflexná hmlovina",   "Tmavá hmlovina"};
// Index of a type text in kTypeTexts, or nothing.
std::optional<int> TypeIndex(std::string_view text);

}  // namespace art
