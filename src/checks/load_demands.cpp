#include "checks/load_demands.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "checks/contact_pressure.h"

namespace footmark::checks {

namespace {

using loads::Combination;
using loads::Reaction;

constexpr double kInfinite = std::numeric_limits<double>::infinity();

// Moments at the underside of the footing, the joint h above it: a column
// pushed towards +X gives FORCE-X < 0 and MOM-Z > 0, so the lever adds.
struct BaseActions {
  double N, Mbx, Mbz;
};
BaseActions AtBase(const Reaction& r, double h) { return {r.fy, r.mx + h * r.fz, r.mz - h * r.fx}; }

double Ratio(double demand, double capacity) { return capacity > 0 ? demand / capacity : kInfinite; }

// The column's load N_u under a factored combination that presses on the
// soil, kept where it is the largest so far; `from` the combination giving
// it, whose name the caller copies once it has them all.
// Support s's reactions: from the table kept, or summed into `own`.
const SupportReactions& RowsAt(const loads::LoadFile& file, const loads::CombinationSets& sets, int s,
                               const ReactionTable* table, SupportReactions& own) {
  if (table) return table->At(file, sets, s);
  own = ReactionsAt(file, sets, s);
  return own;
}

// A column's load before any combination is taken.
ColumnLoad NoColumnLoad(const SupportColumn& column) {
  ColumnLoad col;
  col.support = column.support;
  col.shortSide = std::min(column.sideA, column.sideB);
  col.longSide = std::max(column.sideA, column.sideB);
  col.Pu = -kInfinite;
  return col;
}

void TakeColumnLoad(const Combination& c, const Reaction& r, ColumnLoad& col, const Combination*& from) {
  if (!(r.fy > 0) || !(r.fy > col.Pu)) return;
  col.Pu = r.fy;
  from = &c;
  col.loadCase = c.number;
  col.reaction = r;
}

class GroupDemands {
 public:
  GroupDemands(const loads::LoadFile& file, const loads::CombinationSets& sets, const GroupShape& shape,
               double sbc, const CheckSettings& settings)
      : file_(file), sets_(sets), g_(shape), sbc_(sbc), settings_(settings) {
    const double B = g_.B, P = g_.P;
    d_.fallback = sets.fallback;
    d_.stability = !sets.fallback;
    d_.tieBeams = settings.tieBeams;
    d_.lateral = !sets.laterals.empty();
    d_.h = settings.jointHeight.value_or(g_.D);
    d_.pedestalHeight = std::max(settings.foundingDepth - g_.D, 0.0);
    const double hp = d_.pedestalHeight;
    d_.W = settings.concreteWeight * (B * B * g_.D + P * P * hp) + settings.soilWeight * (B * B - P * P) * hp;
    d_.concreteWeight = settings.concreteWeight;
    d_.soilWeight = settings.soilWeight;
  }

  void Support(const SupportColumn& column, const ReactionTable* table) {
    const int s = column.support;
    if (s < 1 || s > file_.supports) return;
    SupportReactions own;
    const SupportReactions& rows = RowsAt(file_, sets_, s, table, own);
    for (std::size_t k = 0; k < sets_.service.size(); ++k) Service(s, sets_.service[k], rows.service[k]);
    ColumnLoad col = NoColumnLoad(column);
    col.pedestalLoad = -kInfinite;
    columnFrom_ = pedestalFrom_ = nullptr;
    for (std::size_t k = 0; k < sets_.factored.size(); ++k) Factored(s, sets_.factored[k], rows.factored[k], col);
    if (col.Pu > 0) {
      col.combination = columnFrom_->name;
      if (pedestalFrom_) col.pedestalCombination = pedestalFrom_->name;
      d_.columns.push_back(std::move(col));
    }
    if (d_.stability) Stability(s, rows);
  }

  LoadDemands Result() {
    for (const auto& [field, name] : names_) *field = *name;
    return std::move(d_);
  }

