// footmark-cli: the batch front end. Reads an analysis file, optionally runs
// the design for a chosen SBC and writes its drawing, and prints a report (or
// JSON).
//
// Exit status: 0 success, 2 the input ends the program (or a bad command
// line, such as an --offset for a support the file does not have), 3 a
// run-time failure (a drawing that cannot be written among them).
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/report.h"
#include "design/design_run.h"
#include "dxf/drawing_export.h"
#include "model/analysis_reader.h"
#include "model/column_design_reader.h"
#include "model/column_offsets.h"
#include "model/failure.h"
#include "model/model.h"
#include "model/text_stream.h"

namespace {

using namespace footmark;

// Messages go to standard error as they arrive, one per line (a carriage
// return inside a message starts a new line), and are kept for the report.
class CliMessages : public UserMessages {
 public:
  explicit CliMessages(cli::RunRecord& run) : run_(run) {}
  void ShowMessage(const std::string& text) override {
    run_.messages.push_back(text);
    std::string shown = text;
    for (char& c : shown)
      if (c == '\r') c = '\n';
    std::cerr << shown << '\n';
  }
  void SetCaption(StatusLabel label, const std::string& text) override { run_.captions[label] = text; }

 private:
  cli::RunRecord& run_;
};

// The sides chosen on the command line, as drags in the window would set them.
void ApplyOffsets(Model& model, const std::vector<cli::OffsetOption>& offsets) {
  for (const cli::OffsetOption& o : offsets) {
    if (o.support < 1 || o.support > model.NumSupports)
      throw ProgramEnd("--offset " + std::to_string(o.support) + ":" + std::to_string(o.x) + ":" +
                       std::to_string(o.y) + ": there is no support " + std::to_string(o.support) +
                       " (the file has supports 1 to " + std::to_string(model.NumSupports) + ")");
    SetColumnOffset(model, o.support, static_cast<int16>(o.x), static_cast<int16>(o.y));
  }
}

bool WriteJson(const std::string& target, const std::string& json) {
  if (target == "-") {
    std::cout << json;
    return true;
  }
  std::ofstream out(target, std::ios::binary);
  out << json;
  if (!out) {
    std::cerr << "Cannot write \"" << target << "\"\n";
    return false;
  }
  return true;
}

int Run(const cli::Options& options) {
  auto model = std::make_unique<Model>();
  cli::RunRecord run;
  CliMessages ui(run);
  int status = 0;
  try {
    model->AnlFilePath = options.analysisFile;
    FileSystem fs;
    ReadAnalysisFile(*model, fs, ui);
    ReadColumnDesign(*model, fs, ui);
    if (options.sbc) {
      const int16 sbc = SbcFromText(*options.sbc);
      RunDesign(*model, sbc, ui);
      RunDetailedDesign(*model);
      run.designed = true;
      if (options.dxfFile) {
        ApplyOffsets(*model, options.offsets);
        SaveDrawingDxf(*model, *options.dxfFile);
        run.drawingFile = *options.dxfFile;
      }
    }
  } catch (const ProgramEnd& e) {
    run.failure = e.what();
    ui.ShowMessage(e.what());
    status = 2;
  } catch (const RuntimeFailure& e) {
    run.failure = std::string("Run-time error: ") + e.what();
    std::cerr << *run.failure << '\n';
    status = 3;
  }

  if (options.jsonFile) {
    if (!WriteJson(*options.jsonFile, cli::JsonReport(*model, run))) return status ? status : 2;
    if (*options.jsonFile == "-") return status;
  }
  if (status == 0) cli::WriteTextReport(std::cout, *model, run);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  cli::Options options;
  try {
    options = cli::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::invalid_argument& e) {
    std::cerr << "footmark-cli: " << e.what() << '\n' << cli::kUsage;
    return 2;
  }
  try {
    return Run(options);
  } catch (const std::exception& e) {
    std::cerr << "Run-time error: " << e.what() << '\n';
    return 3;
  }
}
