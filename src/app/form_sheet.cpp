// FrmFoot's side of the sheet: the plan that shows it, the title data and
// the sheet's settings set in their dialogs, and the drawing "To CAD" sends.
#include <QStatusBar>

#include "app/frm_foot.h"
#include "dxf/drawing_export.h"
#include "dxf/portable_dxf.h"
#include "model/failure.h"
#include "plan/plan_footings.h"

namespace footmark {

void FrmFoot::SetProjectInfo(const ProjectInfo& info) {
  project_.Project = info;
  if (checks_) ShowDesign();
  SaveProject();
}

void FrmFoot::SetSheetSettings(const SheetSettings& settings) {
  project_.Sheet = settings;
  if (checks_) ShowDesign();
  SaveProject();
  // A plan that cannot be cut to the paper and scale set (no gap between
  // footings to cut in) goes on the largest paper at the smallest scale.
  const Sheet& drawn = Plan->Picture().sheet;
  if (!Plan->Footings().empty() && ((settings.paper != Paper::kAuto && drawn.paper != PaperName(settings.paper)) ||
                  (settings.scale != 0 && drawn.scale != settings.scale)))
    statusBar()->showMessage(tr("The plan does not fit the paper and scale set: it is drawn on %1 at 1:%2")
                                 .arg(QString::fromStdString(drawn.paper))
                                 .arg(drawn.scale));
}

void FrmFoot::SetSendMethodDrawing(bool method) {
  sendMethodDrawing->setChecked(method);
  if (project_.SendMethodDrawing == method) return;
  project_.SendMethodDrawing = method;
  SaveProject();
}

void FrmFoot::ShowSheet() {
  try {
    Plan->ShowPlan(ComposePlan(*model_, *checks_, project_.Project, project_.Sheet));
  } catch (const RuntimeFailure& e) {
    Plan->Clear();
    platform_.Boxes.MsgBox(std::string("Run-time error: ") + e.what(), BoxIcon::Failure);
  }
}

// The sheet, composed as the plan shows it, or the method's exact drawing
// when asked for; AutoCAD on Windows opens this file.
void FrmFoot::WriteCadDrawing(const std::string& file) const {
  if (project_.SendMethodDrawing)
    SaveDrawingDxf(*model_, file);
  else
    SavePortableDxf(ComposeSheet(*model_, *checks_, project_.Project, project_.Sheet).drawing, file);
}

// What the stand-in leaves beside the analysis file: a portable drawing
// every DXF viewer draws alike, of the sheet or of the method's drawing.
std::string FrmFoot::CadDrawingText() const {
  return PortableDxfText(project_.SendMethodDrawing ? ComposeDrawing(*model_)
                                                    : ComposeSheet(*model_, *checks_, project_.Project, project_.Sheet).drawing);
}

}  // namespace footmark