 private:
  // C1 and C1b (IS 456 34.1.1): the footing's weight on the soil, biaxial eccentricity.
  void Service(int s, const Combination& c, const Reaction& r) {
    const BaseActions a = AtBase(r, d_.h);
    const double Pt = a.N + d_.W, B = g_.B;
    // Under the fallback a case cannot be told gravity from lateral: tension
    // under it is a warning.
    const bool lateral = c.lateral || sets_.fallback;
    ContactDemand& kern = lateral ? d_.lateralContact : d_.gravityContact;
    if (!(Pt > 0)) {
      // The footing lifts off: no bearing, no contact.
      if (kern.u < kInfinite) {
        kern = {{s, {}, c.number, r}, kInfinite, 0, 0, 0};
        Name(kern.combination, &c.name);
      }
      return;
    }
    const double ex = std::fabs(a.Mbz) / Pt, ez = std::fabs(a.Mbx) / Pt;
    const Bearing q = SquareBearing(B, Pt, ex, ez);
    const double u = 6 * (ex + ez) / B;
    if (u > kern.u) {
      kern = {{s, {}, c.number, r}, u, q.contact, ex, ez};
      Name(kern.combination, &c.name);
    }
    const double increase = c.laterCase ? 25
                            : c.lateral ? (c.lateralClass == loads::LoadClass::Wind ? settings_.windIncrease
                                                                                     : settings_.seismicIncrease)
                                        : 0;
    const double qAll = sbc_ * (1 + increase / 100);
    const double compared = settings_.sbcBasis == SbcBasis::Net ? q.qMax - settings_.soilWeight * settings_.foundingDepth
                                                                : q.qMax;
    const double share = Ratio(compared, qAll);
    if (d_.bearing.support != 0 && !(share > d_.bearing.u)) return;
    BearingDemand& b = d_.bearing;
    b.support = s;
    Name(b.combination, &c.name);
    b.loadCase = c.number;
    b.reaction = r;
    b.q = compared, b.qAll = qAll, b.u = share;
    b.N = a.N, b.Mbx = a.Mbx, b.Mbz = a.Mbz, b.ex = ex, b.ez = ez;
    b.qMax = q.qMax, b.qMin = q.qMin, b.contact = q.contact;
  }

  // The slab (IS 456 34.2): net pressure, the combination's own moments, each
  // direction with its own, at the upper layer's depth.
  void Factored(int s, const Combination& c, const Reaction& r, ColumnLoad& col) {
    const BaseActions a = AtBase(r, d_.h);
    const double Nu = a.N;
    if (!(Nu > 0)) {
      if (d_.tension++ == 0) d_.firstTension = {s, c.name, c.number, r};
      return;
    }
    TakeColumnLoad(c, r, col, columnFrom_);
    const double pedestal = Nu + c.deadFactor * settings_.concreteWeight * g_.P * g_.P * d_.pedestalHeight;
    if (pedestal > col.pedestalLoad) {
      col.pedestalLoad = pedestal;
      pedestalFrom_ = &c;
      col.pedestalCase = c.number;
    }

    const double B = g_.B, P = g_.P, d = g_.dUp, f = P / 2, arm = (B - P) / 2;
    const double weight = c.deadFactor * d_.W, Ng = Nu + weight;
    // The resultant of every factored combination must stay within the base.
    const auto where = [&] { return Named{{s, {}, c.number, r}, &c.name}; };
    if (d_.stability) Keep(d_.overturning, std::max(std::fabs(a.Mbx), std::fabs(a.Mbz)), Ng * B / 2, where);
    const double ex = std::fabs(a.Mbz) / Ng, ez = std::fabs(a.Mbx) / Ng;
    const double side = P + d;
    double Mu[2], Vu[2], punching = 0, contact = 1;
    const bool kern = 6 * (ex + ez) / B <= 1;
    if (kern) {
      // In the kern the net pressure is linear on the heavy side.
      const double M[2] = {std::fabs(a.Mbz), std::fabs(a.Mbx)};
      for (int k = 0; k < 2; ++k) {
        const auto qn = [&](double x) { return Nu / (B * B) + 12 * M[k] * x / (B * B * B * B); };
        Mu[k] = B * arm * arm / 2 * qn(f + 2 * arm / 3);
        Vu[k] = arm > d ? B * (arm - d) * qn(f + d + (arm - d) / 2) : 0;
      }
      // The moment terms cancel over the centred square.
      punching = side < B ? Nu * (1 - side * side / (B * B)) : 0;
    } else if (!NoTension(Nu, weight, ex, ez, Mu, Vu, punching, contact)) {
      // No pressure holds the footing: overturning (C18b) judges it, and
      // without stability checks (the fallback) the slab fails under it.
      if (d_.unbounded++ == 0) d_.firstUnbounded = {s, c.name, c.number, r};
      if (d_.stability) return;
      Mu[0] = Mu[1] = Vu[0] = Vu[1] = punching = kInfinite;
      contact = 0;
    }
    const auto keep = [&](SlabDemand& kept, double value, double M, int k) {
      if (kept.support != 0 && !(value > kept.value)) return;
      kept = {{s, {}, c.number, r}, value, Nu, M, k == 0 ? 'x' : 'z', kern, contact, weight};
      Name(kept.combination, &c.name);
    };
    for (int k = 0; k < 2; ++k) {
      const double M = k == 0 ? a.Mbz : a.Mbx;
      keep(d_.moment, Mu[k], M, k);
      keep(d_.shear, Vu[k], M, k);
    }
    keep(d_.punching, punching, 0, 0);
  }

