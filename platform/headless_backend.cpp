#include "platform/headless_backend.h"

#include <algorithm>
#include <cassert>
#include <cstring>

#include "platform/system_time.h"

namespace platform {

HeadlessBackend::HeadlessBackend() {
  SystemTime start;  // 2000-01-01 00:00:00.000
  utc_ms_ = MsFromSystemTime(start);
}

void HeadlessBackend::SetKey(int vk, bool down) {
  assert(vk >= 1 && vk <= 255 && "virtual-key code out of range");
  if (down && !down_[vk]) tapped_[vk] = true;
  down_[vk] = down;
}

void HeadlessBackend::SetCursor(int x, int y) {
  cursor_x_ = x;
  cursor_y_ = y;
  ClampCursor();
}

void HeadlessBackend::ClampCursor() {
  const int w = open_ ? width_ : 1024;
  const int h = open_ ? height_ : 768;
  cursor_x_ = std::clamp(cursor_x_, 0, w - 1);
  cursor_y_ = std::clamp(cursor_y_, 0, h - 1);
}

void HeadlessBackend::Advance(uint32_t ms) {
  tick_ += ms;  // wraps like the real 32-bit counter
  utc_ms_ += ms;
}

void HeadlessBackend::SetTick(uint32_t tick) { tick_ = tick; }

void HeadlessBackend::SetClock(const SystemTime& utc, int local_offset_minutes) {
  utc_ms_ = MsFromSystemTime(utc);
  local_offset_ms_ = int64_t{local_offset_minutes} * 60000;
}

void HeadlessBackend::SetAvailableMemory(uint64_t bytes) { memory_ = bytes; }

void HeadlessBackend::RequestClose() { close_requested_ = true; }

void HeadlessBackend::Expose() { changed_.Invalidate(); }

void HeadlessBackend::OpenDisplay(const char* title, int width, int height) {
  assert(!open_ && "display opened twice");
  assert(width > 0 && height > 0);
  open_ = true;
  title_ = title != nullptr ? title : "";
  width_ = width;
  height_ = height;
  frame_.clear();
  frame_.reserve(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
  changed_.Reset(width, height);
  ClampCursor();
}

void HeadlessBackend::Present(const uint8_t* frame) {
  assert(open_ && "Present without an open display");
  assert(frame != nullptr);
  // The capacity was reserved when the display opened, so this never allocates.
  frame_.assign(frame, frame + static_cast<size_t>(width_) * static_cast<size_t>(height_) * 4);
  ++frame_count_;
  const RowSpan rows = changed_.Take(frame);
  if (!rows.Empty()) {
    ++shown_count_;
    last_shown_ = rows;
  }
}

void HeadlessBackend::CloseDisplay() { open_ = false; }

void HeadlessBackend::SetCursorPos(int x, int y) {
  SetCursor(x, y);
  ++cursor_moves_;
}

void HeadlessBackend::SetCursorShape(CursorShape shape) { cursor_shape_ = shape; }

SystemTime HeadlessBackend::UtcTime() { return SystemTimeFromMs(utc_ms_); }

SystemTime HeadlessBackend::LocalTime() { return SystemTimeFromMs(std::max<int64_t>(0, utc_ms_ + local_offset_ms_)); }

}  // namespace platform
