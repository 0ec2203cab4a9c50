// One rectangular combined footing under two or three columns on a grid
// line (IS 456:2000, limit state): its size, its bars, its shear and moment
// diagrams and every check with its governing combination. The footing is
// centred on the resultant of DL+LL, its length picked for the least
// moment, its width from the soil, its depth from the slab's strength.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checks/check_result.h"
#include "checks/clearance.h"
#include "combined/combined_input.h"

namespace footmark::combined {

enum class Face { Top, Bottom };

// One set of bars of the schedule.
struct BarSet {
  std::string name;  // "top", "bottom", "band 1", "distribution", "top distribution"
  Face face = Face::Bottom;
  bool longitudinal = true;  // along the length; false: across it
  int count = 0;
  double dia = 0;            // mm
  double spacing = 0;        // centre to centre, mm
  double length = 0;         // one bar, straight length plus the legs, m
  double leg = 0;            // bend at each end, mm; 0: straight
  double from = 0, to = 0;   // the stretch of the length it covers, m from the left end
  // mm2 over the set's width; for the distribution bars mm2 per mm.
  double required = 0, minimum = 0, provided = 0;
  double mass = 0;  // kg
};

// A column band: the transverse bars under one column.
struct Band {
  int column = 0;            // 1 .. n along the line
  double from = 0, to = 0;   // m from the left end
  double width = 0;          // mm
};

struct KeyPoint {
  std::string what;  // "C1 outer face", "zero shear", "contraflexure", "right end"
  double x = 0;      // m from the left end
  double shearLeft = 0, shearRight = 0;  // kN; they differ at a column centre
  double moment = 0;                     // kN m, sagging positive
};

struct DiagramPoint {
  double x = 0, shear = 0, moment = 0;
};

// Shear and moment along the length under one factored combination.
struct BeamDiagram {
  std::string combination;
  std::vector<KeyPoint> keys;
  std::vector<DiagramPoint> samples;  // for plotting; both sides of each column centre
  double endShear = 0, endMoment = 0;  // V(L), M(L): zero when the pressure balances the loads
};

// One candidate of the length search under the factored DL+LL.
struct LengthTrial {
  double L = 0;                   // m
  double hogging = 0, sagging = 0;  // the largest of each, kN m
  bool clashes = false;           // the rectangle runs into an outside footing
  bool operator==(const LengthTrial&) const = default;
};

// A check as the isolated footings' are kept (its governing combination in
// check.combination, empty where none enters).
struct CheckRow {
  checks::Check check;
};

struct CombinedFooting {
  std::string mark;  // CF1, CF2, ...; empty when the set is not designed
  std::vector<int> supports, joints;  // along the line
  Axis axis = Axis::X;
  double gridLine = 0;      // the shared grid coordinate across the line, m
  double L = 0, B = 0;      // m
  double D = 0;             // mm
  double centreX = 0, centreZ = 0;  // plan, m
  std::vector<double> columnAt;     // column centres from the left end, m
  std::vector<double> pedestals;    // each column's pedestal side along the line order, mm; 0: none
  double overhangStart = 0, overhangEnd = 0;  // from the end columns' centres, m
  double dT = 0, dLb = 0, dLt = 0;  // effective depths, mm
  std::vector<BarSet> bars;
  std::vector<Band> bands;
  std::vector<LengthTrial> lengthSearch;
  // The factored DL+LL and each combination that governs a moment or a
  // shear along the length.
  std::vector<BeamDiagram> diagrams;
  std::vector<CheckRow> checks;       // C0 first
  checks::Verdict verdict = checks::Verdict::NotDesigned;
  std::string reason;  // not designed: why (the recommendation); fails: the failing checks
  int governing = -1;  // index into checks
  double governingUtilisation = 0;
  int warnings = 0;
  double concrete = 0, steel = 0;  // m3, kg
  // Supports outside the set that the rectangle still overlaps or nearly
  // touches: the set takes them in and is designed again.
  std::vector<int> joining;

  const CheckRow* Find(std::string_view id) const;
};

// Designs the combined footing of one set. `outside` holds every other
// footing in plan: lengths whose rectangle would run into one are passed
// over, and the final rectangle is checked against them (C20, `joining`).
CombinedFooting DesignCombinedFooting(const CombinedInput& input, const Settings& settings,
                                      const std::vector<checks::FootingPlace>& outside);

// The design of one set in two halves: its size (the length search, the
// depth and the width), which is all the rounds of combining read, and the
// rest (checks, bars, diagrams, quantities), made only for a footing kept.
class SizedFooting {
 public:
  SizedFooting(CombinedInput input, const Settings& settings, const std::vector<checks::FootingPlace>& outside);
  SizedFooting(SizedFooting&&) noexcept;
  SizedFooting& operator=(SizedFooting&&) noexcept;
  ~SizedFooting();

  const CombinedInput& Input() const;
  const Settings& SettingsUsed() const;
  // Members, size, plan and the supports it runs into; the checks hold C0
  // only, and a designed footing reads verdict Ok until it is finished.
  const CombinedFooting& Sized() const;
  // The same footing among other footings round it, sized only: when its
  // length search passes over the same lengths there, the supports it runs
  // into taken anew; none when the lengths differ and the set must be
  // designed again.
  std::optional<CombinedFooting> AmongOthers(const std::vector<checks::FootingPlace>& outside) const;
  // The whole design among `outside`, as DesignCombinedFooting makes it. The
  // first is kept: later ones take only the clearance (C20) anew.
  CombinedFooting Finished(const std::vector<checks::FootingPlace>& outside) const;

 private:
  struct State;
  std::unique_ptr<State> state_;  // one place: the line points into it
};

}  // namespace footmark::combined
