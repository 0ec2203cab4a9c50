// The set on its line: columns and combinations on the footing's axes, the
// weight over the base, the soil pressure under service and factored loads.
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numeric>

#include "combined/design_steps.h"
#include "model/numerics.h"

namespace footmark::combined {

namespace {

// The positive part of alpha + c v, less k, over [v0, v1]: its integral and
// its moment about v = f.
struct Strip {
  double force = 0, moment = 0;
};
Strip ClippedLinear(double alpha, double c, double k, double v0, double v1, double f) {
  Strip s;
  if (v1 <= v0) return s;
  double p0 = v0, p1 = v1;
  if (c == 0) {
    if (alpha < 0) p1 = p0;
  } else if (c > 0) {
    p0 = std::max(v0, -alpha / c);
  } else {
    p1 = std::min(v1, -alpha / c);
  }
  if (p1 > p0) {
    const double d1 = p1 - p0, d2 = (p1 * p1 - p0 * p0) / 2, d3 = (p1 * p1 * p1 - p0 * p0 * p0) / 3;
    s.force = alpha * d1 + c * d2;
    s.moment = alpha * d2 - alpha * f * d1 + c * d3 - c * f * d2;
  }
  s.force -= k * (v1 - v0);
  s.moment -= k * ((v1 - f) * (v1 - f) - (v0 - f) * (v0 - f)) / 2;
  return s;
}

// A column's load spread across the width as the net pressure there is
// (the pressure's shape, scaled to the column's load), and the moments of
// the two sides about the column's faces.
struct ColumnSpread {
  double a = 0, c = 0, k = 0, scale = 0;
  double half = 0, fPlus = 0, fMinus = 0;  // m from the footing's centre line
  Strip plus, minus;
  bool heavyPlus = true;
  double Moment() const { return scale * (heavyPlus ? plus.moment : -minus.moment); }
};

ColumnSpread SpreadAcross(const Line& line, const Size& size, const Loaded& lc, std::size_t column) {
  const Column& col = line.columns[column];
  const double N = line.factored[lc.index].N[column];
  const ContactPressure& q = lc.q.contact;
  const double u = ColumnX(line, size, column) - size.L / 2, v = col.t - size.tc;
  ColumnSpread s;
  s.half = size.B / 2;
  const double alpha = q.a + q.b * u;
  double total = ClippedLinear(alpha, q.c, lc.q.weight, -s.half, s.half, 0).force;
  s.a = alpha, s.c = q.c, s.k = lc.q.weight;
  if (!(total > 0)) s.a = 1, s.c = 0, s.k = 0, total = size.B;
  s.scale = N / total;
  s.fPlus = v + col.b / 2, s.fMinus = v - col.b / 2;
  s.plus = ClippedLinear(s.a, s.c, s.k, s.fPlus, s.half, s.fPlus);
  s.minus = ClippedLinear(s.a, s.c, s.k, -s.half, s.fMinus, s.fMinus);
  s.heavyPlus = s.plus.moment >= -s.minus.moment;
  return s;
}

}  // namespace

std::string InputFaults(const CombinedInput& in, const Settings& set) {
  std::string faults;
  const auto add = [&](const std::string& text) { faults += (faults.empty() ? "" : "; ") + text; };
  const auto count = [](std::size_t k) { return IntText(static_cast<long long>(k)); };
  const auto finite = [](std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
  };
  const std::size_t n = in.columns.size();
  if (n < 2) add(count(n) + " column(s): a combined footing needs at least 2");
  for (const ColumnInput& c : in.columns) {
    if (!finite({c.x, c.z, c.columnX, c.columnZ, c.pedestalX, c.pedestalZ, c.barDia}) || !(c.columnX > 0) ||
        !(c.columnZ > 0))
      add("support " + IntText(c.support) + ": column sizes not positive numbers");
    if ((c.pedestalX > 0) != (c.pedestalZ > 0) ||
        (c.pedestalX > 0 && (c.pedestalX < c.columnX || c.pedestalZ < c.columnZ)))
      add("support " + IntText(c.support) + ": pedestal smaller than its column");
  }
  const auto cases = [&](const std::vector<Combination>& list, const char* what) {
    for (const Combination& c : list) {
      if (c.actions.size() != n)
        add(std::string(what) + " combination " + c.name + " has " + count(c.actions.size()) + " actions for " +
            count(n) + " columns");
      for (const Action& a : c.actions)
        if (!finite({a.N, a.Mbx, a.Mbz, a.Hx, a.Hz}))
          add(std::string(what) + " combination " + c.name + " has a value that is not a number");
    }
  };
  cases(in.service, "service");
  cases(in.factored, "factored");
  cases(in.stability, "stability");
  if (in.resultantCase >= in.service.size()) add("no service DL+LL combination to centre the footing on");
  if (in.lengthCase >= in.factored.size()) add("no factored DL+LL combination to choose the length with");
  const auto presses = [](const Combination& c) {
    double sum = 0;
    for (const Action& a : c.actions) sum += a.N;
    return sum > 0;
  };
  if (faults.empty() && !presses(in.service[in.resultantCase])) add("DL+LL does not press on the soil");
  if (faults.empty() && !presses(in.factored[in.lengthCase])) add("the factored DL+LL does not press on the soil");
  if (!(set.sbc > 0)) add("SBC not positive");
  if (!(set.fck >= 20)) add("fck = " + DecimalText(set.fck, 1) + " (at least M20 for reinforced concrete, Table 5)");
  if (!(set.fy >= 250 && set.fy <= 600)) add("fy = " + DecimalText(set.fy, 1) + " (steel grades Fe 250 to Fe 600)");
  return faults;
}

Line MakeLine(const CombinedInput& in, const Settings& set, double h) {
  Line line;
  line.settings = &set;
  line.axis = in.axis;
  line.resultantCase = in.resultantCase;
  line.lengthCase = in.lengthCase;
  const bool alongX = in.axis == Axis::X;
  line.columns.reserve(in.columns.size());
  std::vector<std::size_t> order(in.columns.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  const auto along = [&](const ColumnInput& c) { return alongX ? c.x : c.z; };
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t p, std::size_t q) { return along(in.columns[p]) < along(in.columns[q]); });
  for (std::size_t k : order) {
    const ColumnInput& c = in.columns[k];
    Column col;
    col.input = &c;
    col.s = along(c);
    col.t = alongX ? c.z : c.x;
    col.colA = alongX ? c.columnX : c.columnZ;
    col.colB = alongX ? c.columnZ : c.columnX;
    col.pedestal = c.pedestalX > 0;
    col.a = (col.pedestal ? (alongX ? c.pedestalX : c.pedestalZ) : col.colA) / 1000;
    col.b = (col.pedestal ? (alongX ? c.pedestalZ : c.pedestalX) : col.colB) / 1000;
    line.areaSum += col.a * col.b;
    line.columns.push_back(col);
  }
  // A push to +X gives FORCE-X < 0 and MOM-Z > 0 and the leeward side pressed
  // harder: M_bz moves the load to +X, M_bx to -Z.
  // Every case's N, M_L and M_T in one store, three runs of a value a column each.
  const std::size_t n = order.size();
  line.caseValues.reserve(3 * n * (in.service.size() + in.factored.size() + in.stability.size()));
  const auto sums = [&](const std::vector<Combination>& list) {
    std::vector<Case> out;
    out.reserve(list.size());
    for (const Combination& comb : list) {
      Case c;
      c.combination = &comb;
      double hx = 0, hz = 0;
      for (std::size_t k : order) {
        const Action& a = comb.actions[k];
        c.sumN += a.N;
        hx += a.Hx, hz += a.Hz;
      }
      // The moments at the underside: M_bx + h H_z, M_bz - h H_x.
      const auto mbx = [&](const Action& a) { return h > 0 ? a.Mbx + h * a.Hz : a.Mbx; };
      const auto mbz = [&](const Action& a) { return h > 0 ? a.Mbz - h * a.Hx : a.Mbz; };
      for (std::size_t k : order) line.caseValues.push_back(comb.actions[k].N);
      for (std::size_t k : order) line.caseValues.push_back(alongX ? mbz(comb.actions[k]) : -mbx(comb.actions[k]));
      for (std::size_t k : order) line.caseValues.push_back(alongX ? -mbx(comb.actions[k]) : mbz(comb.actions[k]));
      c.H = std::hypot(hx, hz);
      out.push_back(c);
    }
    return out;
  };
  line.service = sums(in.service);
  line.factored = sums(in.factored);
  line.stability = sums(in.stability);
  const double* next = line.caseValues.data();
  for (std::vector<Case>* list : {&line.service, &line.factored, &line.stability})
    for (Case& c : *list) {
      c.N = {next, n}, c.ML = {next + n, n}, c.MT = {next + 2 * n, n};
      next += 3 * n;
    }
  const Case& r = line.service[in.resultantCase];
  double ms = 0, mt = 0;
  for (std::size_t i = 0; i < line.columns.size(); ++i) {
    ms += r.N[i] * line.columns[i].s + r.ML[i];
    mt += r.N[i] * line.columns[i].t + r.MT[i];
  }
  line.sR = ms / r.sumN;
  line.tR = mt / r.sumN;
  return line;
}

