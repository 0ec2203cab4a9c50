#include "fuzz/pipeline_input.h"

#include <cctype>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

#include "drawing/sheet.h"
#include "dxf/drawing_export.h"
#include "dxf/dxf_writer.h"
#include "dxf/portable_dxf.h"
#include "handoff/dxf_reader.h"
#include "model/column_offsets.h"
#include "model/failure.h"
#include "model/messages.h"
#include "model/model.h"
#include "model/numerics.h"
#include "model/text_stream.h"
#include "pipeline/pipeline.h"
#include "report/calculation_report.h"
#include "svg/svg_writer.h"

namespace footmark::fuzz {
namespace {

// Drags every column to a side that the pattern and its support number give.
void DragColumns(Model& model, int pattern) {
  if (pattern == 0) return;
  for (int s = 1; s <= model.NumSupports; ++s) {
    const int x = (pattern + s) % 3 - 1;
    const int y = (pattern / 3 + 2 * s) % 3 - 1;
    SetColumnOffset(model, s, static_cast<int16>(x), static_cast<int16>(y));
  }
}

// A number that is not finite, written out: "nan" or "inf" in any case
// standing as a word of its own (the drawings hold no words that contain them).
bool HasNonFinite(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const auto letter = [&](std::size_t i) { return std::isalpha(static_cast<unsigned char>(lower[i])) != 0; };
  for (const char* word : {"nan", "inf"})
    for (std::size_t at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1))
      if ((at == 0 || !letter(at - 1)) && (at + 3 >= lower.size() || !letter(at + 3))) return true;
  return false;
}

// A run that ends normally has usable outputs: both drawings read back as
// DXF, none holds a number that is not finite, and the report is whole.
void CheckOutputs(const std::string& exact, const std::string& portable, const std::string& svg,
                  const std::string& report) {
  for (const auto& [what, text] : {std::pair{"drawing", &exact}, std::pair{"portable drawing", &portable},
                                   std::pair{"SVG", &svg}}) {
    if (HasNonFinite(*text)) throw std::logic_error(std::string("the ") + what + " holds a number that is not finite");
    if (text == &svg) continue;
    try {
      ReadDxf(*text);
    } catch (const RuntimeFailure& e) {
      throw std::logic_error(std::string("the ") + what + " does not read back: " + e.what());
    }
  }
  if (report.find("</html>") == std::string::npos) throw std::logic_error("the report is cut short");
}

}  // namespace

PipelineEnd RunPipeline(std::string_view input) {
  const unsigned char choice = input.empty() ? 0 : static_cast<unsigned char>(input.front());
  if (!input.empty()) input.remove_prefix(1);
  const int16 sbc = static_cast<int16>(100 + 50 * (choice & 7));

  // Every run starts from an empty model. It is copied into storage kept from
  // the last run: a fresh model maps megabytes of tables anew, which took most
  // of the fuzzer's time.
  static const auto empty = std::make_unique<const Model>();
  static const auto model = std::make_unique<Model>();
  *model = *empty;
  model->AnlFilePath = "input.ANL";
  MemoryFileSystem fs;
  fs.Add(model->AnlFilePath, std::string(input));
  QuietMessages ui;
  std::string exact, portable, svg, report;
  try {
    const auto checks = DesignJob(*model, {.AnalysisFile = model->AnlFilePath, .Sbc = IntText(sbc)}, fs, ui);
    DragColumns(*model, choice >> 3);
    exact = ExactDxfText(ComposeDrawing(*model));
    const Sheet sheet = ComposeSheet(*model, *checks, {});
    portable = PortableDxfText(sheet.drawing);
    svg = SvgText(sheet.drawing);
    std::string plan;
    for (const std::string& page : SvgSheets(sheet.drawing)) plan += page;
    report = CalculationReportHtml(*model, *checks, plan);
  } catch (const ProgramEnd&) {
    return PipelineEnd::kProgramEnd;
  } catch (const RuntimeFailure&) {
    return PipelineEnd::kRuntimeFailure;
  }
  CheckOutputs(exact, portable, svg, report);
  return PipelineEnd::kNormal;
}

}  // namespace footmark::fuzz
