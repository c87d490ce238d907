#include "tools/artgen/sample_catalogue.h"

#include <utility>

#include "tools/csv/csv.h"

namespace art {

bool ParseCsv(std::string_view text, std::vector<CsvRow>& rows, std::string& error) {
  rows.clear();
  std::vector<csv::Row> read;
  const csv::ReadResult result = csv::Read(text, read);
  if (!result.Ok) {
    error = result.Error + " on line " + std::to_string(result.ErrorLine);
    return false;
  }
  for (csv::Row& row : read) rows.push_back(std::move(row.Fields));
  return true;
}

std::optional<int> TypeIndex(std::string_view text) {
  for (int i = 0; i < 7; ++i)
    if (text == kTypeTexts[i]) return i;
  return std::nullopt;
}

}  // namespace art
