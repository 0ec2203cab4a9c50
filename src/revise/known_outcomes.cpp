// Groups found "cannot be revised", kept by what their revision reads, so
// that the rounds of combining do not revise them again for a change far
// from them.
#include <algorithm>
#include <cmath>

#include "checks/clearance.h"
#include "revise/clash_rule.h"
#include "revise/group_revision.h"

namespace footmark::revise {

namespace {

template <class T>
void Add(std::string& key, const T& value) {
  key.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void Add(std::string& key, const std::string& text) {
  Add(key, text.size());
  key += text;
}

void Add(std::string& key, const checks::FootingPlace& p) {
  Add(key, p.support), Add(key, p.x), Add(key, p.z), Add(key, p.side);
}

}  // namespace

void KnownOutcomes::For(const checks::CheckBasis& basis, const RevisionLimits& limits) {
  if (basis.file == file_ && basis.settings == settings_ && limits == limits_) return;
  file_ = basis.file, settings_ = basis.settings, limits_ = limits;
  known_.clear();
}

std::optional<GroupRevision> KnownOutcomes::Revise(Model& model, int g, const checks::CheckBasis& basis,
                                                   const RevisionLimits& limits) {
  For(basis, limits);
  std::string key;
  if (!known_.empty()) {
    key = KeyOf(model, g);
    if (const auto hit = known_.find(key); hit != known_.end()) {
      GroupRevision r = hit->second;
      r.group = g;
      return r;
    }
  }
  std::optional<GroupRevision> r = ReviseGroup(model, g, basis, limits);
  Remember(model, g, r, std::move(key));
  return r;
}

void KnownOutcomes::Keep(const Model& model, int g, const checks::CheckBasis& basis, const RevisionLimits& limits,
                         const std::optional<GroupRevision>& r) {
  For(basis, limits);
  Remember(model, g, r, {});
}

void KnownOutcomes::Remember(const Model& model, int g, const std::optional<GroupRevision>& r, std::string key) {
  // The model stands as the revision found it: the key is the same after.
  if (r && r->outcome == Outcome::CannotBeRevised) known_.emplace(key.empty() ? KeyOf(model, g) : std::move(key), *r);
}

std::string KnownOutcomes::KeyOf(const Model& model, int g) const {
  std::string key;
  const FootGroup& group = model.FootGroups(g);
  Add(key, group.Supports), Add(key, group.BarText);
  for (const float x : {group.Size, group.Pressure, group.ColSize, group.Pedestal, group.Depth, group.SteelArea,
                        group.FirstPedestal, group.FirstVolume})
    Add(key, x);
  for (const int16 i : {group.LoadCase, group.GovSupport, group.PedType, group.BarDia}) Add(key, i);
  Add(key, group.Designed);
  const std::vector<int> supports = SupportsOf(group);
  for (const int s : supports) {
    const FootingRecord& f = model.Footings(s);
    Add(key, f.ColWidth), Add(key, f.ColDepth), Add(key, f.FootSize);
  }
  std::vector<float> pedestals;
  for (int k = 1; k <= model.FootGroupCount; ++k)
    if (k != g) pedestals.push_back(model.FootGroups(k).Pedestal);
  std::sort(pedestals.begin(), pedestals.end());
  pedestals.erase(std::unique(pedestals.begin(), pedestals.end()), pedestals.end());
  // The others' pedestals count only against the schedule's pedestal types:
  // while one more type fits, whichever they are reads the same.
  if (pedestals.size() < static_cast<std::size_t>(kMaxPedSizes)) pedestals.clear();
  Add(key, pedestals.size());
  for (const float p : pedestals) Add(key, p);
  // No side the revision tries exceeds the largest side allowed, nor a
  // footing a pedestal's step wider than the largest pedestal.
  const double side = std::max({static_cast<double>(group.Size), limits_.largestSide, limits_.largestPedestal + 0.1});
  const double reach = settings_.clearanceGap / 1000 + 1e-3;
  const std::vector<checks::FootingPlace> places = checks::FootingPlaces(model);
  std::vector<const checks::FootingPlace*> own;  // by x, to try only those within reach along x
  for (const checks::FootingPlace& p : places)
    if (std::find(supports.begin(), supports.end(), p.support) != supports.end() && std::isfinite(p.x))
      own.push_back(&p);
  std::sort(own.begin(), own.end(), [](const auto* a, const auto* b) { return a->x < b->x; });
  const auto byX = [](const checks::FootingPlace* o, double x) { return o->x < x; };
  std::vector<checks::FootingPlace> near;
  for (const checks::FootingPlace& p : places) {
    const double within = (side + p.side) / 2 + reach + 1e-6;  // along x, a micrometre to spare
    bool isNear = false;
    for (auto o = std::lower_bound(own.begin(), own.end(), p.x - within, byX);
         !isNear && o != own.end() && (*o)->x <= p.x + within; ++o)
      isNear = std::max(std::fabs((*o)->x - p.x), std::fabs((*o)->z - p.z)) - (side + p.side) / 2 < reach;
    if (isNear) Add(key, p), near.push_back(p);
  }
  // A footing farther off leaves more room than any side the revision tries.
  const Room room = RoomToGrow(near, supports);
  Add(key, room.side), Add(key, room.first.support), Add(key, room.first.other);
  return key;
}

KnownOutcomes& Outcomes(DesignRevision& record) {
  if (!record.cannot) record.cannot = std::make_shared<KnownOutcomes>();
  return *record.cannot;
}

}  // namespace footmark::revise
