// The steps behind DesignCombinedFooting, private to the module: the set
// on its line (line.cpp), the soil and the slab at one size (slab.cpp), the
// bars (bars.cpp), the checks as numbers (strength.cpp) and as rows
// (check_rows.cpp).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "combined/beam.h"
#include "combined/combined_footing.h"

namespace footmark::combined {

// Reported where a ratio has no bound (a resultant off the base, an overlap).
inline constexpr double kUnbounded = 999;

// A column on the footing's line: s along the line, t across it.
struct Column {
  const ColumnInput* input = nullptr;
  double s = 0, t = 0;        // m
  double a = 0, b = 0;        // loaded area (the pedestal if any) along and across, m
  double colA = 0, colB = 0;  // the column itself along and across, mm
  bool pedestal = false;
};

// One combination summed on the line's axes ("shift" moments: a positive
// moment moves the load to +s or +t).
struct Case {
  const Combination* combination = nullptr;
  std::span<const double> N, ML, MT;  // per column, in the line's store
  double sumN = 0;
  double H = 0;  // the vector sum of the horizontal forces, kN
};

struct Line {
  const Settings* settings = nullptr;
  Axis axis = Axis::X;
  std::vector<Column> columns;  // ordered along the line
  std::vector<Case> service, factored, stability;
  std::size_t resultantCase = 0, lengthCase = 0;
  double sR = 0, tR = 0;  // the DL+LL resultant, m
  double areaSum = 0;     // loaded areas, m2
  std::vector<double> caseValues;  // what the cases' N, ML and MT view

