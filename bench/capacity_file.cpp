#include "bench/capacity_file.h"

#include <cstdio>
#include <string>
#include <vector>

#include "model/text_stream.h"
#include "pipeline/pipeline.h"

namespace footmark::bench {

namespace {

constexpr int kColumns = 200;     // one support under each
constexpr int kLevels = 11;       // 2200 column joints
constexpr int kLoadCases = 35;
constexpr int kDesignBlocks = 3000;
constexpr int kSections = 4;

struct Echo {
  std::string text;
  int line = 0;
  void Add(const std::string& command) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%6d. ", ++line);
    text += buf + command + "\r\n";
  }
};

// Column k stands at plan indices spread over 99 lines in each direction.
int XIndex(int k) { return k % 99; }
int ZIndex(int k) { return (k * 37 + k / 99) % 99; }
// Besides the 11 floor levels, 218 joints of roof structures (stair and lift
// rooms, water tanks) stand
// at 88 heights above the roof where no column stands: 99 levels in all.
constexpr int kExtraJoints = 218;
constexpr int kExtraHeights = 88;

}  // namespace

std::unique_ptr<Model> DesignCapacityBuilding(std::optional<std::string> sbc) {
  static const MemoryFileSystem files = [] {
    MemoryFileSystem f;
    f.Add("capacity.ANL", CapacityAnalysisFile());
    return f;
  }();
  auto model = std::make_unique<Model>();
  QuietMessages ui;
  DesignJob(*model, {.AnalysisFile = "capacity.ANL", .Sbc = std::move(sbc)}, files, ui);
  return model;
}

