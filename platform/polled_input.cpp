#include "platform/polled_input.h"

namespace platform {

bool PolledInput::KeyDown(int vk) {
  if (vk < 1 || vk > 255) return false;
  const bool result = down_[vk] || tapped_[vk];
  tapped_[vk] = false;
  return result;
}

void PolledInput::GetCursorPos(int& x, int& y) {
  x = cursor_x_;
  y = cursor_y_;
}

bool PolledInput::TakeCloseRequest() {
  const bool result = close_requested_;
  close_requested_ = false;
  return result;
}

}  // namespace platform
