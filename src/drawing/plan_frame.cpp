#include "drawing/plan_frame.h"

#include <algorithm>
#include <cmath>

#include "checks/clearance.h"
#include "design/schedules.h"
#include "model/column_offsets.h"
#include "model/numerics.h"

namespace footmark {

namespace {


// Index of the merged line a coordinate belongs to: the nearest one.
int LineOf(const std::vector<double>& lines, double at) {
  const auto above = std::lower_bound(lines.begin(), lines.end(), at);
  if (above == lines.begin()) return 0;
  if (above == lines.end()) return static_cast<int>(lines.size()) - 1;
  const int i = static_cast<int>(above - lines.begin());
  return at - lines[static_cast<std::size_t>(i - 1)] <= *above - at ? i - 1 : i;
}

// The supports of combined footings: the footing's rectangle, its mark and
// state; a set not designed keeps its squares with the footing recommended.
void CombinedOutline(const Model& model, const checks::DesignChecks& checks, PlanFooting& p) {
  for (std::size_t k = 0; k < model.CombinedAreas.size(); ++k) {
    const CombinedArea& a = model.CombinedAreas[k];
    if (std::find(a.supports.begin(), a.supports.end(), p.support) == a.supports.end()) continue;
    const combined::CombinedFooting* f = nullptr;
    for (const combined::CombinedFooting& c : checks.combined)
      if (!a.mark.empty() && c.mark == a.mark) f = &c;
    p.group = 0;
    p.pedestal = 0;
    if (!f) {
      // A set not designed keeps its isolated footings, hatched, with the footing recommended.
      p.verdict = checks::Verdict::NotDesigned;
      p.mark = "";
      for (const combined::CombinedFooting& c : checks.combined)
        if (c.supports.size() == a.supports.size() &&
            std::is_permutation(c.supports.begin(), c.supports.end(), a.supports.begin()))
          p.mark = c.reason.find("strip") != std::string::npos ? "STRIP FOOTING" : "RAFT OR STRAP";
      return;
    }
    p.combined = Extents{{RoundToMillimetre(a.x - a.sizeX / 2), RoundToMillimetre(-a.z - a.sizeZ / 2)}, {RoundToMillimetre(a.x + a.sizeX / 2), RoundToMillimetre(-a.z + a.sizeZ / 2)}};
    // Its columns stand on the pedestals it was designed with.
    const auto at = std::find(f->supports.begin(), f->supports.end(), p.support);
    if (const auto i = static_cast<std::size_t>(at - f->supports.begin()); i < f->pedestals.size())
      p.pedestal = RoundToMillimetre(f->pedestals[i] / 1000);
    p.drawsFooting = p.support == a.supports.front();
    p.mark = p.drawsFooting ? f->mark : "";
    p.verdict = f->verdict;
    p.governing = f->verdict == checks::Verdict::Fails && f->governing >= 0
                      ? f->checks[static_cast<std::size_t>(f->governing)].check.id
                      : "";
    return;
  }
}

}  // namespace

std::string GridLetters(int index) {
  // Drawing practice leaves out I and O, which read as 1 and 0.
  static constexpr char kLetters[] = "ABCDEFGHJKLMNPQRSTUVWXYZ";
  constexpr int n = sizeof kLetters - 1;
  if (index < n) return std::string(1, kLetters[index]);
  index -= n;
  return std::string(1, kLetters[(index / n) % n]) + kLetters[index % n];
}

std::vector<double> MergedLines(std::vector<double> coordinates, double merge) {
  std::sort(coordinates.begin(), coordinates.end());
  std::vector<double> lines;
  std::size_t i = 0;
  while (i < coordinates.size()) {
    // One cluster: each coordinate closer than `merge` to the one before.
    std::size_t end = i + 1;
    while (end < coordinates.size() && coordinates[end] - coordinates[end - 1] < std::max(merge - 1e-9, 1e-9)) ++end;
    double best = coordinates[i];
    std::size_t bestCount = 0;
    for (std::size_t j = i; j < end;) {
      std::size_t k = j;
      while (k < end && coordinates[k] == coordinates[j]) ++k;
      if (k - j > bestCount) best = coordinates[j], bestCount = k - j;
      j = k;
    }
    lines.push_back(best);
    i = end;
  }
  return lines;
}

PlanFrame BuildPlanFrame(const Model& model, const checks::DesignChecks& checks, double merge) {
  PlanFrame plan;
  std::vector<double> xs, zs;
  for (int s = 1; s <= model.NumSupports; ++s) {
    xs.push_back(RoundToMillimetre(model.Footings[s].PosX));
    zs.push_back(RoundToMillimetre(model.Footings[s].PosY));
  }
  const std::vector<double> lineX = MergedLines(xs, merge), lineZ = MergedLines(zs, merge);
  for (std::size_t i = 0; i < lineX.size(); ++i) plan.lettered.push_back({lineX[i], GridLetters(static_cast<int>(i))});
  for (std::size_t i = 0; i < lineZ.size(); ++i) plan.numbered.push_back({-lineZ[i], IntText(static_cast<int>(i) + 1)});

  plan.extent = {{INFINITY, INFINITY}, {-INFINITY, -INFINITY}};
  for (int s = 1; s <= model.NumSupports; ++s) {
    const FootingRecord& f = model.Footings[s];
    PlanFooting p;
    p.support = s;
    p.group = f.FootGroupNo >= 1 && f.FootGroupNo <= model.FootGroupCount ? f.FootGroupNo : 0;
    p.mark = FootingMark(model, s);
    if (p.group > 0 && static_cast<std::size_t>(p.group) <= checks.groups.size()) {
      const checks::FootingCheck& c = checks.groups[static_cast<std::size_t>(p.group - 1)].check;
      p.verdict = c.verdict;
      if (c.verdict == checks::Verdict::Fails && c.governing >= 0)
        p.governing = c.checks[static_cast<std::size_t>(c.governing)].id;
    }
    // An undesigned group has no pedestal, whatever its table holds.
    if (p.verdict != checks::Verdict::NotDesigned) p.pedestal = RoundToMillimetre(model.FootGroups[p.group].Pedestal);
    const double z = RoundToMillimetre(f.PosY + ColumnShift(f.ColWidth, f.OffsetY));
    p.x = RoundToMillimetre(f.PosX + ColumnShift(f.ColDepth, f.OffsetX));
    p.y = -z;
    p.side = RoundToMillimetre(f.FootSize);
    p.columnX = f.ColDepth / 1000.0;
    p.columnY = f.ColWidth / 1000.0;
    p.lineX = LineOf(lineX, RoundToMillimetre(f.PosX));
    p.lineY = LineOf(lineZ, RoundToMillimetre(f.PosY));
    p.offX = RoundToMillimetre(p.x - lineX[static_cast<std::size_t>(p.lineX)]);
    p.offY = RoundToMillimetre(p.y + lineZ[static_cast<std::size_t>(p.lineY)]);
    CombinedOutline(model, checks, p);
    const Extents sq = p.Square();
    plan.extent.min = {std::min(plan.extent.min.x, sq.min.x), std::min(plan.extent.min.y, sq.min.y)};
    plan.extent.max = {std::max(plan.extent.max.x, sq.max.x), std::max(plan.extent.max.y, sq.max.y)};
    plan.footings.push_back(std::move(p));
  }
  if (plan.footings.empty()) plan.extent = {{0, 0}, {1, 1}};
  plan.clashes = checks::FindClashes(checks::FootingPlaces(model));
  return plan;
}

std::vector<double> ZoneCuts(double low, double high, int parts, const std::vector<std::pair<double, double>>& intervals) {
  // The free gaps between the merged intervals.
  std::vector<std::pair<double, double>> gaps;
  double reach = low;
  for (const auto& [a, b] : intervals) {
    if (a > reach) gaps.push_back({reach, a});
    reach = std::max(reach, b);
  }
  std::vector<double> cuts{low};
  for (int i = 1; i < parts; ++i) {
    const double ideal = low + (high - low) * i / parts;
    double best = ideal, distance = INFINITY;
    for (const auto& [a, b] : gaps) {
      const double at = std::clamp(ideal, a, b);
      // The middle of a narrow gap, not its edge.
      const double cut = b - a < 1.0 ? (a + b) / 2 : at;
      if (std::fabs(cut - ideal) < distance && cut > cuts.back()) best = cut, distance = std::fabs(cut - ideal);
    }
    cuts.push_back(RoundToMillimetre(best));
  }
  cuts.push_back(high);
  return cuts;
}

}  // namespace footmark
