#include "checks/contact_pressure.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

namespace footmark::checks {

namespace {

struct Point {
  double u, v;
};

// A convex polygon: a rectangle cut by at most five lines (the contact edge
// and a strip's or a square's sides).
struct Polygon {
  std::array<Point, 10> p;
  int n = 0;
};

Polygon Corners(const Region& r) {
  Polygon g;
  g.p[0] = {r.u0, r.v0}, g.p[1] = {r.u1, r.v0}, g.p[2] = {r.u1, r.v1}, g.p[3] = {r.u0, r.v1};
  g.n = 4;
  return g;
}

Region Base(const ContactPressure& q) { return {-q.L / 2, q.L / 2, -q.B / 2, q.B / 2}; }

// The part where a + b u + c v >= 0 (Sutherland-Hodgman, one edge).
Polygon Clip(const Polygon& in, double a, double b, double c) {
  Polygon out;
  for (int i = 0; i < in.n; ++i) {
    const Point& p = in.p[static_cast<std::size_t>(i)];
    const Point& q = in.p[static_cast<std::size_t>((i + 1) % in.n)];
    const double fp = a + b * p.u + c * p.v, fq = a + b * q.u + c * q.v;
    if (fp >= 0) out.p[static_cast<std::size_t>(out.n++)] = p;
    if ((fp >= 0) != (fq >= 0)) {
      const double t = fp / (fp - fq);
      out.p[static_cast<std::size_t>(out.n++)] = {p.u + t * (q.u - p.u), p.v + t * (q.v - p.v)};
    }
  }
  return out;
}

// Area and the first and second moments about the centre (Green's theorem).
struct Moments {
  double A = 0, Su = 0, Sv = 0, Suu = 0, Suv = 0, Svv = 0;
};

Moments Integrate(const Polygon& g) {
  Moments m;
  for (int i = 0; i < g.n; ++i) {
    const Point& p = g.p[static_cast<std::size_t>(i)];
    const Point& q = g.p[static_cast<std::size_t>((i + 1) % g.n)];
    const double cross = p.u * q.v - q.u * p.v;
    m.A += cross;
    m.Su += (p.u + q.u) * cross;
    m.Sv += (p.v + q.v) * cross;
    m.Suu += (p.u * p.u + p.u * q.u + q.u * q.u) * cross;
    m.Svv += (p.v * p.v + p.v * q.v + q.v * q.v) * cross;
    m.Suv += (p.u * q.v + 2 * p.u * p.v + 2 * q.u * q.v + q.u * p.v) * cross;
  }
  m.A /= 2, m.Su /= 6, m.Sv /= 6, m.Suu /= 12, m.Svv /= 12, m.Suv /= 24;
  return m;
}

Load PlaneOver(const Moments& m, double a, double b, double c) {
  return {a * m.A + b * m.Su + c * m.Sv, a * m.Su + b * m.Suu + c * m.Suv, a * m.Sv + b * m.Suv + c * m.Svv};
}

// The part of the base in contact.
Polygon ContactArea(const ContactPressure& q) {
  const Polygon base = Corners(Base(q));
  return q.full ? base : Clip(base, q.a, q.b, q.c);
}

// Solves the symmetric 3 x 3 system J x = t by Cramer's rule; false when J
// is singular (no area in contact).
bool Solve3(const Moments& m, const std::array<double, 3>& t, std::array<double, 3>& x) {
  const double j[3][3] = {{m.A, m.Su, m.Sv}, {m.Su, m.Suu, m.Suv}, {m.Sv, m.Suv, m.Svv}};
  const auto det = [](const double k[3][3]) {
    return k[0][0] * (k[1][1] * k[2][2] - k[1][2] * k[2][1]) - k[0][1] * (k[1][0] * k[2][2] - k[1][2] * k[2][0]) +
           k[0][2] * (k[1][0] * k[2][1] - k[1][1] * k[2][0]);
  };
  const double d = det(j);
  if (!(std::fabs(d) > 0)) return false;
  for (int col = 0; col < 3; ++col) {
    double k[3][3];
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c) k[r][c] = c == col ? t[static_cast<std::size_t>(r)] : j[r][c];
    x[static_cast<std::size_t>(col)] = det(k) / d;
  }
  return true;
}

// The plane over the part of a region in contact.
Load PartOver(const ContactPressure& q, const Region& r) {
  return PlaneOver(Integrate(Clip(Corners(r), q.a, q.b, q.c)), q.a, q.b, q.c);
}

}  // namespace

double ContactPressure::Max() const {
  if (!bounded) return std::numeric_limits<double>::infinity();
  double q = 0;
  for (double u : {-L / 2, L / 2})
    for (double v : {-B / 2, B / 2}) q = std::max(q, At(u, v));
  return q;
}

double ContactPressure::ContactShare() const {
  if (!bounded) return 0;
  return Integrate(Clip(Corners(Base(*this)), a, b, c)).A / (L * B);
}