  // Outside the kern: the slab's actions from the pressure without tension;
  // false when the resultant lies beyond the base.
  bool NoTension(double Nu, double weight, double ex, double ez, double Mu[2], double Vu[2], double& punching,
                 double& contact) const {
    const double B = g_.B, P = g_.P, d = g_.dUp, f = P / 2, arm = (B - P) / 2, side = P + d;
    const ContactPressure q = SolveContact(B, B, Nu + weight, ex, ez);
    if (!q.bounded) return false;
    contact = q.ContactShare();
    // The weight loads slab and soil alike: the net pressure is the contact
    // pressure less weight / B^2 over the whole base.
    const double w = weight / (B * B);
    const ContactPressure along[2] = {q, Transposed(q)};
    for (int k = 0; k < 2; ++k) {
      Mu[k] = Beyond(along[k], f).moment - w * B * arm * arm / 2;
      Vu[k] = arm > d ? Beyond(along[k], f + d).force - w * B * (arm - d) : 0;
    }
    punching = side < B ? Nu - (Inside(q, side) - w * side * side) : 0;
    return true;
  }

  // `where` gives the Governs of a demand that is kept.
  template <class Where>
  void Keep(StabilityDemand& kept, double demand, double capacity, const Where& where) {
    const double u = Ratio(demand, capacity);
    if (kept.support != 0 && !(u > kept.u)) return;
    Named at = where();
    kept = {std::move(at.where), demand, capacity, u};
    Name(kept.combination, at.name);
  }

  // A demand is kept anew many times over a group's combinations: the name
  // of the combination giving it is copied once, at the end.
  struct Named {
    Governs where;             // without the name when `name` gives it
    const std::string* name;   // null: the name is in `where`
  };
  void Name(std::string& field, const std::string* name) {
    const auto at = std::find_if(names_.begin(), names_.end(), [&](const auto& n) { return n.first == &field; });
    if (!name) {
      if (at != names_.end()) names_.erase(at);
    } else if (at != names_.end()) {
      at->second = name;
    } else {
      names_.emplace_back(&field, name);
    }
  }

