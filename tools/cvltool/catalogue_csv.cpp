#include "tools/cvltool/catalogue_csv.h"

#include <charconv>
#include <cstdio>
#include <map>
#include <system_error>
#include <vector>

#include "platform/cp1250.h"
#include "tools/csv/csv.h"

namespace catalogue_csv {

std::string FormatDouble(double Value) {
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, Value);
  (void)ec;
  return std::string(buffer, end);
}

bool ParseDouble(std::string_view Text, double& Value) {
  if (!Text.empty() && Text.front() == '+') Text.remove_prefix(1);
  if (Text.empty()) return false;
  auto [end, ec] = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
  return ec == std::errc() && end == Text.data() + Text.size();
}

bool ParseInt32(std::string_view Text, int32_t& Value) {
  if (!Text.empty() && Text.front() == '+') Text.remove_prefix(1);
  if (Text.empty()) return false;
  auto [end, ec] = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
  return ec == std::errc() && end == Text.data() + Text.size();
}

bool ToShortText(std::string_view Utf8, std::string& Text, std::string& Error) {
  cp1250::Conversion c = cp1250::FromUtf8(Utf8);
  if (!c.ok) {
    std::size_t pos = c.error_offset;
    auto cp = cp1250::DecodeUtf8(Utf8, pos);
    char what[64];
    if (cp)
      std::snprintf(what, sizeof what, "character U+%04X has no Windows-1250 form", unsigned(*cp));
    else
      std::snprintf(what, sizeof what, "malformed UTF-8 at byte %zu", c.error_offset + 1);
    Error = what;
    return false;
  }
  if (c.text.size() > TShortString::Capacity) {
    Error = "text longer than 255 characters";
    return false;
  }
  Text = std::move(c.text);
  return true;
}

namespace {

bool FromProgramText(const TShortString& Text, std::string& Utf8) {
  for (char c : Text.View())
    if (c != 0 && cp1250::ToCodePoint(static_cast<unsigned char>(c)) == 0) return false;
  Utf8 = cp1250::ToUtf8(Text.View());
  return true;
}

}  // namespace

bool Export(const TNebulas& Records, int32_t Count, std::string& Out, std::string& Error) {
  Out.clear();
  csv::AppendRow(Out, std::vector<std::string>(kColumns.begin(), kColumns.end()));
  std::vector<std::string> fields(kColumns.size());
  for (int32_t i = 0; i < Count; ++i) {
    const TNebula& r = Records[static_cast<std::size_t>(i)];
    fields[0] = std::to_string(r.IndexOfItem);
    fields[2] = std::to_string(r.NGC);
    fields[3] = FormatDouble(r.Rect);
    fields[4] = FormatDouble(r.Dec);
    fields[5] = FormatDouble(r.Distance);
    fields[6] = FormatDouble(r.Magnitude);
    fields[7] = cp1250::ToUtf8(TypeOfNebulaText(r.TypeOfNebula));
    const std::pair<int, const TShortString*> texts[] = {{1, &r.NameOfNebula}, {8, &r.Picture}, {9, &r.Description}};
    for (auto [column, text] : texts) {
      if (!FromProgramText(*text, fields[static_cast<std::size_t>(column)])) {
        Error = "record " + std::to_string(i + 1) + ", " + std::string(kColumns[static_cast<std::size_t>(column)]) +
                ": a byte that is no character of Windows-1250";
        return false;
      }
    }
    csv::AppendRow(Out, fields);
  }
  return true;
}

namespace {

bool ParseType(std::string_view Text, TTypeOfNebula& Type) {
  for (int t = 0; t < TYPE_OF_NEBULA_COUNT; ++t) {
    auto type = static_cast<TTypeOfNebula>(t);
    if (Text == cp1250::ToUtf8(TypeOfNebulaText(type)) || (Text.size() == 1 && Text[0] == char('0' + t))) {
      Type = type;
      return true;
    }
  }
  return false;
}

}  // namespace

bool Import(std::string_view Text, TNebulas& Records, std::string& Error) {
  std::vector<csv::Row> rows;
  csv::ReadResult read = csv::Read(Text, rows);
  if (!read.Ok) {
    Error = "line " + std::to_string(read.ErrorLine) + ": " + read.Error;
    return false;
  }
  if (rows.empty()) {
    Error = "no header line";
    return false;
  }
  if (rows[0].Fields != std::vector<std::string>(kColumns.begin(), kColumns.end())) {
    Error = "line " + std::to_string(rows[0].Line) + ": the header must be";
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
      Error.push_back(c ? ',' : ' ');
      Error.append(kColumns[c]);
    }
    return false;
  }

  TNebulas records;
  records.reserve(rows.size() - 1);
  bool numbered = rows.size() > 1 && !rows[1].Fields.empty() && !rows[1].Fields[0].empty();
  std::map<int32_t, std::size_t> numbers;  // number -> line
  for (std::size_t k = 1; k < rows.size(); ++k) {
    const csv::Row& row = rows[k];
    const std::string at = "line " + std::to_string(row.Line);
    if (row.Fields.size() != kColumns.size()) {
      Error = at + ": " + std::to_string(row.Fields.size()) + " fields, expected " + std::to_string(kColumns.size());
      return false;
    }
    auto bad = [&](std::size_t column, const std::string& what) {
      Error = at + ", column " + std::to_string(column + 1) + " (" + std::string(kColumns[column]) + "): " + what;
      return false;
    };
    const std::vector<std::string>& f = row.Fields;
    TNebula r;
    if (numbered) {
      if (!ParseInt32(f[0], r.IndexOfItem) || r.IndexOfItem <= 0)
        return bad(0, f[0].empty() ? "empty, but earlier lines have numbers" : "not a positive whole number");
      auto [it, fresh] = numbers.emplace(r.IndexOfItem, row.Line);
      if (!fresh) return bad(0, "number " + f[0] + " is already used on line " + std::to_string(it->second));
    } else {
      if (!f[0].empty()) return bad(0, "a number, but the first record has none");
      r.IndexOfItem = static_cast<int32_t>(k);
    }
    std::string text;
    std::string why;
    if (!ToShortText(f[1], text, why)) return bad(1, why);
    r.NameOfNebula = text;
    if (f[2].empty())
      r.NGC = 0;
    else if (!ParseInt32(f[2], r.NGC))
      return bad(2, "not a whole number");
    double* reals[] = {&r.Rect, &r.Dec, &r.Distance, &r.Magnitude};
    for (std::size_t c = 3; c <= 6; ++c)
      if (!ParseDouble(f[c], *reals[c - 3])) return bad(c, "not a number (use \".\" for decimals)");
    if (!ParseType(f[7], r.TypeOfNebula)) return bad(7, "not a kind of nebula (its Slovak name or 0 to 6)");
    if (!ToShortText(f[8], text, why)) return bad(8, why);
    r.Picture = text;
    if (!ToShortText(f[9], text, why)) return bad(9, why);
    r.Description = text;
    records.push_back(std::move(r));
    if (records.size() > static_cast<std::size_t>(MAX_NUMBER_OF_ITEMS)) {
      Error = at + ": too many records";
      return false;
    }
  }
  Records = std::move(records);
  return true;
}

}  // namespace catalogue_csv
