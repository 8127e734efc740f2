// The outputs of a web build: the page's canvas.
#include "presentation/Output.h"
#include "presentation/web/WebOutput.h"

namespace vt {

std::unique_ptr<Output> makeOutput(const std::string& kind) {
  if (kind.empty() || kind == "window" || kind == "web") return std::make_unique<WebOutput>();
  return nullptr;
}

}  // namespace vt
