// Combined footings: the two-column worked example to its printed digits,
// equilibrium of the beam under random loads, the sets and their growth,
// and the geometry of bands, perimeters and the no-tension pressure.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <string>

#include "combined/combined_run.h"
#include "combined/footing_sets.h"
#include "combined/slab_layout.h"
#include "model/numerics.h"

namespace footmark::combined {
namespace {

// Whether x prints as `printed`: within half a unit of its last digit.
::testing::AssertionResult Shows(double x, const std::string& printed) {
  const std::size_t dot = printed.find('.');
  const double unit = std::pow(10.0, dot == std::string::npos ? 0 : -static_cast<double>(printed.size() - dot - 1));
  if (std::fabs(x - std::stod(printed)) <= unit / 2 * (1 + 1e-9)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << x << " does not print as " << printed;
}

// Columns along X on grid line z = 0, 400 x 400, T16 column bars.
CombinedInput OnGridLine(const std::vector<double>& xs, const std::vector<double>& service,
                   const std::vector<double>& factored) {
  CombinedInput in;
  Combination s{"DL+LL", 1, false, 0, {}}, f{"1.5(DL+LL)", 1.5, false, 0, {}};
  for (std::size_t i = 0; i < xs.size(); ++i) {
    ColumnInput c;
    c.support = c.joint = static_cast<int>(i + 1);
    c.x = c.gridX = xs[i];
    c.columnX = c.columnZ = 400;
    c.barDia = 16;
    in.columns.push_back(c);
    s.actions.push_back({service[i]});
    f.actions.push_back({factored[i]});
  }
  in.service = {s};
  in.factored = {f};
  return in;
}

// Two columns 3.0 m apart, 900 and 1300 kN of DL+LL, SBC 200 gross, M25, Fe 415.
CombinedInput WorkedExample() { return OnGridLine({0, 3.0}, {900, 1300}, {1350, 1950}); }

Settings Sbc200() {
  Settings set;
  set.sbc = 200;
  return set;
}

TEST(CombinedFooting, WorkedExampleToItsPrintedDigits) {
  const CombinedFooting f = DesignCombinedFooting(WorkedExample(), Sbc200(), {});
  EXPECT_TRUE(Shows(f.L, "5.0") && Shows(f.B, "2.7") && Shows(f.D, "750"));
  EXPECT_TRUE(Shows(f.overhangStart * 1000, "727") && Shows(f.overhangEnd * 1000, "1273"));
  EXPECT_TRUE(Shows(f.dT, "692") && Shows(f.dLb, "676") && Shows(f.dLt, "692"));

  // The length search under 1.5(DL+LL): L, hogging, sagging.
  const struct { const char *L, *hog, *sag; } search[] = {
      {"4.3", "678.1", "200.4"}, {"4.7", "518.5", "298.9"}, {"4.9", "438.7", "352.2"}, {"5.0", "398.9", "379.7"},
      {"5.1", "359.0", "407.8"}, {"5.3", "279.2", "465.4"}, {"6.0", "0", "680.2"}};
  for (const auto& row : search) {
    bool found = false;
    for (const LengthTrial& t : f.lengthSearch) {
      if (!Shows(t.L, row.L)) continue;
      found = true;
      EXPECT_TRUE(Shows(t.hogging, row.hog) && Shows(t.sagging, row.sag)) << "L " << row.L;
    }
    EXPECT_TRUE(found) << "L " << row.L << " not tried";
  }

  // Shear and moment from the support 1 end.
  ASSERT_EQ(f.diagrams.size(), 1u);
  const BeamDiagram& d = f.diagrams.front();
  EXPECT_LE(std::fabs(d.endShear) + std::fabs(d.endMoment), 1e-6);
  const struct { const char *what, *x, *vLeft, *vRight, *M; } keys[] = {
      {"support 1 outer face", "0.5273", "348.00", "348.00", "91.75"},
      {"support 1 centre", "0.7273", "480.00", "-870.00", "174.55"},
      {"support 1 inner face", "0.9273", "-738.00", "-738.00", "13.75"},
      {"zero shear", "2.0455", "0", "0", "-398.86"},
      {"support 2 inner face", "3.5273", "978.00", "978.00", "325.75"},
      {"support 2 centre", "3.7273", "1110.00", "-840.00", "534.55"},
      {"support 2 outer face", "3.9273", "-708.00", "-708.00", "379.75"},
      {"right end", "5.0000", "0", "0", "0"}};
  for (const auto& k : keys) {
    const KeyPoint* p = nullptr;
    for (const KeyPoint& key : d.keys)
      if (key.what == k.what) p = &key;
    ASSERT_NE(p, nullptr) << k.what;
    EXPECT_TRUE(Shows(p->x, k.x) && Shows(p->shearLeft, k.vLeft) && Shows(p->shearRight, k.vRight) &&
                Shows(p->moment, k.M))
        << k.what;
  }
  std::vector<double> contraflexure;
  for (const KeyPoint& key : d.keys)
    if (key.what == "contraflexure") contraflexure.push_back(key.x);
  // 330 x^2 - 1350 (x - 0.72727) = 0: x = (1350 -+ sqrt(526500)) / 660.
  ASSERT_EQ(contraflexure.size(), 2u);
  EXPECT_TRUE(Shows(contraflexure[0], "0.946") && Shows(contraflexure[1], "3.145"));

  // Steel: count, diameter, spacing, required, minimum, provided, kg (the
  // schedules' 1.580 kg/m for 16 mm: 13 x 4.9 m x 1.580 = 100.65).
  const struct { const char* name; int n; double dia; const char *s, *req, *min, *prov, *kg; } steel[] = {
      {"top", 13, 16, "215.3", "1621", "2430", "2614", "100.65"},
      {"bottom", 13, 16, "215.3", "1579", "2430", "2614", "100.65"},
      {"band 1", 7, 16, "199.5", "1354", "1302", "1407", "28.76"},
      {"band 2", 10, 16, "143.8", "1978", "1294", "2011", "41.08"},
      {"distribution", 19, 12, "120", "0", "0.900", "0.942", "43.92"},
      {"top distribution", 18, 10, "300", "0", "0", nullptr, "28.88"}};
  ASSERT_EQ(f.bars.size(), std::size(steel));
  for (std::size_t i = 0; i < f.bars.size(); ++i) {
    const BarSet& b = f.bars[i];
    const auto& e = steel[i];
    EXPECT_EQ(b.name, e.name);
    EXPECT_EQ(b.count, e.n) << e.name;
    EXPECT_EQ(b.dia, e.dia) << e.name;
    EXPECT_TRUE(Shows(b.spacing, e.s) && Shows(b.required, e.req) && Shows(b.minimum, e.min) &&
                Shows(b.mass, e.kg) && (!e.prov || Shows(b.provided, e.prov)))
        << e.name;
  }
  ASSERT_EQ(f.bands.size(), 2u);
  EXPECT_TRUE(Shows(f.bands[0].from, "0") && Shows(f.bands[0].width, "1446") && Shows(f.bands[1].width, "1438"));

  // Every check ratio: demand, capacity, u (null: not compared), status, a figure of its note.
  using checks::Status;
  const struct { const char *id, *demand, *capacity, *u; Status status; const char* note; } rows[] = {
      {"C1", "195.34", "200", "0.977", Status::Pass, "437.06"},
      {"C3.L-", "398.86", "4459.4", "0.089", Status::Pass, nullptr},
      {"C3.L+", "379.75", "4255.6", "0.089", Status::Pass, nullptr},
      {"C3.T1", "330.62", "2388.7", "0.138", Status::Pass, nullptr},
      {"C3.T2", "477.57", "2375.1", "0.201", Status::Pass, nullptr},
      {"C4.L-", nullptr, "637.9", "0.625", Status::Pass, "required 1621"},
      {"C4.L+", nullptr, "622.8", "0.610", Status::Pass, nullptr},
      {"C4.T1", nullptr, "343.4", "0.963", Status::Pass, nullptr},
      {"C4.T2", nullptr, "485.5", "0.984", Status::Pass, nullptr},
      {"C5.L-", "2430", "2614", "0.930", Status::Pass, nullptr},
      {"C5.L+", "2430", "2614", "0.930", Status::Pass, nullptr},
      {"C5.T1", "1302", "1407", "0.925", Status::Pass, nullptr},
      {"C5.T2", "1294", "2011", "0.644", Status::Pass, nullptr},
      {"C5.Tdist", "0.900", "0.942", "0.955", Status::Pass, nullptr},
      {"C6.L1", nullptr, nullptr, nullptr, Status::NotApplicable, "x -0.1487"},
      {"C6.L2", "0.1505", "0.290", "0.519", Status::Pass, "x 1.6193 m at d 692 mm (top bars in tension): V 281.28"},
      {"C6.L3", "0.2790", "0.290", "0.962", Status::Pass, "x 2.8353 m at d 692 mm (top bars in tension): V 521.28"},
      {"C6.L4", "0.1435", "0.290", "0.495", Status::Pass, "x 4.6033 m at d 676 mm (bottom bars in tension): V 261.84"},
      {"C6.T", "0.1618", "0.2976", "0.544", Status::Pass, "V 559.78 kN, pt 0.161"},
      {"C6.Tb1", "0.2288", "0.290", "0.789", Status::Pass, nullptr},
      {"C6.Tb2", "0.3324", "0.3264", "1.018", Status::Warning, nullptr},
      {"C7.1", "0.3667", "1.250", "0.293", Status::Pass, "interior: b0 4304 mm at d 676 mm, Vu 1066.99"},
      {"C7.2", "0.5729", "1.250", "0.458", Status::Pass, "Vu 1666.99"},
      {"C8", "150", "750", "0.200", Status::Pass, nullptr},
      {"C9", "50", "50", "1.000", Status::Pass, nullptr},
      {"C10.L-", "215.3", "300", "0.718", Status::Pass, nullptr},
      {"C10.T1", "199.5", "300", "0.665", Status::Pass, nullptr},
      {"C10.T2", "143.8", "300", "0.479", Status::Pass, nullptr},
      {"C12", "16", "93.75", "0.171", Status::Pass, nullptr},
      {"C14.L+1", "93", "477", "0.195", Status::Pass, "sigma_s 52.1"},
      {"C14.L+4", "390", "1023", "0.381", Status::Pass, "sigma_s 218.2"},
      {"C14.T1", "645", "1100", "0.586", Status::Pass, "40.3 phi"},
      {"C14.L-", "645", "1995", "0.323", Status::Pass, nullptr},
      {"C15.1", "8.438", "22.5", "0.375", Status::Pass, nullptr},
      {"C15.2", "12.188", "22.5", "0.542", Status::Pass, nullptr},
      {"C15b.1", "8.438", "11.25", "0.750", Status::Pass, nullptr},
      {"C15b.2", "12.188", "11.25", "1.083", Status::Warning, "excess 150 kN: starters at least 800 mm2"},
      {"C17.1", "516", "668", "0.772", Status::Pass, nullptr},
      {"C18b", nullptr, nullptr, nullptr, Status::NotApplicable, nullptr},
      {"C20", nullptr, nullptr, nullptr, Status::NotApplicable, nullptr},
      {"C21", nullptr, nullptr, nullptr, Status::NotApplicable, "rigid method assumed"}};
  for (const auto& row : rows) {
    const CheckRow* r = f.Find(row.id);
    ASSERT_NE(r, nullptr) << row.id << " did not run";
    const checks::Check& c = r->check;
    EXPECT_EQ(c.status, row.status) << row.id << ": " << c.note;
    EXPECT_TRUE((!row.demand || Shows(c.demand, row.demand)) && (!row.capacity || Shows(c.capacity, row.capacity)) &&
                (!row.u || Shows(c.utilisation, row.u)))
        << row.id << ": " << c.demand << " / " << c.capacity << " = " << c.utilisation;
    if (row.note) {
      EXPECT_NE(c.note.find(row.note), std::string::npos) << row.id << ": " << c.note;
    }
  }
  EXPECT_EQ(f.verdict, checks::Verdict::Ok) << f.reason;
  EXPECT_EQ(f.warnings, 2) << "C6.Tb2 and C15b.2";
  ASSERT_GE(f.governing, 0);
  EXPECT_EQ(f.checks[static_cast<std::size_t>(f.governing)].check.id, "C4.T2");
  EXPECT_TRUE(Shows(f.concrete, "10.125") && Shows(f.steel, "343.94"));

  // A pedestal of no stated height reaches from the footing up to the ground.
  CombinedInput onPedestal = WorkedExample();
  onPedestal.columns[0].pedestalX = onPedestal.columns[0].pedestalZ = 600;
  const CombinedFooting p = DesignCombinedFooting(onPedestal, Sbc200(), {});
  EXPECT_NEAR(p.concrete, p.L * p.B * p.D / 1000 + 0.6 * 0.6 * (1.5 - p.D / 1000), 1e-9);
}

TEST(CombinedFooting, SettingsOfTheWorkedExample) {
  const struct {
    const char* what;
    std::function<void(Settings&)> change;
    const char *id, *u;
    checks::Verdict verdict;
  } cases[] = {
      {"depth held at 725 mm: one-way shear at support 2's inner face fails", [](Settings& s) { s.maxDepth = 725; },
       "C6.L3", "1.024", checks::Verdict::Fails},
      {"k_s 40000 kN/m3: 3.0 m within 1.75/lambda = 5.36 m", [](Settings& s) { s.subgradeModulus = 40000; }, "C21",
       "0.560", checks::Verdict::Ok},
  };
  for (const auto& c : cases) {
    Settings set = Sbc200();
    c.change(set);
    const CombinedFooting f = DesignCombinedFooting(WorkedExample(), set, {});
    const CheckRow* row = f.Find(c.id);
    ASSERT_NE(row, nullptr) << c.what;
    EXPECT_TRUE(Shows(row->check.utilisation, c.u)) << c.what;
    EXPECT_EQ(f.verdict, c.verdict) << c.what << ": " << f.reason;
  }
}

// What the design cannot cure is reported, never passed over.
TEST(CombinedFooting, ReportsWhatSizeCannotCure) {
  using checks::Status;
  using checks::Verdict;
  using Places = std::vector<checks::FootingPlace>;
  const auto add = [](std::vector<Combination>& list, Combination c, double N, double Mbz, double Hx) {
    c.actions = {{N, 0, Mbz, Hx, 0}, {N, 0, Mbz, Hx, 0}};
    list.push_back(c);
  };
  const struct {
    const char* what;
    std::function<void(CombinedInput&, Places&)> change;
    const char* id;
    Status status;
    Verdict verdict;
    const char* note;
  } cases[] = {
      {"an earthquake lifts part of the base: a warning",
       [&](CombinedInput& in, Places&) { add(in.service, {"DL+EQ", 1, true, 0, {}}, 1100, 1600, 0); }, "C1b",
       Status::Warning, Verdict::Ok, "% of the base in contact"},
      {"a sustained moment lifts part of the base: no width cures it",
       [&](CombinedInput& in, Places&) { add(in.service, {"DL", 1, false, 0, {}}, 1100, 3000, 0); }, "C1b",
       Status::Fail, Verdict::Fails, nullptr},
      {"net uplift beyond 0.9 W", [&](CombinedInput& in, Places&) { add(in.stability, {"0.9DL-1.5EQ", 0.9, true, 0, {}}, -600, 0, 0); },
       "C18a", Status::Fail, Verdict::Fails, "N -1200 kN"},
      {"sliding: 1.4 H against mu (N + 0.9 W)",
       [&](CombinedInput& in, Places&) { add(in.stability, {"0.9DL+EQ", 0.9, true, 1.4, {}}, 600, 0, 300); }, "C18c",
       Status::Fail, Verdict::Fails, "H 600 kN"},
      {"a factored resultant off the base",
       [&](CombinedInput& in, Places&) { add(in.factored, {"1.5(DL+EQ)", 1.5, true, 0, {}}, 200, 9000, 0); }, "C2",
       Status::Fail, Verdict::Fails, "lies off the base"},
      {"a combination short of a column", [](CombinedInput& in, Places&) { in.factored[0].actions.pop_back(); },
       "C0", Status::Fail, Verdict::NotDesigned, "has 1 actions for 2 columns"},
      {"lengths of 4.9 m and more run into a neighbour: 4.8 m", [](CombinedInput&, Places& p) { p = {{9, 5.3, 0, 2.0}}; },
       "C20", Status::Pass, Verdict::Ok, "support 9, gap 127 mm"},
  };
  for (const auto& c : cases) {
    CombinedInput in = WorkedExample();
    Places outside;
    c.change(in, outside);
    const CombinedFooting f = DesignCombinedFooting(in, Sbc200(), outside);
    const CheckRow* row = f.Find(c.id);
    ASSERT_NE(row, nullptr) << c.what;
    EXPECT_EQ(row->check.status, c.status) << c.what << ": " << row->check.note;
    EXPECT_EQ(f.verdict, c.verdict) << c.what << ": " << f.reason;
    if (c.note) {
      EXPECT_NE(row->check.note.find(c.note), std::string::npos) << c.what << ": " << row->check.note;
    }
  }
}

// Any loads, moments and signs: the soil balances the columns, so the
// shear and the moment vanish at the far end (the self-test of C2).
TEST(CombinedFooting, BarsThatCannotBePlacedFail) {
  // Heavy columns on soft soil make a footing far wider than long: its band
  // bars overlap, and the least spacing of 26.3.2 must say so.
  Settings set;
  set.sbc = 100;
  const CombinedFooting f = DesignCombinedFooting(OnGridLine({0, 3.0}, {4500, 6750}, {6750, 10125}), set, {});
  int overlapping = 0;
  for (const CheckRow& row : f.checks) {
    if (!row.check.id.starts_with("C11.") || row.check.capacity > 0) continue;
    ++overlapping;
    EXPECT_EQ(row.check.status, checks::Status::Fail) << row.check.id;
  }
  EXPECT_GT(overlapping, 0);
}

TEST(CombinedFooting, EquilibriumUnderRandomLoads) {
  std::mt19937 random(20240623);
  const auto pick = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
  int outsideKern = 0;
  for (int trial = 0; trial < 60; ++trial) {
    const int n = trial % 2 ? 3 : 2;
    CombinedInput in;
    in.axis = trial % 3 ? Axis::X : Axis::Z;
    Combination service{"DL+LL", 1, false, 0, {}};
    std::vector<Combination> factored{{"1.5(DL+LL)", 1.5, false, 0, {}}, {"1.2(DL+LL+EL)", 1.2, true, 0, {}},
                                      {"0.9DL-1.5EL", 0.9, true, 0, {}}};
    double along = 0;
    for (int i = 0; i < n; ++i) {
      ColumnInput c;
      c.support = i + 1;
      (in.axis == Axis::X ? c.x : c.z) = along + pick(-0.1, 0.1);
      (in.axis == Axis::X ? c.z : c.x) = pick(-0.1, 0.1);
      along += pick(1.5, 4.0);
      c.columnX = pick(300, 600), c.columnZ = pick(300, 600);
      in.columns.push_back(c);
      const Action a{pick(300, 2500), pick(-80, 80), pick(-80, 80), pick(-40, 40), pick(-40, 40)};
      service.actions.push_back(a);
      factored[0].actions.push_back({1.5 * a.N, 1.5 * a.Mbx, 1.5 * a.Mbz, 1.5 * a.Hx, 1.5 * a.Hz});
      const double sway = pick(-1, 1) * a.N;  // a lateral push large enough to lift part of the base
      factored[1].actions.push_back({1.2 * a.N + 0.3 * sway, 1.2 * a.Mbx + sway, 1.2 * a.Mbz - sway, 0, 0});
      factored[2].actions.push_back({0.6 * a.N - 0.2 * sway, -sway, 1.5 * sway, 0, 0});
    }
    in.service = {service};
    in.factored = factored;
    Settings set;
    set.sbc = pick(100, 400);
    const CombinedFooting f = DesignCombinedFooting(in, set, {});
    ASSERT_NE(f.verdict, checks::Verdict::NotDesigned) << "trial " << trial << ": " << f.reason;
    for (const BeamDiagram& d : f.diagrams) {
      double sumN = 0;
      for (const Combination& c : in.factored)
        if (c.name == d.combination)
          for (const Action& a : c.actions) sumN += std::fabs(a.N);
      EXPECT_LE(std::fabs(d.endShear), 1e-6 * sumN) << "trial " << trial << ", " << d.combination;
      EXPECT_LE(std::fabs(d.endMoment), 1e-6 * sumN * f.L) << "trial " << trial << ", " << d.combination;
      for (const KeyPoint& k : d.keys) {
        if (k.what == "zero shear") {
          EXPECT_LE(std::fabs(k.shearLeft), 1e-6 * sumN) << "trial " << trial;
        }
      }
    }
    EXPECT_EQ(f.Find("C2")->check.note.find("equilibrium"), std::string::npos) << f.Find("C2")->check.note;
    outsideKern += f.Find("C2")->check.note.find("no-tension") != std::string::npos;
    if (trial % 4 == 0) {
      // Joints on the footing's top: designed at the lever h = D it finds,
      // it is the footing of its base actions moved down by its own depth.
      CombinedInput atJoints = in;
      atJoints.leverIsDepth = true;
      const CombinedFooting j = DesignCombinedFooting(atJoints, set, {});
      const double h = j.D / 1000;
      for (std::vector<Combination>* list : {&in.service, &in.factored})
        for (Combination& c : *list)
          for (Action& a : c.actions) a.Mbx += h * a.Hz, a.Mbz -= h * a.Hx;
      const CombinedFooting b = DesignCombinedFooting(in, set, {});
      EXPECT_EQ(std::vector<double>({j.L, j.B, j.D, j.governingUtilisation}),
                std::vector<double>({b.L, b.B, b.D, b.governingUtilisation})) << "trial " << trial;
      EXPECT_NE(j.Find("C0")->check.note.find("h = D = " + DecimalText(h, 3) + " m"), std::string::npos)
          << j.Find("C0")->check.note;
    }
  }
  EXPECT_GT(outsideKern, 5) << "the random pushes should lift part of the base now and then";
}

TEST(FootingSets, ClosureAndWhatIsDesigned) {
  // Footings of side 2.0 on a 1 m grid of points (gx, gz); the centre may stand off the point.
  struct Spot { double gx, gz, dx = 0, dz = 0, side = 2.0; };
  const auto plan = [](const std::vector<Spot>& spots) {
    std::vector<PlanSupport> p;
    for (std::size_t i = 0; i < spots.size(); ++i) {
      const Spot& s = spots[i];
      p.push_back({{static_cast<int>(i + 1), s.gx + s.dx, s.gz + s.dz, s.side}, s.gx, s.gz});
    }
    return p;
  };
  const struct {
    const char* what;
    std::vector<Spot> spots;
    std::vector<std::vector<int>> sets;
    SetKind kind;  // of the first set
  } cases[] = {
      {"a chain along X: overlap, then a 50 mm face gap", {{0, 0}, {1.8, 0}, {3.85, 0}}, {{1, 2, 3}}, SetKind::Designed},
      {"a 150 mm face gap stays apart", {{0, 0}, {2.15, 0}}, {}, SetKind::Designed},
      {"a corner gap under 100 mm stays apart", {{0, 0}, {2.05, 2.05}}, {}, SetKind::Designed},
      {"a diagonal pair", {{0, 0}, {1.5, 1.5}}, {{1, 2}}, SetKind::RaftOrStrap},
      {"an L cluster", {{0, 0}, {1.8, 0}, {1.8, 1.8}}, {{1, 2, 3}}, SetKind::RaftOrStrap},
      {"an offset column on the same grid line", {{0, 0, 0, 0.1}, {1.8, 0}}, {{1, 2}}, SetKind::Designed},
      {"four in a line", {{0, 0}, {1.8, 0}, {3.6, 0}, {5.4, 0}}, {{1, 2, 3, 4}}, SetKind::StripFooting},
      {"two sets, numbered by lowest support", {{0, 9}, {0, 0}, {0, 1.9}, {1.9, 9}}, {{1, 4}, {2, 3}},
       SetKind::Designed},
  };
  for (const auto& c : cases) {
    const std::vector<PlanSupport> p = plan(c.spots);
    std::vector<checks::FootingPlace> places;
    for (const PlanSupport& s : p) places.push_back(s.footing);
    const auto sets = CombiningSets(checks::FindClashes(places), 0.1);
    EXPECT_EQ(sets, c.sets) << c.what;
    if (sets.empty()) continue;
    const SetLine line = LineOf(sets.front(), p, 3);
    EXPECT_EQ(line.kind, c.kind) << c.what << ": " << line.recommendation;
    EXPECT_EQ(line.recommendation.empty(), c.kind == SetKind::Designed) << c.what;
  }
}

// Supports 1 and 2 overlap; support 3 stands 0.5 m clear of support 2, but
// the rectangle over 1 and 2 reaches it and takes it in.
TEST(FootingSets, ARectangleThatClashesAgainGrows) {
  const std::vector<PlanSupport> plan{{{1, 0, 0, 2.2}, 0, 0}, {{2, 2.0, 0, 2.2}, 2.0, 0}, {{3, 4.6, 0, 2.0}, 4.6, 0}};
  const std::vector<double> loads{500, 2000, 600};
  const InputsFor inputs = [&](const SetLine& line) {
    std::vector<double> xs, service, factored;
    for (int s : line.supports) {
      xs.push_back(plan[static_cast<std::size_t>(s - 1)].footing.x);
      service.push_back(loads[static_cast<std::size_t>(s - 1)]);
      factored.push_back(1.5 * service.back());
    }
    CombinedInput in = OnGridLine(xs, service, factored);
    for (std::size_t i = 0; i < line.supports.size(); ++i) in.columns[i].support = line.supports[i];
    return in;
  };
  const struct { int maxColumns; std::vector<int> supports; const char* mark; const char* reason; } cases[] = {
      {3, {1, 2, 3}, "CF1", ""}, {2, {1, 2, 3}, "", "continuous strip footing recommended"}};
  for (const auto& c : cases) {
    Settings set = Sbc200();
    set.maxColumns = c.maxColumns;
    const std::vector<CombinedFooting> all = DesignCombinedFootings(plan, set, inputs);
    ASSERT_EQ(all.size(), 1u) << c.maxColumns;
    EXPECT_EQ(all[0].supports, c.supports);
    EXPECT_EQ(all[0].mark, c.mark);
    EXPECT_EQ(all[0].reason, c.reason);
  }
}

// The footings near the largest of a family of rectangles on one centre are
// all that any of them can join: those beyond the gap, those just within it
// (to the millimetre the gaps are judged at) and scattered ones alike.
TEST(FootingSets, FootingsNearTheLargestServeEverySmallerRectangle) {
  const PlanRectangle bound{3.0, 1.0, 4.2, 2.6};
  std::vector<checks::FootingPlace> all;
  int support = 0;
  for (const double edge : {-0.0015, -0.001, -0.0005, 0.0, 0.0995, 0.1, 0.1004, 0.1006, 0.101, 0.2})
    for (const double side : {1.0, 1.7}) {
      const double x = bound.x + bound.sizeX / 2 + edge + side / 2, z = bound.z + bound.sizeZ / 2 + edge + side / 2;
      all.push_back({++support, x, bound.z, side});
      all.push_back({++support, bound.x + 0.3, 2 * bound.z - z, side});
      all.push_back({++support, x, z, side});  // past the corner
    }
  std::mt19937 random(7);
  std::uniform_real_distribution<double> at(-6, 12), share(0.3, 1.0);
  for (int k = 0; k < 200; ++k) all.push_back({++support, at(random), at(random), 1 + share(random)});
  const std::vector<checks::FootingPlace> near = FootingsNear(bound, all, 0.1);
  EXPECT_LT(near.size(), all.size() / 2);
  for (int k = 0; k < 100; ++k) {
    const PlanRectangle rect{bound.x, bound.z, k == 0 ? bound.sizeX : bound.sizeX * share(random),
                             k == 0 ? bound.sizeZ : bound.sizeZ * share(random)};
    EXPECT_EQ(JoiningSupports(rect, near, 0.1), JoiningSupports(rect, all, 0.1)) << k;
  }
}

// A footing kept from an earlier round is the one designed anew among the
// footings round it now: far off (only C20's nearest changes), near enough
// to bar some lengths, and close enough that every length runs into it.
TEST(FootingSets, AKeptDesignIsTheOneDesignedAnew) {
  const InputsFor inputs = [](const SetLine&) { return OnGridLine({0, 2.0}, {500, 2000}, {750, 3000}); };
  const auto printed = [](const std::vector<CombinedFooting>& all) {
    std::string text;
    for (const CombinedFooting& f : all) {
      text += DecimalText(f.L, 3) + DecimalText(f.B, 3) + DecimalText(f.D, 0) + f.reason + IntText(f.governing);
      for (const int j : f.joining) text += " " + IntText(j);
      for (const CheckRow& r : f.checks) text += r.check.note + DecimalText(r.check.utilisation, 6);
    }
    return text;
  };
  DesignMemo memo, sized;  // sized: finished only when kept, as the rounds of combining do
  sized.sizesOnly = true;
  for (const auto& [x, z] : std::vector<std::pair<double, double>>{{20, 20}, {9, 9}, {6.2, 0}, {5, 0}, {3.3, 0}, {0, 2.4}}) {
    const std::vector<PlanSupport> plan{{{1, 0, 0, 2.2}, 0, 0}, {{2, 2.0, 0, 2.2}, 2.0, 0}, {{3, x, z, 1.0}, x, z}};
    const std::string anew = printed(DesignCombinedFootings(plan, Sbc200(), inputs, {ForcedPair(1, 2)}));
    EXPECT_EQ(printed(DesignCombinedFootings(plan, Sbc200(), inputs, {ForcedPair(1, 2)}, &memo)), anew) << x << ", " << z;
    std::vector<CombinedFooting> kept = DesignCombinedFootings(plan, Sbc200(), inputs, {ForcedPair(1, 2)}, &sized);
    FinishDesigns(kept, plan, sized);
    EXPECT_EQ(printed(kept), anew) << x << ", " << z;
  }
  EXPECT_GE(memo.bySet.at({1, 2}).size(), 2u);  // a length barred by support 3 was designed again
}

TEST(SlabLayout, BandsStopAtEndsAndHalfwayBetweenColumns) {
  // 400 mm columns, 0.519 m each side (0.75 x 692): from, to for each band.
  const struct {
    const char* what;
    double L;
    std::vector<double> xs;
    std::vector<std::pair<const char*, const char*>> bands;
  } cases[] = {
      {"an 8 mm end strip joins the band", 5.0, {0.7273, 3.7273}, {{"0", "1.4463"}, {"3.0083", "4.4463"}}},
      {"end strips of 300 mm and more stay apart", 5.0, {1.05, 3.6}, {{"0.331", "1.769"}, {"2.881", "4.319"}}},
      {"close columns meet halfway between faces", 4.0, {1.4, 2.6}, {{"0.681", "2.0"}, {"2.0", "3.319"}}},
      {"the right end strip joins too", 4.5, {1.3, 3.7}, {{"0.581", "2.019"}, {"2.981", "4.5"}}},
  };
  for (const auto& c : cases) {
    std::vector<LoadedArea> areas;
    for (double x : c.xs) areas.push_back({x, 0, 0.4, 0.4});
    const std::vector<Band> bands = ColumnBands(areas, c.L, 0.75 * 0.692);
    ASSERT_EQ(bands.size(), c.bands.size()) << c.what;
    for (std::size_t i = 0; i < bands.size(); ++i)
      EXPECT_TRUE(Shows(bands[i].from, c.bands[i].first) && Shows(bands[i].to, c.bands[i].second))
          << c.what << ": band " << i + 1 << " " << bands[i].from << " - " << bands[i].to;
  }
}

TEST(SlabLayout, PunchingPerimetersAtEdgesAndOverlapping) {
  // 400 x 400 areas on a 5.0 x 2.7 footing, d 600: b0, sides dropped, beta.
  const struct {
    const char* what;
    std::vector<std::pair<double, double>> at;  // x, v
    std::vector<std::size_t> perimeters;        // areas in each
    double b0, beta;                            // of the first
    int dropped;
  } cases[] = {
      {"interior", {{2.5, 0}}, {1}, 4.0, 1, 0},
      {"edge: 250 mm to the end", {{0.45, 0}}, {1}, 2.9, 1, 1},
      {"corner", {{0.45, 1.1}}, {1}, 1.7, 1, 2},
      {"500 mm apart: one perimeter round both", {{2.0, 0}, {2.9, 0}}, {2}, 5.8, 0.4 / 1.3, 0},
      {"700 mm apart: two perimeters", {{2.0, 0}, {3.1, 0}}, {1, 1}, 4.0, 1, 0},
  };
  for (const auto& c : cases) {
    std::vector<LoadedArea> areas;
    for (const auto& [x, v] : c.at) areas.push_back({x, v, 0.4, 0.4});
    const std::vector<PunchingPerimeter> p = PunchingPerimeters(areas, 5.0, 2.7, 600);
    ASSERT_EQ(p.size(), c.perimeters.size()) << c.what;
    for (std::size_t k = 0; k < p.size(); ++k) EXPECT_EQ(p[k].areas.size(), c.perimeters[k]) << c.what;
    EXPECT_NEAR(p[0].b0, c.b0, 1e-9) << c.what;
    EXPECT_NEAR(p[0].beta, c.beta, 1e-9) << c.what;
    EXPECT_EQ(p[0].sidesDropped, c.dropped) << c.what;
  }
}

}  // namespace
}  // namespace footmark::combined
