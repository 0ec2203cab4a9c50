// A CAD application of our own for machines without AutoCAD: it is always
// "running", opens a DXF file by reading it back with our DXF reader, saves
// type 1 as an R12 DXF copy, and its own drawing format is DXF R12 as well, so
// a save without a type writes "<name>.dxf" where "<name>.DWG" was asked for.
// Like AutoCAD it starts with an empty drawing open. Making it visible shows the drawing last saved that way in a viewer.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "handoff/cad_application.h"

namespace footmark {

// Shows a drawing file to the user; an empty function shows nothing.
using DrawingViewer = std::function<void(const std::string& drawingFile)>;

// The desktop's viewer for DXF files, when one is installed.
void OpenInDesktopViewer(const std::string& drawingFile);

struct StandInState;  // the open drawings, shared by everything attached

class CadStandIn : public CadAttacher {
 public:
  explicit CadStandIn(DrawingViewer viewer = OpenInDesktopViewer);
  ~CadStandIn() override;
  // Any ProgID attaches to the same stand-in, which never fails to attach.
  std::unique_ptr<CadApplication> Attach(const std::string& progId) override;
  // "<name>.dxf": the stand-in's own format is DXF.
  std::string SavedFileName(const std::string& drawingFile) const override;
  // What a save in the stand-in's own format writes: off Windows the user
  // gets a drawing every CAD program reads (the portable DXF of the current
  // design) rather than the file AutoCAD would regenerate. Without it, the
  // drawing as opened.
  void SaveOwnFormatAs(std::function<std::string()> drawingText);

 private:
  std::shared_ptr<StandInState> state_;
};

}  // namespace footmark