std::string CapacityAnalysisFile() {
  Echo e;
  e.text = "\r\n    ****  STRUCTURAL ANALYSIS  ****\r\n\r\n";
  e.Add("STAAD SPACE CAPACITY BUILDING");
  e.Add("UNIT METER KN");
  e.Add("JOINT COORDINATES");
  char buf[256];
  for (int l = 0; l < kLevels; ++l) {
    std::string line;
    for (int k = 0; k < kColumns; ++k) {
      const int joint = l * kColumns + k + 1;
      std::snprintf(buf, sizeof buf, "%d %.2f %.2f %.2f;", joint, XIndex(k) * 3.25, l * 3.2, ZIndex(k) * 2.75);
      line += buf;
      if (k % 4 == 3) {
        e.Add(line);
        line.clear();
      }
    }
  }
  std::vector<bool> taken(99 * 99, false);
  for (int k = 0; k < kColumns; ++k) taken[static_cast<std::size_t>(XIndex(k) * 99 + ZIndex(k))] = true;
  for (int i = 0, extra = 0; extra < kExtraJoints; ++i) {
    const int x = (i * 7) % 99, z = (i * 13 + i / 99 + 50) % 99;
    if (taken[static_cast<std::size_t>(x * 99 + z)]) continue;
    taken[static_cast<std::size_t>(x * 99 + z)] = true;
    std::snprintf(buf, sizeof buf, "%d %.2f %.3f %.2f", kLevels * kColumns + extra + 1, x * 3.25,
                  33.013 + (extra % kExtraHeights) * 0.37, z * 2.75);
    e.Add(buf);
    ++extra;
  }
  e.Add("MEMBER INCIDENCES");
  int member = 0;
  for (int l = 1; l < kLevels; ++l) {
    std::string line;
    for (int k = 0; k < kColumns; ++k) {
      const int lower = (l - 1) * kColumns + k + 1;
      std::snprintf(buf, sizeof buf, "%d %d %d;", ++member, lower, lower + kColumns);
      line += buf;
      if (k % 5 == 4) {
        e.Add(line);
        line.clear();
      }
    }
  }
  e.Add("CONSTANTS");
  e.Add("BETA 90 MEMB 1 TO 50 -");
  e.Add("201 TO 250");
  e.Add("SUPPORTS");
  // Eight primaries and 27 combinations of them define the 35 load cases.
  const char* const primaries[] = {"Dead TITLE DEAD LOAD", "Dead TITLE FLOOR FINISH", "Live TITLE LIVE LOAD",
                                   "Roof Live TITLE ROOF LIVE", "Seismic TITLE EQ X", "Seismic TITLE EQ Z",
                                   "Wind TITLE WL X", "Wind TITLE WL Z"};
  for (int p = 0; p < 8; ++p) {
    e.Add("LOAD " + std::to_string(p + 1) + " LOADTYPE " + primaries[p]);
    e.Add("SELFWEIGHT Y -1");
  }
  for (int c = 9; c <= kLoadCases; ++c) {
    const int lateral = 5 + c % 4;
    const char* const factors[] = {"1.5", "1.2", "0.9"};
    const std::string f = factors[c % 3], x = c % 2 ? "1.5" : "-1.5";
    e.Add("LOAD COMB " + std::to_string(c) + " COMBINATION " + std::to_string(c));
    e.Add("1 " + f + " 2 " + f + (c % 3 == 2 ? "" : " 3 " + f + " 4 " + f + " -"));
    e.Add(std::to_string(lateral) + " " + x);
  }
  e.Add("PERFORM ANALYSIS");

  e.text += "\r\n  SUPPORT REACTIONS -UNIT KN   METE      STRUCTURE TYPE = SPACE\r\n";
  e.text += "  -----------------\r\n\r\n  JOINT  LOAD   FORCE-X   FORCE-Y   FORCE-Z     MOM-X     MOM-Y     MOM Z\r\n\r\n";
  for (int k = 0; k < kColumns; ++k) {
    for (int c = 1; c <= kLoadCases; ++c) {
      const double fy = 300.0 + (k % 23) * 45.0 + c * 3.5 - (c == kLoadCases && k % 50 == 0 ? 2000.0 : 0.0);
      const double mx = (k % 7) * 1.5 - c * 0.25;
      const double mz = (k % 5) * -2.0 + c * 0.5;
      if (c == 1)
        std::snprintf(buf, sizeof buf, "%7d %4d %10.2f %9.2f %9.2f %9.2f %9.2f %9.2f\r\n", k + 1, c, 1.1, fy, -0.5,
                      mx, 0.02, mz);
      else
        std::snprintf(buf, sizeof buf, "        %4d %10.2f %9.2f %9.2f %9.2f %9.2f %9.2f\r\n", c, 1.1, fy, -0.5, mx,
                      0.02, mz);
      e.text += buf;
    }
  }
  e.text += "\r\n ************** END OF LATEST ANALYSIS RESULT **************\r\n\r\n";
  e.Add("UNIT MMS NEWTON");
  e.Add("START CONCRETE DESIGN");
  e.Add("CODE INDIAN");
  e.Add("FC 25 ALL");
  e.Add("FYMAIN 415 ALL");
  e.Add("END CONCRETE DESIGN");

  static const char* const sides[kSections][2] = {{"300.0", "450.0"}, {"230.0", "450.0"}, {"300.0", "600.0"},
                                                  {"400.0", "400.0"}};
  for (int b = 1; b <= kDesignBlocks; ++b) {
    const int k = (b - 1) % kColumns;
    const int section = k % kSections;
    const double steel = 800.0 + ((b - 1) / kColumns % 3) * 400.0 + (k % 3) * 150.0;
    const int spacing = 150 + (b % 4) * 25;
    e.text += " ======================================================================\r\n\r\n";
    std::snprintf(buf, sizeof buf, "    C O L U M N   N O. %5d   D E S I G N   R E S U L T S\r\n\r\n", b);
    e.text += buf;
    e.text += "    M25                      Fe415 (Main)             Fe415 (Sec.)\r\n\r\n";
    std::snprintf(buf, sizeof buf,
                  "    LENGTH:   3200.0 mm   CROSS SECTION:  %s mm X  %s mm   COVER: 40.0 mm\r\n\r\n",
                  sides[section][0], sides[section][1]);
    e.text += buf;
    std::snprintf(buf, sizeof buf, "    REQD. STEEL AREA   :  %10.2f Sq.mm.\r\n", steel);
    e.text += buf;
    e.text += "    MAIN REINFORCEMENT : Provide   8 - 16 dia. (1.19%,   1608.50 Sq.mm.)\r\n";
    std::snprintf(buf, sizeof buf, "    TIE REINFORCEMENT  : Provide 8 mm dia. rectangular ties @ %d mm c/c\r\n\r\n",
                  spacing);
    e.text += buf;
  }
  return e.text;
}

}  // namespace footmark::bench
