// Independent IS 456 checks of footing designs: the worked example check by check, and the limits of
// the design method they must catch (groups left undesigned, M50, Fe 500, short bars, half a bar short).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <limits>
#include <map>
#include <random>
#include <string>

#include "checks/contact_pressure.h"
#include "checks/design_checks.h"
#include "checks/footing_check.h"
#include "checks/group_inputs.h"
#include "checks/is456_tables.h"
#include "checks/quantities.h"
#include "design/design_run.h"
#include "design/footing_design.h"
#include "design/shear_table.h"
#include "model/numerics.h"
#include "pipeline/pipeline.h"
#include "support/test_files.h"

namespace footmark::checks {
namespace {

::testing::AssertionResult Sig3(double actual, double expected) {
  const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - 2);
  if (std::fabs(actual - expected) <= 0.5 * unit * (1 + 1e-9)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " is not " << expected << " to 3 significant digits";
}

// B 2000, P 600, D 450 mm, column 400 x 400, 14 bars of 12 mm, 1500 mm2 taken as provided, M25, Fe 415,
// 200 kN/m2 gross in the first load case on an SBC of 200; the column load is not given (qu B^2).
FootingInputs WorkedExample() {
  FootingInputs in;
  in.B = 2000, in.P = 600, in.D = 450, in.columnA = in.columnB = 400;
  in.barDia = 12, in.bars = 14, in.spacing = 145, in.astDeclared = in.astProvided = 1500;
  in.fck = 25, in.fy = 415, in.q = 200, in.loadCase = 1, in.sbc = 200;
  return in;
}

// Without load cases the code-strict figures take q as the service pressure: they differ from the
// method's in the depth only (the upper layer's d = 382 mm against D - 60 = 390 mm).
TEST(CheckFooting, WorkedExampleCheckByCheck) {
  const FootingCheck r = CheckFooting(WorkedExample());
  // The method's utilisation, then the code-strict one with its demand and capacity.
  const struct { const char* id; double uMethod, u, demand, capacity; } rows[] = {
      {"C1", 1.000, 1.000, 200, 200},      {"C3", 0.140, 0.146, 147.0, 1006.9},
      {"C4", 0.719, 0.734, 147.0, 200.1},  {"C5", 0.720, 0.720, 1080, 1500},
      {"C6", 0.746, 0.775, 0.250, 0.322},  {"C7", 0.469, 0.486, 0.607, 1.250},
      {"C8", 0.333, 0.333, 150, 450},      {"C9", 1.000, 1.000, 50, 50},
      {"C10", 0.484, 0.484, 145.2, 300},   {"C12", 0.213, 0.213, 12, 56.25},
      {"C13", 0.947, 0.947, 1500, 1583},   {"C14", 0.744, 0.744, 483.5, 650},
      {"C15a", 0.444, 0.444, 7.5, 16.875}, {"C15b", 0.667, 0.667, 7.5, 11.25},
      {"C15c", 0.148, 0.148, 3.333, 22.5}};
  for (const auto& row : rows) {
    const Check* c = r.Find(row.id);
    ASSERT_NE(c, nullptr) << row.id << " did not run";
    EXPECT_EQ(c->status, Status::Pass) << row.id << ": " << c->note;
    EXPECT_TRUE(Sig3(c->methodUtilisation, row.uMethod)) << row.id << " utilisation at d 390";
    EXPECT_TRUE(Sig3(c->utilisation, row.u)) << row.id << " utilisation at d 382";
    EXPECT_TRUE(Sig3(c->demand, row.demand)) << row.id << " demand";
    EXPECT_TRUE(Sig3(c->capacity, row.capacity)) << row.id << " capacity";
  }
  EXPECT_EQ(r.verdict, Verdict::Ok) << r.reason;
  EXPECT_EQ(r.methodVerdict, Verdict::Ok);
  // Bearing governs at equality; the method's own governing check leaves out what sized the footing.
  ASSERT_GE(r.governing, 0);
  EXPECT_EQ(r.checks[static_cast<std::size_t>(r.governing)].id, "C1");
  ASSERT_GE(r.methodGoverning, 0);
  EXPECT_EQ(r.checks[static_cast<std::size_t>(r.methodGoverning)].id, "C6") << "one-way shear governs";
  EXPECT_TRUE(Sig3(FootingConcrete(2000, 450, 600), 2.016)) << "1.800 m3 of footing and a 0.6 m pedestal cube";
}

TEST(Is456Tables, ShearStrengthLimitingMomentAndBond) {
  const struct { double fck, pt, tauC; } shear[] = {
      {25, 0.10, 0.29}, {25, 0.40, 0.438}, {25, 3.5, 0.92}, {50, 0.25, 0.38}, {45, 1.0, 0.68},
      {27, 0.5, 0.49}};
  for (const auto& s : shear)
    EXPECT_TRUE(Sig3(Table19ShearStrength(s.fck, s.pt), s.tauC)) << "tau_c of M" << s.fck << " at " << s.pt;
  const struct { double fy, kLim; } moment[] = {{250, 0.148}, {415, 0.138}, {500, 0.133}, {550, 0.130}};
  for (const auto& m : moment) EXPECT_TRUE(Sig3(LimitingMomentFactor(m.fy), m.kLim)) << "k_lim Fe " << m.fy;
  // Ld / phi = 0.87 fy / (4 tau_bd) for deformed bars; Fe 500 on M25 is 48.55 (printed as 48.6).
  const struct { double fck, fy, ldPerPhi; } bond[] = {{25, 500, 48.55}, {20, 415, 47.0}, {50, 415, 29.7}};
  for (const auto& b : bond) {
    const double ldPerPhi = 0.87 * b.fy / (4 * BondStress(b.fck, b.fy));
    EXPECT_TRUE(Sig3(ldPerPhi, b.ldPerPhi)) << "M" << b.fck << ", Fe " << b.fy;
  }
}

TEST(CheckFooting, CatchesTheLimitsOfTheMethod) {
  const struct {
    const char* what;
    std::function<void(FootingInputs&)> change;
    const char* id;
    Status status;
    double capacity;  // 0: not compared
    const char* note;
  } cases[] = {
      {"M50: Table 19's M40 and above column", [](FootingInputs& in) { in.fck = 50; }, "C6", Status::Pass,
       0.337, "M40 and above"},
      {"Fe 500: 0.133, not the method's 0.138", [](FootingInputs& in) { in.fy = 500; }, "C3", Status::Pass,
       970, "the method's 0.138"},
      {"straight length short: bend up inside the depth",
       [](FootingInputs& in) { in.B = 1200; }, "C14", Status::Warning, 0, "bend up the ends, leg 138 mm"},
      {"the leg does not fit in the depth",
       [](FootingInputs& in) { in.B = 1400, in.barDia = 25; }, "C14", Status::Fail, 0,
       "leg 458 mm, more than the 350 mm"},
      {"half a bar short of the minimum", [](FootingInputs& in) { in.astProvided = 1050; }, "C5",
       Status::Fail, 1050, "add one bar: 15 bars give 1163 mm2"},
      {"below the office's 125 mm", [](FootingInputs& in) { in.spacing = 110; }, "C11", Status::Warning, 0,
       "below the office's 125 mm"},
      {"bars that overlap", [](FootingInputs& in) { in.bars = 200, in.spacing = 10; }, "C11", Status::Fail, 0,
       "below the office's 125 mm"},
  };
  for (const auto& c : cases) {
    FootingInputs in = WorkedExample();
    c.change(in);
    const FootingCheck r = CheckFooting(in);
    const Check* check = r.Find(c.id);
    ASSERT_NE(check, nullptr) << c.what;
    EXPECT_EQ(check->status, c.status) << c.what << ": " << check->note;
    if (c.capacity > 0) {
      EXPECT_TRUE(Sig3(check->capacity, c.capacity)) << c.what;
    }
    EXPECT_NE(check->note.find(c.note), std::string::npos) << c.what << ": " << check->note;
    const Verdict verdict = c.status == Status::Fail ? Verdict::Fails : Verdict::Ok;
    EXPECT_EQ(r.verdict, verdict) << c.what << ", " << r.reason;
  }
}

TEST(CheckFooting, NoDesignIsNeverOk) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* what;
    std::function<void(FootingInputs&)> change;
    const char* reason;
  } cases[] = {
      {"depth 0", [](FootingInputs& in) { in.D = 0; }, "depth D = 0 mm"},
      {"negative spacing", [](FootingInputs& in) { in.spacing = -4180; }, "spacing s = -4180 mm"},
      {"one bar", [](FootingInputs& in) { in.bars = 1; }, "n = 1 bars"},
      {"pedestal as wide as the footing", [](FootingInputs& in) { in.P = 2000; }, "not smaller than"},
      {"NaN", [nan](FootingInputs& in) { in.q = nan; }, "q is not a number"},
      {"the design's own reason", [](FootingInputs& in) { in.notDesigned = "first pedestal candidate"; },
       "first pedestal candidate"},
  };
  for (const auto& c : cases) {
    FootingInputs in = WorkedExample();
    c.change(in);
    const FootingCheck r = CheckFooting(in);
    EXPECT_EQ(r.verdict, Verdict::NotDesigned) << c.what;
    EXPECT_NE(r.reason.find(c.reason), std::string::npos) << c.what << ": " << r.reason;
    EXPECT_EQ(r.checks.size(), 1u) << c.what << ": only C0 runs";
  }
}

