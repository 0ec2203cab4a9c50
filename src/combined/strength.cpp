// The slab's strength at one size, as numbers: one-way shear at d from
// every column face and across the width, punching round each column, the
// starter bars' length; each under the factored case that is worst.
#include <algorithm>
#include <cmath>

#include "checks/is456_tables.h"
#include "combined/design_steps.h"
#include "combined/slab_layout.h"

namespace footmark::combined {

namespace {

// What the shear sections take from the bars, the same under every case:
// along the length at the top and the bottom bars' d, and across the width
// the wide beam on each long side (no load yet).
struct SectionSteel {
  double ptTop = 0, tauCTop = 0, ptBottom = 0, tauCBottom = 0;
  WideShear across[2];          // the side at -B/2, then +B/2
  double inner[2] = {0, 0};     // the section across, m from the centre line
};

SectionSteel SteelAt(const Line& line, const Size& size, const Reinforcement& r) {
  const Settings& set = *line.settings;
  SectionSteel st;
  const double b = size.B * 1000;
  st.ptTop = 100 * r.top.area / (b * r.dLt);
  st.tauCTop = checks::Table19ShearStrength(set.fck, st.ptTop);
  st.ptBottom = 100 * r.bottom.area / (b * r.dLb);
  st.tauCBottom = checks::Table19ShearStrength(set.fck, st.ptBottom);
  // The whole length as one wide beam across the width: the section at d_T
  // from the faces of the column farthest from that long side.
  double transverse = r.distribution.area;
  for (const BarChoice& bar : r.band) transverse += bar.area;
  for (int side : {-1, 1}) {
    double reach = 0;
    for (const Column& c : line.columns)
      reach = std::max(reach, size.B / 2 - side * (c.t - size.tc) - c.b / 2);
    WideShear& w = st.across[side > 0];
    w.width = reach - r.dT / 1000;
    if (!(w.width > 0)) continue;
    w.applies = true;
    st.inner[side > 0] = side * (size.B / 2 - w.width);
    const double len = size.L * 1000;
    w.pt = 100 * transverse / (len * r.dT);
    w.tauC = checks::Table19ShearStrength(set.fck, w.pt);
  }
  return st;
}

// At d from a face, away from the column (34.2.4.1(a)). Where the moment
// there is hogging the top bars are in tension and d is theirs; otherwise
// the section is at the bottom bars' d.
ShearAtFace ShearNearFace(const Size& size, const Loaded& lc, const Reinforcement& r, const SectionSteel& st,
                          double face, int away) {
  ShearAtFace s;
  const double xTop = face + away * r.dLt / 1000;
  s.top = xTop > 0 && xTop < size.L && lc.beam.Moment(xTop) < 0;
  s.d = s.top ? r.dLt : r.dLb;
  s.x = s.top ? xTop : face + away * r.dLb / 1000;
  s.applies = s.x > 0 && s.x < size.L;
  if (!s.applies) return s;
  const double b = size.B * 1000;
  s.V = std::fabs(lc.beam.Shear(s.x));
  s.tauV = s.V * 1e3 / (b * s.d);
  s.pt = s.top ? st.ptTop : st.ptBottom;
  s.tauC = s.top ? st.tauCTop : st.tauCBottom;
  s.u = s.tauV / s.tauC;
  return s;
}

// The wide beam across under one case: the side worse loaded.
WideShear ShearAcross(const Size& size, const Loaded& lc, const Reinforcement& r, const SectionSteel& st) {
  WideShear best;
  for (int side : {-1, 1}) {
    WideShear w = st.across[side > 0];
    if (!w.applies) continue;
    const double edge = side * size.B / 2, inner = st.inner[side > 0];
    w.V = std::max(0.0, lc.q.Over({-size.L / 2, size.L / 2, std::min(edge, inner), std::max(edge, inner)}).force);
    const double len = size.L * 1000;
    w.tauV = w.V * 1e3 / (len * r.dT);
    w.u = w.tauV / w.tauC;
    if (!best.applies || w.u > best.u) best = w;
  }
  return best;
}

std::vector<PunchingPerimeter> Perimeters(const Line& line, const Size& size, double d) {
  std::vector<LoadedArea> areas;
  for (std::size_t i = 0; i < line.columns.size(); ++i) {
    const Column& c = line.columns[i];
    areas.push_back({ColumnX(line, size, i), c.t - size.tc, c.a, c.b});
  }
  return PunchingPerimeters(areas, size.L, size.B, d);
}

// Into `p`, whose storage the callers reuse from case to case.
void PunchingAt(const Line& line, const Size& size, const Loaded& lc, const PunchingPerimeter& o, double d,
                Perimeter& p) {
  const Settings& set = *line.settings;
  p.columns.assign(o.areas.begin(), o.areas.end());
  p.loaded = -1;
  p.d = d;
  p.b0 = o.b0;
  p.sidesDropped = o.sidesDropped;
  double N = 0;
  for (std::size_t i : o.areas) N += line.factored[lc.index].N[i];
  p.Vu = N - lc.q.Over({o.x0 - size.L / 2, o.x1 - size.L / 2, o.v0, o.v1}).force;
  p.tauV = p.b0 > 0 ? p.Vu * 1e3 / (p.b0 * 1000 * d) : 0;
  // ks = 0.5 + beta_c, at most 1 (31.6.3.1).
  p.capacity = std::min(1.0, 0.5 + o.beta) * 0.25 * std::sqrt(set.fck);
  p.u = std::max(0.0, p.tauV) / p.capacity;
}

template <class T>
void KeepWorst(T& worst, const T& candidate, std::size_t k) {
  if (worst.loaded < 0 || candidate.u > worst.u) {
    worst = candidate;
    worst.loaded = static_cast<int>(k);
  }
}

// Faces numbered 2 per column, the left one first.
ShearAtFace FaceShear(const Line& line, const Size& size, const Loaded& lc, const Reinforcement& r,
                      const SectionSteel& st, std::size_t face) {
  const std::size_t i = face / 2;
  const bool right = face % 2 == 1;
  const double x = ColumnX(line, size, i), half = line.columns[i].a / 2;
  return ShearNearFace(size, lc, r, st, right ? x + half : x - half, right ? 1 : -1);
}

// The ratio of the check that failed last, at this size; 0 where it no
// longer applies.
double AgainAt(const Line& line, const Size& size, const std::vector<Loaded>& cases, const Reinforcement& r,
               const SectionSteel& st, const FirstFailure& last) {
  const auto lc = std::find_if(cases.begin(), cases.end(), [&](const Loaded& c) { return c.index == last.factored; });
  if (lc == cases.end()) return 0;
  switch (last.kind) {
    case FirstFailure::Kind::Punching: {
      const std::vector<PunchingPerimeter> outlines = Perimeters(line, size, r.dLb);
      if (last.item >= outlines.size()) return 0;
      Perimeter p;
      PunchingAt(line, size, *lc, outlines[last.item], r.dLb, p);
      return p.u;
    }
    case FirstFailure::Kind::Face: {
      const ShearAtFace f = FaceShear(line, size, *lc, r, st, last.item);
      return f.applies ? f.u : 0;
    }
    case FirstFailure::Kind::Across: {
      const WideShear w = ShearAcross(size, *lc, r, st);
      return w.applies ? w.u : 0;
    }
    case FirstFailure::Kind::None:
      break;
  }
  return 0;
}

}  // namespace

Strength Evaluate(const Line& line, const Size& size, const std::vector<Loaded>& cases, const Reinforcement& r,
                  bool full, FirstFailure* failure) {
  const Settings& set = *line.settings;
  Strength s;
  const std::size_t n = line.columns.size();
  const SectionSteel steel = SteelAt(line, size, r);
  const auto worse = [&](double u) {
    s.worst = std::max(s.worst, u);
    return !full && s.worst > 1 + 1e-9;  // the depth search needs no more
  };
  const auto failed = [&](FirstFailure::Kind kind, std::size_t k, std::size_t item) {
    if (failure) *failure = {kind, cases[k].index, item};
    return s;
  };
  if (!full && failure) {
    if (failure->kind != FirstFailure::Kind::None && worse(AgainAt(line, size, cases, r, steel, *failure))) return s;
    *failure = {};
  }
  // Flexure first: the cheapest, and what fails first at small depths.
  const auto flexure = [&](const Demand& M, double b, double d, double ast) {
    if (!(M.value > 0)) return false;
    return worse(M.value / LimitingMoment(b, d, set)) || worse(M.value / MomentOfSteel(ast, b, d, set));
  };
  if (flexure(r.hog, size.B * 1000, r.dLt, r.top.area) || flexure(r.sag, size.B * 1000, r.dLb, r.bottom.area))
    return s;
  for (std::size_t i = 0; i < n; ++i)
    if (flexure(r.bandMoment[i], r.bands[i].width, r.dT, r.band[i].area)) return s;
  // Column bars continued as starters need their compression length below
  // the column base (26.2.1, 34.4.2): 25 % more bond in compression.
  const double tauBd = checks::BondStress(set.fck, set.fy);
  for (const Column& c : line.columns) {
    const double phi = c.input->barDia;
    // Down to the top of the longitudinal bottom bars: D - c - phi_T - phi_Lb.
    double room = r.dLb - r.bottom.dia / 2;
    if (c.pedestal && c.input->pedestalHeight > 0) room += c.input->pedestalHeight * 1000;
    s.starterLength.push_back(phi > 0 ? phi * 0.87 * set.fy / (4 * tauBd * 1.25) : 0);
    s.starterRoom.push_back(room);
    if (phi > 0 && worse(s.starterLength.back() / room)) return s;
  }
  s.faces.assign(2 * n, ShearAtFace{});
  s.bandShear.assign(n, WideShear{});
  const std::vector<PunchingPerimeter> outlines = Perimeters(line, size, r.dLb);
  s.punching.assign(outlines.size(), Perimeter{});
  Perimeter perimeter;
  for (std::size_t k = 0; k < cases.size(); ++k) {
    const Loaded& lc = cases[k];
    for (std::size_t p = 0; p < outlines.size(); ++p) {
      PunchingAt(line, size, lc, outlines[p], r.dLb, perimeter);
      KeepWorst(s.punching[p], perimeter, k);
      if (worse(s.punching[p].u)) return failed(FirstFailure::Kind::Punching, k, p);
    }
    for (std::size_t i = 0; i < n; ++i) {
      for (std::size_t face = 2 * i; face < 2 * i + 2; ++face) {
        ShearAtFace f = FaceShear(line, size, lc, r, steel, face);
        ShearAtFace& worst = s.faces[face];
        // Where no case puts the section on the footing, keep where it lies.
        if (!f.applies && worst.loaded < 0) worst = f;
        if (f.applies && (!worst.applies || f.u > worst.u)) f.loaded = static_cast<int>(k), worst = f;
        if (f.applies && worse(f.u)) return failed(FirstFailure::Kind::Face, k, face);
      }
      if (!full) continue;
      // The band's own shear only warns: the final size alone needs it.
      const Transverse t = TransverseLoad(line, size, lc, i, r.dT);
      WideShear w;
      w.applies = t.cantilever * 1000 > r.dT;
      w.width = r.bands[i].width / 1000;
      w.V = t.shear;
      w.tauV = w.V * 1e3 / (r.bands[i].width * r.dT);
      w.pt = 100 * r.band[i].area / (r.bands[i].width * r.dT);
      w.tauC = checks::Table19ShearStrength(set.fck, w.pt);
      w.u = w.tauV / w.tauC;
      if (w.applies) KeepWorst(s.bandShear[i], w, k);
    }
    const WideShear across = ShearAcross(size, lc, r, steel);
    if (across.applies) {
      KeepWorst(s.across, across, k);
      if (worse(across.u)) return failed(FirstFailure::Kind::Across, k, 0);
    }
  }
  return s;
}

}  // namespace footmark::combined
