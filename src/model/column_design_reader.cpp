#include "model/column_design_reader.h"

#include <cstdint>
#include <string>

#include "model/failure.h"
#include "model/line_rules.h"
#include "model/numerics.h"

namespace footmark {
namespace {

constexpr std::string_view kColumnHeading = "C O L U M N   N O.";
constexpr std::string_view kDesignStart = "START CONCRETE DESIGN";

// Reads up to the start of the design section. The last unit line before it
// decides the factor that turns the printed strengths into N/mm2: 1 under
// UNIT MMS NEWTON, 1000 under UNIT METER KN (kN/m2). False when the file has
// no design section.
bool FindDesignStart(ReportScan& scan, int& factor) {
  while (!scan.In.AtEndOfStream()) {
    scan.CurrentLine = scan.In.readline();
    if (Contains(scan.CurrentLine, "UNIT MMS NEWTON")) factor = 1;
    if (Contains(scan.CurrentLine, "UNIT METER KN")) factor = 1000;
    if (Contains(scan.CurrentLine, kDesignStart)) return true;
  }
  return false;
}

// Cuts the current line after a marker it holds; false when it has none.
bool CutAfter(ReportScan& scan, std::string_view marker) {
  const auto p = scan.CurrentLine.find(marker);
  if (p == std::string_view::npos) return false;
  scan.CurrentLine.remove_prefix(p + marker.size());
  return true;
}

// FC and FYMAIN may come in either order; a later line overwrites an earlier
// value until both are known. FC is held as a 32-bit whole number, since M35
// written in kN/m2 (35000) is beyond 16 bits before the unit factor.
void ReadGrades(Model& model, ReportScan& scan, int factor) {
  std::int32_t fc = 0;
  double fy = 0;
  while (!scan.In.AtEndOfStream()) {
    scan.CurrentLine = scan.In.readline();
    if (CutAfter(scan, "FYMAIN"))
      fy = LeadingValue(scan.CurrentLine);
    else if (CutAfter(scan, "FC"))
      fc = ToInt32(LeadingValue(scan.CurrentLine));
    if (fc > 0 && fy > 0) break;
  }
  model.Fck = ToInt16(Divide(fc, factor));
  model.Fe = ToInt16(Divide(fy, factor));
}

// One row per "C O L U M N   N O." block, in file order. A forward search
// that meets the next heading returns 0 and leaves the heading current, so
// that heading starts the next block at once.
void ReadColumnBlocks(Model& model, ReportScan& scan, UserMessages& ui) {
  TextStream& in = scan.In;
  int lastHeadingLine = -1;
  for (;;) {
    while (!Contains(scan.CurrentLine, kColumnHeading) && !in.AtEndOfStream()) scan.CurrentLine = in.readline();
    if (!Contains(scan.CurrentLine, kColumnHeading)) return;
    // A heading on the last line of the file starts one block, not endless ones.
    if (in.LineNumber() == lastHeadingLine && in.AtEndOfStream()) return;
    lastHeadingLine = in.LineNumber();
    if (model.NumColumnDesigns == kMaxColumnDesigns)
      throw ProgramEnd("Line " + IntText(lastHeadingLine) + ": more than 3000 column design blocks",
                       lastHeadingLine);
    const int n = ++model.NumColumnDesigns;
    auto& row = model.ColumnDesigns;
    row(n, 1) = ValueAfterMarker(scan, kColumnHeading, false);  // member number
    row(n, 2) = ValueAfterMarker(scan, "LENGTH:", true);
    row(n, 3) = ValueAfterMarker(scan, "CROSS SECTION:", false);
    row(n, 4) = ValueAfterMarker(scan, "X", false);  // the side after the first capital X
    row(n, 5) = ValueAfterMarker(scan, "REQD. STEEL AREA   :", true);
    row(n, 6) = ValueAfterMarker(scan, "TIE REINFORCEMENT  : Provide", true);
    // No tie bar: show the line where the search stopped; the row keeps 0.
    if (row(n, 6) == 0) ui.ShowMessage(std::string(scan.CurrentLine));
    row(n, 7) = ValueAfterMarker(scan, "ties @", false);
  }
}

}  // namespace

float ValueAfterMarker(ReportScan& scan, std::string_view marker, bool searchForward) {
  const auto findMarker = [&] { scan.FoundPos = ToInt16(static_cast<double>(MarkerPos(scan.CurrentLine, marker))); };
  scan.FoundPos = 0;
  if (searchForward) {
    while (scan.FoundPos == 0 && !scan.In.AtEndOfStream()) {
      scan.CurrentLine = scan.In.readline();
      if (Contains(scan.CurrentLine, kColumnHeading)) return 0;
      findMarker();
    }
  } else {
    findMarker();
  }
  // 1-based start of the window; a marker that is not found leaves it at the
  // marker's own length.
  const std::size_t start = static_cast<std::size_t>(scan.FoundPos) + marker.size();
  const std::string_view line = scan.CurrentLine;
  const std::string_view window =
      start >= 1 && start - 1 < line.size() ? line.substr(start - 1, 10) : std::string_view{};
  return Sng(LeadingValue(window));
}

void ReadColumnDesign(Model& model, const FileSystem& fs, UserMessages& ui) {
  TextStream in = fs.OpenTextFile(model.AnlFilePath);
  ReportScan scan{in, {}, 0};
  int factor = 0;
  const bool designed = FindDesignStart(scan, factor);
  if (!designed) {
    ui.ShowMessage("NO START CONCRETE DESIGN");
    model.Fck = 0;
    model.Fe = 0;
  } else if (factor == 0) {
    const int n = in.LineNumber();
    throw ProgramEnd("Line " + IntText(n) +
                         ": no unit line (\"UNIT MMS NEWTON\" or \"UNIT METER KN\") before \"START CONCRETE "
                         "DESIGN\", so the concrete and steel grades have no unit",
                     n);
  } else {
    ReadGrades(model, scan, factor);
  }
  ui.SetCaption(StatusLabel::LabFckFe,
                "Fck " + IntText(model.Fck) + "     Fe " + IntText(model.Fe) + " N/mm2");
  model.NumColumnDesigns = 0;
  if (designed) ReadColumnBlocks(model, scan, ui);
  in.Close();
}

}  // namespace footmark
