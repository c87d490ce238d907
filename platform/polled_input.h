#pragma once
// What every backend keeps of the input between two polls of the program:
// the state of the 255 keys (a key that went down and up again before it was
// asked about still reads as down once), the pointer's place on the frame,
// and the desktop's request to close. Only how they are learnt differs.

#include <array>

#include "platform/platform.h"

namespace platform {

class PolledInput : public Backend {
 public:
  bool KeyDown(int vk) final;
  void GetCursorPos(int& x, int& y) final;
  bool TakeCloseRequest() final;

 protected:
  std::array<bool, 256> down_{};
  std::array<bool, 256> tapped_{};  // went down since the last query
  int cursor_x_ = 0;
  int cursor_y_ = 0;
  bool close_requested_ = false;
};

}  // namespace platform