// The same groups designed with a larger reference volume: tests/cli.
TEST(CheckDesign, TheGroupsTheReferenceVolumeLeavesUndesignedAddNothing) {
  Model model;
  testing::RecordingMessages ui;
  const DesignChecks r =
      *DesignJob(model, {.AnalysisFile = testing::SourcePath("examples/frame-6x5-4storey.ANL"), .Sbc = "100"},
                 FileSystem(), ui);
  ASSERT_EQ(r.groups.size(), 15u);
  EXPECT_EQ(r.ok + r.fails + r.notDesigned, 15);
  for (const std::size_t g : {13u, 14u}) {
    const GroupCheck& gc = r.groups[g];
    EXPECT_EQ(gc.check.verdict, Verdict::NotDesigned) << gc.mark << " " << model.FootGroups[g + 1].BarText;
    const std::string reason = "m3 above the reference volume 10 m3 (--max-volume)";
    EXPECT_NE(gc.check.reason.find(reason), std::string::npos) << gc.mark << ": " << gc.check.reason;
    EXPECT_EQ(gc.quantities.steelTotal, 0) << gc.mark << " adds nothing to the quantities";
  }
  // Six pairs of footings overlap at this SBC; supports 9 and 14 by 1.05 m.
  int overlaps = 0;
  for (const Clash& c : r.clashes) {
    overlaps += c.overlap;
    if (c.supportA == 9 && c.supportB == 14) {
      EXPECT_DOUBLE_EQ(c.gap, -1.05);
    }
  }
  EXPECT_EQ(overlaps, 6);
}

