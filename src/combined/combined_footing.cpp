// The design of one combined footing, in the order an engineer works:
// centre on the DL+LL resultant, choose the length for the least moment,
// the width from the soil, then deepen until the slab is strong enough and
// widen again for the heavier footing, until neither changes.
#include "combined/combined_footing.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>

#include "bbs/bar_shapes.h"
#include "combined/design_steps.h"
#include "combined/footing_sets.h"
#include "combined/rows.h"
#include "model/numerics.h"

namespace footmark::combined {

namespace {

constexpr double kStartDepth = 300, kDepthStep = 25;  // mm
constexpr int kWidthSteps = 100;                       // 10 m beyond the closed form at most
constexpr std::size_t kMostLevers = 8;                 // designs taken again for the lever h = D

double MetresOfMm(double mm) { return RoundToMillimetre(mm / 1000); }

int Decimetres(double metres) { return static_cast<int>(std::ceil(metres * 10 - 1e-9)); }

PlanRectangle RectangleOf(const Line& line, const Size& size) {
  if (line.axis == Axis::X) return {size.sc, size.tc, size.L, size.B};
  return {size.tc, size.sc, size.B, size.L};
}

// B from the DL+LL bearing with the resultant centred, and never narrower
// than the widest column with p_min each side; whole decimetres.
int StartWidth(const Line& line, double L, double D) {
  const Settings& set = *line.settings;
  const Case& c = line.service[line.resultantCase];
  const double hp = std::max(0.0, set.foundingDepth - D / 1000);
  const double qAll = AllowablePressure(line, c) + (set.netSbc ? set.soilWeight * set.foundingDepth : 0);
  const double room = L * (qAll - set.concreteWeight * D / 1000 - set.soilWeight * hp);
  double B = room > 0 ? (c.sumN + (set.concreteWeight - set.soilWeight) * line.areaSum * hp) / room : 0;
  for (const Column& col : line.columns) B = std::max(B, col.b + 2 * set.endProjection);
  return Decimetres(B);
}

// The least width from `from` up for which every service case bears (C1, C1b).
int WidthFor(const Line& line, Size size, int from) {
  for (int dm = from; dm < from + kWidthSteps; ++dm) {
    size.B = dm / 10.0;
    if (BearingHolds(line, size)) return dm;
  }
  return from;  // no width bears: C1 says so at the start width
}

struct LengthChoice {
  double L = 0;
  std::vector<LengthTrial> table;
  std::vector<int> joining;  // all lengths clash: the supports the shortest runs into
};

// From L_min (p_min beyond the end columns' outer faces) up by the end
// columns' spacing, the length with the least largest moment under the
// factored DL+LL; on a tie the shorter one. `known`: the moments of this
// line's trials found before, which the footings round it do not change.
LengthChoice ChooseLength(const Line& line, const std::vector<checks::FootingPlace>& outside,
                          const std::vector<LengthTrial>* known = nullptr) {
  const Settings& set = *line.settings;
  const Column &first = line.columns.front(), &last = line.columns.back();
  const double half = std::max(line.sR - first.s + first.a / 2, last.s - line.sR + last.a / 2) + set.endProjection;
  const int minDm = Decimetres(2 * half);
  const int steps = static_cast<int>(std::floor((last.s - first.s) * 10 + 1e-9));
  // Every trial is centred alike: the longest and widest holds them all,
  // and only the footings near it can meet one.
  std::vector<double> widths;
  Size bound{(minDm + steps) / 10.0, 0, kStartDepth, line.sR, line.tR};
  for (int k = 0; k <= steps; ++k) {
    widths.push_back(StartWidth(line, (minDm + k) / 10.0, kStartDepth) / 10.0);
    bound.B = std::max(bound.B, widths.back());
  }
  const std::vector<checks::FootingPlace> near = FootingsNear(RectangleOf(line, bound), outside, set.combiningGap);
  LengthChoice choice;
  double best = -1;
  for (int k = 0; k <= steps; ++k) {
    Size size{(minDm + k) / 10.0, 0, kStartDepth, line.sR, line.tR};
    size.B = widths[static_cast<std::size_t>(k)];
    LengthTrial t{size.L, 0, 0, false};
    if (const auto i = static_cast<std::size_t>(k); known && i < known->size()) {
      t.hogging = (*known)[i].hogging, t.sagging = (*known)[i].sagging;
    } else {
      const Loaded lc = LoadCase(line, size, line.lengthCase);
      t.hogging = lc.hog.value, t.sagging = lc.sag.value;
    }
    const std::vector<int> joining = JoiningSupports(RectangleOf(line, size), near, set.combiningGap);
    t.clashes = !joining.empty();
    if (k == 0) choice.joining = joining;
    choice.table.push_back(t);
    const double worst = std::max(t.hogging, t.sagging);
    if (!t.clashes && (best < 0 || worst < best * (1 - 1e-6))) best = worst, choice.L = size.L;
  }
  if (best >= 0) choice.joining.clear();
  return choice;
}

// The most depth steps from `size` on that the limiting moment rules out
// whatever the bars, within the largest depth. A depth ruled out rules out
// every smaller one, so halving the range finds the last.
int StepsRuledOut(const Line& line, Size size, const std::vector<Loaded>& cases) {
  const double from = size.D, most = line.settings->maxDepth;
  constexpr int kMostSteps = 4000;  // 100 m: far beyond any footing
  int lo = 0, hi = most > from ? static_cast<int>(std::min<double>(kMostSteps, (most - from) / kDepthStep)) : 0;
  while (hi > 0 && from + hi * kDepthStep > most) --hi;
  while (lo < hi) {
    const int mid = lo + (hi - lo + 1) / 2;
    size.D = from + mid * kDepthStep;
    if (BeyondLimitingMoment(line, size, cases)) lo = mid;
    else hi = mid - 1;
  }
  return lo;
}

BarSet MakeBars(std::string name, Face face, bool longitudinal, const BarChoice& c, double span, double leg,
                double from, double to, const Settings& set) {
  BarSet b{std::move(name), face, longitudinal, c.count, c.dia, c.spacing, 0, leg, from, to, 0, 0, c.area, 0};
  b.length = (span * 1000 - 2 * set.cover + 2 * leg) / 1000;
  // The bar bending schedule's rule, d^2/162 kg a metre, to 0.01 kg a set,
  // so that the quantities and the schedules agree.
  b.mass = std::round(c.count * b.length * bbs::UnitMass(c.dia) * 100) / 100;
  return b;
}

void Schedule(const Line& line, const Size& size, const Reinforcement& r, const Legs& legs, CombinedFooting& out) {
  const Settings& set = *line.settings;
  out.bars.push_back(MakeBars("top", Face::Top, true, r.top, size.L, legs.top, 0, size.L, set));
  out.bars.back().required = r.topNeed, out.bars.back().minimum = r.topMin;
  out.bars.push_back(MakeBars("bottom", Face::Bottom, true, r.bottom, size.L, legs.bottom, 0, size.L, set));
  out.bars.back().required = r.bottomNeed, out.bars.back().minimum = r.bottomMin;
  for (std::size_t i = 0; i < r.band.size(); ++i) {
    out.bars.push_back(MakeBars("band " + IntText(static_cast<long long>(i + 1)), Face::Bottom, false, r.band[i],
                                size.B, legs.band[i], r.bands[i].from, r.bands[i].to, set));
    out.bars.back().required = r.bandNeed[i], out.bars.back().minimum = r.bandMin[i];
  }
  if (!r.distributionStretches.empty()) {
    out.bars.push_back(MakeBars("distribution", Face::Bottom, false, r.distribution, size.B, 0,
                                r.distributionStretches.front().first, r.distributionStretches.back().second, set));
    out.bars.back().minimum = r.distributionRate;
    out.bars.back().provided = BarChoiceRate(r.distribution);
  }
  out.bars.push_back(MakeBars("top distribution", Face::Top, false, r.topDistribution, size.B, 0, 0, size.L, set));
  out.bands = r.bands;
}

// The key values and the sampled diagrams of one factored case.
BeamDiagram Diagram(const Line& line, const Size& size, const Loaded& lc) {
  const Beam& beam = lc.beam;
  BeamDiagram d;
  d.combination = line.factored[lc.index].combination->name;
  const auto key = [&](std::string what, double x) {
    d.keys.push_back({std::move(what), x, beam.Shear(x), beam.Shear(x, true), beam.Moment(x)});
  };
  key("left end", 0);
  for (std::size_t i = 0; i < line.columns.size(); ++i) {
    const double x = ColumnX(line, size, i), half = line.columns[i].a / 2;
    key(FaceName(line, i, 0), x - half);
    key(ColumnName(line, i) + " centre", x);
    key(FaceName(line, i, 1), x + half);
  }
  for (double x : lc.zeroShear) key("zero shear", x);
  for (double x : beam.Contraflexure()) key("contraflexure", x);
  key("right end", size.L);
  std::stable_sort(d.keys.begin(), d.keys.end(), [](const KeyPoint& a, const KeyPoint& b) { return a.x < b.x; });
  constexpr int kSamples = 100;
  d.samples.reserve(kSamples + 1 + 2 * d.keys.size());
  for (int k = 0; k <= kSamples; ++k) {
    const double x = size.L * k / kSamples;
    d.samples.push_back({x, beam.Shear(x, k == 0), beam.Moment(x, k == 0)});
  }
  for (const KeyPoint& k : d.keys) {
    d.samples.push_back({k.x, k.shearLeft, beam.Moment(k.x)});
    if (k.shearRight != k.shearLeft) d.samples.push_back({k.x, k.shearRight, beam.Moment(k.x, true)});
  }
  const auto middle = d.samples.begin() + kSamples + 1;
  std::inplace_merge(d.samples.begin(), middle, d.samples.end(),
                     [](const DiagramPoint& a, const DiagramPoint& b) { return a.x < b.x; });
  d.endShear = beam.Shear(size.L, true);
  d.endMoment = beam.Moment(size.L, true);
  return d;
}

void Judge(CombinedFooting& out) {
  out.verdict = checks::Verdict::Ok;
  for (const CheckRow& row : out.checks) {
    const checks::Check& c = row.check;
    if (c.status == checks::Status::Warning) ++out.warnings;
    if (c.status != checks::Status::Fail) continue;
    out.verdict = checks::Verdict::Fails;
    if (!out.reason.empty()) out.reason += "; ";
    out.reason += c.id + " " + c.name + " (u " + DecimalText(c.utilisation, 3) + ")";
  }
  // The worst failing check; with none, the worst that passes, leaving out
  // the statements (the bearing sized the footing, C2 states the loads, C9
  // the cover) and the rules that only warn: the band's textbook shear, the
  // column's own concrete (its bars carry any excess), the exposure's grade.
  const bool failing = out.verdict == checks::Verdict::Fails;
  for (int k = 0; k < static_cast<int>(out.checks.size()); ++k) {
    const checks::Check& c = out.checks[static_cast<std::size_t>(k)].check;
    const bool statement = c.id == "C0" || c.id == "C1" || c.id == "C2" || c.id == "C9" || c.id == "C19" ||
                           c.id == "C5.deep" || c.id.starts_with("C6.Tb") || c.id.starts_with("C15b");
    const bool candidate = failing ? c.status == checks::Status::Fail : c.status == checks::Status::Pass && !statement;
    if (candidate && (out.governing < 0 || c.utilisation > out.governingUtilisation)) {
      out.governing = k;
      out.governingUtilisation = c.utilisation;
    }
  }
}

}  // namespace

const CheckRow* CombinedFooting::Find(std::string_view id) const {
  for (const CheckRow& r : checks)
    if (r.check.id == id) return &r;
  return nullptr;
}

// What the rest of the design reads once the size is found; the line
// points into the input and the settings kept beside it.
struct SizedFooting::State {
  CombinedInput input;
  Settings settings;
  Line line;
  Size size;
  std::vector<Loaded> cases;
  Reinforcement r;
  CombinedFooting sized;
  std::optional<CombinedFooting> finished;  // the first whole design made
};

SizedFooting::SizedFooting(CombinedInput input, const Settings& settings,
                           const std::vector<checks::FootingPlace>& outside)
    : state_(std::make_unique<State>()) {
  State& st = *state_;
  st.input = std::move(input), st.settings = settings;
  const CombinedInput& in = st.input;
  const Settings& set = st.settings;
  CombinedFooting& out = st.sized;
  out.axis = in.axis;
  for (const ColumnInput& c : in.columns) out.supports.push_back(c.support), out.joints.push_back(c.joint);
  const std::string faults = InputFaults(in, set);
  CheckRow c0 = faults.empty() ? Rated("C0", "input sanity, the set on one grid line", "", 0, 1, "", 0, 0, "")
                               : Rated("C0", "input sanity, the set on one grid line", "", 1, 0, "", 0, kUnbounded, "");
  c0.check.note = faults.empty() ? "input valid" : "invalid: " + faults;
  out.checks.push_back(c0);
  if (!faults.empty()) {
    out.reason = faults;
    return;
  }
  // Sizes the set with its base moments taken at lever h (m) below the joints.
  const CombinedFooting start = std::move(out);
  const auto sizeAt = [&](double h) {
    st.sized = start;
    CombinedFooting& out = st.sized;
    st.line = MakeLine(in, set, h);
    const Line& line = st.line;
    out.supports.clear(), out.joints.clear();
    for (const Column& c : line.columns) {
      out.supports.push_back(c.input->support), out.joints.push_back(c.input->joint);
      out.pedestals.push_back(c.pedestal ? std::max(c.input->pedestalX, c.input->pedestalZ) : 0);
    }
    const ColumnInput& first = *line.columns.front().input;
    out.gridLine = in.axis == Axis::X ? first.gridZ : first.gridX;

    const LengthChoice length = ChooseLength(line, outside);
    out.lengthSearch = length.table;
    if (!length.joining.empty()) {
      out.joining = length.joining;
      out.reason = "every length runs into the footing of support " + IntText(length.joining.front());
      return;
    }
    Size size{length.L, 0, kStartDepth, line.sR, line.tR};
    size.B = WidthFor(line, size, StartWidth(line, size.L, size.D)) / 10.0;
    std::vector<Loaded> cases;
    Reinforcement r;
    FirstFailure failure;
    for (;;) {
      cases = LoadFactored(line, size, std::move(cases));
      // Below the depth at which the limiting moment can first hold, every
      // depth fails whatever its bars: the search starts one step short of
      // it, the cases kept on the way as at every trial depth.
      for (int k = StepsRuledOut(line, size, cases); k > 0; --k) {
        size.D += kDepthStep;
        cases = LoadFactored(line, size, std::move(cases));
      }
      for (;;) {
        r = Reinforce(line, size, cases);
        const Strength s = Evaluate(line, size, cases, r, false, &failure);
        if (s.worst <= 1 + 1e-9 || size.D + kDepthStep > set.maxDepth) break;
        size.D += kDepthStep;
        cases = LoadFactored(line, size, std::move(cases));
      }
      // The deeper footing weighs more: widen it again, never narrower.
      const int wider = WidthFor(line, size, std::max(Decimetres(size.B), StartWidth(line, size.L, size.D)));
      if (wider <= Decimetres(size.B)) break;
      size.B = wider / 10.0;
    }

    out.L = size.L, out.B = size.B, out.D = size.D;
    const PlanRectangle rect = RectangleOf(line, size);
    out.centreX = rect.x, out.centreZ = rect.z;
    for (std::size_t i = 0; i < line.columns.size(); ++i) out.columnAt.push_back(ColumnX(line, size, i));
    out.overhangStart = out.columnAt.front();
    out.overhangEnd = size.L - out.columnAt.back();
    out.dT = r.dT, out.dLb = r.dLb, out.dLt = r.dLt;
    if (!in.loadWarning.empty()) out.checks.front().check.note += "; " + in.loadWarning;
    out.joining = JoiningSupports(rect, outside, set.combiningGap);
    out.verdict = checks::Verdict::Ok;  // judged when finished
    st.size = size, st.cases = std::move(cases), st.r = std::move(r);
  };
  if (!in.leverIsDepth) {
    sizeAt(in.jointHeight);
    if (st.sized.L > 0 && in.jointHeight > 0)
      st.sized.checks.front().check.note += "; base moments at h = " + DecimalText(in.jointHeight, 3) + " m, the joint height set";
    return;
  }
  // The joints stand on the footing's top, so the lever is the depth the
  // design finds: from the shallowest trial depth up, each design taken
  // again at the depth it gave until the two agree. Should they never
  // agree, the design at the largest lever tried is kept, and C0 says so.
  std::vector<double> tried;
  double h = kStartDepth / 1000;
  for (;;) {
    sizeAt(h);
    tried.push_back(h);
    if (!(st.sized.L > 0) || MetresOfMm(st.sized.D) == h) break;
    h = MetresOfMm(st.sized.D);
    if (std::find(tried.begin(), tried.end(), h) == tried.end() && tried.size() < kMostLevers) continue;
    const double deepest = *std::max_element(tried.begin(), tried.end());
    if (deepest != tried.back()) sizeAt(deepest);
    st.sized.checks.front().check.status = checks::Status::Warning;  // the footing's verdict says so too
    st.sized.checks.front().check.note += "; base moments at h = " + DecimalText(deepest, 3) +
                                          " m: the lever did not settle on the depth, D = " +
                                          DecimalText(MetresOfMm(st.sized.D), 3) + " m";
    return;
  }
  if (st.sized.L > 0) st.sized.checks.front().check.note += "; base moments at h = D = " + DecimalText(h, 3) + " m";
}

SizedFooting::SizedFooting(SizedFooting&&) noexcept = default;
SizedFooting& SizedFooting::operator=(SizedFooting&&) noexcept = default;
SizedFooting::~SizedFooting() = default;

const CombinedInput& SizedFooting::Input() const { return state_->input; }
const Settings& SizedFooting::SettingsUsed() const { return state_->settings; }
const CombinedFooting& SizedFooting::Sized() const { return state_->sized; }

std::optional<CombinedFooting> SizedFooting::AmongOthers(const std::vector<checks::FootingPlace>& outside) const {
  const State& st = *state_;
  const CombinedFooting& made = st.sized;
  if (made.lengthSearch.empty()) return made;  // invalid input: nothing was placed
  const LengthChoice length = ChooseLength(st.line, outside, &made.lengthSearch);
  if (length.table != made.lengthSearch) return std::nullopt;
  if (!(made.L > 0)) {
    if (length.joining != made.joining) return std::nullopt;
    return made;
  }
  CombinedFooting out = made;
  out.joining = JoiningSupports(RectangleOf(st.line, st.size), outside, st.settings.combiningGap);
  return out;
}

CombinedFooting SizedFooting::Finished(const std::vector<checks::FootingPlace>& outside) const {
  State& st = *state_;
  if (!(st.sized.L > 0)) return st.sized;
  const Line& line = st.line;
  const Size& size = st.size;
  const Settings& set = st.settings;
  const PlanRectangle rect = RectangleOf(line, size);
  if (st.finished) {
    // Only the clearance depends on the footings round it.
    CombinedFooting out = *st.finished;
    for (CheckRow& row : out.checks)
      if (row.check.id == "C20") row = ClearanceRow(line, size, outside);
    out.joining = JoiningSupports(rect, outside, set.combiningGap);
    out.reason.clear();
    out.governing = -1, out.governingUtilisation = 0, out.warnings = 0;
    Judge(out);
    return out;
  }
  CombinedFooting out = st.sized;
  const std::vector<Loaded>& cases = st.cases;
  const Reinforcement& r = st.r;
  const Strength s = Evaluate(line, size, cases, r, true);
  Legs legs;
  std::vector<CheckRow> rows = CheckRows(line, size, cases, r, s, outside, legs);
  out.checks.insert(out.checks.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
  Schedule(line, size, r, legs, out);
  // Diagrams of the factored DL+LL and of every case that governs along the length.
  std::vector<int> plotted{r.hog.loaded, r.sag.loaded};
  for (const ShearAtFace& f : s.faces) plotted.push_back(f.loaded);
  for (std::size_t k = 0; k < cases.size(); ++k)
    if (cases[k].index == line.lengthCase) plotted.push_back(static_cast<int>(k));
  std::sort(plotted.begin(), plotted.end());
  plotted.erase(std::unique(plotted.begin(), plotted.end()), plotted.end());
  for (int k : plotted)
    if (k >= 0) out.diagrams.push_back(Diagram(line, size, cases[static_cast<std::size_t>(k)]));
  out.concrete = size.L * size.B * size.D / 1000;
  // A pedestal of no known height stands from the footing up to the ground,
  // as the footing's weight takes it.
  const double hp = std::max(0.0, set.foundingDepth - size.D / 1000);
  for (const Column& c : line.columns)
    if (c.pedestal) out.concrete += c.a * c.b * (c.input->pedestalHeight > 0 ? c.input->pedestalHeight : hp);
  for (const BarSet& b : out.bars) out.steel += b.mass;
  out.joining = JoiningSupports(rect, outside, set.combiningGap);
  Judge(out);
  st.finished = out;
  return out;
}

CombinedFooting DesignCombinedFooting(const CombinedInput& input, const Settings& set,
                                      const std::vector<checks::FootingPlace>& outside) {
  return SizedFooting(input, set, outside).Finished(outside);
}

}  // namespace footmark::combined
