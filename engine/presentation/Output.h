// Where the screen of cells is shown: a window, a terminal, a web page. The
// graphics manager draws each frame into a screen and hands it to its
// output, which presents it in its own way and brings its own input. Each
// output is the only part of the engine that names its library.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "presentation/Screen.h"
#include "world/Vector.h"

namespace sf {
class RenderWindow;
}

namespace vt {

class InputSource;

/// The most bytes a font file may hold; the largest fonts are a few tens
/// of megabytes.
const std::uint64_t MAX_FONT_BYTES = 64 << 20;

class Output {
 public:
  virtual ~Output() = default;

  /// Opens the output as the configuration says, logging its start-up;
  /// false, with what failed logged, when it cannot be had.
  virtual bool open() = 0;

  /// Why the last open() failed, in a few words for the player (say,
  /// "DISPLAY is not set"); empty when it did not.
  virtual std::string getProblem() const { return ""; }

  /// Closes the output; it may be opened again.
  virtual void close() = 0;

  virtual bool isOpen() const = 0;

  /// Shows frame, whose drawing is done, and readies the next one.
  virtual void present(const Screen& frame) = 0;

  /// Where whatever is drawn on the output itself next must come after
  /// frame's characters so far, which the window puts on itself at once.
  virtual void flush(const Screen& frame) { (void)frame; }

  /// Draws frame's last shape, after the characters drawn before it; an
  /// output that presents whole frames draws it then.
  virtual void drawShape(const Screen& frame) { (void)frame; }

  /// The output's keys, mouse and close requests.
  virtual InputSource& getInput() = 0;

  /// The window, for the window output; null for the others.
  virtual sf::RenderWindow* getWindow() const { return nullptr; }

  /// Fits the picture into the output, now width by height pixels.
  virtual void fit(unsigned width, unsigned height) {
    (void)width;
    (void)height;
  }

  /// A pixel of the output as a pixel of the picture, which the output may
  /// show larger or smaller.
  virtual Vector toPicture(int x, int y) const {
    return Vector(static_cast<float>(x), static_cast<float>(y));
  }
};

/// A new output of the kind named ("window", the default, or "terminal");
/// null for a kind this build has none of.
std::unique_ptr<Output> makeOutput(const std::string& kind);

}  // namespace vt
