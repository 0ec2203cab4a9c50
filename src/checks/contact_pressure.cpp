#include "checks/contact_pressure.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

namespace footmark::checks {

namespace {

struct Point {
  double x, z;
};

// A convex polygon: the square cut by at most six lines.
struct Polygon {
  std::array<Point, 12> p;
  int n = 0;
};

Polygon Square(double B) {
  const double h = B / 2;
  return {{{{-h, -h}, {h, -h}, {h, h}, {-h, h}}}, 4};
}

// The part where a + b x + c z >= 0 (Sutherland-Hodgman, one edge).
Polygon Clip(const Polygon& in, double a, double b, double c) {
  Polygon out;
  for (int i = 0; i < in.n; ++i) {
    const Point& p = in.p[static_cast<std::size_t>(i)];
    const Point& q = in.p[static_cast<std::size_t>((i + 1) % in.n)];
    const double fp = a + b * p.x + c * p.z, fq = a + b * q.x + c * q.z;
    if (fp >= 0) out.p[static_cast<std::size_t>(out.n++)] = p;
    if ((fp >= 0) != (fq >= 0)) {
      const double t = fp / (fp - fq);
      out.p[static_cast<std::size_t>(out.n++)] = {p.x + t * (q.x - p.x), p.z + t * (q.z - p.z)};
    }
  }
  return out;
}

// Area, first and second moments about the centre, by the polygon's edges.
struct Moments {
  double A = 0, Sx = 0, Sz = 0, Ixx = 0, Izz = 0, Ixz = 0;
};

Moments PolygonMoments(const Polygon& poly) {
  Moments m;
  for (int i = 0; i < poly.n; ++i) {
    const Point& p = poly.p[static_cast<std::size_t>(i)];
    const Point& q = poly.p[static_cast<std::size_t>((i + 1) % poly.n)];
    const double cross = p.x * q.z - q.x * p.z;
    m.A += cross;
    m.Sx += (p.x + q.x) * cross;
    m.Sz += (p.z + q.z) * cross;
    m.Ixx += (p.x * p.x + p.x * q.x + q.x * q.x) * cross;
    m.Izz += (p.z * p.z + p.z * q.z + q.z * q.z) * cross;
    m.Ixz += (p.x * q.z + 2 * p.x * p.z + 2 * q.x * q.z + q.x * p.z) * cross;
  }
  m.A /= 2, m.Sx /= 6, m.Sz /= 6, m.Ixx /= 12, m.Izz /= 12, m.Ixz /= 24;
  return m;
}

double Det3(const double m[3][3]) {
  return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
         m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

// The contact polygon of a pressure field.
Polygon ContactArea(const ContactPressure& q) {
  const Polygon square = Square(q.B);
  return q.full ? square : Clip(square, q.a, q.b, q.c);
}

}  // namespace

ContactPressure SolveContact(double P, double ex, double ez, double B) {
  ContactPressure q;
  q.B = B;
  const double area = B * B, kern = 6 * (ex + ez) / B;
  q.a = P / area;
  q.b = 12 * P * ex / (area * area);
  q.c = 12 * P * ez / (area * area);
  if (kern <= 1 + 1e-12) {
    q.qMax = P / area * (1 + kern);
    q.qMin = P / area * (1 - kern);
    return q;
  }
  q.full = false;
  q.qMin = 0;
  if (!(ex < B / 2 * (1 - 1e-9) && ez < B / 2 * (1 - 1e-9))) {
    q.bounded = false;
    q.contact = 0;
    q.qMax = std::numeric_limits<double>::infinity();
    return q;
  }
  // Newton's method: the pressure vanishes on the moving edge of the
  // contact, so the Jacobian of the equilibrium is the moment matrix itself
  // and each step solves it with the load on the right.
  const Polygon square = Square(B);
  for (int it = 0; it < 100; ++it) {
    const Moments m = PolygonMoments(Clip(square, q.a, q.b, q.c));
    const double M[3][3] = {{m.A, m.Sx, m.Sz}, {m.Sx, m.Ixx, m.Ixz}, {m.Sz, m.Ixz, m.Izz}};
    const double det = Det3(M);
    if (!(det > 0)) break;
    const double r[3] = {P, P * ex, P * ez};
    double next[3];
    for (int k = 0; k < 3; ++k) {
      double Mk[3][3];
      for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) Mk[i][j] = j == k ? r[i] : M[i][j];
      next[k] = Det3(Mk) / det;
    }
    const double change =
        std::fabs(next[0] - q.a) + (std::fabs(next[1] - q.b) + std::fabs(next[2] - q.c)) * B;
    q.a = next[0], q.b = next[1], q.c = next[2];
    if (change <= 1e-12 * (std::fabs(q.a) + (std::fabs(q.b) + std::fabs(q.c)) * B)) break;
  }
  q.qMax = q.a + (q.b + q.c) * B / 2;
  q.contact = PolygonMoments(ContactArea(q)).A / (B * B);
  return q;
}

ContactPressure Transposed(ContactPressure q) {
  std::swap(q.b, q.c);
  return q;
}

StripAction Beyond(const ContactPressure& q, double x0) {
  const Moments m = PolygonMoments(Clip(ContactArea(q), -x0, 1, 0));
  return {q.a * m.A + q.b * m.Sx + q.c * m.Sz,
          q.a * (m.Sx - x0 * m.A) + q.b * (m.Ixx - x0 * m.Sx) + q.c * (m.Ixz - x0 * m.Sz)};
}

double Inside(const ContactPressure& q, double s) {
  const double h = s / 2;
  Polygon poly = ContactArea(q);
  poly = Clip(poly, h, -1, 0);
  poly = Clip(poly, h, 1, 0);
  poly = Clip(poly, h, 0, -1);
  poly = Clip(poly, h, 0, 1);
  const Moments m = PolygonMoments(poly);
  return q.a * m.A + q.b * m.Sx + q.c * m.Sz;
}

}  // namespace footmark::checks
