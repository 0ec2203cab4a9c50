#include "cli/checks_report.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "cli/text_table.h"
#include "model/numerics.h"

namespace footmark::cli {

namespace {

using checks::Check;
using checks::GroupCheck;

// Ratios to four places: 1.0004 fails where 1.000 would not show it.
constexpr int kRatioDecimals = 4;
std::string Utilisation(double u) { return DecimalText(u, kRatioDecimals, true); }

std::string Governing(const GroupCheck& g) {
  const Check* c = g.Governing();
  return c ? c->id + " " + c->name : "-";
}

std::string Amount(double value, int decimals, const std::string& unit) {
  return DecimalText(value, decimals) + (unit.empty() ? "" : " " + unit);
}

std::string MethodShort(const checks::FootingCheck& check) {
  if (check.methodVerdict == checks::Verdict::NotDesigned) return "-";
  std::string text = checks::VerdictText(check.methodVerdict);
  if (check.methodGoverning >= 0)
    text += ", " + check.checks[static_cast<std::size_t>(check.methodGoverning)].id + " " +
            Utilisation(check.methodGoverningUtilisation);
  return text;
}

std::string Support(int s) { return s > 0 ? IntText(s) : ""; }

using Rows = std::vector<std::vector<std::string>>;

void WriteLoadBasis(std::ostream& out, const checks::DesignChecks& checks) {
  out << "\nLoad cases (" << (checks.loadFallback ? "taken alike, as the design does" : "as the file defines them")
      << ")\n";
  Rows rows{{"case", "title", "class", "kind", "use", "factors", "note"}};
  for (const loads::LoadCase& c : checks.loadCases)
    rows.push_back({IntText(c.number), c.title,
                    c.kind == loads::CaseKind::Primary ? loads::ClassText(c.loadClass) : "", loads::KindText(c.kind),
                    loads::UseText(c.use), loads::FactorText(c), loads::CaseNote(c)});
  WriteTable(out, rows);
  const loads::CombinationSets& sets = checks.combinations;
  out << "Judged under " << sets.service.size() << " service, " << sets.factored.size() << " factored and "
      << sets.uplift.size() << " stability combinations\n";
  for (const std::string& w : checks.loadWarnings) out << "Warning: " << w << '\n';

  out << "\nSettings\n";
  rows = {{"setting", "value", "option"}};
  for (const checks::SettingRow& s : checks::SettingsInForce(checks.settings))
    rows.push_back({s.label, s.value + (s.unit.empty() ? "" : " " + s.unit), "--" + s.key});
  WriteTable(out, rows);
}

}  // namespace

void WriteChecks(std::ostream& out, const checks::DesignChecks& checks) {
  out << "\nChecks (IS 456:2000): " << checks.ok << " ok, " << checks.fails << " fail, " << checks.notDesigned
      << " not designed; on the design step's own basis " << checks.methodOk << " ok, " << checks.methodFails
      << " fail\n";
  Rows rows{{"mark", "verdict", "utilisation", "governing check", "support", "combination", "design step"}};
  for (const GroupCheck& g : checks.groups) {
    const Check* c = g.Governing();
    rows.push_back({g.mark, checks::VerdictText(g.check.verdict), c ? Utilisation(g.check.governingUtilisation) : "-",
                    Governing(g), c ? Support(c->support) : "", c ? c->combination : "", MethodShort(g.check)});
  }
  WriteTable(out, rows);

  Rows failing{{"mark", "check", "demand", "capacity", "utilisation", "support", "combination", "note"}};
  for (const GroupCheck& g : checks.groups) {
    if (g.check.verdict == checks::Verdict::NotDesigned) {
      failing.push_back({g.mark, "not designed", "", "", "", "", "", g.check.reason});
      continue;
    }
    for (const Check& c : g.check.checks)
      if (c.status == checks::Status::Fail)
        failing.push_back({g.mark, c.id + " " + c.name, Amount(c.demand, c.decimals, c.unit),
                           Amount(c.capacity, c.decimals, c.unit), Utilisation(c.utilisation), Support(c.support),
                           c.combination, c.note});
  }
  if (failing.size() > 1) {
    out << "\nFailing checks\n";
    WriteTable(out, failing);
  }

  if (!checks.clashes.empty()) {
    out << "\nFootings that overlap or stand closer than " << DecimalText(checks.settings.clearanceGap, 0)
        << " mm\n";
    rows = {{"supports", "gap x (mm)", "gap z (mm)", "clear gap (mm)", ""}};
    for (const checks::Clash& c : checks.clashes)
      rows.push_back({IntText(c.supportA) + " and " + IntText(c.supportB), DecimalText(c.gapX * 1000, 0),
                      DecimalText(c.gapZ * 1000, 0), DecimalText(c.gap * 1000, 0),
                      c.overlap ? "overlap: combined footing required" : "too close"});
    WriteTable(out, rows);
  }
  WriteLoadBasis(out, checks);

  out << "\nQuantities (steel: the bar bending schedule's bottom mesh and column starter bars)\n";
  rows = {{"mark", "footings", "concrete (m3)", "mesh (kg)", "starters (kg)", "steel (kg)", "note"}};
  for (const GroupCheck& g : checks.groups) {
    const checks::MarkQuantities& q = g.quantities;
    if (!q.note.empty()) {
      rows.push_back({g.mark, IntText(q.count), "-", "-", "-", "-", q.note});
      continue;
    }
    rows.push_back({g.mark, IntText(q.count), DecimalText(q.concreteTotal, 3, true), DecimalText(q.meshSteel, 2, true),
                    DecimalText(q.starterSteel, 2, true), DecimalText(q.steelTotal, 2, true), ""});
  }
  rows.push_back({"total", IntText(checks.footings), DecimalText(checks.concrete, 3, true), "", "",
                  DecimalText(checks.steel, 2, true), checks::DesignedFootingsText(checks)});
  WriteTable(out, rows);
}

namespace {

void JsonWhere(Json& j, int support, const std::string& combination) {
  if (support > 0) j.Field("support", support);
  if (!combination.empty()) j.Field("combination", combination);
}

void JsonLoadBasis(Json& j, const checks::DesignChecks& checks) {
  j.Key("settings").BeginObject();
  for (const checks::SettingRow& s : checks::SettingsInForce(checks.settings)) {
    if (StrictNumber(s.value))
      j.Key(s.key).Number(s.value);
    else
      j.Field(s.key, s.value);
  }
  j.EndObject();
  j.Key("load_basis").BeginObject().Field("basis", checks.loadFallback ? "every case alike" : "load cases");
  j.Key("load_cases").BeginArray();
  for (const loads::LoadCase& c : checks.loadCases) {
    j.BeginObject().Field("number", c.number).Field("title", c.title);
    if (!c.loadType.empty()) j.Field("load_type", c.loadType);
    j.Field("class", c.kind == loads::CaseKind::Primary ? loads::ClassText(c.loadClass) : "")
        .Field("kind", loads::KindText(c.kind))
        .Field("use", loads::UseText(c.use));
    if (!c.factors.empty()) {
      j.Key("factors").BeginArray();
      for (const loads::CaseFactor& f : c.factors)
        j.BeginArray().Int(f.caseNumber).Number(DecimalText(f.factor, 6)).EndArray();
      j.EndArray();
    }
    if (c.leftOut) j.Key("left_out").Bool(true);
    j.EndObject();
  }
  j.EndArray();
  j.Key("combinations").BeginObject();
  for (const auto& [set, list] : {std::pair{"service", &checks.combinations.service},
                                   std::pair{"factored", &checks.combinations.factored},
                                   std::pair{"stability", &checks.combinations.uplift}}) {
    j.Key(set).BeginArray();
    for (const loads::Combination& c : *list) j.String(c.name);
    j.EndArray();
  }
  j.EndObject();
  j.Key("warnings").BeginArray();
  for (const std::string& w : checks.loadWarnings) j.String(w);
  j.EndArray().EndObject();
}

}  // namespace

void JsonCheck(Json& j, const Check& c) {
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
      .Number(DecimalText(c.utilisation, kRatioDecimals))
      .Key("method_utilisation")
      .Number(DecimalText(c.methodUtilisation, kRatioDecimals))
      .Field("status", checks::StatusText(c.status));
  JsonWhere(j, c.support, c.combination);
  if (c.loadCase > 0) j.Field("load_case", c.loadCase);
  if (!c.reactions.empty()) j.Field("reactions", c.reactions);
  j.Key("rated").Bool(c.rated);
  if (!c.note.empty()) j.Field("note", c.note);
  if (!c.working.empty()) {
    j.Key("working").BeginArray();
    for (const std::string& line : c.working) j.String(line);
    j.EndArray();
  }
  j.EndObject();
}

void JsonChecks(Json& j, const checks::DesignChecks& checks) {
  j.Key("checks").BeginArray();
  for (const GroupCheck& g : checks.groups) {
    const checks::FootingCheck& fc = g.check;
    j.BeginObject().Field("mark", g.mark).Field("verdict", checks::VerdictText(fc.verdict));
    if (!fc.reason.empty()) j.Field("reason", fc.reason);
    if (const Check* c = g.Governing()) {
      j.Field("governing", c->id).Key("utilisation").Number(DecimalText(fc.governingUtilisation, kRatioDecimals));
      JsonWhere(j, c->support, c->combination);
    }
    j.Key("method").BeginObject().Field("verdict", checks::VerdictText(fc.methodVerdict));
    if (fc.methodGoverning >= 0)
      j.Field("governing", fc.checks[static_cast<std::size_t>(fc.methodGoverning)].id)
          .Key("utilisation")
          .Number(DecimalText(fc.methodGoverningUtilisation, kRatioDecimals));
    j.EndObject();
    if (!fc.barDetail.empty()) j.Field("bar_detail", fc.barDetail);
    j.Key("checks").BeginArray();
    for (const Check& c : fc.checks) JsonCheck(j, c);
    j.EndArray().EndObject();
  }
  j.EndArray();

  j.Key("clashes").BeginArray();
  for (const checks::Clash& c : checks.clashes)
    j.BeginObject()
        .Key("supports")
        .BeginArray()
        .Int(c.supportA)
        .Int(c.supportB)
        .EndArray()
        .Key("gap_x")
        .Number(DecimalText(c.gapX, 3))
        .Key("gap_z")
        .Number(DecimalText(c.gapZ, 3))
        .Key("gap")
        .Number(DecimalText(c.gap, 3))
        .Key("overlap")
        .Bool(c.overlap)
        .EndObject();
  j.EndArray();
  JsonLoadBasis(j, checks);

  j.Key("quantities").BeginObject().Key("marks").BeginArray();
  for (const GroupCheck& g : checks.groups) {
    const checks::MarkQuantities& q = g.quantities;
    j.BeginObject().Field("mark", g.mark).Field("footings", q.count);
    if (!q.note.empty()) {
      j.Field("note", q.note).EndObject();
      continue;
    }
    j.Key("concrete_each")
        .Number(DecimalText(q.concreteEach, 3))
        .Key("concrete")
        .Number(DecimalText(q.concreteTotal, 3))
        .Key("steel_each")
        .Number(DecimalText(q.steelEach, 2))
        .Key("mesh_steel")
        .Number(DecimalText(q.meshSteel, 2))
        .Key("starter_steel")
        .Number(DecimalText(q.starterSteel, 2))
        .Key("steel")
        .Number(DecimalText(q.steelTotal, 2))
        .EndObject();
  }
  j.EndArray()
      .Field("footings", checks.footings)
      .Field("all_footings", checks.allFootings)
      .Key("concrete")
      .Number(DecimalText(checks.concrete, 3))
      .Key("steel")
      .Number(DecimalText(checks.steel, 2))
      .EndObject();
}

}  // namespace footmark::cli
