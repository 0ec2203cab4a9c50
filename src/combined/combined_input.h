// What the design of one combined footing reads: its columns in plan, their
// reactions in every combination of the load basis, and the project's
// settings. Plain numbers, so that a hand example and the model fill it alike.
#pragma once

#include <string>
#include <vector>

namespace footmark::combined {

// The plan axis the columns of a set line up along.
enum class Axis { X, Z };

// The actions of one support in one combination: the reaction as the
// analysis prints it, at the joint; the design moves the moments to the
// underside, h below it (M_bx = MOM-X + h FORCE-Z, M_bz = MOM-Z - h FORCE-X;
// CombinedInput::leverIsDepth, jointHeight). N is FORCE-Y, compression positive.
struct Action {
  double N = 0;             // kN
  double Mbx = 0, Mbz = 0;  // kN m
  double Hx = 0, Hz = 0;    // FORCE-X, FORCE-Z, kN
  bool operator==(const Action&) const = default;
};

struct Combination {
  std::string name;
  // The factor on the dead load: it carries the weight of footing and soil
  // into the factored contact pressure, and resists in stability cases.
  double deadFactor = 1;
  bool lateral = false;  // an earthquake or wind case: the SBC is increased
  // Stability cases only: the factor on the horizontal force for sliding
  // (1.4, IS 456 20.2); 0 makes it an overturning and uplift case.
  double slidingFactor = 0;
  std::vector<Action> actions;  // one per column, in the order of the columns
  bool operator==(const Combination&) const = default;
};

struct ColumnInput {
  int support = 0, joint = 0;
  double x = 0, z = 0;              // plan centre, offsets included, m
  double gridX = 0, gridZ = 0;      // its grid point, m
  double columnX = 0, columnZ = 0;  // column sides along X and Z, mm
  double pedestalX = 0, pedestalZ = 0;  // pedestal sides, mm; 0: no pedestal
  double pedestalHeight = 0;        // m; 0: not known
  double barDia = 0;                // the column's bars, continued as starters, mm; 0: not known
  double fckColumn = 0;             // N/mm2; 0: the footing's grade
  bool operator==(const ColumnInput&) const = default;
};

// Project settings, with the office's defaults.
struct Settings {
  double fck = 25, fy = 415;  // N/mm2
  double sbc = 0;             // safe bearing capacity, kN/m2
  bool netSbc = false;        // the SBC is net: q - gamma_s Df is compared with it
  double lateralIncrease = 0.25;  // on the SBC in earthquake and wind cases
  double foundingDepth = 1.5;     // Df, m
  double soilWeight = 18, concreteWeight = 25;  // kN/m3
  double endProjection = 0.15;    // p_min beyond the end columns' outer faces, m
  double bandRule = 0.75;         // a column band reaches this many d_T beyond the faces
  double combiningGap = 0.1;      // face to face gaps below it are combined, m
  double clearanceGap = 0.1;      // corner gaps below it are a warning, m
  int maxColumns = 3;             // the most columns one combined footing takes
  double officeMinSpacing = 125;  // the office's least bar spacing c/c, mm
  double cover = 50;              // clear cover on every face, mm (26.4.2.2)
  double aggregate = 20;          // nominal maximum size, mm
  double minGrade = 25;           // the exposure's least grade (Table 5)
  double friction = 0.5;          // concrete on soil
  double subgradeModulus = 0;     // k_s, kN/m3; 0: not known, the rigid method is assumed
  double maxDepth = 3000;         // the depth search gives up beyond it, mm
  bool operator==(const Settings&) const = default;
};

struct CombinedInput {
  Axis axis = Axis::X;
  std::vector<ColumnInput> columns;  // any order; the design sorts them along the line
  std::vector<Combination> service, factored, stability;
  std::size_t resultantCase = 0;  // the service DL+LL, whose resultant the footing is centred on
  std::size_t lengthCase = 0;     // the factored 1.5(DL+LL) the length is chosen with
  // Set when the joints stand on the footing's top: the lever is h = D, the
  // footing's own depth, found with it. Unset, it is jointHeight (m); 0 when
  // the actions are given at the underside already.
  bool leverIsDepth = false;
  double jointHeight = 0;
  // Set when the load basis fell back to the method's convention (every
  // case alike): the warning the checks repeat.
  std::string loadWarning;
  bool operator==(const CombinedInput&) const = default;
};

}  // namespace footmark::combined
