// Analysis files written for the tests: a frame of column lines, each on a
// support, with the echoed joints and members, a BETA command, the reaction
// table and a column design block per member, plus the run every front end
// makes of such a file.
#pragma once

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "model/text_stream.h"
#include "pipeline/pipeline.h"

namespace footmark::testing {

// A support, its reactions and the same column on every storey above it.
struct ColumnLine {
  double fy = 500;               // FORCE-Y of load case 1, kN; later cases carry 80 %
  int width = 300, depth = 450;  // section, mm
  int steel = 800;               // required steel area, mm2
};

struct Frame {
  std::vector<ColumnLine> columns;
  int loadCases = 1;
  int levels = 2;                // floors of column joints, 3.2 m apart
  int xLines = 99, zLines = 99;  // plan lines the columns spread over
  int joints = 0;                // in all; those beyond the columns' stand above the roof
  int roofHeights = 1;           // distinct heights of the joints above the roof
  int members = 0;               // in all; those beyond the columns are beams
  int betaLast = 0;              // "BETA 90 MEMB 1 TO h -", "h+1 TO betaLast" (h = half); 0: none
  int designBlocks = 0;          // in all; those beyond the columns design other members
  int pageEvery = 0;             // a page header after every so many lines; 0: none
  std::string title = "TEST FRAME";
  std::string lineEnd = "\n";    // may carry trailing blanks
};

// printf into a string.
template <class... A>
std::string Format(const char* format, A... args) {
  char buf[160];
  std::snprintf(buf, sizeof buf, format, args...);
  return buf;
}

inline std::string AnalysisText(const Frame& f) {
  std::string out;
  int lines = 0, page = 0, echo = 0;
  const auto line = [&](const std::string& text) {
    out += text + f.lineEnd;
    if (f.pageEvery == 0 || ++lines % f.pageEvery != 0) return;
    const std::string header = "     STAAD SPACE " + f.title + "   -- PAGE NO. " + std::to_string(++page);
    out += f.lineEnd + header + f.lineEnd + f.lineEnd;
  };
  const auto command = [&](const std::string& text) { line(Format("%6d. ", ++echo) + text); };
  // Items of a list, perLine of them to an echoed line, separated by ";".
  const auto list = [&](int count, int perLine, auto item) {
    for (int i = 0; i < count; i += perLine) {
      std::string text = item(i);
      for (int k = i + 1; k < std::min(count, i + perLine); ++k) text += "; " + item(k);
      command(text);
    }
  };
  const int S = static_cast<int>(f.columns.size()), floors = f.levels - 1;
  const int columnJoints = S * f.levels, columnMembers = S * floors;
  // Column k stands on plan lines k % xLines and (37 k + k / xLines) % zLines.
  const auto at = [&](int k, double y) {
    return Format("%.2f %.3f %.2f", k % f.xLines * 3.25, y, (37 * k + k / f.xLines) % f.zLines * 2.75);
  };

  line("    ****  STRUCTURAL ANALYSIS AND DESIGN  ****");
  command("STAAD SPACE " + f.title);
  for (const char* c : {"UNIT METER KN", "JOINT COORDINATES"}) command(c);
  list(std::max(f.joints, columnJoints), 4, [&](int j) {
    const int r = j - columnJoints;  // joints above the roof stand over the columns
    return std::to_string(j + 1) + " " +
           (r < 0 ? at(j % S, j / S * 3.2) : at(r % S, floors * 3.2 + 1.013 + r % f.roofHeights * 0.37));
  });
  command("MEMBER INCIDENCES");
  list(std::max(f.members, columnMembers), 5, [&](int m) {
    if (m < columnMembers) return Format("%d %d %d", m + 1, m + 1, m + 1 + S);  // up to the next floor
    const int b = m - columnMembers, floor = (1 + b % floors) * S, k = b / floors % S;  // a beam to the next column
    return Format("%d %d %d", m + 1, floor + k + 1, floor + (k + 1) % S + 1);
  });
  if (f.betaLast > 0) {
    command("CONSTANTS");
    command(Format("BETA 90 MEMB 1 TO %d -", f.betaLast / 2));
    command(Format("%d TO %d", f.betaLast / 2 + 1, f.betaLast));
  }
  for (const char* c : {"SUPPORTS", "PERFORM ANALYSIS"}) command(c);

  for (const char* heading : {"  SUPPORT REACTIONS -UNIT KN   METE      STRUCTURE TYPE = SPACE", "  -----------------",
                              "  JOINT  LOAD   FORCE-X   FORCE-Y   FORCE-Z     MOM-X     MOM-Y     MOM Z"})
    line(heading);
  for (int k = 0; k < S; ++k)
    for (int c = 1; c <= f.loadCases; ++c)
      line((c == 1 ? Format("%7d", k + 1) : std::string(7, ' ')) +
           Format(" %4d %10.2f %9.2f %9.2f %9.2f %9.2f %9.2f", c, 1.1, f.columns[k].fy * (c == 1 ? 1 : 0.8), -0.5,
                  0.0, 0.02, 0.0));
  line(" ************** END OF LATEST ANALYSIS RESULT **************");

  for (const char* c :
       {"UNIT MMS NEWTON", "START CONCRETE DESIGN", "FC 25 ALL", "FYMAIN 415 ALL", "END CONCRETE DESIGN"})
    command(c);
  for (int b = 1; b <= std::max(f.designBlocks, columnMembers); ++b) {
    const ColumnLine c = b <= columnMembers ? f.columns[(b - 1) % S] : ColumnLine{};
    line(" ======================================================================");
    line(Format("    C O L U M N   N O. %5d   D E S I G N   R E S U L T S", b));
    line(Format("    LENGTH:   3200.0 mm   CROSS SECTION:  %d.0 mm X  %d.0 mm   COVER: 40.0 mm", c.width, c.depth));
    line(Format("    REQD. STEEL AREA   :  %8d.00 Sq.mm.", c.steel));
    line(Format("    TIE REINFORCEMENT  : Provide 8 mm dia. rectangular ties @ %d mm c/c", 150 + b % 4 * 25));
  }
  return out;
}

// The job's design half at an SBC of 200 kN/m2, as both front ends run it.
inline std::unique_ptr<Model> ReadAndDesign(const std::string& text, UserMessages& ui) {
  MemoryFileSystem fs;
  fs.Add("frame.ANL", text);
  auto model = std::make_unique<Model>();
  DesignJob(*model, {.AnalysisFile = "frame.ANL", .Sbc = "200"}, fs, ui);
  return model;
}

}  // namespace footmark::testing
