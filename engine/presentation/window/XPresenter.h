// Shows a picture made in memory on an X window, through an image in
// memory shared with the X server: putting a part of the picture on the
// window costs the program no copy. Used for pictures whose pixels the
// engine composes itself; only a display with the shared-memory extension
// and a window of 32-bit red-green-blue pixels takes it. Internal to the
// window output.
#pragma once

#include <cstdint>
#include <vector>

namespace vt {

/// A rectangle of pixels: its left and top, excluding its right and bottom.
struct PixelRect {
  int left;
  int top;
  int right;
  int bottom;
};

class XPresenter {
 public:
  XPresenter();
  ~XPresenter();
  XPresenter(const XPresenter&) = delete;
  XPresenter& operator=(const XPresenter&) = delete;

  /// Connects to the display named by DISPLAY and makes a width by height
  /// image for the window with that id; false, and closed, when the display
  /// or the window cannot take it.
  bool open(unsigned long window, int width, int height);

  void close();
  bool isOpen() const;

  /// The image's pixels as 0x00RRGGBB, row after row, getStride() apart.
  std::uint32_t* getPixels();
  int getStride() const;

  /// Puts the rectangles of the image on the window and waits until the
  /// server has taken them, so that the image may change again; false when
  /// the server refused (the window is gone).
  bool put(const std::vector<PixelRect>& rects);

  /// Whether the window lost some of its content since the last call.
  bool exposed();

 private:
  struct State;
  State* p_state;
};

}  // namespace vt
