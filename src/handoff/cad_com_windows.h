// AutoCAD through COM automation: the running object of a ProgID, reached
// late-bound by member name. Windows only.
#pragma once

#ifdef _WIN32

#include "handoff/cad_application.h"

namespace footmark {

class ComCadAttacher : public CadAttacher {
 public:
  ComCadAttacher();  // joins the thread to a single-threaded apartment
  ~ComCadAttacher() override;
  ComCadAttacher(const ComCadAttacher&) = delete;
  ComCadAttacher& operator=(const ComCadAttacher&) = delete;
  // GetActiveObject for the ProgID's class; fails when none is running.
  std::unique_ptr<CadApplication> Attach(const std::string& progId) override;

 private:
  bool uninitialize_ = false;
};

}  // namespace footmark

#endif
