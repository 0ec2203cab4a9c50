#include "cli/bar_schedule_report.h"

#include <string>
#include <vector>

#include "cli/text_table.h"
#include "model/numerics.h"

namespace footmark::cli {

void WriteBarSchedule(std::ostream& out, const bbs::BarSchedule& schedule) {
  out << "\nBar bending schedule\n";
  std::vector<std::vector<std::string>> rows{{"bar mark", "member", "shape", "dia (mm)", "A (mm)", "leg (mm)",
                                              "cut (mm)", "each", "members", "bars", "length (m)", "kg/m", "kg"}};
  for (const bbs::BarRow& r : schedule.rows)
    rows.push_back({r.mark, r.member, IntText(bbs::ShapeCode(r.bar.shape)) + " " + bbs::ShapeText(r.bar.shape),
                    DecimalText(r.bar.dia, 0), DecimalText(r.bar.a, 0), r.bar.leg > 0 ? DecimalText(r.bar.leg, 0) : "",
                    DecimalText(r.cutting, 0), IntText(r.each), IntText(r.members), IntText(r.count),
                    DecimalText(r.length, 3, true), DecimalText(r.unitMass, 3, true), DecimalText(r.mass, 2, true)});
  for (const bbs::DiameterTotal& d : schedule.byDia)
    rows.push_back({"", "total of " + IntText(d.dia) + " mm bars", "", IntText(d.dia), "", "", "", "", "",
                    IntText(d.count), DecimalText(d.length, 3, true), "", DecimalText(d.mass, 2, true)});
  rows.push_back({"total", "", "", "", "", "", "", "", "", IntText(schedule.count), DecimalText(schedule.length, 3, true),
                  "", DecimalText(schedule.mass, 2, true)});
  WriteTable(out, rows);
  for (const std::string& note : schedule.notes) out << "Note: " << note << '\n';
}

void JsonBarSchedule(Json& j, const bbs::BarSchedule& schedule) {
  j.Key("bar_bending_schedule").BeginObject().Key("bars").BeginArray();
  for (const bbs::BarRow& r : schedule.rows) {
    j.BeginObject()
        .Field("mark", r.mark)
        .Field("footing", r.footing)
        .Field("member", r.member)
        .Field("shape_code", bbs::ShapeCode(r.bar.shape))
        .Field("shape", bbs::ShapeText(r.bar.shape))
        .Key("dia").Number(DecimalText(r.bar.dia, 0))
        .Key("a").Number(DecimalText(r.bar.a, 0))
        .Key("leg").Number(DecimalText(r.bar.leg, 0))
        .Key("cutting_length").Number(DecimalText(r.cutting, 0))
        .Field("each", r.each)
        .Field("members", r.members)
        .Field("count", r.count)
        .Key("length").Number(DecimalText(r.length, 3))
        .Key("unit_mass").Number(DecimalText(r.unitMass, 3))
        .Key("mass").Number(DecimalText(r.mass, 2))
        .EndObject();
  }
  j.EndArray().Key("by_diameter").BeginArray();
  for (const bbs::DiameterTotal& d : schedule.byDia)
    j.BeginObject()
        .Field("dia", d.dia)
        .Field("count", d.count)
        .Key("length").Number(DecimalText(d.length, 3))
        .Key("mass").Number(DecimalText(d.mass, 2))
        .EndObject();
  j.EndArray()
      .Field("count", schedule.count)
      .Key("length").Number(DecimalText(schedule.length, 3))
      .Key("mass").Number(DecimalText(schedule.mass, 2))
      .Key("rules").BeginArray();
  for (const std::string& rule : schedule.rules) j.String(rule);
  j.EndArray().Key("notes").BeginArray();
  for (const std::string& note : schedule.notes) j.String(note);
  j.EndArray().EndObject();
}

}  // namespace footmark::cli
