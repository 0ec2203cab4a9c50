// footmark-cli: the batch front end. Reads an analysis file, optionally runs
// the design for a chosen SBC and writes its outputs, and prints a report (or
// JSON). The job itself is the core's (pipeline/pipeline.h).
#include <csignal>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/report.h"
#include "model/failure.h"
#include "model/model.h"
#include "model/platform_paths.h"
#include "model/replace_file.h"
#include "model/scratch_files.h"
#include "pipeline/exit_status.h"
#include "pipeline/pipeline.h"

#ifndef FOOTMARK_VERSION
#define FOOTMARK_VERSION "unknown"
#endif

namespace {

using namespace footmark;

// A message on standard error, after the program's name as GNU programs
// write theirs; a carriage return inside it starts a new line.
void Tell(const std::string& text) {
  std::string shown = text.substr(std::min(text.find_first_not_of(' '), text.size()));
  for (char& c : shown)
    if (c == '\r') c = '\n';
  std::cerr << "footmark-cli: " << shown << '\n';
}

// Messages are kept for the report and go to standard error as they arrive,
// unless --quiet.
class CliMessages : public UserMessages {
 public:
  CliMessages(cli::RunRecord& run, bool quiet) : run_(run), quiet_(quiet) {}
  void ShowMessage(const std::string& text) override {
    run_.messages.push_back(text);
    if (!quiet_) Tell(text);
  }
  void SetCaption(StatusLabel label, const std::string& text) override { run_.captions[label] = text; }

 private:
  cli::RunRecord& run_;
  bool quiet_;
};

// Standard output takes `text`; a failure to write it ends the run with
// status 3 unless the input already ended it.
int Print(const std::string& text, int status) {
  try {
    WriteStandardOutput(text);
  } catch (const RuntimeFailure& e) {
    if (!IsClosedPipe(e.what())) Tell(e.what());
    if (status != kExitInputEnds) status = kExitRuntimeFailure;
  }
  return status;
}

int Run(const cli::Options& options) {
  auto model = std::make_unique<Model>();
  cli::RunRecord run;
  CliMessages ui(run, options.quiet);

  // Standard output carries the report unless an output goes there.
  bool printed = true;
  for (const auto& [option, file] : options.outputFiles)
    if (file == kStandardOutput) printed = false;
  // What the design decides is reported while the files are written; the
  // files written are added once they are.
  std::optional<cli::Json> jsonBody;
  std::ostringstream report;
  bool reportBody = false;
  const auto alongside = [&](const checks::DesignChecks& checks, const revise::DesignRevision* revision) {
    run.designed = true;
    run.checks = &checks;
    run.revision = revision;
    if (options.jsonFile) jsonBody = cli::JsonReportBody(*model, run);
    if (printed) cli::WriteTextReportBody(report, *model, run);
    reportBody = true;
  };

  FileSystem fs;
  const JobOutcome outcome = RunJob(*model, options, fs, ui, alongside);
  int status = outcome.Status;
  run.designed = outcome.Checks.has_value();
  if (outcome.Checks) run.checks = &*outcome.Checks;
  if (outcome.Revision) run.revision = &*outcome.Revision;
  if (outcome.Failure && status == kExitInputEnds) {
    run.failure = *outcome.Failure;
    run.messages.push_back(*outcome.Failure);
    Tell(*outcome.Failure);
  } else if (outcome.Failure) {
    run.failure = "Run-time error: " + *outcome.Failure;
    Tell(*run.failure);
  }
  for (const std::string& failure : outcome.Files.Failures)
    if (!IsClosedPipe(failure)) Tell("Run-time error: " + failure);
  run.writeFailures = outcome.Files.Failures;
  for (const WrittenFile& w : outcome.Files.Written) {
    if (w.What == std::string("Drawing"))
      run.drawingFile = w.File;
    else
      run.written.emplace_back(w.What, w.File);
  }

  if (outcome.Failure) {
    jsonBody.reset();
    report.str("");
    reportBody = false;
  }
  if (options.jsonFile) {
    const std::string json =
        jsonBody ? cli::JsonReportEnd(std::move(*jsonBody), run) : cli::JsonReport(*model, run);
    try {
      ReplaceFile(*options.jsonFile, json);
    } catch (const RuntimeFailure& e) {
      if (!IsClosedPipe(e.what())) Tell(std::string("Run-time error: ") + e.what());
      if (status == kExitOk || status == kExitChecksFail) status = kExitRuntimeFailure;
    }
  }
  if (!printed || run.failure) return status;
  if (reportBody)
    cli::WriteFilesWritten(report, run);
  else
    cli::WriteTextReport(report, *model, run);
  return Print(report.str(), status);
}

}  // namespace

int main(int argc, char** argv) {
  KeepLineEndsOnStandardStreams();
  RemoveScratchFilesOnInterrupt();
#ifdef SIGPIPE
  std::signal(SIGPIPE, SIG_IGN);  // a closed pipe ends the run with status 3 once the other files are written
#endif
  cli::Options options;
  try {
    options = cli::ParseOptions(Utf8Arguments(argc, argv));
  } catch (const std::invalid_argument& e) {
    Tell(e.what());
    std::cerr << cli::kUsage << "Try 'footmark-cli --help' for more.\n";
    return kExitInputEnds;
  }
  if (options.help) return Print(cli::HelpText(), kExitOk);
  if (options.version) return Print(std::string("footmark-cli ") + FOOTMARK_VERSION + "\n", kExitOk);
  try {
    return Run(options);
  } catch (const ProgramEnd& e) {
    Tell(e.what());
    return kExitInputEnds;
  } catch (const std::exception& e) {
    Tell(std::string("Run-time error: ") + e.what());
    return kExitRuntimeFailure;
  }
}
