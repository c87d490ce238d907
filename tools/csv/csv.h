#pragma once
// RFC 4180 comma-separated values: fields that hold a comma, a quote or a
// line break are quoted and their quotes doubled; lines end in CR LF (a bare
// LF is accepted on reading).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace csv {

struct Row {
  std::size_t Line = 0;  // 1-based line on which the row starts
  std::vector<std::string> Fields;
};

struct ReadResult {
  bool Ok = true;
  std::size_t ErrorLine = 0;
  std::string Error;  // English, for the command line
};

// Splits the whole text into rows; a UTF-8 byte-order mark at the start and
// empty lines are skipped.
ReadResult Read(std::string_view Text, std::vector<Row>& Rows);

// Appends one field, quoted when it must be.
void AppendField(std::string& Out, std::string_view Field);
// Appends a whole row followed by CR LF.
void AppendRow(std::string& Out, const std::vector<std::string>& Fields);

}  // namespace csv