Load ContactPressure::Over(const Region& r) const {
  if (!bounded) return {};
  if (!full) return PartOver(*this, r);
  // The whole base presses: the plane over the rectangle itself.
  const double du = r.u1 - r.u0, dv = r.v1 - r.v0, uc = (r.u0 + r.u1) / 2, vc = (r.v0 + r.v1) / 2;
  Moments m;
  m.A = du * dv;
  m.Su = m.A * uc, m.Sv = m.A * vc, m.Suv = m.A * uc * vc;
  m.Suu = dv * (r.u1 * r.u1 * r.u1 - r.u0 * r.u0 * r.u0) / 3;
  m.Svv = du * (r.v1 * r.v1 * r.v1 - r.v0 * r.v0 * r.v0) / 3;
  return PlaneOver(m, a, b, c);
}

ContactPressure SolveContact(double L, double B, double P, double eu, double ev) {
  ContactPressure q;
  q.L = L, q.B = B;
  if (!(P > 0) || !(std::fabs(eu) < L / 2) || !(std::fabs(ev) < B / 2)) {
    q.bounded = q.full = false;
    return q;
  }
  // In the kern the pressure is P/(L B) (1 + 12 eu u / L^2 + 12 ev v / B^2).
  q.a = P / (L * B);
  q.b = 12 * P * eu / (L * B * (L * L));
  q.c = 12 * P * ev / (L * B * (B * B));
  if (6 * std::fabs(eu) / L + 6 * std::fabs(ev) / B <= 1) return q;
  q.full = false;
  // Newton's method on the contact plane: the pressure vanishes on the
  // moving edge of the contact, so the Jacobian of the resultant is the
  // moment matrix of the part in contact, and each step solves the linear
  // equilibrium over the part the last plane left in contact. A step that
  // clearly raises the convex potential 1/2 Int q^2 - P (a + b eu + c ev) is
  // halved; near the solution the potential is flat to its rounding, and
  // halving there would stop the iteration short of equilibrium.
  const Polygon base = Corners(Base(q));
  const std::array<double, 3> target{P, P * eu, P * ev};
  struct Trial {
    std::array<double, 3> p;
    Moments m;
    double potential;
  };
  const auto trial = [&](const std::array<double, 3>& p) {
    const Moments m = Integrate(Clip(base, p[0], p[1], p[2]));
    const Load l = PlaneOver(m, p[0], p[1], p[2]);
    return Trial{p, m,
                 (p[0] * l.force + p[1] * l.momentU + p[2] * l.momentV) / 2 -
                     (p[0] * target[0] + p[1] * target[1] + p[2] * target[2])};
  };
  Trial now = trial({q.a, q.b, q.c});
  for (int iteration = 0; iteration < 100; ++iteration) {
    std::array<double, 3> step;
    if (!Solve3(now.m, target, step)) break;
    const std::array<double, 3>& p = now.p;
    const double change = std::fabs(step[0] - p[0]) + std::fabs(step[1] - p[1]) * L + std::fabs(step[2] - p[2]) * B;
    if (change <= 1e-12 * (std::fabs(step[0]) + std::fabs(step[1]) * L + std::fabs(step[2]) * B)) {
      now.p = step;
      break;
    }
    Trial next = trial(step);
    for (int half = 0; half < 40 && next.potential > now.potential + 1e-9 * std::fabs(now.potential); ++half) {
      for (std::size_t k = 0; k < 3; ++k) step[k] = (now.p[k] + step[k]) / 2;
      next = trial(step);
    }
    now = next;
  }
  q.a = now.p[0], q.b = now.p[1], q.c = now.p[2];
  return q;
}

ContactPressure Transposed(ContactPressure q) {
  std::swap(q.L, q.B);
  std::swap(q.b, q.c);
  return q;
}

StripAction Beyond(const ContactPressure& q, double u0) {
  const Moments m = Integrate(Clip(ContactArea(q), -u0, 1, 0));
  return {PlaneOver(m, q.a, q.b, q.c).force,
          q.a * (m.Su - u0 * m.A) + q.b * (m.Suu - u0 * m.Su) + q.c * (m.Suv - u0 * m.Sv)};
}

double Inside(const ContactPressure& q, double s) {
  const double h = s / 2;
  Polygon poly = ContactArea(q);
  poly = Clip(poly, h, -1, 0);
  poly = Clip(poly, h, 1, 0);
  poly = Clip(poly, h, 0, -1);
  poly = Clip(poly, h, 0, 1);
  return PlaneOver(Integrate(poly), q.a, q.b, q.c).force;
}

Bearing SquareBearing(double B, double P, double ex, double ez) {
  const double area = B * B, kern = 6 * (ex + ez) / B;
  if (kern <= 1 + 1e-12) return {P / area * (1 + kern), P / area * (1 - kern), 1};
  const ContactPressure q = SolveContact(B, B, P, ex, ez);
  if (!q.bounded) return {std::numeric_limits<double>::infinity(), 0, 0};
  return {q.a + (q.b + q.c) * B / 2, 0, q.ContactShare()};
}

Load NetPressure::Over(const Region& r) const {
  Load l = contact.Over(r);
  const double area = (r.u1 - r.u0) * (r.v1 - r.v0);
  l.force -= weight * area;
  l.momentU -= weight * area * (r.u0 + r.u1) / 2;
  l.momentV -= weight * area * (r.v0 + r.v1) / 2;
  return l;
}

double NetPressure::At(double u, double v) const { return std::max(0.0, contact.At(u, v)) - weight; }

}  // namespace footmark::checks
