// Design groups, governing soil pressure, pedestal types and IS 456 Table 19.
#include <gtest/gtest.h>

#include "design/foot_groups.h"
#include "design/shear_table.h"
#include "model/failure.h"
#include "model/numerics.h"

namespace footmark {
namespace {

TEST(MaxSoilPressure, AxialPlusBendingOfBothMomentsAboutOneAxis) {
  Model m;
  m.NumLoadCases = 4;
  m.SupportReactions(7, 1, 2) = -50;  // uplift: no pressure
  m.SupportReactions(7, 2, 2) = 600;  // 600/4 + 50 x 6/8 = 187.5
  m.SupportReactions(7, 2, 3) = 30;
  m.SupportReactions(7, 2, 4) = -20;
  m.SupportReactions(7, 3, 2) = 450;  // 112.5 + 75: equal, the earlier stays
  m.SupportReactions(7, 3, 3) = 100;
  m.SupportReactions(7, 4, 2) = 100;
  int16 lc = -1;
  EXPECT_EQ(MaxSoilPressure(m, 7, 2.0f, lc), 187.5f);
  EXPECT_EQ(lc, 2);

  m.SupportReactions(7, 2, 2) = 0;
  m.SupportReactions(7, 3, 2) = 0;
  m.SupportReactions(7, 4, 2) = 0;
  EXPECT_EQ(MaxSoilPressure(m, 7, 2.0f, lc), 0.0f);
  EXPECT_EQ(lc, 0);
  EXPECT_EQ(MaxSoilPressure(m, 7, 0.0f, lc), 0.0f);  // nothing to divide

  m.SupportReactions(7, 4, 2) = 100;
  EXPECT_THROW(MaxSoilPressure(m, 7, 0.0f, lc), RuntimeFailure);
  EXPECT_THROW(MaxSoilPressure(m, 201, 2.0f, lc), RuntimeFailure);
}

TEST(FormFootGroups, OneGroupPerClassWithItsGoverningSupport) {
  Model m;
  m.NumLoadCases = 1;
  const int support[] = {0, 6, 1, 4, 9, 2, 3};
  const float cls[] = {0, 1.2f, 1.2f, 1.5f, 1.5f, 1.5f, 2.1f};
  for (int k = 1; k <= 6; ++k) {
    m.FootingSizes(k, 0) = static_cast<float>(support[k]);
    m.FootingSizes(k, 2) = cls[k];
  }
  m.FootingSizes(0, 0) = 6;
  m.SupportReactions(9, 1, 2) = 450;  // 200 kN/m2 on 1.5 m
  m.SupportReactions(2, 1, 2) = 225;
  m.FootGroups(2).Pedestal = 0.6f;  // left from an earlier design
  FormFootGroups(m);

  ASSERT_EQ(m.FootGroupCount, 3);
  EXPECT_EQ(m.FootGroups(1).Supports, "6 1 ");
  EXPECT_EQ(m.FootGroups(2).Supports, "4 9 2 ");
  EXPECT_EQ(m.FootGroups(3).Supports, "3 ");
  EXPECT_EQ(m.FootGroups(2).Size, 1.5f);
  EXPECT_EQ(m.FootGroups(2).Pressure, 200.0f);
  EXPECT_EQ(m.FootGroups(2).GovSupport, 9);
  EXPECT_EQ(m.FootGroups(2).LoadCase, 1);
  EXPECT_EQ(m.FootGroups(2).Pedestal, 0.6f);
  EXPECT_EQ(m.FootGroups(1).Pressure, 0.0f);  // no load: never governs
  EXPECT_EQ(m.Footings(4).FootGroupNo, 2);
  EXPECT_EQ(m.Footings(3).FootGroupNo, 3);
}

TEST(NumberPedestals, DistinctSidesAscendingAndKeptBetweenRuns) {
  Model m;
  m.FootGroupCount = 3;
  m.FootGroups(1).Pedestal = 0.60f;
  m.FootGroups(2).Pedestal = 0.45f;
  m.FootGroups(3).Pedestal = 0.60f;
  NumberPedestals(m);
  NumberPedestals(m);
  EXPECT_EQ(m.PedSizes(0), 2);
  EXPECT_EQ(m.PedSizes(1), 0.45f);
  EXPECT_EQ(m.PedSizes(2), 0.60f);
  EXPECT_EQ(m.FootGroups(1).PedType, 2);
  EXPECT_EQ(m.FootGroups(2).PedType, 1);
  EXPECT_EQ(m.FootGroups(3).PedType, 2);

  m.FootGroupCount = 11;
  for (int g = 1; g <= 11; ++g) m.FootGroups(g).Pedestal = Sng(g * 0.1);
  EXPECT_THROW(NumberPedestals(m), RuntimeFailure);
}

TEST(ShearStrength, Table19InterpolatedInSinglePrecision) {
  Model m;
  m.Fck = 20;
  BuildShearTable(m);
  FindGradeColumn(m);
  EXPECT_EQ(m.GradeCol, 2);
  EXPECT_EQ(ShearStrength(m, 0.15f), 0.28f);
  EXPECT_EQ(ShearStrength(m, 0.0f), 0.28f);
  // Every step rounds to single: 0.33600003, where double would give 0.33599999.
  EXPECT_EQ(ShearStrength(m, 0.22f), 0.33600003f);
  // Halfway between 0.36 and 0.48: the sum is an exact tie between two
  // singles and goes to the even one, 0.42000002 (shown as 0.42).
  EXPECT_EQ(ShearStrength(m, 0.375f), 0.42000002f);
  EXPECT_EQ(NumText(ShearStrength(m, 0.375f)), "0.42");

  m.Fck = 25;
  FindGradeColumn(m);
  EXPECT_EQ(ShearStrength(m, 1.00f), 0.64f);
  m.Fck = 40;
  FindGradeColumn(m);
  EXPECT_EQ(ShearStrength(m, 3.5f), 1.01f);
  EXPECT_EQ(ShearStrength(m, 3.0f), 1.01f);

  m.Fck = 22;  // not a tabulated grade: the empty column
  FindGradeColumn(m);
  EXPECT_EQ(m.GradeCol, 7);
  EXPECT_EQ(ShearStrength(m, 0.6f), 0.0f);
}

}  // namespace
}  // namespace footmark
