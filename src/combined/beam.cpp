#include "combined/beam.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <utility>

namespace footmark::combined {

namespace {

// Where the pressure is not linear, shear and moment are sampled on this
// many strips along the length to find their roots (the load on each strip
// is exact).
constexpr int kStrips = 400;

// Sign changes of f on [lo, hi], sampled at `steps` intervals and bisected;
// the ends themselves are never roots.
template <class F>
void Roots(const F& f, double lo, double hi, int steps, std::vector<double>& out) {
  double x0 = lo, f0 = f(lo);
  for (int k = 1; k <= steps; ++k) {
    const double x1 = lo + (hi - lo) * k / steps;
    const double f1 = f(x1);
    if (f1 == 0 && k < steps) out.push_back(x1);
    if ((f0 < 0 && f1 > 0) || (f0 > 0 && f1 < 0)) {
      double a = x0, b = x1, fa = f0;
      for (int i = 0; i < 60 && b - a > 1e-11 * (hi - lo); ++i) {
        const double m = (a + b) / 2, fm = f(m);
        if ((fm < 0) == (fa < 0)) a = m, fa = fm;
        else b = m;
      }
      out.push_back((a + b) / 2);
    }
    x0 = x1, f0 = f1;
  }
}

}  // namespace

Beam::Beam(const NetPressure& pressure, std::vector<ColumnLoad> columns)
    : q_(pressure), columns_(std::move(columns)), L_(pressure.contact.L), B_(pressure.contact.B) {
  std::sort(columns_.begin(), columns_.end(), [](const ColumnLoad& a, const ColumnLoad& b) { return a.x < b.x; });
  linear_ = q_.contact.full;
  w0_ = B_ * (q_.contact.a - q_.weight);
  w1_ = B_ * q_.contact.b;
}

void Beam::Soil(double x, double& force, double& moment) const {
  if (linear_) {
    force = w0_ * x + w1_ * (x * x / 2 - L_ * x / 2);
    moment = w0_ * x * x / 2 + w1_ * (x * x * x / 6 - L_ * x * x / 4);
    return;
  }
  const Load l = q_.Over({-L_ / 2, x - L_ / 2, -B_ / 2, B_ / 2});
  force = l.force;
  // Int_0^x w(xi) (x - xi) dxi, with xi = u + L/2.
  moment = x * l.force - l.momentU - L_ / 2 * l.force;
}

double Beam::Shear(double x, bool right) const {
  double force, moment;
  Soil(x, force, moment);
  for (const ColumnLoad& c : columns_)
    if (c.x < x || (right && c.x == x)) force -= c.N;
  return force;
}

double Beam::Moment(double x, bool right) const {
  double force, moment;
  Soil(x, force, moment);
  for (const ColumnLoad& c : columns_)
    if (c.x < x || (right && c.x == x)) moment -= c.N * (x - c.x) - c.M;
  return moment;
}

double Beam::LineLoad(double x) const {
  if (linear_) return w0_ + w1_ * (x - L_ / 2);
  const double h = L_ / 8000, lo = std::max(0.0, x - h), hi = std::min(L_, x + h);
  return q_.Over({lo - L_ / 2, hi - L_ / 2, -B_ / 2, B_ / 2}).force / (hi - lo);
}

template <class F>
void Beam::ForOpenSpans(const F& f) const {
  double from = 0;
  for (const ColumnLoad& c : columns_) {
    if (c.x - c.half > from) f(from, c.x - c.half);
    from = std::max(from, c.x + c.half);
  }
  if (from < L_) f(from, L_);
}

void Beam::ZeroShear(std::vector<double>& roots) const {
  roots.clear();
  const double tiny = 1e-9 * L_;
  ForOpenSpans([&](double lo, double hi) {
    if (!linear_) {
      const int steps = std::max(8, static_cast<int>(std::ceil(kStrips * (hi - lo) / L_)));
      Roots([this](double x) { return Shear(x); }, lo, hi, steps, roots);
      return;
    }
    // V = w1/2 x^2 + (w0 - w1 L/2) x - (loads to the left) on the span.
    double left = 0;
    for (const ColumnLoad& c : columns_)
      if (c.x < lo + tiny) left += c.N;
    const double a = w1_ / 2, b = w0_ - w1_ * L_ / 2, c = -left;
    double xs[2];
    int n = 0;
    if (std::fabs(a) * L_ <= 1e-12 * std::fabs(b)) {
      if (b != 0) xs[n++] = -c / b;
    } else {
      const double disc = b * b - 4 * a * c;
      if (disc >= 0) {
        const double k = -(b + std::copysign(std::sqrt(disc), b)) / 2;
        if (k != 0) xs[n++] = c / k;
        xs[n++] = k / a;
      }
    }
    for (const double x : std::span(xs, static_cast<std::size_t>(n)))
      if (x > lo && x < hi && x > tiny && x < L_ - tiny) roots.push_back(x);
  });
  std::sort(roots.begin(), roots.end());
}

std::vector<double> Beam::Contraflexure() const {
  std::vector<double> roots;
  double from = 0;
  for (std::size_t k = 0; k <= columns_.size(); ++k) {
    const double to = k < columns_.size() ? columns_[k].x : L_;
    if (to > from) {
      // A cubic between two columns where the pressure is linear: a few
      // dozen samples separate its roots.
      const int steps = linear_ ? 24 : std::max(8, static_cast<int>(std::ceil(kStrips * (to - from) / L_)));
      // Just inside the piece: the moments of the columns at its ends jump.
      const double lo = from + 1e-9 * L_, hi = to - 1e-9 * L_;
      if (hi > lo) Roots([this](double x) { return Moment(x); }, lo, hi, steps, roots);
    }
    from = to;
  }
  // Rounding leaves the ends' zero moment with either sign: no root there.
  std::erase_if(roots, [this](double x) { return x < 1e-6 * L_ || x > L_ * (1 - 1e-6); });
  return roots;
}

}  // namespace footmark::combined