double Weight(const Line& line, const Size& size) {
  const Settings& set = *line.settings;
  const double hp = std::max(0.0, set.foundingDepth - size.D / 1000);
  const double base = size.L * size.B;
  return set.concreteWeight * (base * size.D / 1000 + line.areaSum * hp) +
         set.soilWeight * (base - line.areaSum) * hp;
}

double ColumnX(const Line& line, const Size& size, std::size_t i) {
  return line.columns[i].s - size.sc + size.L / 2;
}

double MomentAlong(const Case& c, const Line& line, const Size& size) {
  double m = 0;
  for (std::size_t i = 0; i < line.columns.size(); ++i) m += c.N[i] * (line.columns[i].s - size.sc) + c.ML[i];
  return m;
}

double MomentAcross(const Case& c, const Line& line, const Size& size) {
  double m = 0;
  for (std::size_t i = 0; i < line.columns.size(); ++i) m += c.N[i] * (line.columns[i].t - size.tc) + c.MT[i];
  return m;
}

double AllowablePressure(const Line& line, const Case& c) {
  const Settings& set = *line.settings;
  return set.sbc * (c.combination->lateral ? 1 + set.lateralIncrease : 1);
}

Bearing BearingUnder(const Line& line, const Size& size, const Case& c) {
  const Settings& set = *line.settings;
  Bearing b;
  b.W = Weight(line, size);
  b.Pt = c.sumN + b.W;
  b.qAll = AllowablePressure(line, c);
  if (!(b.Pt > 0)) {
    b.kern = b.u = kUnbounded;
    b.contact = 0;
    return b;
  }
  b.eL = MomentAlong(c, line, size) / b.Pt;
  b.eT = MomentAcross(c, line, size) / b.Pt;
  b.kern = 6 * std::fabs(b.eL) / size.L + 6 * std::fabs(b.eT) / size.B;
  const ContactPressure q = SolveContact(size.L, size.B, b.Pt, b.eL, b.eT);
  b.qMax = std::min(q.Max(), kUnbounded * b.qAll);
  b.contact = q.ContactShare();
  // A net SBC is compared with the pressure above that of the soil removed.
  b.u = (b.qMax - (set.netSbc ? set.soilWeight * set.foundingDepth : 0)) / b.qAll;
  return b;
}

