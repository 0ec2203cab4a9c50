#include <memory>

#include "handoff/cad_application.h"
#include "handoff/cad_com_windows.h"
#include "handoff/cad_standin.h"

namespace footmark {

std::unique_ptr<CadAttacher> PlatformCadAttacher() {
#ifdef _WIN32
  return std::make_unique<ComCadAttacher>();
#else
  return std::make_unique<CadStandIn>();
#endif
}

}  // namespace footmark
