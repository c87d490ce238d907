#include "platform/changed_rows.h"

#include <cassert>
#include <cstring>

namespace platform {

void ChangedRows::Reset(int width, int height) {
  assert(width > 0 && height > 0);
  width_ = width;
  height_ = height;
  shown_.assign(static_cast<size_t>(width) * static_cast<size_t>(height) * 4, 0);
  invalid_ = true;
}

RowSpan ChangedRows::Take(const uint8_t* frame) {
  assert(frame != nullptr && !shown_.empty() && "Take before Reset");
  const size_t row_bytes = static_cast<size_t>(width_) * 4;
  auto row = [&](const uint8_t* base, int y) { return base + static_cast<size_t>(y) * row_bytes; };
  RowSpan span;
  if (invalid_) {
    span = {0, height_};
  } else {
    int first = 0;
    while (first < height_ && std::memcmp(row(frame, first), row(shown_.data(), first), row_bytes) == 0) ++first;
    if (first == height_) return {};
    int last = height_ - 1;
    while (last > first && std::memcmp(row(frame, last), row(shown_.data(), last), row_bytes) == 0) --last;
    span = {first, last - first + 1};
  }
  std::memcpy(shown_.data() + static_cast<size_t>(span.first) * row_bytes, row(frame, span.first),
              static_cast<size_t>(span.count) * row_bytes);
  invalid_ = false;
  return span;
}

}  // namespace platform