  Line() = default;
  Line(Line&&) = default;
  Line& operator=(Line&&) = default;
  Line(const Line&) = delete;  // a copy's cases would view the original's store
  Line& operator=(const Line&) = delete;
};

// Faults that make the input no design at all (C0), in words; empty: valid.
std::string InputFaults(const CombinedInput& in, const Settings& set);
// `h`: the lever (m) that moves the actions' moments from the joints to the
// underside (M_bx + h H_z, M_bz - h H_x); 0 when they are there already.
Line MakeLine(const CombinedInput& in, const Settings& set, double h = 0);

// A size: the footing centred on (sc, tc) of the line.
struct Size {
  double L = 0, B = 0;  // m
  double D = 0;         // mm
  double sc = 0, tc = 0;
};
double Weight(const Line& line, const Size& size);  // footing, pedestals and soil above, kN
double ColumnX(const Line& line, const Size& size, std::size_t i);  // centre from the left end, m
// Moments of a case about the footing's centre, kN m.
double MomentAlong(const Case& c, const Line& line, const Size& size);
double MomentAcross(const Case& c, const Line& line, const Size& size);
double AllowablePressure(const Line& line, const Case& c);  // kN/m2, on the settings' basis

// C1 and C1b under one service case.
struct Bearing {
  double Pt = 0, W = 0, eL = 0, eT = 0, qMax = 0, qAll = 0, u = 0, kern = 0, contact = 1;
};
Bearing BearingUnder(const Line& line, const Size& size, const Case& c);
bool BearingHolds(const Line& line, const Size& size);

// A demand and the factored case it comes from (-1: none).
struct Demand {
  double value = 0;
  int loaded = -1;  // index into the Loaded list
  double x = 0;     // where, m from the left end
};

// A factored case on the footing: its net pressure, the beam, and the
// moments the bars are sized for (Demand::loaded unset).
struct Loaded {
  std::size_t index = 0;  // into line.factored
  NetPressure q;
  Beam beam;
  std::vector<double> zeroShear;
  Demand hog, sag;                // over the column faces and the points of zero shear
  std::vector<double> bandMoment;  // per column
};
Loaded LoadCase(const Line& line, const Size& size, std::size_t index);
// Those pressing on the soil with their resultant on the base. Cases of
// `kept` in full contact at the same L and B are kept: a heavier footing
// leaves them in contact, and their net pressure does not depend on its weight.
std::vector<Loaded> LoadFactored(const Line& line, const Size& size, std::vector<Loaded> kept = {});

// The transverse load of a column across the width, shaped like the net
// pressure there: moment at each face and shear beyond a section at d from it.
struct Transverse {
  double moment = 0;  // kN m, the heavier side
  double shear = 0;   // kN beyond d from the face, the heavier side
  double cantilever = 0;  // face to the long side on the heavier side, m
};
Transverse TransverseLoad(const Line& line, const Size& size, const Loaded& lc, std::size_t column, double dT);

// The bars at one size, chosen with the effective depths they leave.
struct BarChoice {
  double dia = 0;
  int count = 0;
  double spacing = 0, area = 0;
  bool officeSpacing = true;  // c/c reaches the office's least spacing
};
struct Reinforcement {
  double dT = 0, dLb = 0, dLt = 0;  // mm
  Demand hog, sag;                  // along the length, the whole width
  std::vector<Demand> bandMoment;   // per column
  std::vector<Band> bands;
  double topNeed = 0, topMin = 0, bottomNeed = 0, bottomMin = 0;  // mm2
  std::vector<double> bandNeed, bandMin, bandSpan;  // mm2, mm2, mm the bars spread over
  BarChoice top, bottom;
  std::vector<BarChoice> band;
  BarChoice distribution;  // spacing rounded down to 10 mm; count over all stretches
  double distributionRate = 0;  // mm2 per mm required
  std::vector<std::pair<double, double>> distributionStretches;  // m from the left end
  BarChoice topDistribution;
};
Reinforcement Reinforce(const Line& line, const Size& size, const std::vector<Loaded>& cases);
// Whether a moment along the length or in a column band exceeds the limiting
// moment (Annex G-1.1) at this size whatever bars are chosen, and so at every
// smaller depth: a depth the search need not try.
bool BeyondLimitingMoment(const Line& line, const Size& size, const std::vector<Loaded>& cases);

// Steel for Mu (kN m) over b x d (mm) by G-1.1(b); nullopt beyond the limiting moment.
std::optional<double> SteelFor(double Mu, double b, double d, const Settings& set);
double MomentOfSteel(double ast, double b, double d, const Settings& set);  // Mu,R, kN m
double LimitingMoment(double b, double d, const Settings& set);            // Mu,lim, kN m

// The slab's strength at one size: every rated number the depth search
// and the rows read.
struct ShearAtFace {
  bool applies = false;
  double x = 0, d = 0, V = 0, tauV = 0, pt = 0, tauC = 0, u = 0;
  bool top = false;  // the top bars are in tension at the section
  int loaded = -1;
};
struct Perimeter {
  std::vector<std::size_t> columns;
  int sidesDropped = 0;  // 0 interior, 1 edge, 2 corner
  double b0 = 0, d = 0, Vu = 0, tauV = 0, capacity = 0, u = 0;
  int loaded = -1;
};
struct WideShear {
  bool applies = false;
  double width = 0, V = 0, tauV = 0, pt = 0, tauC = 0, u = 0;  // width: the strip beyond the section, m
  int loaded = -1;
};
struct Strength {
  std::vector<ShearAtFace> faces;  // 2 per column, left face first
  WideShear across;                // C6.T
  std::vector<WideShear> bandShear;  // C6.Tb per column
  std::vector<Perimeter> punching;
  std::vector<double> starterLength, starterRoom;  // C17 per column, mm; 0 length: bar not known
  double worst = 0;  // the largest rated u that deepening can cure (so far, when not full)
};
// The shear check that failed the depth search's last trial, tried first at
// the next depth, where it mostly fails again: whether any check fails does
// not depend on the order they are taken in.
struct FirstFailure {
  enum class Kind { None, Punching, Face, Across } kind = Kind::None;
  std::size_t factored = 0;  // the case, into line.factored
  std::size_t item = 0;      // the perimeter, or the face (2 per column, left first)
};
// `full`: every number, the band's shear (a warning) included; otherwise
// the depth search's question only: up to the first check that fails
// (`failure`, when given, is tried first and then says where it was).
Strength Evaluate(const Line& line, const Size& size, const std::vector<Loaded>& cases, const Reinforcement& r,
                  bool full, FirstFailure* failure = nullptr);

// The bends development length asks for at the bar ends, mm (0: straight).
struct Legs {
  double top = 0, bottom = 0;
  std::vector<double> band;
};

// The check rows of the final size.
std::vector<CheckRow> CheckRows(const Line& line, const Size& size, const std::vector<Loaded>& cases,
                                const Reinforcement& r, const Strength& s,
                                const std::vector<checks::FootingPlace>& outside, Legs& legs);

}  // namespace footmark::combined