TEST(FindClashes, OverlapFaceToFaceAndCorner) {
  // Two 2 m footings 1.9 m apart along x overlap; 2.05 m apart they leave a 50 mm strip (warned);
  // diagonally 2.08 m apart each way the corner gap is 0.113 m (not reported).
  const std::vector<FootingPlace> places = {{1, 0, 0, 2}, {2, 1.9, 0.5, 2}, {3, -0.5, 2.05, 2}, {4, 2.08, -2.08, 2}};
  const std::vector<Clash> c = FindClashes(places);
  ASSERT_EQ(c.size(), 2u);
  EXPECT_TRUE(c[0].overlap);
  EXPECT_DOUBLE_EQ(c[0].gap, -0.1);
  EXPECT_EQ(c[1].supportB, 3);
  EXPECT_FALSE(c[1].overlap);
  EXPECT_DOUBLE_EQ(c[1].gap, 0.05);
}

// Footings of mixed sides, many at the edge of the warning gap, squares of
// a combined footing among them: the whole plan gives each pair what the
// pair alone gives, and a group's clashes are the plan's that touch it.
TEST(FindClashes, EveryPairWhereverItStandsInThePlan) {
  std::mt19937 random(11);
  const double sides[] = {1.2, 1.5, 2.0, 2.45, 3.0};
  for (int trial = 0; trial < 40; ++trial) {
    // A row along x whose gaps sit at the warning gap and either side of it,
    // shuffled; every sixth footing a combined one of two squares.
    std::vector<FootingPlace> places;
    double x = 0, before = 0;
    for (int s = 1; s <= 30; ++s) {
      const double side = sides[random() % 5], gaps[] = {-0.05, 0, 0.05, 0.099, 0.1, 0.101, 0.6};
      x += s > 1 ? (before + side) / 2 + gaps[random() % 7] : 0;
      const double z = 0.005 * static_cast<int>(random() % 200);
      places.push_back({s, x, z, side});
      if (s % 6 == 0) places.push_back({s, x + side / 2, z, side}), x += side / 2;
      before = side;
    }
    std::shuffle(places.begin(), places.end(), random);
    std::map<std::pair<int, int>, Clash> pairs;
    for (std::size_t i = 0; i < places.size(); ++i)
      for (std::size_t j = i + 1; j < places.size(); ++j)
        for (const Clash& c : FindClashes({places[i], places[j]})) {
          const auto [at, fresh] = pairs.emplace(std::pair{c.supportA, c.supportB}, c);
          if (!fresh && c.gap < at->second.gap) at->second = c;
        }
    const std::vector<Clash> all = FindClashes(places);
    ASSERT_EQ(all.size(), pairs.size()) << "trial " << trial;
    for (const Clash& c : all) {
      const Clash& alone = pairs.at({c.supportA, c.supportB});
      EXPECT_EQ(c.gap, alone.gap);
      EXPECT_EQ(c.overlap, alone.overlap);
    }
    const int s = 1 + trial % 30;
    std::vector<Clash> touching;
    std::copy_if(all.begin(), all.end(), std::back_inserter(touching),
                 [&](const Clash& c) { return c.supportA == s || c.supportB == s; });
    const std::vector<Clash> own = ClashesOf(places, {s});
    ASSERT_EQ(own.size(), touching.size());
    for (std::size_t k = 0; k < own.size(); ++k)
      EXPECT_EQ(std::pair(own[k].supportA, own[k].supportB), std::pair(touching[k].supportA, touching[k].supportB));
  }
}

