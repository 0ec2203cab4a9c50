// The calculation report of the 6x5 sample at SBC 100 (F14 and F15 not designed): printed by
// headless Chromium, every mark's verdict is on the pages; nothing outside the file; file text
// escaped. A failed write leaves nothing behind: tests/model (ReplaceFile).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <regex>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "bench/capacity_file.h"
#include "checks/design_checks.h"
#include "design/schedules.h"
#include "model/numerics.h"
#include "pipeline/pipeline.h"
#include "report/calculation_report.h"
#include "support/test_files.h"

namespace footmark {
namespace {

const char* const kPlan =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"300mm\" "
    "height=\"200mm\" viewBox=\"0 0 30 20\"><rect x=\"1\" y=\"1\" width=\"28\" height=\"18\" fill=\"none\" "
    "stroke=\"#000\" stroke-width=\"0.1\"/><text x=\"3\" y=\"10\" font-size=\"2\">PLAN OF FOOTINGS</text></svg>\n";

struct Design {
  Model model;
  checks::DesignChecks checks;
};

const Design& SixByFiveAt100() {
  static const std::unique_ptr<Design> design = [] {
    auto d = std::make_unique<Design>();
    testing::RecordingMessages ui;
    d->checks = *DesignJob(
        d->model, {.AnalysisFile = testing::SourcePath("examples/frame-6x5-4storey.ANL"), .Sbc = "100"}, FileSystem(), ui);
    return d;
  }();
  return *design;
}

// pdftotext breaks lines where the page does: one blank between words.
std::string Words(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (!std::isspace(static_cast<unsigned char>(c)))
      out += c;
    else if (!out.empty() && out.back() != ' ')
      out += ' ';
  }
  return out;
}

TEST(CalculationReport, PrintedByChromiumShowsEveryMarkAndVerdict) {
#ifdef _WIN32
  GTEST_SKIP() << "headless Chromium and pdftotext run on the Linux build";
#endif
  const Design& d = SixByFiveAt100();
  ASSERT_EQ(d.checks.notDesigned, 2) << "F14 and F15 are not designed at SBC 100";
  testing::ScratchDir dir;
  const std::string html = dir.path() + "/report.html", text = dir.path() + "/report.txt";
  SaveCalculationReport(d.model, d.checks, kPlan, html);
  const std::string command = "sh \"" FOOTMARK_REPORT_RENDER "\" \"" + html + "\" \"" + text + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  const std::string pages = Words(testing::ReadFile(text));
  for (const checks::GroupCheck& g : d.checks.groups) {
    const std::string heading = "Footing " + g.mark + " " + checks::VerdictText(g.check.verdict);
    EXPECT_NE(pages.find(heading), std::string::npos) << "no \"" << heading << "\" in the printed report";
  }
  // One row per support with its worst uplift.
  const std::vector<UpliftRow> uplift = UpliftRows(d.model);
  for (std::size_t i = 0; i < uplift.size(); ++i) {
    float worst = uplift[i].ForceY;
    for (const UpliftRow& u : uplift)
      if (u.Support == uplift[i].Support) worst = std::min(worst, u.ForceY);
    EXPECT_NE(pages.find(DecimalText(worst, 2, true)), std::string::npos) << "support " << uplift[i].Support;
  }
  for (const char* expected : {"above the reference volume 10 m³", "PLAN OF FOOTINGS", "C15c"})
    EXPECT_NE(pages.find(expected), std::string::npos) << "\"" << expected << "\" not printed";
}

// Words with a letter or digit and their heights in PDF points (pdftotext -bbox). A line of text
// turned 90 degrees (the sheet's match lines) is words stacked on one x range, some taller than
// wide: a short one among them, wider than high, is as high as its box is wide (its height there
// is its advance).
std::vector<std::pair<std::string, double>> WordHeights(const std::string& bbox) {
  static const std::regex word(
      R"re(<word xMin="([-0-9.]+)" yMin="([-0-9.]+)" xMax="([-0-9.]+)" yMax="([-0-9.]+)">([^<]*)</word>)re");
  struct Box { std::string text; double x0, y0, x1, y1; int page; };
  std::vector<Box> boxes;
  int page = 0;
  for (std::size_t at = bbox.find("<page"); at != std::string::npos; at = bbox.find("<page", at + 1), ++page) {
    const std::size_t end = std::min(bbox.find("</page>", at), bbox.size());
    for (std::sregex_iterator it(bbox.begin() + static_cast<std::ptrdiff_t>(at), bbox.begin() + static_cast<std::ptrdiff_t>(end), word), stop;
         it != stop; ++it)
      boxes.push_back({(*it)[5], std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]), std::stod((*it)[4]), page});
  }
  std::vector<std::pair<std::string, double>> words;
  for (const Box& b : boxes) {
    if (std::none_of(b.text.begin(), b.text.end(), [](unsigned char c) { return std::isalnum(c); })) continue;
    const double wide = b.x1 - b.x0;
    const bool turned = wide > b.y1 - b.y0 && std::any_of(boxes.begin(), boxes.end(), [&](const Box& o) {
      const double gap = std::max(o.y0 - b.y1, b.y0 - o.y1);
      return &o != &b && o.page == b.page && std::fabs(o.x0 - b.x0) < 0.01 && std::fabs(o.x1 - b.x1) < 0.01 &&
             gap >= 0 && gap < wide && o.y1 - o.y0 > 1.5 * wide;
    });
    words.emplace_back(b.text, turned ? wide : b.y1 - b.y0);
  }
  return words;
}

