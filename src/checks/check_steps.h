// The single checks behind CheckFooting, in three files: the strength of the
// slab and the soil (strength_checks.cpp), the detailing and the load
// transfer (detailing_checks.cpp), contact, stability and clearance
// (stability_checks.cpp). Private to the module.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "checks/check_result.h"
#include "checks/footing_check.h"

namespace footmark::checks {

// What every check reads, worked out once from valid inputs (C0 passed).
struct Basis {
  double qu = 0;       // factored pressure, N/mm2
  double a = 0;        // cantilever from the pedestal face, mm
  double dMethod = 0;  // D - 60, the design's effective depth, mm
  double dLow = 0;     // D - c - phi/2, the lower layer, mm
  double dUp = 0;      // D - c - 1.5 phi, the upper layer, mm
  double Mu = 0;       // factored moment at the pedestal face, N mm (1.5 q)
  double MuStrict = 0; // the same on the load basis (without it: Mu)
  double barArea = 0;  // mm2
  double kLim = 0;     // Mu,lim / (fck b d^2)
};
Basis MakeBasis(const FootingInputs& in);

using Sheet = std::vector<SheetValue>;

// A rated check: pass when u <= 1 (1e-9 relative tolerance), else fail; the
// same of the method's utilisation (NaN: the method has no such check).
// demand, capacity and u are on the code-strict basis.
Check Rated(const char* id, const char* name, const char* clause, double demand, double capacity,
            const char* unit, int decimals, double u, double uMethod);

// A check the method does not make.
Check NewCheck(const char* id, const char* name, const char* clause, double demand, double capacity,
               const char* unit, int decimals, double u);

// Names where the check's demand governs: the support, the combination
// with its load-case number, and its reactions there.
// `words`: the reactions in words too.
void SetWhere(Check& c, const Governs& where, bool words = true);

// One line of working: its steps joined by " = ".
std::string Working(std::initializer_list<std::string> steps);
// A figure of the working to `decimals` places, zeros kept.
std::string Fig(double x, int decimals);

// Each check appends the values its sheet prints at the method's d.
Check BearingCheck(const FootingInputs& in, Sheet& sheet);
Check BendingCheck(const FootingInputs& in, const Basis& b, Sheet& sheet);
Check SteelCheck(const FootingInputs& in, const Basis& b, Sheet& sheet);
Check MinSteelCheck(const FootingInputs& in, Sheet& sheet);
Check OneWayShearCheck(const FootingInputs& in, const Basis& b, Sheet& sheet);
Check PunchingCheck(const FootingInputs& in, const Basis& b, Sheet& sheet);

Check EdgeDepthCheck(const FootingInputs& in);
Check CoverCheck(const FootingInputs& in, const Basis& b);
Check MaxSpacingCheck(const FootingInputs& in, const Basis& b, Sheet& sheet);
Check MinSpacingCheck(const FootingInputs& in, Sheet& sheet);
Check BarSizeCheck(const FootingInputs& in);
Check DeclaredSteelCheck(const FootingInputs& in, const Basis& b);
// Sets leg (mm, 0 for straight bars) to the bend-up each bar end needs.
Check AnchorageCheck(const FootingInputs& in, const Basis& b, Sheet& sheet, double& leg);
std::vector<Check> LoadTransferChecks(const FootingInputs& in, const Basis& b, Sheet& sheet);

// The bearing allowed to a column on a pedestal of side P (IS 456 34.4),
// N/mm2: A1 is the largest area of the support similar to and concentric
// with the loaded one, so sqrt(A1/A2) is P over the column's long side; at
// most 2.
inline double OnPedestal(double fck, double P, double longSide) { return 0.45 * fck * std::min(2.0, P / longSide); }

// A column's factored load, with the pedestal's weight on the footing.
struct ColumnBearing {
  double Pu = 0, shortSide = 0, longSide = 0;  // N, mm
  double pedestalPu = 0;                       // N
  const ColumnLoad* load = nullptr;            // where both govern; null: the design's own figure
  double Share(double fck, double P) const { return Pu / (shortSide * longSide) / OnPedestal(fck, P, longSide); }
  Governs Column() const { return load ? Governs(*load) : Governs{}; }
  Governs Pedestal() const {
    return load ? Governs{load->support, load->pedestalCombination, load->pedestalCase, load->reaction} : Governs{};
  }
};
// C15a for the column that bears hardest on a pedestal of side P (mm);
// `loads` not empty.
Check ColumnOnPedestalCheck(const std::vector<ColumnBearing>& loads, double fck, double P, double uMethod,
                            bool words);

// Only on the load basis: full contact, stability, and clearance (placed).
Check ContactCheck(const LoadDemands& loads, double B, bool words = true);
std::vector<Check> StabilityChecks(const LoadDemands& loads, bool words = true);
Check ClearanceCheck(const FootingInputs& in);

}  // namespace footmark::checks