bool BearingHolds(const Line& line, const Size& size) {
  for (const Case& c : line.service) {
    const Bearing b = BearingUnder(line, size, c);
    // Sustained loads keep the whole base in contact; wind and earthquake may lift a part.
    if (!(b.u <= 1 + 1e-9) || (!c.combination->lateral && !(b.kern <= 1 + 1e-9))) return false;
  }
  return true;
}

namespace {

// Case `index` at this size into `l`, keeping the storage of what `l` held
// before: the depth search loads the same cases again at every trial depth.
void LoadInto(const Line& line, const Size& size, std::size_t index, Loaded& l) {
  const Case& c = line.factored[index];
  const double gW = c.combination->deadFactor * Weight(line, size);
  const double P = c.sumN + gW;
  NetPressure q;
  q.contact = SolveContact(size.L, size.B, P, MomentAlong(c, line, size) / P, MomentAcross(c, line, size) / P);
  q.weight = gW / (size.L * size.B);
  std::vector<ColumnLoad> loads = std::move(l.beam).Release();
  loads.clear();
  loads.reserve(line.columns.size());
  for (std::size_t i = 0; i < line.columns.size(); ++i)
    loads.push_back({ColumnX(line, size, i), line.columns[i].a / 2, c.N[i], c.ML[i]});
  l.index = index;
  l.q = q;
  l.beam = Beam(q, std::move(loads));
  l.zeroShear.clear();
  l.hog = l.sag = Demand{};
  l.bandMoment.clear();
  if (!q.contact.bounded) return;
  l.beam.ZeroShear(l.zeroShear);
  // The design sections along: every column face and every point of zero shear.
  const auto section = [&](double x) {
    if (x <= 0 || x >= size.L) return;
    const double M = l.beam.Moment(x);
    if (-M > l.hog.value) l.hog = {-M, -1, x};
    if (M > l.sag.value) l.sag = {M, -1, x};
  };
  for (double x : l.zeroShear) section(x);
  l.bandMoment.reserve(line.columns.size());
  for (std::size_t i = 0; i < line.columns.size(); ++i) {
    section(ColumnX(line, size, i) - line.columns[i].a / 2);
    section(ColumnX(line, size, i) + line.columns[i].a / 2);
    l.bandMoment.push_back(SpreadAcross(line, size, l, i).Moment());
  }
}

}  // namespace

