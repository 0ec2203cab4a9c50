#include "report/bar_schedule_pages.h"

#include "model/numerics.h"
#include "report/html.h"

namespace footmark::report {

std::string BarSchedulePages(const checks::DesignChecks& checks) {
  const bbs::BarSchedule& s = checks.bars;
  Table table("bbs", {{"Bar mark", "id"},
                      {"Member", ""},
                      {"Shape code", "num"},
                      {"φ (mm)", "num"},
                      {"A (mm)", "num"},
                      {"Leg (mm)", "num"},
                      {"Cutting length (mm)", "num"},
                      {"Each", "num"},
                      {"Members", "num"},
                      {"Bars", "num"},
                      {"Length (m)", "num"},
                      {"kg/m", "num"},
                      {"Mass (kg)", "num"}});
  for (const bbs::BarRow& r : s.rows)
    table.Row({Escape(r.mark), Escape(r.member),
               IntText(bbs::ShapeCode(r.bar.shape)) + " " + bbs::ShapeText(r.bar.shape), Num(r.bar.dia, 0),
               Num(r.bar.a, 0), r.bar.leg > 0 ? Num(r.bar.leg, 0) : "–", Num(r.cutting, 0), IntText(r.each),
               IntText(r.members), IntText(r.count), Num(r.length, 3), Num(r.unitMass, 3), Num(r.mass, 2)});
  table.Total({"Total", "", "", "", "", "", "", "", "", IntText(s.count), Num(s.length, 3), "", Num(s.mass, 2)});

  Table byDia("steel", {{"Bar φ (mm)", "num"}, {"Bars", "num"}, {"Length (m)", "num"}, {"Mass (kg)", "num"}});
  for (const bbs::DiameterTotal& d : s.byDia)
    byDia.Row({IntText(d.dia), IntText(d.count), Num(d.length, 3), Num(d.mass, 2)});
  byDia.Total({"Total", IntText(s.count), Num(s.length, 3), Num(s.mass, 2)});

  std::string rules, notes;
  for (const std::string& r : s.rules) rules += Tag("li", Typeset(r));
  for (const std::string& n : s.notes) notes += Tag("li", Typeset(n));
  return "<section class=\"bbs\">\n" + Tag("h2", "Bar bending schedule") +
         Tag("p", "Shape codes: 20 straight, 37 an L (one 90° bend), 38 a U (two 90° bends to one side). "
                  "A is the outside length of the run, the leg that of each bent-up end (38) or of the foot (37). "
                  "Each: bars in one footing or one column; members: footings or columns of the mark.") +
         table.Html() + Tag("h3", "By bar diameter") + byDia.Html() + Tag("h3", "How the lengths are found") +
         Tag("ol", rules) + (notes.empty() ? "" : Tag("h3", "Not scheduled") + Tag("ul", notes)) + "</section>\n";
}

}  // namespace footmark::report
