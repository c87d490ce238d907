#pragma once
// Which rows of a frame differ from the frame last shown on the display. A
// program at rest draws the same picture frame after frame; showing it again
// costs an upload and a redraw of the whole window for nothing, so a backend
// shows only frames that changed, and of those only the rows that changed.

#include <cstdint>
#include <vector>

namespace platform {

struct RowSpan {
  int first = 0;  // the first changed row
  int count = 0;  // rows from first on; 0 when nothing changed
  bool Empty() const { return count == 0; }
};

class ChangedRows {
 public:
  // Sizes the copy of the shown frame (the only allocation) and marks the
  // display as holding nothing, so that the next frame is shown whole.
  void Reset(int width, int height);
  // The display lost its picture (exposed, resized, restored): the next
  // frame is shown whole even when it did not change.
  void Invalidate() { invalid_ = true; }
  // Compares a width x height x 4-byte frame with the last shown one and
  // remembers it as shown. Returns the span of rows that differ (every row
  // after Reset or Invalidate).
  RowSpan Take(const uint8_t* frame);

 private:
  int width_ = 0;
  int height_ = 0;
  bool invalid_ = true;
  std::vector<uint8_t> shown_;
};

}  // namespace platform
