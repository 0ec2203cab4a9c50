#include "cli/combined_report.h"

#include <cmath>
#include <string>
#include <vector>

#include "cli/checks_report.h"
#include "cli/text_table.h"
#include "combined/schedule_cells.h"
#include "model/numerics.h"

namespace footmark::cli {

namespace {

using combined::CombinedFooting;

std::string Ratio(double u) { return DecimalText(u, 4, true); }

void Num(Json& j, const char* key, double x, int decimals) { j.Key(key).Number(DecimalText(x, decimals)); }

}  // namespace

void WriteCombined(std::ostream& out, const checks::DesignChecks& checks) {
  if (checks.combined.empty()) return;
  out << "\nCombined footings (where isolated footings clash)\n";
  std::vector<std::vector<std::string>> rows{combined::ScheduleHeader()};
  for (const CombinedFooting& f : checks.combined) rows.push_back(combined::ScheduleCells(f));
  WriteTable(out, rows);
  rows = {{"mark", "verdict", "utilisation", "governing check", "combination", "reason"}};
  for (const CombinedFooting& f : checks.combined) {
    const checks::Check* g = f.governing >= 0 ? &f.checks[static_cast<std::size_t>(f.governing)].check : nullptr;
    rows.push_back({combined::MarkText(f), checks::VerdictText(f.verdict), g ? Ratio(f.governingUtilisation) : "-",
                    g ? g->id + " " + g->name : "-", g ? g->combination : "", f.reason});
  }
  WriteTable(out, rows);
  // What an engineer must look at: the checks that fail or warn of the
  // footings designed (a set not designed has said why above).
  rows = {{"mark", "check", "status", "demand", "capacity", "utilisation", "combination"}};
  for (const CombinedFooting& f : checks.combined) {
    if (f.mark.empty()) continue;
    for (const combined::CheckRow& r : f.checks) {
      const checks::Check& c = r.check;
      if (c.status != checks::Status::Fail && c.status != checks::Status::Warning) continue;
      rows.push_back({f.mark, c.id + " " + c.name, checks::StatusText(c.status),
                      c.rated ? DecimalText(c.demand, c.decimals) + " " + c.unit : "",
                      c.rated ? DecimalText(c.capacity, c.decimals) + " " + c.unit : "",
                      c.rated ? Ratio(c.utilisation) : c.note, c.combination});
    }
  }
  if (rows.size() > 1) {
    out << "Failing checks and warnings of the combined footings\n";
    WriteTable(out, rows);
  }
}

void JsonCombined(Json& j, const checks::DesignChecks& checks) {
  j.Key("combined_footings").BeginArray();
  for (const CombinedFooting& f : checks.combined) {
    j.BeginObject().Field("mark", f.mark).Key("supports").BeginArray();
    for (const int s : f.supports) j.Int(s);
    j.EndArray().Key("joints").BeginArray();
    for (const int s : f.joints) j.Int(s);
    j.EndArray().Field("verdict", checks::VerdictText(f.verdict));
    if (!f.reason.empty()) j.Field("reason", f.reason);
    if (f.L > 0) {
      j.Field("axis", f.axis == combined::Axis::X ? "X" : "Z");
      Num(j, "grid_line", f.gridLine, 3);
      Num(j, "length", f.L, 3);
      Num(j, "width", f.B, 3);
      Num(j, "depth", f.D / 1000, 3);
      Num(j, "centre_x", f.centreX, 3);
      Num(j, "centre_z", f.centreZ, 3);
      Num(j, "overhang_start", f.overhangStart, 3);
      Num(j, "overhang_end", f.overhangEnd, 3);
      j.Key("pedestals").BeginArray();  // mm, the columns' order; 0: the column stands on the slab
      for (const double p : f.pedestals) j.Int(static_cast<int>(std::lround(p)));
      j.EndArray().Key("bars").BeginArray();
      for (const combined::BarSet& b : f.bars) {
        j.BeginObject().Field("set", b.name).Field("face", b.face == combined::Face::Top ? "top" : "bottom");
        j.Field("direction", b.longitudinal ? "along" : "across").Field("count", b.count);
        Num(j, "dia", b.dia, 0);
        Num(j, "spacing", b.spacing, 1);
        Num(j, "length", b.length, 3);
        Num(j, "from", b.from, 3);
        Num(j, "to", b.to, 3);
        Num(j, "mass", b.mass, 2);
        j.EndObject();
      }
      j.EndArray().Key("bands").BeginArray();
      for (const combined::Band& b : f.bands) {
        j.BeginObject().Field("column", b.column);
        Num(j, "from", b.from, 3);
        Num(j, "to", b.to, 3);
        Num(j, "width", b.width, 0);
        j.EndObject();
      }
      j.EndArray();
      if (f.governing >= 0)
        j.Field("governing", f.checks[static_cast<std::size_t>(f.governing)].check.id)
            .Key("utilisation")
            .Number(DecimalText(f.governingUtilisation, 4));
      j.Key("quantities").BeginObject();
      Num(j, "concrete", f.concrete, 3);
      Num(j, "steel", f.steel, 2);
      j.EndObject();
    }
    j.Key("checks").BeginArray();
    for (const combined::CheckRow& r : f.checks) JsonCheck(j, r.check);
    j.EndArray().EndObject();
  }
  j.EndArray();
}

}  // namespace footmark::cli
