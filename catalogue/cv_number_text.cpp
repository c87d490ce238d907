#include "catalogue/cv_number_text.h"

#include <cassert>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <system_error>

namespace {

std::size_t SkipBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  return i;
}

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool ParseWholeNumber(std::string_view Text, int32_t& Value) {
  std::size_t i = SkipBlanks(Text);
  bool negative = false;
  if (i < Text.size() && (Text[i] == '+' || Text[i] == '-')) negative = Text[i++] == '-';
  int base = 10;
  if (i < Text.size()) {
    const char c = Text[i];
    if (c == '$' || c == 'x' || c == 'X') {
      base = 16;
      ++i;
    } else if (c == '%') {
      base = 2;
      ++i;
    } else if (c == '&') {
      base = 8;
      ++i;
    } else if (c == '0' && i + 1 < Text.size() && (Text[i + 1] == 'x' || Text[i + 1] == 'X')) {
      base = 16;
      i += 2;
    }
  }
  if (i == Text.size()) return false;
  // The magnitude may reach 2^31 only for a negative number.
  const uint64_t limit = negative ? uint64_t(1) << 31 : (uint64_t(1) << 31) - 1;
  uint64_t magnitude = 0;
  for (; i < Text.size(); ++i) {
    const int digit = DigitValue(Text[i]);
    if (digit >= base) return false;
    magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    if (magnitude > limit) return false;
  }
  Value = negative ? static_cast<int32_t>(-static_cast<int64_t>(magnitude)) : static_cast<int32_t>(magnitude);
  return true;
}

bool ParseRealNumber(std::string_view Text, double& Value) {
  std::size_t i = SkipBlanks(Text);
  const std::size_t sign = i;
  if (i < Text.size() && (Text[i] == '+' || Text[i] == '-')) ++i;
  const std::size_t mantissa = i;
  std::size_t digits = 0;
  // Where the first significant digit stands relative to the point, for
  // telling an overflow from an underflow below.
  long leading_integer = 0;
  long leading_zero_fraction = 0;
  bool significant = false;
  while (i < Text.size() && IsDigit(Text[i])) {
    significant = significant || Text[i] != '0';
    if (significant) ++leading_integer;
    ++i;
    ++digits;
  }
  if (i < Text.size() && Text[i] == '.') {
    ++i;
    while (i < Text.size() && IsDigit(Text[i])) {
      if (!significant && Text[i] == '0') ++leading_zero_fraction;
      significant = significant || Text[i] != '0';
      ++i;
      ++digits;
    }
  }
  if (digits == 0) return false;
  long exponent = 0;
  if (i < Text.size() && (Text[i] == 'e' || Text[i] == 'E')) {
    ++i;
    bool negative_exponent = false;
    if (i < Text.size() && (Text[i] == '+' || Text[i] == '-')) negative_exponent = Text[i++] == '-';
    const std::size_t first = i;
    while (i < Text.size() && IsDigit(Text[i])) {
      if (exponent < 100000) exponent = exponent * 10 + (Text[i] - '0');
      ++i;
    }
    if (i == first) return false;
    if (negative_exponent) exponent = -exponent;
  }
  if (i != Text.size()) return false;

  // from_chars reads no sign; past the sign the text is exactly the syntax
  // checked above.
  const bool negative = sign < mantissa && Text[sign] == '-';
  double magnitude = 0;
  const auto result = std::from_chars(Text.data() + mantissa, Text.data() + Text.size(), magnitude);
  if (result.ec == std::errc::result_out_of_range) {
    const long decimal_exponent = leading_integer > 0 ? exponent + leading_integer : exponent - leading_zero_fraction;
    if (decimal_exponent > 0) return false;
    magnitude = 0;
  } else if (result.ec != std::errc() || result.ptr != Text.data() + Text.size()) {
    return false;
  }
  if (!std::isfinite(magnitude)) return false;
  Value = negative ? -magnitude : magnitude;
  return true;
}

std::size_t FormatThreeDecimals(double Value, char* Buffer) {
  const auto result = std::to_chars(Buffer, Buffer + THREE_DECIMALS_BUFFER, Value, std::chars_format::fixed, 3);
  std::size_t length = static_cast<std::size_t>(result.ptr - Buffer);
  if (Buffer[0] == '-' && length == 6 && std::memcmp(Buffer + 1, "0.000", 5) == 0) {
    std::memmove(Buffer, Buffer + 1, 5);
    length = 5;
  }
  return length;
}

std::string FixedDecimals(double Value, int Decimals) {
  assert(Decimals >= 0 && Decimals <= 17);
  char buffer[THREE_DECIMALS_BUFFER];
  // Room for the largest double with all its decimals.
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, Value, std::chars_format::fixed, Decimals);
  std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string_view::npos) text.remove_prefix(1);
  return std::string(text);
}

std::string ThreeDecimals(double Value) {
  char buffer[THREE_DECIMALS_BUFFER];
  return std::string(buffer, FormatThreeDecimals(Value, buffer));
}

std::string ExactDecimals(double Value) {
  char buffer[THREE_DECIMALS_BUFFER];
  if (std::isfinite(Value)) {
    for (int decimals = 3; decimals <= 17; ++decimals) {
      const auto result = std::to_chars(buffer, buffer + sizeof buffer, Value, std::chars_format::fixed, decimals);
      std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
      double back = 0;
      if (ParseRealNumber(text, back) && std::memcmp(&back, &Value, sizeof back) == 0) return std::string(text);
    }
  }
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, Value);
  return std::string(buffer, static_cast<std::size_t>(result.ptr - buffer));
}
