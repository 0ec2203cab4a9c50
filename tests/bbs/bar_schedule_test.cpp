// The bar bending schedule by hand (the worked example's straight mesh, a mesh with bend-ups, starter
// bars), and its total against the quantities' steel on both examples and the capacity building.
#include <gtest/gtest.h>

#include <cmath>

#include "bbs/bar_schedule.h"
#include "checks/footing_check.h"
#include "grouping/bar_sets.h"
#include "model/numerics.h"
#include "support/sheet_buildings.h"

namespace footmark::bbs {
namespace {

const BarRow* Find(const BarSchedule& s, const std::string& mark) {
  for (const BarRow& r : s.rows)
    if (r.mark == mark) return &r;
  return nullptr;
}

TEST(BarSchedule, CuttingLengthsAndMassesByHand) {
  // Worked example (B 2000, D 450, 14 bars of 12 mm): C14 passes straight. A = 2000 - 2 x 50 = 1900 mm;
  // 14 bars x 1.900 m = 26.600 m x 0.889 kg/m (144/162) = 23.647 kg, 23.65 per direction.
  // B 1200 (same depth and bars): C14 bends up 138 mm at each end. A = 1100, cut 1100 + 2 x 138 - 2 x 2 x 12
  // = 1328 mm; 3 footings x 14 = 42 bars x 1.328 = 55.776 m x 0.889 = 49.58 kg.
  // Starters: a column of 4 bars of 16 mm on each of the 3 footings of F2, Df 1500, lap 47 phi = 752 mm:
  // leg 450 - 50 - 2 x 12 + (1500 - 450) + 752 = 2178, foot max(12 x 16, 300) = 300, cut 2178 + 300 - 2 x 16
  // = 2446 mm; 12 bars x 2.446 = 29.352 m x 1.580 kg/m (256/162) = 46.376 kg.
  checks::FootingInputs in;
  in.B = 1200, in.P = 600, in.D = 450, in.columnA = in.columnB = 400, in.barDia = 12, in.bars = 14,
  in.spacing = 145, in.astDeclared = in.astProvided = 1500, in.fck = 25, in.fy = 415, in.q = 200, in.sbc = 200;
  const double leg = checks::CheckFooting(in).bendLeg;
  ASSERT_EQ(leg, 138);

  auto model = std::make_unique<Model>();
  BuildBarSets(*model);
  int16 fourSixteen = 0;
  for (int16 k = 1; k <= model->BarSetCount && !fourSixteen; ++k)
    if (BarSetLabel(*model, k) == "  4-16  ") fourSixteen = k;
  ASSERT_GT(fourSixteen, 0);
  model->TypeBarSet[0] = 1, model->TypeBarSet[1] = fourSixteen;
  model->NumSupports = 3;
  for (int s = 1; s <= 3; ++s) model->Footings(s).ColType = 1, model->Footings(s).FootGroupNo = 2;
  const BarSchedule s = ScheduleBars(
      *model, {{1, "F1", 1, true, 2000, 450, 12, 14, 0}, {2, "F2", 3, true, 1200, 450, 12, 14, leg},
               {3, "F3", 2, false, 900, 0, 32, 0, 0}},
      {50, 50, 1500, 47});

  const struct { const char* mark; int code, count; double cutting, length, unitMass, mass; } rows[] = {
      {"F1-X", 20, 14, 1900, 26.6, 0.889, 23.65},    {"F1-Y", 20, 14, 1900, 26.6, 0.889, 23.65},
      {"F2-X", 38, 42, 1328, 55.776, 0.889, 49.58},  {"F2-Y", 38, 42, 1328, 55.776, 0.889, 49.58},
      {"C1-F2", 37, 12, 2446, 29.352, 1.580, 46.38}};
  ASSERT_EQ(s.rows.size(), std::size(rows)) << "F3 is not designed: no bars, none on its columns";
  for (const auto& e : rows) {
    const BarRow* r = Find(s, e.mark);
    ASSERT_NE(r, nullptr) << e.mark;
    EXPECT_EQ(ShapeCode(r->bar.shape), e.code) << e.mark;
    EXPECT_EQ(r->count, e.count) << e.mark;
    EXPECT_EQ(r->cutting, e.cutting) << e.mark;
    EXPECT_NEAR(r->length, e.length, 1e-9) << e.mark;
    EXPECT_NEAR(r->unitMass, e.unitMass, 1e-9) << e.mark;
    EXPECT_NEAR(r->mass, e.mass, 1e-9) << e.mark;
  }
  EXPECT_NEAR(s.mass, 23.65 * 2 + 49.58 * 2 + 46.38, 1e-9);
  ASSERT_EQ(s.byDia.size(), 2u);
  EXPECT_NEAR(s.byDia[0].mass, 23.65 * 2 + 49.58 * 2, 1e-9);
  EXPECT_NEAR(FootingMass(s, "F2"), 49.58 * 2 + 46.38, 1e-9);
  ASSERT_EQ(s.notes.size(), 1u);
}

// The quantities take their steel from the schedule: per mark the sum of its bar marks, in all the
// schedule's total, by diameter its summary; the marks, combined footings' included, add up to the totals
// as printed.
TEST(BarSchedule, QuantitiesSteelIsTheScheduleTotal) {
  for (const testing::SheetBuilding& b : testing::SheetBuildings()) {
    if (b.name == "below-zero") continue;
    const testing::DesignedSheet d = testing::DesignSheet(b);
    const checks::DesignChecks& c = d.checks;
    ASSERT_FALSE(c.bars.rows.empty()) << b.name;
    EXPECT_EQ(std::llround(c.steel), std::llround(c.bars.mass)) << b.name << ": to the kilogram";
    double marks = 0, concrete = 0, byDia = 0;
    int footings = 0;
    for (const checks::GroupCheck& g : c.groups) {
      EXPECT_NEAR(g.quantities.steelTotal, FootingMass(c.bars, g.mark), 1e-6) << b.name << " " << g.mark;
      marks += g.quantities.steelTotal;
      concrete += std::stod(DecimalText(g.quantities.concreteTotal, 3));
      footings += g.check.verdict == checks::Verdict::NotDesigned ? 0 : g.quantities.count;
    }
    for (const combined::CombinedFooting& f : c.combined) {  // the revised buildings'
      if (f.verdict == checks::Verdict::NotDesigned) continue;
      EXPECT_NEAR(f.steel, FootingMass(c.bars, f.mark), 1e-6) << b.name << " " << f.mark;
      EXPECT_GT(f.steel, 0) << b.name << " " << f.mark;
      marks += f.steel;
      concrete += std::stod(DecimalText(f.concrete, 3));
      footings += static_cast<int>(f.supports.size());
    }
    for (const auto& [dia, kg] : c.steelByDia) byDia += kg;
    EXPECT_NEAR(marks, c.bars.mass, 1e-6) << b.name;
    EXPECT_NEAR(byDia, c.bars.mass, 1e-6) << b.name;
    EXPECT_EQ(DecimalText(concrete, 3), DecimalText(c.concrete, 3)) << b.name << ": the marks add up";
    EXPECT_EQ(footings, c.footings) << b.name;
  }
}

}  // namespace
}  // namespace footmark::bbs
