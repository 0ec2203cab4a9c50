// The combined footing as a beam along its length: the soil's net line load
// from below, the columns as point loads and moments at their centres.
// Shear V(x) and moment M(x) (sagging positive) from the left end; both are
// zero at the right end when the pressure balances the loads.
#pragma once

#include <vector>

#include "checks/contact_pressure.h"

namespace footmark::combined {

using checks::ContactPressure;
using checks::Load;
using checks::NetPressure;
using checks::Region;
using checks::SolveContact;

struct ColumnLoad {
  double x = 0;     // centre from the left end, m
  double half = 0;  // half the loaded length along the footing, m
  double N = 0;     // kN
  double M = 0;     // moment along the line, kN m (positive shifts the load to +x)
};

class Beam {
 public:
  Beam(const NetPressure& pressure, std::vector<ColumnLoad> columns);

  double Length() const { return L_; }
  const std::vector<ColumnLoad>& Columns() const { return columns_; }
  // The column loads' storage, for the next beam to fill.
  std::vector<ColumnLoad> Release() && { return std::move(columns_); }
  // Just left of x; `right`: just right of it (they differ at a column centre).
  double Shear(double x, bool right = false) const;
  double Moment(double x, bool right = false) const;
  // The net soil load per metre at x, kN/m.
  double LineLoad(double x) const;
  // Points of zero shear between the column faces and inside the ends, into
  // `roots` (emptied first).
  void ZeroShear(std::vector<double>& roots) const;
  // Points where the moment changes sign, inside the ends.
  std::vector<double> Contraflexure() const;

 private:
  // Net soil load on [0, x] and its moment about x.
  void Soil(double x, double& force, double& moment) const;
  // f(from, to) for each piece of (0, L) outside the columns' loaded lengths.
  template <class F>
  void ForOpenSpans(const F& f) const;

  NetPressure q_;
  std::vector<ColumnLoad> columns_;
  double L_ = 0, B_ = 0;
  bool linear_ = true;      // full contact: w(x) = w0 + w1 (x - L/2)
  double w0_ = 0, w1_ = 0;  // kN/m, kN/m2
};

}  // namespace footmark::combined
