#include "cli/checks_report.h"

#include <string>
#include <vector>

#include "cli/text_table.h"
#include "model/numerics.h"

namespace footmark::cli {

namespace {

using checks::Check;
using checks::GroupCheck;

std::string Utilisation(double u) { return DecimalText(u, 3, true); }

std::string Governing(const GroupCheck& g) {
  if (g.check.governing < 0) return "-";
  const Check& c = g.check.checks[static_cast<std::size_t>(g.check.governing)];
  return c.id + " " + c.name;
}

std::string Amount(double value, int decimals, const std::string& unit) {
  return DecimalText(value, decimals) + (unit.empty() ? "" : " " + unit);
}

}  // namespace

void WriteChecks(std::ostream& out, const checks::DesignChecks& checks) {
  out << "\nChecks (IS 456:2000): " << checks.ok << " ok, " << checks.fails << " fail, " << checks.notDesigned
      << " not designed\n";
  std::vector<std::vector<std::string>> rows{{"mark", "verdict", "utilisation", "governing check"}};
  for (const GroupCheck& g : checks.groups)
    rows.push_back({g.mark, checks::VerdictText(g.check.verdict),
                    g.check.governing < 0 ? "-" : Utilisation(g.check.governingUtilisation), Governing(g)});
  WriteTable(out, rows);

  std::vector<std::vector<std::string>> failing{{"mark", "check", "clause", "demand", "capacity", "utilisation", "note"}};
  for (const GroupCheck& g : checks.groups) {
    if (g.check.verdict == checks::Verdict::NotDesigned) {
      failing.push_back({g.mark, "not designed", "", "", "", "", g.check.reason});
      continue;
    }
    for (const Check& c : g.check.checks)
      if (c.status == checks::Status::Fail)
        failing.push_back({g.mark, c.id + " " + c.name, c.clause, Amount(c.demand, c.decimals, c.unit),
                           Amount(c.capacity, c.decimals, c.unit), Utilisation(c.utilisation), c.note});
  }
  if (failing.size() > 1) {
    out << "\nFailing checks\n";
    WriteTable(out, failing);
  }

  out << "\nQuantities\n";
  rows = {{"mark", "footings", "concrete (m3)", "steel (kg)"}};
  for (const GroupCheck& g : checks.groups)
    rows.push_back({g.mark, IntText(g.quantities.count), DecimalText(g.quantities.concreteTotal, 2),
                    DecimalText(g.quantities.steelTotal, 1)});
  rows.push_back({"total", IntText(checks.footings), DecimalText(checks.concrete, 2), DecimalText(checks.steel, 1)});
  WriteTable(out, rows);
}

void JsonChecks(Json& j, const checks::DesignChecks& checks) {
  j.Key("checks").BeginArray();
  for (const GroupCheck& g : checks.groups) {
    j.BeginObject().Field("mark", g.mark).Field("verdict", checks::VerdictText(g.check.verdict));
    if (!g.check.reason.empty()) j.Field("reason", g.check.reason);
    if (g.check.governing >= 0)
      j.Field("governing", g.check.checks[static_cast<std::size_t>(g.check.governing)].id)
          .Key("utilisation")
          .Number(DecimalText(g.check.governingUtilisation, 3));
    if (!g.check.barDetail.empty()) j.Field("bar_detail", g.check.barDetail);
    j.Key("checks").BeginArray();
    for (const Check& c : g.check.checks) {
      j.BeginObject()
          .Field("id", c.id)
          .Field("name", c.name)
          .Field("clause", c.clause)
          .Key("demand")
          .Number(DecimalText(c.demand, c.decimals + 1))
          .Key("capacity")
          .Number(DecimalText(c.capacity, c.decimals + 1))
          .Field("unit", c.unit)
          .Key("utilisation")
          .Number(DecimalText(c.utilisation, 3))
          .Key("strict_utilisation")
          .Number(DecimalText(c.strictUtilisation, 3))
          .Field("status", checks::StatusText(c.status));
      if (!c.note.empty()) j.Field("note", c.note);
      j.EndObject();
    }
    j.EndArray().EndObject();
  }
  j.EndArray();

  j.Key("quantities").BeginObject().Key("marks").BeginArray();
  for (const GroupCheck& g : checks.groups) {
    j.BeginObject()
        .Field("mark", g.mark)
        .Field("footings", g.quantities.count)
        .Key("concrete_each")
        .Number(DecimalText(g.quantities.concreteEach, 3))
        .Key("concrete")
        .Number(DecimalText(g.quantities.concreteTotal, 3))
        .Key("steel_each")
        .Number(DecimalText(g.quantities.steelEach, 2))
        .Key("steel")
        .Number(DecimalText(g.quantities.steelTotal, 2));
    if (!g.quantities.note.empty()) j.Field("note", g.quantities.note);
    j.EndObject();
  }
  j.EndArray()
      .Field("footings", checks.footings)
      .Key("concrete")
      .Number(DecimalText(checks.concrete, 3))
      .Key("steel")
      .Number(DecimalText(checks.steel, 2))
      .EndObject();
}

}  // namespace footmark::cli
