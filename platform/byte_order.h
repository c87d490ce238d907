#pragma once
// Little-endian reading and writing of the integers and doubles of the
// program's files (BMP, FNT, ".cvl", settings). Every stored number goes
// through here, so the byte order is decided in one place.

#include <cstdint>
#include <cstring>
#include <string>

namespace le {

inline uint16_t Get16(const void* at) {
  const auto* p = static_cast<const uint8_t*>(at);
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t Get32(const void* at) {
  const auto* p = static_cast<const uint8_t*>(at);
  return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

inline uint64_t Get64(const void* at) {
  const auto* p = static_cast<const uint8_t*>(at);
  return uint64_t{Get32(p)} | (uint64_t{Get32(p + 4)} << 32);
}

inline int32_t GetInt32(const void* at) { return static_cast<int32_t>(Get32(at)); }

inline double GetDouble(const void* at) {
  const uint64_t u = Get64(at);
  double d = 0;
  std::memcpy(&d, &u, sizeof d);
  return d;
}

inline void Put16(void* at, uint16_t v) {
  auto* p = static_cast<uint8_t*>(at);
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

inline void Put32(void* at, uint32_t v) {
  auto* p = static_cast<uint8_t*>(at);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

inline void Put64(void* at, uint64_t v) {
  auto* p = static_cast<uint8_t*>(at);
  for (int i = 0; i < 8; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

// Appending forms for encoders that build a byte string front to back.
inline void AppendInt32(std::string& out, int32_t value) {
  char bytes[4];
  Put32(bytes, static_cast<uint32_t>(value));
  out.append(bytes, 4);
}

inline void AppendDouble(std::string& out, double value) {
  uint64_t u = 0;
  std::memcpy(&u, &value, sizeof u);
  char bytes[8];
  Put64(bytes, u);
  out.append(bytes, 8);
}

}  // namespace le