Loaded LoadCase(const Line& line, const Size& size, std::size_t index) {
  Loaded l{index, {}, Beam({}, {}), {}, {}, {}, {}};
  LoadInto(line, size, index, l);
  return l;
}

std::vector<Loaded> LoadFactored(const Line& line, const Size& size, std::vector<Loaded> kept) {
  const auto same = [&](const Loaded& l) {
    return l.q.contact.full && l.q.contact.L == size.L && l.q.contact.B == size.B;
  };
  // Every case pressing on the soil kept, as at most trial depths: the list stands.
  const auto pressing = std::count_if(line.factored.begin(), line.factored.end(),
                                      [](const Case& c) { return c.sumN > 0; });
  if (static_cast<std::size_t>(pressing) == kept.size() && std::all_of(kept.begin(), kept.end(), same)) return kept;
  std::vector<Loaded> out;
  out.reserve(line.factored.size());
  auto from = kept.begin();
  for (std::size_t k = 0; k < line.factored.size(); ++k) {
    if (!(line.factored[k].sumN > 0)) continue;
    while (from != kept.end() && from->index < k) ++from;
    const bool before = from != kept.end() && from->index == k;
    Loaded l = before ? std::move(*from) : LoadCase(line, size, k);
    if (before && !same(l)) LoadInto(line, size, k, l);
    // A resultant off the base has no pressure to balance it: C2 names it.
    if (l.q.contact.bounded) out.push_back(std::move(l));
  }
  return out;
}

Transverse TransverseLoad(const Line& line, const Size& size, const Loaded& lc, std::size_t column, double dT) {
  const ColumnSpread s = SpreadAcross(line, size, lc, column);
  const double d = dT / 1000;
  Transverse t;
  t.moment = s.Moment();
  t.cantilever = s.heavyPlus ? s.half - s.fPlus : s.fMinus + s.half;
  t.shear = s.scale * (s.heavyPlus ? ClippedLinear(s.a, s.c, s.k, s.fPlus + d, s.half, 0).force
                                   : ClippedLinear(s.a, s.c, s.k, -s.half, s.fMinus - d, 0).force);
  t.shear = std::max(t.shear, 0.0);
  return t;
}

}  // namespace footmark::combined
