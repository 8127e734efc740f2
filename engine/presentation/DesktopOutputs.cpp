// The outputs of a desktop build.
#include "presentation/Output.h"
#include "presentation/terminal/TerminalOutput.h"
#include "presentation/window/WindowOutput.h"

namespace vt {

std::unique_ptr<Output> makeOutput(const std::string& kind) {
  if (kind.empty() || kind == "window") return std::make_unique<WindowOutput>();
  if (kind == "terminal") return std::make_unique<TerminalOutput>();
  return nullptr;
}

}  // namespace vt