// Printed to PDF and PNG by headless Chromium, the 6x5 sample at SBC 100 (also revised, with a combined
// footing's page and its diagrams) and the capacity building
// have no text under 6 pt on any page, the plan's sheets included. pdftotext's word box is the font's
// height times a constant of the font, taken from the 15 pt title.
TEST(CalculationReport, NoPrintedTextUnderSixPoints) {
#ifdef _WIN32
  GTEST_SKIP() << "headless Chromium and pdftotext run on the Linux build";
#endif
  testing::ScratchDir dir;
  const std::string capacity = dir.Write("capacity.ANL", bench::CapacityAnalysisFile());
  for (const auto& [name, analysis, sbc, revise] :
       {std::tuple{"frame6x5", testing::SourcePath("examples/frame-6x5-4storey.ANL"), "100", false},
        std::tuple{"revised6x5", testing::SourcePath("examples/frame-6x5-4storey.ANL"), "100", true},
        std::tuple{"capacity", capacity, "200", false}}) {
    const std::string base = dir.path() + "/" + name;
    Model model;
    testing::RecordingMessages ui;
    JobRequest request{.AnalysisFile = analysis, .Sbc = sbc, .Revision = {.revise = revise}};
    request.Outputs.Report = base + ".html";
    request.Project.Project = "Tower";
    ASSERT_TRUE(RunJob(model, request, FileSystem(), ui).Files.Failures.empty());
    const std::string render = "sh \"" FOOTMARK_REPORT_RENDER "\" \"" + base + ".html\" \"" + base + ".txt\"";
    ASSERT_EQ(std::system(render.c_str()), 0) << render;
    // A combined footing's page: its diagrams' values are printed text.
    if (revise) {
      for (const char* expected : {"Combined footing CF1 ok", "V = 0 at", "M = 0 at", "+ sagging", "support 2"})
        EXPECT_NE(Words(testing::ReadFile(base + ".txt")).find(expected), std::string::npos) << expected;
    }
    const std::string pages = "pdftotext -bbox \"" + base + ".pdf\" \"" + base + ".bbox\" && pdftoppm -r 30 -png -f 1 -l 1 \"" +
                              base + ".pdf\" \"" + base + "\"";
    ASSERT_EQ(std::system(pages.c_str()), 0) << pages;
    const auto words = WordHeights(testing::ReadFile(base + ".bbox"));
    const auto title = std::find_if(words.begin(), words.end(), [](const auto& w) { return w.first == "Isolated"; });
    ASSERT_NE(title, words.end()) << name;
    const double perPoint = title->second / 15;
    const auto smallest = std::min_element(words.begin(), words.end(),
                                           [](const auto& a, const auto& b) { return a.second < b.second; });
    EXPECT_GE(smallest->second / perPoint, 6 - 0.05) << name << ": \"" << smallest->first << "\" is printed at "
                                                   << smallest->second / perPoint << " pt";
  }
}

TEST(CalculationReport, SelfContainedAndFileTextEscaped) {
  const auto d = std::make_unique<Design>(SixByFiveAt100());
  d->model.AnlFilePath = "projects/Tower <A> & B.ANL";
  d->model.Footings(1).JointNo = "1\xE9<b>";  // Latin-1 e acute
  // Two sheets: a page each.
  const std::string html = CalculationReportHtml(d->model, d->checks, std::string(kPlan) + kPlan);
  for (const char* page : {"Footing plan, sheet 1 of 2", "Footing plan, sheet 2 of 2"}) EXPECT_TRUE(testing::Has(html, page));
  for (const char* outside : {"http", "src=", "url(", "<link", "<script", "@import"})
    EXPECT_EQ(html.find(outside), std::string::npos) << "the report refers to something outside it: " << outside;
  for (const char* escaped : {"Tower &lt;A&gt; &amp; B.ANL", "1\xC3\xA9&lt;b&gt;"})
    EXPECT_NE(html.find(escaped), std::string::npos) << "file text not escaped as " << escaped;
  EXPECT_EQ(html.find("projects/"), std::string::npos) << "the header names the file, not its folder";
}

}  // namespace
}  // namespace footmark
