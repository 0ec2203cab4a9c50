#include "drawing/sheet.h"

#include <algorithm>
#include <ctime>
#include <filesystem>

#include "drawing/plan_frame.h"
#include "drawing/sheet_canvas.h"
#include "drawing/sheet_layout.h"
#include "drawing/sheet_panels.h"
#include "drawing/sheet_plan.h"
#include "model/local_time.h"
#include "model/code_page.h"
#include "model/numerics.h"
#include "model/platform_paths.h"

namespace footmark {

using namespace sheet;

namespace {

std::string Today() {
  const std::tm local = LocalTimeNow();
  char text[16];
  return std::strftime(text, sizeof text, "%Y-%m-%d", &local) > 0 ? text : "";
}

void Border(Canvas& c, const PaperSize& paper) {
  // The paper's edge, thin, so that the sheet's extents are its paper; the
  // frame inside it.
  c.Rect(kTitle, {{0, 0}, {paper.width, paper.height}});
  c.Rect(kTitle, FrameOf(paper));
}

}  // namespace

const char* PaperName(Paper paper) { return paper == Paper::kAuto ? "auto" : PaperOf(paper).name; }

Sheet ComposeSheet(const Model& model, const checks::DesignChecks& checks, const ProjectInfo& project,
                   const SheetSettings& settings) {
  const PlanFrame plan = BuildPlanFrame(model, checks, settings.gridMerge);
  Sheet sheet;
  std::vector<std::string> tags;
  for (std::size_t k = 0; k < plan.clashes.size(); ++k) {
    const checks::Clash& c = plan.clashes[k];
    tags.push_back("CF" + IntText(static_cast<int>(k) + 1));
    sheet.clashes.push_back({tags.back(), c.supportA, c.supportB, c.overlap, c.gap, 0, {}});
  }
  for (const PlanFooting& p : plan.footings) {
    const bool clash = std::any_of(plan.clashes.begin(), plan.clashes.end(), [&](const checks::Clash& c) {
      return c.supportA == p.support || c.supportB == p.support;
    });
    sheet.footings.push_back({p.support, p.mark, p.group, p.verdict, p.verdict == checks::Verdict::Fails || clash, 0, {}});
  }

  // Panels: the plan's title on every plan sheet (and the key plan on a cut
  // plan), the rest once: notes and legend up the right column.
  const PanelSize planTitle{176, 30, true}, keyPlan = KeyPlanSize(plan.extent);
  std::vector<Panel> panels;
  panels.push_back(TablePanel(FootingScheduleText(model, checks)));
  panels.push_back(TablePanel(ColumnScheduleText(model)));
  for (TableText& part : BarScheduleText(checks)) panels.push_back(TablePanel(std::move(part)));
  if (!plan.clashes.empty()) panels.push_back(TablePanel(ClashListText(plan, tags)));
  for (Panel& p : CombinedSectionPanels(checks)) panels.push_back(std::move(p));
  panels.push_back(NotesPanel(model, Cp1252FromUtf8(Utf8FromPath(PathFromUtf8(model.AnlFilePath).filename()))));
  panels.push_back(LegendPanel());
  const std::vector<Panel> sections = SectionPanels(model, checks);

  LayoutAsk ask{plan.extent, {}, {}, {planTitle}, keyPlan, {}, {}, sections.size()};
  for (const Panel& p : panels) ask.panels.push_back(p.size);
  if (!sections.empty()) ask.cell = {sections.front().size.w + kPanelGap, sections.front().size.h + kPanelGap};
  for (const PlanFooting& p : plan.footings) {
    const Extents s = p.Square();
    ask.spansX.push_back({s.min.x, s.max.x});
    ask.spansY.push_back({s.min.y, s.max.y});
  }
  std::sort(ask.spansX.begin(), ask.spansX.end());
  std::sort(ask.spansY.begin(), ask.spansY.end());
  const Layout layout = ChooseLayout(ask, settings);
  sheet.paper = layout.paper.name;
  sheet.scale = layout.scale;
  sheet.planSheets = layout.zones.size();

  Drawing& d = sheet.drawing;
  d.layers = SheetLayers();
  d.entities.reserve(plan.footings.size() * 24 + (plan.lettered.size() + plan.numbered.size()) * 16 * layout.zones.size() + 4000);
  const double k = layout.scale / 1000.0;
  for (std::size_t z = 0; z < layout.zones.size(); ++z) {
    const Extents& b = layout.zones[z].block;
    const double x = static_cast<double>(z) * layout.paper.width;  // the sheet's lower left corner, mm
    sheet.zones.push_back({layout.zones[z].column, layout.zones[z].row, {{(x + b.min.x) * k, b.min.y * k}, {(x + b.max.x) * k, b.max.y * k}}});
  }
  const Panel title = PlanTitlePanel(layout.scale);
  const TitleData titleData{&project, project.Date.empty() ? Today() : project.Date, "", "", layout.scale,
                            layout.paper.name, 0, layout.sheets};
  for (std::size_t s = 0; s < layout.sheets; ++s) {
    d.sheets.push_back({layout.paper.name, layout.paper.width, layout.paper.height, layout.scale,
                        static_cast<float>(static_cast<double>(s) * layout.paper.width * k), 0, d.entities.size(), 0});
    Canvas c(d, d.sheets.back().x, 0, k);
    Border(c, layout.paper);
    TitleData t = titleData;
    t.sheet = s;
    const bool planSheet = s < layout.zones.size();
    t.drawing = planSheet ? "FOOTING LAYOUT" : "FOOTING SCHEDULES AND SECTIONS";
    if (planSheet && layout.zones.size() > 1)
      t.part = "ZONE " + IntText(static_cast<int>(s) + 1) + " OF " + IntText(static_cast<int>(layout.zones.size()));
    const Extents frame = FrameOf(layout.paper);
    DrawTitleBlock(c, {{frame.max.x - kTitleWidth, frame.min.y}, {frame.max.x, frame.min.y + kTitleHeight}}, t);
    if (planSheet) {
      DrawPlanZone(c, {&plan, &layout, s, &tags}, sheet);
      const std::vector<Extents>& own = layout.sheetPanels[s];
      title.draw(c, own[0]);
      if (own.size() > 1) DrawKeyPlan(c, own[1], plan, layout.zones, s);
    }
    for (std::size_t i = 0; i < panels.size(); ++i)
      if (layout.panels[i].sheet == s) panels[i].draw(c, layout.panels[i].box);
    for (const CellBlock& b : layout.cells) {
      if (b.sheet != s) continue;
      for (std::size_t i = 0; i < b.count; ++i) {
        const double x = b.box.min.x + static_cast<double>(i % static_cast<std::size_t>(b.columns)) * ask.cell.w;
        const double top = b.box.max.y - static_cast<double>(i / static_cast<std::size_t>(b.columns)) * ask.cell.h;
        const PanelSize size = sections[b.first + i].size;
        sections[b.first + i].draw(c, {{x, top - size.h}, {x + size.w, top}});
      }
    }
    d.sheets.back().end = d.entities.size();
  }
  return sheet;
}

}  // namespace footmark
