// Speed of the combined footings on a plan the size of the capacity
// building: 200 supports, 21 clashing pairs, each support with the load
// basis of a frame with dead, live and two earthquake cases (10 service,
// 13 factored and 8 stability combinations), from the clashes to the checked
// designs.
#include <benchmark/benchmark.h>

#include <array>
#include <random>

#include "combined/combined_run.h"

namespace {

using namespace footmark;
using namespace footmark::combined;

constexpr int kSupports = 200, kPairs = 21;

// Primary reactions of one support: dead, live, earthquake along X and Z.
struct Primaries {
  std::array<Action, 4> load;  // D, L, EX, EZ
};

struct Plan {
  std::vector<PlanSupport> supports;
  std::vector<Primaries> primaries;
};

const Plan& CapacityPlan() {
  static const Plan plan = [] {
    Plan p;
    std::mt19937 random(7);
    const auto pick = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
    for (int s = 1; s <= kSupports; ++s) {
      // The pairs stand 2.0 m apart on their grid lines, the others 9 m apart.
      const bool paired = s <= 2 * kPairs;
      const int slot = paired ? (s - 1) / 2 : s - 1;
      const double x = (slot % 15) * 9.0 + (paired && s % 2 == 0 ? 2.0 : 0), z = (slot / 15) * 9.0 + (paired ? 0 : 150);
      p.supports.push_back({{s, x, z, paired ? 2.3 : 2.0}, x, z});
      Primaries r;
      r.load[0] = {pick(400, 1200), pick(-10, 10), pick(-10, 10), pick(-5, 5), pick(-5, 5)};
      r.load[1] = {pick(100, 400), pick(-5, 5), pick(-5, 5), pick(-2, 2), pick(-2, 2)};
      r.load[2] = {pick(-150, 150), pick(-10, 10), pick(20, 90), pick(-60, -20), pick(-5, 5)};
      r.load[3] = {pick(-150, 150), pick(-90, -20), pick(-10, 10), pick(-5, 5), pick(-60, -20)};
      p.primaries.push_back(r);
    }
    return p;
  }();
  return plan;
}

struct Factors {
  const char* name;
  double d, l, ex, ez;
  bool lateral;
  double sliding;
};

// IS 456 Table 18 and IS 1893 with both signs of each earthquake.
constexpr Factors kService[] = {
    {"DL", 1, 0, 0, 0, false, 0},          {"DL+LL", 1, 1, 0, 0, false, 0},
    {"DL+EX", 1, 0, 1, 0, true, 0},        {"DL-EX", 1, 0, -1, 0, true, 0},
    {"DL+EZ", 1, 0, 0, 1, true, 0},        {"DL-EZ", 1, 0, 0, -1, true, 0},
    {"DL+0.8LL+0.8EX", 1, 0.8, 0.8, 0, true, 0}, {"DL+0.8LL-0.8EX", 1, 0.8, -0.8, 0, true, 0},
    {"DL+0.8LL+0.8EZ", 1, 0.8, 0, 0.8, true, 0}, {"DL+0.8LL-0.8EZ", 1, 0.8, 0, -0.8, true, 0}};
constexpr Factors kFactored[] = {
    {"1.5(DL+LL)", 1.5, 1.5, 0, 0, false, 0},     {"1.2(DL+LL+EX)", 1.2, 1.2, 1.2, 0, true, 0},
    {"1.2(DL+LL-EX)", 1.2, 1.2, -1.2, 0, true, 0}, {"1.2(DL+LL+EZ)", 1.2, 1.2, 0, 1.2, true, 0},
    {"1.2(DL+LL-EZ)", 1.2, 1.2, 0, -1.2, true, 0}, {"1.5(DL+EX)", 1.5, 0, 1.5, 0, true, 0},
    {"1.5(DL-EX)", 1.5, 0, -1.5, 0, true, 0},      {"1.5(DL+EZ)", 1.5, 0, 0, 1.5, true, 0},
    {"1.5(DL-EZ)", 1.5, 0, 0, -1.5, true, 0},      {"0.9DL+1.5EX", 0.9, 0, 1.5, 0, true, 0},
    {"0.9DL-1.5EX", 0.9, 0, -1.5, 0, true, 0},     {"0.9DL+1.5EZ", 0.9, 0, 0, 1.5, true, 0},
    {"0.9DL-1.5EZ", 0.9, 0, 0, -1.5, true, 0}};
constexpr Factors kStability[] = {
    {"0.9DL+1.5EX", 0.9, 0, 1.5, 0, true, 0},   {"0.9DL-1.5EX", 0.9, 0, -1.5, 0, true, 0},
    {"0.9DL+1.5EZ", 0.9, 0, 0, 1.5, true, 0},   {"0.9DL-1.5EZ", 0.9, 0, 0, -1.5, true, 0},
    {"0.9DL+EX", 0.9, 0, 1, 0, true, 1.4},      {"0.9DL-EX", 0.9, 0, -1, 0, true, 1.4},
    {"0.9DL+EZ", 0.9, 0, 0, 1, true, 1.4},      {"0.9DL-EZ", 0.9, 0, 0, -1, true, 1.4}};

template <std::size_t N>
std::vector<Combination> Combine(const Factors (&list)[N], const std::vector<int>& supports) {
  std::vector<Combination> out;
  for (const Factors& f : list) {
    Combination c{f.name, f.d, f.lateral, f.sliding, {}};
    for (int s : supports) {
      const auto& p = CapacityPlan().primaries[static_cast<std::size_t>(s - 1)].load;
      const double k[4] = {f.d, f.l, f.ex, f.ez};
      Action a;
      for (int i = 0; i < 4; ++i) {
        a.N += k[i] * p[static_cast<std::size_t>(i)].N, a.Mbx += k[i] * p[static_cast<std::size_t>(i)].Mbx;
        a.Mbz += k[i] * p[static_cast<std::size_t>(i)].Mbz, a.Hx += k[i] * p[static_cast<std::size_t>(i)].Hx;
        a.Hz += k[i] * p[static_cast<std::size_t>(i)].Hz;
      }
      c.actions.push_back(a);
    }
    out.push_back(std::move(c));
  }
  return out;
}

CombinedInput InputsOf(const SetLine& line) {
  CombinedInput in;
  in.axis = line.axis;
  for (int s : line.supports) {
    const PlanSupport& p = CapacityPlan().supports[static_cast<std::size_t>(s - 1)];
    ColumnInput c;
    c.support = c.joint = s;
    c.x = p.footing.x, c.z = p.footing.z, c.gridX = p.gridX, c.gridZ = p.gridZ;
    c.columnX = 450, c.columnZ = 300, c.barDia = 16;
    in.columns.push_back(c);
  }
  in.service = Combine(kService, line.supports);
  in.factored = Combine(kFactored, line.supports);
  in.stability = Combine(kStability, line.supports);
  in.resultantCase = 1;
  return in;
}

void BM_CombinedFootings(benchmark::State& state) {
  Settings set;
  set.sbc = 200;
  std::size_t designed = 0;
  for (auto _ : state) {
    const std::vector<CombinedFooting> all = DesignCombinedFootings(CapacityPlan().supports, set, InputsOf);
    designed = all.size();
    benchmark::DoNotOptimize(all.data());
  }
  state.counters["sets"] = static_cast<double>(designed);
}
BENCHMARK(BM_CombinedFootings)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
