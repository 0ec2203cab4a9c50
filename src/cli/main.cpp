// footmark-cli: the batch front end. Reads an analysis file, optionally runs
// the design for a chosen SBC and writes its outputs, and prints a report (or
// JSON). The job itself is the core's (pipeline/pipeline.h).
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/report.h"
#include "model/failure.h"
#include "model/model.h"
#include "model/platform_paths.h"
#include "model/replace_file.h"
#include "pipeline/exit_status.h"
#include "pipeline/pipeline.h"

#ifndef FOOTMARK_VERSION
#define FOOTMARK_VERSION "unknown"
#endif

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

int Run(const cli::Options& options) {
  auto model = std::make_unique<Model>();
  cli::RunRecord run;
  CliMessages ui(run);

  JobRequest request{.AnalysisFile = options.analysisFile,
                     .Sbc = options.sbc,
                     .MaxVolume = options.maxVolume,
                     .Offsets = options.offsets,
                     .Outputs = options.outputs};
  FileSystem fs;
  const JobOutcome outcome = RunJob(*model, request, fs, ui);
  int status = outcome.Status;
  run.designed = outcome.Checks.has_value();
  if (outcome.Checks) run.checks = &*outcome.Checks;
  if (outcome.Failure && status == kExitInputEnds) {
    run.failure = *outcome.Failure;
    ui.ShowMessage(*outcome.Failure);
  } else if (outcome.Failure) {
    run.failure = "Run-time error: " + *outcome.Failure;
    std::cerr << *run.failure << '\n';
  }
  for (const std::string& failure : outcome.Files.Failures) std::cerr << "Run-time error: " << failure << '\n';
  run.writeFailures = outcome.Files.Failures;
  for (const WrittenFile& w : outcome.Files.Written) {
    if (w.What == std::string("Drawing"))
      run.drawingFile = w.File;
    else
      run.written.emplace_back(w.What, w.File);
  }

  if (options.jsonFile) {
    const std::string json = cli::JsonReport(*model, run);
    if (*options.jsonFile == "-") {
      std::cout << json;
      return status;
    }
    try {
      ReplaceFile(*options.jsonFile, json);
    } catch (const RuntimeFailure& e) {
      std::cerr << "Run-time error: " << e.what() << '\n';
      if (status == kExitOk) status = kExitRuntimeFailure;
    }
  }
  if (!run.failure) cli::WriteTextReport(std::cout, *model, run);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  KeepLineEndsOnStandardStreams();
  cli::Options options;
  try {
    options = cli::ParseOptions(Utf8Arguments(argc, argv));
  } catch (const std::invalid_argument& e) {
    std::cerr << "footmark-cli: " << e.what() << '\n' << cli::kUsage;
    return kExitInputEnds;
  } catch (const RuntimeFailure& e) {  // an SBC beyond 16 bits
    std::cerr << "Run-time error: " << e.what() << '\n';
    return kExitRuntimeFailure;
  }
  if (options.help) {
    std::cout << cli::kUsage << '\n' << cli::kHelp;
    return kExitOk;
  }
  if (options.version) {
    std::cout << "footmark-cli " << FOOTMARK_VERSION << '\n';
    return kExitOk;
  }
  try {
    return Run(options);
  } catch (const ProgramEnd& e) {
    std::cerr << e.what() << '\n';
    return kExitInputEnds;
  } catch (const std::exception& e) {
    std::cerr << "Run-time error: " << e.what() << '\n';
    return kExitRuntimeFailure;
  }
}
