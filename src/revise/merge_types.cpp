// Fewer footing types: the merge that adds the least concrete, again and
// again, until at most so many groups remain.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "model/numerics.h"
#include "checks/clearance.h"
#include "revise/clash_rule.h"
#include "revise/group_revision.h"
#include "revise/revise.h"

namespace footmark::revise {

namespace {

// Concrete of one footing as the quantities count it, m3 to three decimals:
// B^2 D and the pedestal as a cube; none for a group without a design.
double Volume(const FootGroup& g) {
  if (!g.Designed) return 0;
  const auto mm = RoundToMillimetre;
  const double v = mm(g.Size) * mm(g.Size) * mm(g.Depth) + mm(g.Pedestal) * mm(g.Pedestal) * mm(g.Pedestal);
  return std::round(v * 1000) / 1000;
}

struct Candidate {
  int kept = 0, absorbed = 0;
  double concrete = 0;
};

// The larger footing keeps its design for both; none when it has no design.
std::optional<Candidate> Pair(const Model& model, int a, int b) {
  const FootGroup &ga = model.FootGroups(a), &gb = model.FootGroups(b);
  const bool aLarger = ga.Size != gb.Size ? ga.Size > gb.Size : Volume(ga) >= Volume(gb);
  Candidate c{aLarger ? a : b, aLarger ? b : a, 0};
  if (!model.FootGroups(c.kept).Designed) return std::nullopt;
  return c;
}

// The kept design deepened and its pedestal widened where the other's are
// larger, so that no footing gets smaller.
FootGroup Raised(const FootGroup& large, const FootGroup& small) {
  FootGroup m = large;
  if (small.Designed) {
    m.Depth = std::max(large.Depth, small.Depth);
    m.Pedestal = std::max(large.Pedestal, small.Pedestal);
  }
  return m;
}

// The merged group: the raised design for the supports of both.
FootGroup Merged(const Model& model, const Candidate& c) {
  const FootGroup &large = model.FootGroups(c.kept), &small = model.FootGroups(c.absorbed);
  FootGroup m = Raised(large, small);
  m.ColSize = std::max(large.ColSize, small.ColSize);
  std::vector<int> supports = SupportsOf(large);
  for (const int s : SupportsOf(small)) supports.push_back(s);
  std::sort(supports.begin(), supports.end());
  m.Supports.clear();
  for (const int s : supports) m.Supports += IntText(s) + " ";
  return AtSide(model, m);
}

// Concrete the merge adds over the footings of both, m3.
double AddedConcrete(const Model& model, const Candidate& c, const std::vector<double>& counts) {
  const FootGroup &large = model.FootGroups(c.kept), &small = model.FootGroups(c.absorbed);
  const double v = Volume(Raised(large, small));
  return counts[static_cast<std::size_t>(c.kept)] * (v - Volume(large)) +
         counts[static_cast<std::size_t>(c.absorbed)] * (v - Volume(small));
}

// Removes group g; those after it move up one number.
void RemoveGroup(Model& model, int g) {
  for (int k = g; k < model.FootGroupCount; ++k) model.FootGroups(k) = model.FootGroups(k + 1);
  model.FootGroups(model.FootGroupCount) = FootGroup{};
  --model.FootGroupCount;
}

template <class T>
void Erase(std::vector<T>& list, int g) {
  list.erase(list.begin() + (g - 1));
}

}  // namespace

void MergeFootingTypes(Model& model, DesignRevision& record) {
  Merging m;
  m.maxTypes = record.request.maxTypes;
  m.before = model.FootGroupCount;
  while (model.FootGroupCount > m.maxTypes) {
    // Each group's room to grow among the footings as they stand.
    const std::vector<checks::FootingPlace> places = checks::FootingPlaces(model);
    std::vector<double> counts(static_cast<std::size_t>(model.FootGroupCount) + 1);
    std::vector<int> groupOfSupport(static_cast<std::size_t>(model.NumSupports) + 1, -1);
    for (int g = 1; g <= model.FootGroupCount; ++g) {
      const std::vector<int> supports = SupportsOf(model.FootGroups(g));
      counts[static_cast<std::size_t>(g)] = static_cast<double>(supports.size());
      for (const int s : supports)
        if (s >= 1 && s <= model.NumSupports) groupOfSupport[static_cast<std::size_t>(s)] = g;
    }
    std::vector<int> groupOf;
    for (const checks::FootingPlace& p : places) groupOf.push_back(groupOfSupport[static_cast<std::size_t>(p.support)]);
    std::vector<Room> rooms = RoomsOf(places, groupOf, model.FootGroupCount + 1);  // by group number
    // The merge that adds the least concrete among those that grow no
    // footing into another; only when none is left, whatever the clash.
    std::optional<Candidate> best;
    bool bestMeets = true;
    for (int a = 1; a <= model.FootGroupCount; ++a) {
      for (int b = a + 1; b <= model.FootGroupCount; ++b) {
        std::optional<Candidate> c = Pair(model, a, b);
        if (!c) continue;
        c->concrete = AddedConcrete(model, *c, counts);
        const float side = model.FootGroups(c->kept).Size, was = model.FootGroups(c->absorbed).Size;
        const bool meets = side > was && side > rooms[static_cast<std::size_t>(c->absorbed)].side + 1e-6;
        if (!best || (bestMeets && !meets) || (meets == bestMeets && c->concrete < best->concrete - 1e-9)) {
          best = c;
          bestMeets = meets;
        }
      }
    }
    const auto index = [](int g) { return static_cast<std::size_t>(g - 1); };
    Merge merge{record.origins[index(best->kept)].methodGroups, record.origins[index(best->absorbed)].methodGroups,
                SupportsOf(model.FootGroups(best->absorbed)), best->concrete};
    std::sort(merge.supports.begin(), merge.supports.end());
    if (bestMeets) merge.meets = rooms[static_cast<std::size_t>(best->absorbed)].first;
    ApplyDesign(model, best->kept, Merged(model, *best));
    std::vector<int>& origin = record.origins[index(best->kept)].methodGroups;
    origin.insert(origin.end(), merge.absorbed.begin(), merge.absorbed.end());
    record.passing[index(best->kept)] = false;
    RemoveGroup(model, best->absorbed);
    Erase(record.origins, best->absorbed);
    Erase(record.passing, best->absorbed);
    m.concrete += merge.concrete;
    m.merges.push_back(std::move(merge));
  }
  for (int g = 1; g <= model.FootGroupCount; ++g)
    for (const int s : SupportsOf(model.FootGroups(g))) model.Footings(s).FootGroupNo = static_cast<int16>(g);
  m.after = model.FootGroupCount;
  if (!m.merges.empty()) RenumberPedestals(model);
  record.merging = std::move(m);
}

}  // namespace footmark::revise
