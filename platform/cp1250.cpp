#include "platform/cp1250.h"

namespace cp1250 {

Conversion FromUtf8(std::string_view utf8) {
  Conversion out;
  out.text.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    std::size_t start = pos;
    auto cp = DecodeUtf8(utf8, pos);
    auto byte = cp ? FromCodePoint(*cp) : std::nullopt;
    if (!byte) {
      out.ok = false;
      out.error_offset = start;
      return out;
    }
    out.text.push_back(static_cast<char>(*byte));
  }
  return out;
}

std::string ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char c : text) {
    char32_t cp = ToCodePoint(static_cast<unsigned char>(c));
    // The five unassigned bytes have no character; show them as U+FFFD.
    if (cp == 0 && c != 0) cp = 0xFFFD;
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

}  // namespace cp1250
