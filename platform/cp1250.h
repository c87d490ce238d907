#pragma once
// Windows-1250 is the program's only character set: every text it shows, stores
// or types is a byte string in it. Source files are UTF-8, so literals are
// converted at compile time with the _cp suffix; the rest of the world (file
// names, CSV, replay scripts) is converted at the edges with the functions below.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cp1250 {

// Unicode code point of bytes 128..255; 0 marks the five unassigned bytes.
inline constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0000, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// The byte for a code point, or nothing when Windows-1250 lacks the character.
constexpr std::optional<unsigned char> FromCodePoint(char32_t cp) {
  if (cp < 0x80) return static_cast<unsigned char>(cp);
  for (std::size_t i = 0; i < kHighHalf.size(); ++i)
    if (kHighHalf[i] != 0 && kHighHalf[i] == cp) return static_cast<unsigned char>(0x80 + i);
  return std::nullopt;
}

constexpr char32_t ToCodePoint(unsigned char byte) {
  return byte < 0x80 ? char32_t(byte) : char32_t(kHighHalf[byte - 0x80]);
}

// Decodes one UTF-8 sequence at text[pos]; advances pos. Returns nothing on malformed input.
constexpr std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& pos) {
  if (pos >= text.size()) return std::nullopt;
  auto b0 = static_cast<unsigned char>(text[pos]);
  int extra = b0 < 0x80 ? 0 : (b0 >> 5) == 0x6 ? 1 : (b0 >> 4) == 0xE ? 2 : (b0 >> 3) == 0x1E ? 3 : -1;
  if (extra < 0 || pos + static_cast<std::size_t>(extra) >= text.size()) return std::nullopt;
  char32_t cp = extra == 0 ? b0 : extra == 1 ? (b0 & 0x1F) : extra == 2 ? (b0 & 0x0F) : (b0 & 0x07);
  for (int i = 1; i <= extra; ++i) {
    auto b = static_cast<unsigned char>(text[pos + i]);
    if ((b & 0xC0) != 0x80) return std::nullopt;
    cp = (cp << 6) | (b & 0x3F);
  }
  // Overlong forms, UTF-16 surrogates and values past U+10FFFF are not
  // characters; accepting them would let a "\" or NUL hide in other bytes.
  constexpr char32_t kSmallest[4] = {0, 0x80, 0x800, 0x10000};
  if (cp < kSmallest[extra] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return std::nullopt;
  pos += extra + 1;
  return cp;
}

// Result of converting UTF-8 to Windows-1250: on failure, the byte offset of
// the first character that is malformed or that Windows-1250 cannot hold.
struct Conversion {
  std::string text;
  bool ok = true;
  std::size_t error_offset = 0;
};

Conversion FromUtf8(std::string_view utf8);
std::string ToUtf8(std::string_view cp1250);

// Compile-time literal: "Súbor"_cp is the Windows-1250 byte string, and a
// character outside the set is a compile error.
template <std::size_t N>
struct Literal {
  char bytes[N]{};
  std::size_t size = 0;
  consteval Literal(const char (&utf8)[N]) {
    std::string_view in(utf8, N - 1);
    std::size_t pos = 0;
    while (pos < in.size()) {
      auto cp = DecodeUtf8(in, pos);
      if (!cp) throw "malformed UTF-8 in a Windows-1250 literal";
      auto byte = FromCodePoint(*cp);
      if (!byte) throw "character outside Windows-1250";
      bytes[size++] = static_cast<char>(*byte);
    }
  }
  constexpr std::string_view view() const { return {bytes, size}; }
};

}  // namespace cp1250

template <cp1250::Literal L>
constexpr std::string_view operator""_cp() {
  return L.view();
}

// The same as a std::string. Spelled as a literal of its own because
// clang 14 crashes on a std::string constructed from a _cp literal.
template <cp1250::Literal L>
std::string operator""_cps() {
  return std::string(L.view());
}
