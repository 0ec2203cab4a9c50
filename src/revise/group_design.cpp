// What a revision writes on a footing group: a design put on it, its
// pressure under a new side, a design of its own for a group the method
// left undesigned, and the pedestal types numbered again.
#include <cmath>
#include <limits>

#include "design/foot_groups.h"
#include "design/footing_design.h"
#include "model/line_rules.h"
#include "model/numerics.h"
#include "revise/group_revision.h"

namespace footmark::revise {

namespace {

// The reference volume lifted while the method's own design procedure runs.
class WithoutReferenceVolume {
 public:
  explicit WithoutReferenceVolume(Model& model) : model_(model), saved_(model.MaxVolume) {
    model.MaxVolume = std::numeric_limits<float>::max();
  }
  ~WithoutReferenceVolume() { model_.MaxVolume = saved_; }
  WithoutReferenceVolume(const WithoutReferenceVolume&) = delete;
  WithoutReferenceVolume& operator=(const WithoutReferenceVolume&) = delete;

 private:
  Model& model_;
  float saved_;
};

}  // namespace

std::vector<int> SupportsOf(const FootGroup& group) {
  std::vector<int> supports;
  for (const std::string_view piece : SplitFields(group.Supports))
    if (const auto n = StrictNumber(piece)) supports.push_back(static_cast<int>(*n));
  return supports;
}

void ApplyDesign(Model& model, int g, const FootGroup& design) {
  model.FootGroups(g) = design;
  for (const int s : SupportsOf(design)) model.Footings(s).FootSize = design.Size;
}

FootGroup AtSide(const Model& model, FootGroup design) {
  design.Pressure = 0;
  design.LoadCase = design.GovSupport = 0;
  for (const int s : SupportsOf(design)) {
    int16 lc = 0;
    const float q = MaxSoilPressure(model, static_cast<int16>(s), design.Size, lc);
    if (design.Pressure < q) {
      design.Pressure = q;
      design.LoadCase = lc;
      design.GovSupport = static_cast<int16>(s);
    }
  }
  return design;
}

void RenumberPedestals(Model& model) {
  model.PedSizes(0) = 0;
  NumberPedestals(model);
}

bool DesignDirectly(Model& model, int g, std::string& why) {
  FootGroup& group = model.FootGroups(g);
  bool accepted = false;
  {
    const WithoutReferenceVolume lifted(model);
    accepted = DesignFooting(model, group.Size, group.ColSize, group.Pressure, group.Depth, group.Pedestal,
                             group.SteelArea)
                   .accepted;
  }
  if (!accepted) {
    // A column above 750 mm: the standard pedestals stop short of it.
    const double P = std::ceil((group.ColSize + 150) / 50.0 - 1e-9) * 0.05;
    if (!(P < group.Size)) {
      why = "a " + DecimalText(group.ColSize, 0) + " mm column needs a " + DecimalText(P, 2) +
            " m pedestal, not smaller than the " + DecimalText(group.Size, 3) + " m footing";
      return false;
    }
    const double a = (group.Size - P) / 2;
    const float Mu = Sng(group.Pressure * 1.5 * group.Size * a * a / 2);
    const float d = BendingDepth(Mu, group.Size, model.Fck);
    group.Pedestal = Sng(P);
    group.Depth = Sng(d + 0.06);
    group.SteelArea = Sng(0.002 * group.Size * d * 1e6);  // the design's least 0.2 %
  }
  group.Designed = true;
  SelectBars(model, static_cast<int16>(g));
  return true;
}

}  // namespace footmark::revise