TEST(CheckDesign, AColumnAbove750mmGetsNoPedestal) {
  Model m;
  m.Fck = 25, m.Fe = 415, m.SBC = 200, m.NumSupports = 1, m.NumLoadCases = 1, m.FootGroupCount = 1;
  BuildShearTable(m);
  FindGradeColumn(m);
  m.Footings(1).ColWidth = m.Footings(1).ColDepth = 800;
  m.SupportReactions(1, 1, 1) = 1, m.SupportReactions(1, 1, 2) = 1000;
  FootGroup& g = m.FootGroups(1);
  g.Supports = "1 ", g.Size = 2.4f, g.Pressure = 173.6f, g.LoadCase = 1;
  DesignFootGroups(m);
  EXPECT_EQ(GroupInputs(m, 1).inputs.B, 2400) << "judged to the millimetre, not as the float 2.4";
  const DesignChecks r = CheckDesign(m);
  EXPECT_EQ(r.notDesigned, 1);
  const std::string& reason = r.groups[0].check.reason;
  EXPECT_NE(reason.find("1.2 m, for a 800 mm column"), std::string::npos) << reason;
}

// No tension between base and soil, square and rectangle, in and out of the kern and towards a
// corner: q_max and the part in contact, and every way the footings integrate the field (the whole
// base, a strip and the rest, either direction, the centred square) gives back the load.
TEST(ContactPressure, NoTensionOnSquareAndRectangle) {
  const double P = 1000;
  // L, B; eu/L, ev/B -> q_max L B / P, share of the base in contact.
  const struct { double L, B, eu, ev, q, contact; } cases[] = {
      {2.1, 2.1, 1.0 / 3, 0, 4, 0.5}, {2.1, 2.1, 0.25, 0.25, 6, 0.5},  {2.1, 2.1, 1.0 / 12, 1.0 / 12, 2, 1},
      {5, 2.5, 1.0 / 3, 0, 4, 0.5},   {5, 2.5, 0, -1.0 / 3, 4, 0.5},   {5, 2.5, -0.25, 0.25, 6, 0.5},
      {5, 2.5, 1.0 / 12, 1.0 / 12, 2, 1}, {5, 2.5, 0, 0, 1, 1}, {2.1, 2.1, 0.3, 0.1, 0, 0}, {5, 2.5, -0.3, 0.15, 0, 0}};
  for (const auto& c : cases) {
    const double L = c.L, B = c.B, eu = c.eu * L, ev = c.ev * B, tol = 1e-9 * P * L;
    SCOPED_TRACE(::testing::Message() << L << " x " << B << " at " << c.eu << ", " << c.ev);
    const ContactPressure q = SolveContact(L, B, P, eu, ev);
    if (c.q > 0) {
      EXPECT_NEAR(q.Max() * L * B / P, c.q, 1e-9);
      EXPECT_NEAR(q.ContactShare(), c.contact, 1e-9);
    }
    EXPECT_EQ(q.full, c.contact == 1);
    const Load whole = q.Over({-L / 2, L / 2, -B / 2, B / 2});
    EXPECT_NEAR(whole.force, P, tol);
    EXPECT_NEAR(whole.momentU, P * eu, tol);
    EXPECT_NEAR(whole.momentV, P * ev, tol);
    const double cut = L / 5;
    EXPECT_NEAR(Beyond(q, cut).force + q.Over({-L / 2, cut, -B / 2, B / 2}).force, P, tol);
    EXPECT_NEAR(Beyond(q, -L / 2).moment, P * (L / 2 + eu), tol);
    EXPECT_NEAR(Beyond(Transposed(q), -B / 2).moment, P * (B / 2 + ev), tol);
    if (q.full) {
      EXPECT_NEAR(Inside(q, B / 2), P * B * B / 4 / (L * B), tol) << "moment terms cancel";
    }
    if (L == B && eu >= 0 && ev >= 0) {
      const Bearing bearing = SquareBearing(L, P, eu, ev);
      EXPECT_NEAR(bearing.qMax, q.Max(), 1e-9 * P);
      EXPECT_NEAR(bearing.contact, q.ContactShare(), 1e-12);
    }
  }
  const ContactPressure edge = SolveContact(2.1, 2.1, P, 1.05, 0);
  EXPECT_FALSE(edge.bounded) << "a resultant on the edge has no bounded pressure";
  EXPECT_TRUE(std::isinf(SquareBearing(2.1, P, 1.05, 0).qMax));
  EXPECT_FALSE(SolveContact(5, 2.5, 0, 0, 0).bounded) << "no load to press";
}

