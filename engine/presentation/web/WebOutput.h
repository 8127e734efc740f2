// The web output: presents the screen of cells on the page's canvas (the
// element "#canvas"), each character a glyph of the game's own font over
// the background colour, as the window draws it; only the cells that
// changed are drawn again while the frame holds whole cells only. The page
// fits the picture into itself with its proportions kept, centred, the
// rest in the background colour. Keys and the pointer come from the page.
#pragma once

#include "presentation/Output.h"
#include "presentation/web/CanvasPlan.h"
#include "presentation/web/WebInput.h"

namespace vt {

class WebOutput : public Output {
 public:
  WebOutput();
  ~WebOutput() override;

  /// Readies the canvas at the configured size with the configured font,
  /// writing the graphics manager's lines of a failure: no canvas or no
  /// cells to be had, or no font.
  bool open() override;
  void close() override;
  bool isOpen() const override;
  void present(const Screen& frame) override;
  InputSource& getInput() override;

 private:
  bool opened;
  WebInput input;
  CanvasPlan plan;
};

}  // namespace vt
