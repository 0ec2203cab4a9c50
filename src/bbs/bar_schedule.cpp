#include "bbs/bar_schedule.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "grouping/bar_sets.h"
#include "model/numerics.h"

namespace footmark::bbs {

namespace {

// The foot of a starter bar on the mesh: 12 phi, at least 300 mm.
constexpr double kFootDia = 12, kFootMin = 300;

// Lengths in whole millimetres and masses in hundredths of a kilogram, so
// that every total is the exact sum of the rows as printed.
std::int64_t Centikilos(std::int64_t millimetres, double unitMass) {
  const std::int64_t gramsPerMetre = std::llround(unitMass * 1000);
  return (millimetres * gramsPerMetre + 5000) / 10000;
}

BarRow Row(std::string mark, std::string footing, std::string member, const BarShape& bar, int each, int members) {
  BarRow r{std::move(mark), std::move(footing), std::move(member), bar};
  r.cutting = bar.CuttingLength();
  r.each = each;
  r.members = members;
  r.count = each * members;
  const std::int64_t mm = static_cast<std::int64_t>(r.count) * std::llround(r.cutting);
  r.length = static_cast<double>(mm) / 1000;
  r.unitMass = UnitMass(bar.dia);
  r.mass = static_cast<double>(Centikilos(mm, r.unitMass)) / 100;
  return r;
}

std::vector<std::string> Rules(const DetailingRules& rules) {
  const std::string cover = DecimalText(rules.endCover, 0), clear = DecimalText(rules.cover, 0);
  return {
      "Bottom mesh, a bar mark per footing mark and direction: A = B - 2 x " + cover +
          " mm end cover; straight (shape code 20) where the bar develops Ld from the pedestal face (C14), "
          "else a U (shape code 38) with its legs bent up 90 degrees at both ends as long as C14 asks; "
          "cutting length A + 2 legs - 2 x 2 phi (SP 34: 2 phi for each 90 degree bend).",
      "Column starter bars, per column type from its bar set, on each footing mark the type stands on: an L "
      "(shape code 37) whose foot of 12 phi, at least 300 mm, rests on the bottom mesh; its leg runs up from the "
      "mesh through the footing (D - " +
          clear + " - 2 phi of the mesh), through the pedestal to the ground (Df - D, Df " +
          DecimalText(rules.foundingDepth / 1000, 2) + " m) and a lap of " + DecimalText(rules.lapPerDia, 1) +
          " phi above it (Ld in tension, IS 456 26.2.1, 26.2.5.1); cutting length leg + foot - 2 phi.",
      "Mass per metre d^2/162 kg/m to three decimals (steel 7850 kg/m3); the mass of a bar mark is its total "
      "length times the mass per metre, to 0.01 kg; the totals and the quantities' steel are the sums of the "
      "bar marks.",
  };
}

// The totals by diameter and in all, as the exact sums of the rows as printed.
void SumRows(BarSchedule& schedule) {
  schedule.byDia.clear();
  schedule.count = 0;
  std::int64_t mm = 0, centikilos = 0;
  for (const BarRow& r : schedule.rows) {
    const std::int64_t rowMm = std::llround(r.length * 1000), rowCkg = std::llround(r.mass * 100);
    mm += rowMm;
    centikilos += rowCkg;
    schedule.count += r.count;
    auto at = std::find_if(schedule.byDia.begin(), schedule.byDia.end(),
                           [&](const DiameterTotal& d) { return d.dia >= static_cast<int>(r.bar.dia); });
    if (at == schedule.byDia.end() || at->dia != static_cast<int>(r.bar.dia))
      at = schedule.byDia.insert(at, {static_cast<int>(r.bar.dia)});
    at->count += r.count;
    at->length = static_cast<double>(std::llround(at->length * 1000) + rowMm) / 1000;
    at->mass = static_cast<double>(std::llround(at->mass * 100) + rowCkg) / 100;
  }
  schedule.length = static_cast<double>(mm) / 1000;
  schedule.mass = static_cast<double>(centikilos) / 100;
}

}  // namespace

BarSchedule ScheduleBars(const Model& model, const std::vector<MeshBars>& meshes, const DetailingRules& rules) {
  BarSchedule out;
  out.rules = Rules(rules);
  for (const MeshBars& m : meshes) {
    if (!m.designed) {
      out.notes.push_back(m.mark + " is not designed: no bars scheduled, and none for the columns on it");
      continue;
    }
    const BarShape bar{m.leg > 0 ? Shape::TwoBends : Shape::Straight, static_cast<double>(m.dia),
                       m.B - 2 * rules.endCover, m.leg};
    for (const char* axis : {"X", "Y"})
      out.rows.push_back(Row(m.mark + "-" + axis, m.mark, m.mark + " bottom, along " + axis, bar, m.bars, m.footings));
  }

  for (int t = 1; t <= model.TypeBarSet[0]; ++t) {
    const std::vector<BarCount> set = BarSetBars(model, model.TypeBarSet[t]);
    const std::string type = "C" + IntText(t);
    for (const MeshBars& m : meshes) {
      if (!m.designed) continue;
      int columns = 0;
      for (int s = 1; s <= model.NumSupports; ++s)
        columns += model.Footings(s).ColType == t && model.Footings(s).FootGroupNo == m.group;
      if (columns == 0) continue;
      const double lift = m.D - rules.cover - 2.0 * m.dia + std::max(rules.foundingDepth - m.D, 0.0);
      for (std::size_t k = 0; k < set.size(); ++k) {
        const double dia = set[k].dia;
        const BarShape bar{Shape::OneBend, dia, lift + std::ceil(rules.lapPerDia * dia - 1e-9),
                           std::max(kFootDia * dia, kFootMin)};
        const std::string suffix = set.size() > 1 ? std::string(1, static_cast<char>('a' + k)) : "";
        out.rows.push_back(Row(type + "-" + m.mark + suffix, m.mark, type + " on " + m.mark + ", starter bars", bar,
                               set[k].count, columns));
      }
    }
  }

  SumRows(out);
  return out;
}

void AddSlabBars(BarSchedule& schedule, const std::string& footing, const std::vector<SlabBars>& sets) {
  const std::string rule =
      "Combined footings, a bar mark per bar set counted once: A = the footing's length or width less the end "
      "covers; straight, or a U (shape code 38) with its legs bent 90 degrees as long as the anchorage asks; "
      "cutting length as for the mesh.";
  if (std::find(schedule.rules.begin(), schedule.rules.end(), rule) == schedule.rules.end())
    schedule.rules.push_back(rule);
  for (const SlabBars& b : sets) {
    const BarShape bar{b.leg > 0 ? Shape::TwoBends : Shape::Straight, static_cast<double>(b.dia), b.run, b.leg};
    schedule.rows.push_back(Row(b.mark, footing, b.member, bar, b.count, 1));
  }
  SumRows(schedule);
}

double FootingMass(const BarSchedule& schedule, const std::string& footing) {
  std::int64_t centikilos = 0;
  for (const BarRow& r : schedule.rows)
    if (r.footing == footing) centikilos += std::llround(r.mass * 100);
  return static_cast<double>(centikilos) / 100;
}

}  // namespace footmark::bbs
