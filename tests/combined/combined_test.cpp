// Combined footings: the sets, and the geometry of bands, perimeters and
// the no-tension pressure.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "combined/footing_sets.h"
#include "combined/contact_pressure.h"
#include "combined/slab_layout.h"

namespace footmark::combined {
namespace {

// Whether x prints as `printed`: within half a unit of its last digit.
::testing::AssertionResult Shows(double x, const std::string& printed) {
  const std::size_t dot = printed.find('.');
  const double unit = std::pow(10.0, dot == std::string::npos ? 0 : -static_cast<double>(printed.size() - dot - 1));
  if (std::fabs(x - std::stod(printed)) <= unit / 2 * (1 + 1e-9)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << x << " does not print as " << printed;
}

TEST(ContactPressure, NoTensionOnARectangle) {
  // eu/L, ev/B -> q_max L B / P, share of the base in contact.
  const struct { double eu, ev, q, contact; } cases[] = {
      {1.0 / 3, 0, 4, 0.5}, {0, -1.0 / 3, 4, 0.5}, {0.25, 0.25, 6, 0.5}, {1.0 / 12, 1.0 / 12, 2, 1}, {0, 0, 1, 1}};
  const double L = 5, B = 2.5, P = 1000;
  for (const auto& c : cases) {
    const ContactPressure q = SolveContact(L, B, P, c.eu * L, c.ev * B);
    EXPECT_NEAR(q.Max() * L * B / P, c.q, 1e-9) << c.eu << ", " << c.ev;
    EXPECT_NEAR(q.ContactShare(), c.contact, 1e-9) << c.eu << ", " << c.ev;
    const Load whole = q.Over({-L / 2, L / 2, -B / 2, B / 2});
    EXPECT_NEAR(whole.force, P, 1e-9 * P);
    EXPECT_NEAR(whole.momentU, P * c.eu * L, 1e-9 * P * L);
    EXPECT_NEAR(whole.momentV, P * c.ev * B, 1e-9 * P * L);
  }
  EXPECT_FALSE(SolveContact(L, B, P, L / 2, 0).bounded) << "a resultant on the edge has no bounded pressure";
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