// The worked example of the load basis: the 6x5 example at SBC 200, support 1 under the footing of
// F4 (B 2.1, P 0.75, D 0.425 m, 14 bars of 12 mm) and support 23 under F1 (B 1.8, P 0.6, D 0.375 m).
TEST(LoadBasis, WorkedExampleToThePrintedDigits) {
  Model model;
  testing::RecordingMessages ui;
  const DesignChecks all = *DesignJob(
      model, {.AnalysisFile = testing::SourcePath("examples/frame-6x5-4storey.ANL"), .Sbc = "200"}, FileSystem(), ui);
  EXPECT_EQ(all.combinations.service.size(), 10u) << "all formed: the file has no service combination";
  EXPECT_EQ(all.combinations.factored.size(), 13u) << "the file's 7 and 6 formed";
  // One combination at a time, at one support under a group's footing.
  const auto under = [&](int group, int support, const std::string& name) {
    loads::CombinationSets one = all.combinations;
    for (auto* set : {&one.service, &one.factored, &one.uplift})
      std::erase_if(*set, [&](const loads::Combination& c) { return c.name != name; });
    GroupSource src = GroupInputs(model, group);
    const FootingRecord& f = model.Footings(support);
    src.inputs.loads = GroupLoadDemands(*model.Loads, one, {{support, f.ColWidth, f.ColDepth}},
                                        {src.inputs.B / 1000, src.inputs.P / 1000, src.inputs.D / 1000,
                                         (src.inputs.D - 68) / 1000},
                                        200, {});
    return src.inputs;
  };
  const struct Row {
    int group, support;
    const char* combination;
    std::function<double(const FootingInputs&)> value;
    double expected;
    int decimals;
    double units = 0.5;  // tolerance in the last printed digit
  } rows[] = {
      {4, 1, "DL + 0.8LL - 0.8EL4", [](const FootingInputs& in) { return in.loads->W; }, 136.42, 2},
      {4, 1, "DL + 0.8LL - 0.8EL4", [](const FootingInputs& in) { return in.loads->bearing.N; }, 643.29, 2},
      {4, 1, "DL + 0.8LL - 0.8EL4", [](const FootingInputs& in) { return in.loads->bearing.Mbx; }, 64.77, 2},
      {4, 1, "DL + 0.8LL - 0.8EL4", [](const FootingInputs& in) { return in.loads->bearing.Mbz; }, -8.24, 2},
      {4, 1, "DL + 0.8LL - 0.8EL4", [](const FootingInputs& in) { return in.loads->bearing.ez; }, 0.0831, 4},
      {4, 1, "DL + 0.8LL - 0.8EL4", [](const FootingInputs& in) { return in.loads->bearing.ex; }, 0.0106, 4},
      {4, 1, "DL + 0.8LL - 0.8EL4", [](const FootingInputs& in) { return in.loads->bearing.qMax; }, 224.11, 2},
      {4, 1, "DL + 0.8LL - 0.8EL4", [](const FootingInputs& in) { return in.loads->bearing.u; }, 0.896, 3},
      {4, 1, "DL + LL", [](const FootingInputs& in) { return in.loads->bearing.qMax; }, 163.55, 2},
      {4, 1, "DL + LL", [](const FootingInputs& in) { return in.loads->bearing.u; }, 0.818, 3},
      {4, 1, "1.5(DL - EL4)", [](const FootingInputs& in) { return in.loads->shear.Nu; }, 902.44, 2, 1},
      {4, 1, "1.5(DL - EL4)", [](const FootingInputs& in) { return in.loads->shear.Mb; }, 118.82, 2},
      {4, 1, "1.5(DL - EL4)", [](const FootingInputs& in) { return in.loads->shear.value; }, 180.28, 2, 1},
      {4, 1, "1.5(DL - EL4)", [](const FootingInputs& in) { return CheckFooting(in).Find("C6")->demand; }, 0.2405, 4},
      {4, 1, "1.5(DL - EL4)", [](const FootingInputs& in) { return CheckFooting(in).Find("C6")->capacity; }, 0.3328,
       4},
      {4, 1, "1.5(DL - EL4)", [](const FootingInputs& in) { return CheckFooting(in).Find("C6")->utilisation; }, 0.722,
       3},
      {4, 1, "1.5(DL - EL4)", [](const FootingInputs& in) { return in.loads->punching.value; }, 651.67, 2, 1},
      {4, 1, "1.5(DL - EL4)", [](const FootingInputs& in) { return CheckFooting(in).Find("C7")->demand; }, 0.4122, 4},
      {4, 1, "1.5(DL - EL4)", [](const FootingInputs& in) { return CheckFooting(in).Find("C7")->utilisation; }, 0.330,
       3},
      {4, 1, "1.5(DL - EL4)", [](const FootingInputs& in) { return CheckFooting(in).Find("C15b")->demand; }, 6.685,
       3},
      {4, 1, "1.5(DL - EL4)", [](const FootingInputs& in) { return CheckFooting(in).Find("C15b")->utilisation; },
       0.594, 3},
      {1, 23, "LC11 0.9DL-1.5EQZ", [](const FootingInputs& in) { return in.loads->W; }, 98.82, 2},
      {1, 23, "LC11 0.9DL-1.5EQZ", [](const FootingInputs& in) { return in.loads->uplift.demand; }, 57.52, 2},
      {1, 23, "LC11 0.9DL-1.5EQZ", [](const FootingInputs& in) { return in.loads->uplift.u; }, 0.647, 3},
      {1, 23, "LC11 0.9DL-1.5EQZ", [](const FootingInputs& in) { return in.loads->overturning.demand; }, 89.23, 2},
      // 89.23 / (31.42 x 0.9) from the rounded figures.
      {1, 23, "LC11 0.9DL-1.5EQZ", [](const FootingInputs& in) { return in.loads->overturning.u; }, 3.155, 3, 1},
      {1, 23, "DL - EL4", [](const FootingInputs& in) { return in.loads->sliding.u; }, 1.301, 3},
  };
  for (const Row& r : rows) {
    const double actual = r.value(under(r.group, r.support, r.combination));
    EXPECT_NEAR(actual, r.expected, r.units * std::pow(10.0, -r.decimals) * (1 + 1e-9))
        << "support " << r.support << ", " << r.combination;
  }
  // The groups: F4 is ok on bearing at support 4, F1 fails overturning at its corner.
  const struct { std::size_t group; Verdict verdict; const char* id; double u; int support; } groups[] = {
      {3, Verdict::Ok, "C1", 0.916, 4}, {0, Verdict::Fails, "C18b", 3.156, 23}};
  for (const auto& g : groups) {
    const GroupCheck& gc = all.groups[g.group];
    EXPECT_EQ(gc.check.verdict, g.verdict) << gc.mark;
    ASSERT_NE(gc.Governing(), nullptr);
    EXPECT_EQ(gc.Governing()->id, g.id) << gc.mark;
    EXPECT_NEAR(gc.check.governingUtilisation, g.u, 0.0005) << gc.mark;
    EXPECT_EQ(gc.Governing()->support, g.support) << gc.mark;
    EXPECT_EQ(gc.check.methodVerdict, Verdict::Ok) << gc.mark;
  }
}