  // C18: uplift and overturning under 0.9DL +- 1.5X with 0.9 of the
  // weight resisting; overturning and sliding under dead and imposed load
  // with 0.9DL resisting (IS 456 20.1, 20.2).
  void Stability(int s, const SupportReactions& rows) {
    const Reaction &dead = rows.dead, &live = rows.live;
    const double B = g_.B, W = d_.W, resisting = 0.9 * (dead.fy + W);
    for (std::size_t k = 0; k < sets_.uplift.size(); ++k) {
      const Combination& c = sets_.uplift[k];
      const Reaction& r = rows.uplift[k];
      const BaseActions a = AtBase(r, d_.h);
      const auto where = [&] { return Named{{s, {}, c.number, r}, &c.name}; };
      Keep(d_.uplift, -a.N, 0.9 * W, where);  // the least margin, tension or not
      const double Nr = a.N + 0.9 * W;
      Keep(d_.overturning, std::max(std::fabs(a.Mbx), std::fabs(a.Mbz)), Nr > 0 ? Nr * B / 2 : 0, where);
    }
    const BaseActions D = AtBase(dead, d_.h), L = AtBase(live, d_.h);
    const bool imposed = !sets_.live.empty();
    const char* gravity = imposed ? "1.2DL + 1.4LL against 0.9DL" : "1.2DL against 0.9DL";
    const double overturning = std::max(std::fabs(1.2 * D.Mbx + 1.4 * L.Mbx), std::fabs(1.2 * D.Mbz + 1.4 * L.Mbz));
    Keep(d_.overturning, overturning, resisting > 0 ? resisting * B / 2 : 0,
         [&] { return Named{{s, gravity, 0, {}}, nullptr}; });
    const double mu = settings_.friction;
    const Reaction service = [&] {
      Reaction r = dead;
      r.Add(live, 1);
      return r;
    }();
    Keep(d_.sliding, 1.4 * std::hypot(service.fx, service.fz), resisting > 0 ? mu * resisting : 0,
         [&] { return Named{{s, imposed ? "DL + LL, 0.9DL resisting" : "DL, 0.9DL resisting", 0, service}, nullptr}; });
    for (const loads::LateralCase& x : sets_.laterals) {
      const Reaction& X = file_.Row(s, x.index);
      for (const double sign : {1.0, -1.0}) {
        const double H = std::hypot(dead.fx + sign * X.fx, dead.fz + sign * X.fz);
        const double R = resisting + std::min(0.0, sign * X.fy);
        Keep(d_.sliding, 1.4 * H, R > 0 ? mu * R : 0, [&] {
          Reaction both = dead;
          both.Add(X, sign);
          return Named{{s, std::string("DL ") + (sign > 0 ? "+ " : "- ") + x.label + ", 0.9DL resisting", 0, both},
                       nullptr};
        });
      }
    }
  }

  const loads::LoadFile& file_;
  const loads::CombinationSets& sets_;
  GroupShape g_;
  double sbc_;
  const CheckSettings& settings_;
  LoadDemands d_;
  std::vector<std::pair<std::string*, const std::string*>> names_;  // field, name
  const Combination *columnFrom_ = nullptr, *pedestalFrom_ = nullptr;
};

}  // namespace

SupportReactions ReactionsAt(const loads::LoadFile& file, const loads::CombinationSets& sets, int support) {
  SupportReactions out;
  const auto each = [&](const std::vector<Combination>& list, std::vector<Reaction>& into) {
    into.reserve(list.size());
    for (const Combination& c : list) into.push_back(loads::Evaluate(file, support, c.terms));
  };
  each(sets.service, out.service);
  each(sets.factored, out.factored);
  each(sets.uplift, out.uplift);
  out.dead = loads::Evaluate(file, support, sets.dead);
  out.live = loads::Evaluate(file, support, sets.live);
  return out;
}

const SupportReactions& ReactionTable::At(const loads::LoadFile& file, const loads::CombinationSets& sets,
                                          int support) const {
  const auto k = static_cast<std::size_t>(support);
  if (rows_.size() <= k) rows_.resize(k + 1);
  if (!rows_[k]) rows_[k] = std::make_unique<const SupportReactions>(ReactionsAt(file, sets, support));
  return *rows_[k];
}

std::vector<ColumnLoad> ColumnLoads(const loads::LoadFile& file, const loads::CombinationSets& sets,
                                    const std::vector<SupportColumn>& supports, const ReactionTable* reactions) {
  std::vector<ColumnLoad> out;
  for (const SupportColumn& column : supports) {
    const int s = column.support;
    if (s < 1 || s > file.supports) continue;
    SupportReactions own;
    const SupportReactions& rows = RowsAt(file, sets, s, reactions, own);
    ColumnLoad col = NoColumnLoad(column);
    const Combination* from = nullptr;
    for (std::size_t k = 0; k < sets.factored.size(); ++k)
      TakeColumnLoad(sets.factored[k], rows.factored[k], col, from);
    if (col.Pu > 0) col.combination = from->name, out.push_back(std::move(col));
  }
  return out;
}

LoadDemands GroupLoadDemands(const loads::LoadFile& file, const loads::CombinationSets& sets,
                             const std::vector<SupportColumn>& supports, const GroupShape& shape, double sbc,
                             const CheckSettings& settings, const ReactionTable* reactions) {
  GroupDemands demands(file, sets, shape, sbc, settings);
  for (const SupportColumn& s : supports) demands.Support(s, reactions);
  return demands.Result();
}

}  // namespace footmark::checks
