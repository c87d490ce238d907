#include "tools/artgen/sample_catalogue.h"

namespace art {

bool ParseCsv(std::string_view text, std::vector<CsvRow>& rows, std::string& error) {
  rows.clear();
  CsvRow row;
  std::string field;
  bool quoted = false;      // inside a quoted field
  bool was_quoted = false;  // the current field was quoted and has closed
  int line = 1;
  auto end_field = [&] {
    row.push_back(field);
    field.clear();
    was_quoted = false;
  };
  auto end_row = [&] {
    end_field();
    rows.push_back(row);
    row.clear();
  };
  for (size_t i = 0; i < text.size(); ++i) {
    char ch = text[i];
    if (quoted) {
      if (ch == '"') {
        if (i + 1 < text.size() && text[i + 1] == '"') {
          field.push_back('"');
          ++i;
        } else {
          quoted = false;
          was_quoted = true;
        }
      } else {
        if (ch == '\n') ++line;
        field.push_back(ch);
      }
      continue;
    }
    if (ch == ',') {
      end_field();
    } else if (ch == '\r' || ch == '\n') {
      if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      end_row();
      ++line;
    } else if (ch == '"') {
      if (!field.empty() || was_quoted) {
        error = "stray quote on line " + std::to_string(line);
        return false;
      }
      quoted = true;
    } else {
      if (was_quoted) {
        error = "text after a closing quote on line " + std::to_string(line);
        return false;
      }
      field.push_back(ch);
    }
  }
  if (quoted) {
    error = "unterminated quoted field at line " + std::to_string(line);
    return false;
  }
  // A last record without a line break still counts; a final line break does not add an empty one.
  if (!field.empty() || !row.empty() || was_quoted) end_row();
  return true;
}

std::optional<int> TypeIndex(std::string_view text) {
  for (int i = 0; i < 7; ++i)
    if (text == kTypeTexts[i]) return i;
  return std::nullopt;
}

}  // namespace art