// Reactions kept in one table for every group, filled from the last group back, give each group the
// demands it gets when they are summed for it alone.
TEST(LoadBasis, KeptReactionsGiveTheDemandsSummedAnew) {
  Model model;
  testing::RecordingMessages ui;
  const DesignChecks all = *DesignJob(
      model, {.AnalysisFile = testing::SourcePath("examples/frame-6x5-4storey.ANL"), .Sbc = "200"}, FileSystem(), ui);
  const ReactionTable kept;
  for (int g = model.FootGroupCount; g >= 1; --g) {
    const GroupSource src = GroupInputs(model, g);
    std::vector<SupportColumn> columns;
    for (const int s : src.supports) columns.push_back({s, model.Footings(s).ColWidth, model.Footings(s).ColDepth});
    const GroupShape shape{src.inputs.B / 1000, src.inputs.P / 1000, src.inputs.D / 1000, src.inputs.D / 1000 - 0.07};
    const LoadDemands a = GroupLoadDemands(*model.Loads, all.combinations, columns, shape, 200, {});
    const LoadDemands b = GroupLoadDemands(*model.Loads, all.combinations, columns, shape, 200, {}, &kept);
    const std::pair<const Governs*, const Governs*> governs[] = {
        {&a.bearing, &b.bearing}, {&a.moment, &b.moment},           {&a.shear, &b.shear},
        {&a.punching, &b.punching}, {&a.overturning, &b.overturning}, {&a.sliding, &b.sliding}};
    for (const auto& [x, y] : governs) {
      EXPECT_EQ(x->support, y->support) << "F" << g;
      EXPECT_EQ(x->combination, y->combination) << "F" << g;
    }
    EXPECT_EQ(a.bearing.u, b.bearing.u) << "F" << g;
    EXPECT_EQ(a.moment.value, b.moment.value) << "F" << g;
    EXPECT_EQ(a.punching.value, b.punching.value) << "F" << g;
    EXPECT_EQ(a.sliding.u, b.sliding.u) << "F" << g;
    EXPECT_EQ(a.columns.size(), b.columns.size()) << "F" << g;
  }
}

