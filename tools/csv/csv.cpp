#include "tools/csv/csv.h"

namespace csv {

ReadResult Read(std::string_view Text, std::vector<Row>& Rows) {
  ReadResult result;
  Rows.clear();
  if (Text.substr(0, 3) == "\xEF\xBB\xBF") Text.remove_prefix(3);

  std::size_t pos = 0;
  std::size_t line = 1;
  auto fail = [&](std::size_t at_line, std::string message) {
    result.Ok = false;
    result.ErrorLine = at_line;
    result.Error = std::move(message);
    return result;
  };
  auto at_line_end = [&](std::size_t p) {
    return p >= Text.size() || Text[p] == '\n' || (Text[p] == '\r' && p + 1 < Text.size() && Text[p + 1] == '\n') ||
           (Text[p] == '\r' && p + 1 == Text.size());
  };
  auto skip_line_end = [&](std::size_t& p) {
    if (p < Text.size() && Text[p] == '\r') ++p;
    if (p < Text.size() && Text[p] == '\n') ++p;
    ++line;
  };

  while (pos < Text.size()) {
    if (at_line_end(pos)) {  // an empty line
      skip_line_end(pos);
      continue;
    }
    Row row;
    row.Line = line;
    while (true) {
      std::string field;
      if (pos < Text.size() && Text[pos] == '"') {
        const std::size_t opened = line;
        ++pos;
        while (true) {
          if (pos >= Text.size()) return fail(opened, "a quoted field is not closed");
          char c = Text[pos++];
          if (c == '"') {
            if (pos < Text.size() && Text[pos] == '"') {
              field.push_back('"');
              ++pos;
              continue;
            }
            break;
          }
          if (c == '\n') ++line;
          field.push_back(c);
        }
        if (!(pos >= Text.size() || Text[pos] == ',' || at_line_end(pos)))
          return fail(line, "a closing quote must end its field");
      } else {
        while (pos < Text.size() && Text[pos] != ',' && !at_line_end(pos)) {
          if (Text[pos] == '"') return fail(line, "a quote inside an unquoted field");
          if (Text[pos] == '\r') return fail(line, "a carriage return inside an unquoted field");
          field.push_back(Text[pos++]);
        }
      }
      row.Fields.push_back(std::move(field));
      if (pos < Text.size() && Text[pos] == ',') {
        ++pos;
        continue;
      }
      skip_line_end(pos);
      break;
    }
    Rows.push_back(std::move(row));
  }
  return result;
}

void AppendField(std::string& Out, std::string_view Field) {
  if (Field.find_first_of(",\"\r\n") == std::string_view::npos) {
    Out.append(Field);
    return;
  }
  Out.push_back('"');
  for (char c : Field) {
    if (c == '"') Out.push_back('"');
    Out.push_back(c);
  }
  Out.push_back('"');
}

void AppendRow(std::string& Out, const std::vector<std::string>& Fields) {
  for (std::size_t i = 0; i < Fields.size(); ++i) {
    if (i > 0) Out.push_back(',');
    AppendField(Out, Fields[i]);
  }
  Out.append("\r\n");
}

}  // namespace csv
