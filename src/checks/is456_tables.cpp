#include "checks/is456_tables.h"

#include <array>
#include <cmath>

namespace footmark::checks {

namespace {

constexpr int kGrades = 6;
constexpr std::array<double, kGrades> kTable19Grades{15, 20, 25, 30, 35, 40};

struct Table19Row {
  double pt;                           // %
  std::array<double, kGrades> tauC;    // N/mm2, M15 .. "M40 and above"
};

// IS 456:2000 Table 19.
constexpr std::array<Table19Row, 13> kTable19{{
    {0.15, {0.28, 0.28, 0.29, 0.29, 0.29, 0.30}},
    {0.25, {0.35, 0.36, 0.36, 0.37, 0.37, 0.38}},
    {0.50, {0.46, 0.48, 0.49, 0.50, 0.50, 0.51}},
    {0.75, {0.54, 0.56, 0.57, 0.59, 0.59, 0.60}},
    {1.00, {0.60, 0.62, 0.64, 0.66, 0.67, 0.68}},
    {1.25, {0.64, 0.67, 0.70, 0.71, 0.73, 0.74}},
    {1.50, {0.68, 0.72, 0.74, 0.76, 0.78, 0.79}},
    {1.75, {0.71, 0.75, 0.78, 0.80, 0.82, 0.84}},
    {2.00, {0.71, 0.79, 0.82, 0.84, 0.86, 0.88}},
    {2.25, {0.71, 0.81, 0.85, 0.88, 0.90, 0.92}},
    {2.50, {0.71, 0.82, 0.88, 0.91, 0.93, 0.95}},
    {2.75, {0.71, 0.82, 0.90, 0.94, 0.96, 0.98}},
    {3.00, {0.71, 0.82, 0.92, 0.96, 0.99, 1.01}},
}};

// 26.2.1.1, plain bars in tension: M20, M25, M30, M35, "M40 and above".
constexpr std::array<double, 5> kBondGrades{20, 25, 30, 35, 40};
constexpr std::array<double, 5> kPlainBond{1.2, 1.4, 1.5, 1.7, 1.9};

// Index of the highest grade in `grades` not above fck; the first below it.
template <std::size_t N>
std::size_t GradeColumn(const std::array<double, N>& grades, double fck) {
  std::size_t c = 0;
  for (std::size_t k = 0; k < N; ++k)
    if (grades[k] <= fck) c = k;
  return c;
}

}  // namespace

double Table19ShearStrength(double fck, double pt, int* grade) {
  const std::size_t c = GradeColumn(kTable19Grades, fck);
  if (grade) *grade = static_cast<int>(kTable19Grades[c]);
  if (!(pt > kTable19.front().pt)) return kTable19.front().tauC[c];
  for (std::size_t r = 1; r < kTable19.size(); ++r) {
    const Table19Row &lo = kTable19[r - 1], &hi = kTable19[r];
    if (pt <= hi.pt) return lo.tauC[c] + (hi.tauC[c] - lo.tauC[c]) * (pt - lo.pt) / (hi.pt - lo.pt);
  }
  return kTable19.back().tauC[c];
}

double LimitingDepthRatio(double fy) {
  if (fy == 250) return 0.53;
  if (fy == 415) return 0.48;
  if (fy == 500) return 0.46;
  return 700 / (1100 + 0.87 * fy);
}

double LimitingMomentFactor(double fy) {
  if (fy == 250) return 0.148;
  if (fy == 415) return 0.138;
  if (fy == 500) return 0.133;
  const double x = LimitingDepthRatio(fy);
  return 0.36 * x * (1 - 0.42 * x);
}

double BondStress(double fck, double fy) {
  const double plain = kPlainBond[GradeColumn(kBondGrades, fck)];
  return fy > 250 ? 1.6 * plain : plain;
}

double MinSteelRatio(double fy) { return fy > 250 ? 0.0012 : 0.0015; }

}  // namespace footmark::checks