// Both examples at every SBC from 100 to 450: no group ok while one of its checks fails, and every
// pair of footings that overlap (judged here from the plan) fails both groups.
// Also: every rated check's working arrives at the ratio it rates, the governing check is the
// highest rated ratio, bearing included, and a check without words rates and judges alike.
TEST(CheckDesign, NoGroupOkWhileACheckFailsAndEveryOverlapFound) {
  for (const char* file : {"examples/frame-4x3-2storey.ANL", "examples/frame-6x5-4storey.ANL"}) {
    for (int sbc = 100; sbc <= 450; sbc += 50) {
      Model model;
      testing::RecordingMessages ui;
      const DesignChecks r =
          *DesignJob(model, {.AnalysisFile = testing::SourcePath(file), .Sbc = IntText(sbc)}, FileSystem(), ui);
      const CheckBasis basis = MakeCheckBasis(model, r.settings);
      for (const GroupCheck& g : r.groups) {
        const int number = static_cast<int>(&g - r.groups.data()) + 1;
        const FootingCheck bare = CheckGroup(model, number, basis, FootingPlaces(model), r.clashes, false).check;
        EXPECT_EQ(bare.verdict, g.check.verdict) << file << " " << g.mark;
        EXPECT_EQ(bare.reason, g.check.reason) << file << " " << g.mark;
        EXPECT_EQ(bare.governing, g.check.governing) << file << " " << g.mark;
        EXPECT_EQ(bare.bendLeg, g.check.bendLeg) << file << " " << g.mark;
        ASSERT_EQ(bare.checks.size(), g.check.checks.size()) << file << " " << g.mark;
        for (std::size_t k = 0; k < bare.checks.size(); ++k) {
          const Check &a = bare.checks[k], &b = g.check.checks[k];
          EXPECT_TRUE(a.id == b.id && a.status == b.status && a.utilisation == b.utilisation && a.rated == b.rated)
              << file << " at " << sbc << ": " << g.mark << " " << b.id << " without words";
        }
        double highest = -1;
        for (const Check& c : g.check.checks) {
          EXPECT_FALSE(g.check.verdict == Verdict::Ok && c.status == Status::Fail) << file << " " << g.mark << c.id;
          if (!c.rated) continue;
          highest = std::max(highest, c.utilisation);
          const std::string u = "= " + DecimalText(c.utilisation, 4, true);
          EXPECT_TRUE(std::any_of(c.working.begin(), c.working.end(),
                                  [&](const std::string& line) { return line.find(u) != std::string::npos; }))
              << file << " at " << sbc << ": " << g.mark << " " << c.id << " works to no " << u;
        }
        if (g.check.governing >= 0) {
          EXPECT_EQ(g.check.governingUtilisation, highest) << file << " " << g.mark;
        }
      }
      const auto clearance = [&](int s) {
        return r.groups[static_cast<std::size_t>(model.Footings(s).FootGroupNo - 1)].check.Find("C20");
      };
      for (int a = 1; a <= model.NumSupports; ++a) {
        for (int b = a + 1; b <= model.NumSupports; ++b) {
          const FootingRecord &fa = model.Footings(a), &fb = model.Footings(b);
          const double reach = (fa.FootSize + fb.FootSize) / 2.0;
          if (!(std::fabs(fa.PosX - fb.PosX) < reach - 1e-4 && std::fabs(fa.PosY - fb.PosY) < reach - 1e-4)) continue;
          EXPECT_TRUE(std::any_of(r.clashes.begin(), r.clashes.end(),
                                  [&](const Clash& c) { return c.supportA == a && c.supportB == b && c.overlap; }))
              << file << " at " << sbc << ": supports " << a << " and " << b;
          for (const int s : {a, b}) {
            const Check* c = clearance(s);
            EXPECT_TRUE(!c || c->status == Status::Fail) << "support " << s;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace footmark::checks
