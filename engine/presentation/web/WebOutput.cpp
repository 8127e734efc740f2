#include "presentation/web/WebOutput.h"

#include "core/Config.h"
#include "core/FileAccess.h"
#include "core/LogManager.h"
#include "presentation/GraphicsManager.h"
#include "presentation/web/Canvas.h"

namespace vt {

namespace {
const char* const CANVAS = "#canvas";
}  // namespace

WebOutput::WebOutput() : opened(false) {}

WebOutput::~WebOutput() { close(); }

bool WebOutput::open() {
  LogManager& log = LogManager::getInstance();
  const Config& config = Config::getInstance();
  int width = config.getWindowHorizontalPixels(), height = config.getWindowVerticalPixels();
  int columns = config.getWindowHorizontalChars(), rows = config.getWindowVerticalChars();
  if (width <= 0 || height <= 0 || columns <= 0 || rows <= 0 || !vt_canvas_exists()) {
    log.writeLog("GraphicsLayer::startUp(): Unable to alloate window!");
    return false;
  }
  log.writeLog(5, "GraphicsManager::startUp(): Window resolution (%d, %d) pixels",
               vt_canvas_screen_width(), vt_canvas_screen_height());
  std::string font;
  bool font_read = readFile(config.getFontFile(), MAX_FONT_BYTES, font).empty();
  if (!font_read ||
      vt_canvas_open(width, height, columns, rows, static_cast<int>(glyphSize()),
                     static_cast<int>(colorRGB(config.getWindowBackgroundColor())), font.data(),
                     static_cast<int>(font.size()), config.getWindowTitle().c_str(),
                     config.getShowMouse()) != 0) {
    log.writeLog("GraphicsManager::startUp(): Unable to load font from file '%s'.",
                 config.getFontFile().c_str());
    return false;
  }
  input.listen(CANVAS, width, height);
  plan.invalidate();
  opened = true;
  return true;
}

void WebOutput::close() {
  if (!opened) return;
  input.stop();
  vt_canvas_close();
  opened = false;
}

bool WebOutput::isOpen() const { return opened; }

void WebOutput::present(const Screen& frame) {
  if (!opened) return;
  // A canvas resized, or its font just ready, shows nothing known.
  if (vt_canvas_take_dirty()) plan.invalidate();
  plan.plan(frame);
  if (plan.isWhole()) {
    vt_canvas_whole(plan.getOps().data(), static_cast<int>(plan.getOps().size()));
  } else if (!plan.getChanged().empty()) {
    vt_canvas_cells(plan.getGrid().data(), plan.getChanged().data(),
                    static_cast<int>(plan.getChanged().size()));
  }
}

InputSource& WebOutput::getInput() { return input; }

}  // namespace vt
