// The load cases of an analysis file as the analysis defines them: the
// primaries with their load type and title, the combinations with their
// factors, the repeat cases, and every reaction component printed for them.
// Read once from the file's text; the checks take their combinations from
// here (combinations.h) and never parse the file.
#pragma once

#include <string>
#include <vector>

#include "model/model.h"
#include "model/text_stream.h"

namespace footmark::loads {

// The class of a primary: dead (D), imposed (L), seismic (E), wind (W),
// known but not combined (O: temperature, accidental, ...), or none that
// the load type and the title tell for certain (U).
enum class LoadClass { Dead, Live, Seismic, Wind, Other, Unclassified };

// "dead", "live", "seismic", "wind", "other", "unclassified".
const char* ClassText(LoadClass c);

enum class CaseKind { Primary, Combination, Repeat };

// "primary", "combination", "repeat".
const char* KindText(CaseKind k);

// What the checks make of a case: a primary enters the combinations formed
// from the primaries; a combination of the file is a service or a factored
// one by its largest factor (up to 1.1 service, from 1.2 factored).
enum class CaseUse { Primary, Service, Factored, NotUsed };

// "primary", "service", "factored", "not used".
const char* UseText(CaseUse u);

struct CaseFactor {
  int caseNumber = 0;
  double factor = 0;
};

struct LoadCase {
  int number = 0;
  std::string title;
  std::string loadType;  // LOADTYPE as written; empty when the file gives none
  CaseKind kind = CaseKind::Primary;
  bool srss = false;                // LOAD COMB SRSS or ABS: not a linear sum
  std::vector<CaseFactor> pairs;    // combination and repeat case: as written
  std::vector<CaseFactor> factors;  // the same multiplied out onto primaries
  LoadClass loadClass = LoadClass::Unclassified;  // primaries
  CaseUse use = CaseUse::Primary;
  bool lateral = false;  // a combination with a seismic or wind factor
  bool printed = false;  // in the support reaction table
  bool rebuilt = false;  // not printed: superposed from printed primaries
  bool leftOut = false;  // not used by the checks; a warning says why
  int line = 0;          // line of the file that defines it; 0: not in the echoed input
  int inputLine = 0;     // the echoed input's own line number
};

// The six reaction components at a support, as printed (kN, kN m): they act
// on the structure, Y vertical, so the footing takes FORCE-Y downwards.
struct Reaction {
  double fx = 0, fy = 0, fz = 0, mx = 0, my = 0, mz = 0;
  void Add(const Reaction& r, double factor);
};

struct LoadFile {
  std::vector<LoadCase> cases;  // in the order of the echoed input; cases it lacks after them
  std::vector<int> printed;     // case numbers in the order of the reaction table
  int supports = 0;             // supports of the reaction table, numbered 1..supports
  // supports x printed rows, support by support.
  std::vector<Reaction> rows;
  // Input left out or taken otherwise, each naming its line and case.
  std::vector<std::string> warnings;
  // The cases cannot all be classified: the checks take every printed case
  // alike, as the design step does.
  bool fallback = false;

  const Reaction& Row(int support, int index) const {
    return rows[static_cast<std::size_t>((support - 1) * static_cast<int>(printed.size()) + index)];
  }
  const LoadCase* Find(int number) const;
  // Position of a case number among the printed cases; -1 when not printed.
  int PrintedIndex(int number) const;
};

// Reads the echoed load definitions (LOAD, LOAD COMB, REPEAT LOAD) before the
// support reaction table and every row of the table, then classifies the
// primaries and expands the combinations. Never ends the program: what
// cannot be used is left out with a warning.
LoadFile ReadLoads(TextStream& in);

// The reactions the design keeps (FORCE-Y, MOM-X, MOM-Z), for a model whose
// load definitions were not read: every case alike, and a warning says so.
LoadFile DesignReactions(const Model& model);

// "1.5 LC1 + 1.5 LC2 - 1.2 LC3": a combination's factors on the primaries;
// empty for a primary.
std::string FactorText(const LoadCase& c);

// What became of a case in words: "left out", "rebuilt from its primaries",
// "seismic or wind", ...; empty when nothing is to be said.
std::string CaseNote(const LoadCase& c);

// The class of a primary from its LOADTYPE, else from whole words of its title.
LoadClass ClassifyPrimary(const std::string& loadType, const std::string& title);

}  // namespace footmark::loads
