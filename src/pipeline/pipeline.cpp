#include "pipeline/pipeline.h"

#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "design/design_run.h"
#include "loads/load_cases.h"
#include "dxf/drawing_export.h"
#include "dxf/dxf_writer.h"
#include "report/calculation_report.h"
#include "revise/revise.h"
#include "combined/combined_footing.h"
#include "svg/svg_writer.h"
#include "workbook/workbook.h"
#include "model/analysis_reader.h"
#include "model/column_design_reader.h"
#include "model/column_offsets.h"
#include "model/failure.h"
#include "model/numerics.h"
#include "model/platform_paths.h"
#include "model/scratch_files.h"

namespace footmark {

namespace {

// Work beside the calling thread: the interrupts stay with the calling
// thread, which removes the run's scratch files; a failure of any kind is
// handed back at Join.
class Beside {
 public:
  explicit Beside(std::function<void()> work)
      : thread_([this, work = std::move(work)] {
          const WriterThread writer;
          try {
            work();
          } catch (...) {
            failure_ = std::current_exception();
          }
        }) {}
  ~Beside() {
    if (thread_.joinable()) thread_.join();
  }
  Beside(const Beside&) = delete;
  Beside& operator=(const Beside&) = delete;
  void Join() {
    thread_.join();
    if (failure_) std::rethrow_exception(failure_);
  }

 private:
  std::exception_ptr failure_;
  std::thread thread_;
};

}  // namespace

void ReadAnalysis(Model& model, const FileSystem& fs, UserMessages& ui) {
  // The load definitions and every reaction component are read from the
  // same text beside the two readers of the model: they share nothing but
  // the text. A failure of the model's readers is said first, as it would
  // be one reader after the other.
  TextStream text = fs.OpenTextFile(model.AnlFilePath);
  std::optional<loads::LoadFile> loads;
  {
    Beside reader([&] { loads.emplace(loads::ReadLoads(text)); });
    ReadAnalysisFile(model, fs, ui);
    ReadColumnDesign(model, fs, ui);
    reader.Join();
  }
  model.Loads = std::make_shared<const loads::LoadFile>(std::move(*loads));
}

std::string FileBeside(const std::string& analysisFile, const std::string& ending) {
  const std::string file = Utf8FromPath(PathFromUtf8(analysisFile).replace_extension()) + ending;
  return file == analysisFile ? analysisFile + ending : file;
}

void ApplyOffsets(Model& model, const std::vector<ColumnSide>& sides) {
  for (const ColumnSide& o : sides) {
    if (o.Support < 1 || o.Support > model.NumSupports)
      throw ProgramEnd("--offset " + IntText(o.Support) + ":" + IntText(o.X) + ":" + IntText(o.Y) +
                       ": there is no support " + IntText(o.Support) + " (the file has supports 1 to " +
                       IntText(model.NumSupports) + ")");
    SetColumnOffset(model, o.Support, o.X, o.Y);
  }
}

namespace {

// Runs one writer; its failure is kept, the other files are still written.
void Write(const char* what, const std::optional<std::string>& file,
           const std::function<void(const std::string&)>& writer, WrittenFiles& result) {
  if (!file) return;
  try {
    writer(*file);
    result.Written.push_back({what, *file});
  } catch (const RuntimeFailure& e) {
    result.Failures.push_back(e.what());
  }
}

// The drawings and the report, the sheet composed once for every file that
// shows the plan.
WrittenFiles WriteDrawings(const Model& model, const checks::DesignChecks& checks, const OutputFiles& files,
                           const ProjectInfo& project, const SheetSettings& sheet,
                           const revise::DesignRevision* revision) {
  WrittenFiles result;
  Write("Drawing", files.Dxf, [&](const std::string& file) { DxfWriteFile(ComposeDrawing(model), file); }, result);
  std::optional<Sheet> composed;
  const auto sheetDrawing = [&]() -> const Drawing& {
    if (!composed) composed = ComposeSheet(model, checks, project, sheet);
    return composed->drawing;
  };
  Write("Portable drawing", files.PortableDxf,
        [&](const std::string& file) { SavePortableDxf(sheetDrawing(), file); }, result);
  // The SVG file and the report's plan pages show the same sheets: with both
  // asked for, each sheet's picture is made once for the two; the SVG file
  // alone goes to its file as it is made.
  std::optional<SvgSheetSet> svgSheets;
  const auto sheetSvg = [&]() -> const SvgSheetSet& {
    if (!svgSheets) svgSheets.emplace(sheetDrawing());
    return *svgSheets;
  };
  Write("SVG drawing", files.Svg,
        [&](const std::string& file) {
          if (files.Report)
            SaveSvg(sheetSvg(), file);
          else
            SaveSvg(sheetDrawing(), file);
        },
        result);
  Write("Report", files.Report,
        [&](const std::string& file) {
          SaveCalculationReport(model, checks, sheetSvg().PagesText(), file, project, revision);
        },
        result);
  return result;
}

}  // namespace

WrittenFiles WriteOutputs(const Model& model, const checks::DesignChecks& checks, const OutputFiles& files,
                          const ProjectInfo& project, const SheetSettings& sheet,
                          const revise::DesignRevision* revision, const AlongsideWork& alongside) {
  // The workbook on this thread while the drawings and the report are
  // written beside it: the files are independent, and the machine has
  // cores to spare. The workbook is the longest of the files, so the
  // caller's own work goes beside, after the drawings; without a workbook
  // it stays here.
  WrittenFiles drawings, workbook;
  OutputFiles others = files;
  others.Workbook.reset();
  const bool alongsideBeside = files.Workbook && alongside;
  std::optional<Beside> beside;
  if (((files.Workbook || alongside) && others.Any()) || alongsideBeside)
    beside.emplace([&] {
      drawings = WriteDrawings(model, checks, others, project, sheet, revision);
      if (alongsideBeside) alongside(checks, revision);
    });
  else
    drawings = WriteDrawings(model, checks, others, project, sheet, revision);
  Write("Workbook", files.Workbook,
        [&](const std::string& file) { SaveWorkbook(model, checks, file, project, revision); }, workbook);
  if (alongside && !alongsideBeside) alongside(checks, revision);
  if (beside) beside->Join();
  for (WrittenFile& w : workbook.Written) drawings.Written.push_back(std::move(w));
  for (std::string& f : workbook.Failures) drawings.Failures.push_back(std::move(f));
  return drawings;
}

checks::DesignChecks CheckedDesign(Model& model, const checks::CheckSettings& settings,
                                   const revise::RevisionRequest& revision,
                                   std::optional<revise::DesignRevision>* record) {
  if (!revision.Any()) return checks::CheckDesign(model, settings);
  // One basis from the method's checks to the last: the loads are summed
  // once, and a group checked before as it stands is not checked again.
  const checks::CheckBasis basis = checks::MakeCheckBasis(model, settings, true);
  // The revision reads the method's verdicts, ratios and quantities, not its words.
  const checks::DesignChecks method = checks::CheckDesign(model, basis, false);
  revise::DesignRevision steps = revise::StartRevision(model, method, revision);
  if (revision.maxTypes > 0) revise::MergeFootingTypes(model, steps);
  std::vector<combined::CombinedFooting> combined;
  if (revision.revise) {
    revise::ReviseFailingGroups(model, basis, steps, &method);
    combined = revise::CombineClashingFootings(model, basis, steps);
  }
  checks::DesignChecks checks = checks::CheckDesign(model, basis);
  checks::AddCombined(checks, std::move(combined));
  revise::CloseRevision(checks, steps);
  if (record) *record = std::move(steps);
  return checks;
}

checks::DesignChecks FinishDesign(Model& model, const checks::CheckSettings& settings,
                                  const revise::RevisionRequest& revision,
                                  std::optional<revise::DesignRevision>* record) {
  RunDetailedDesign(model);
  model.CombinedAreas.clear();  // the method's groups, as the design has just formed them
  return CheckedDesign(model, settings, revision, record);
}

std::optional<checks::DesignChecks> DesignJob(Model& model, const JobRequest& request, const FileSystem& fs,
                                              UserMessages& ui, std::optional<revise::DesignRevision>* record) {
  model.AnlFilePath = request.AnalysisFile;
  model.MaxVolume = request.MaxVolume;
  ReadAnalysis(model, fs, ui);
  if (!request.Sbc) return std::nullopt;
  RunDesign(model, SbcFromText(*request.Sbc), ui);
  RunDetailedDesign(model);
  model.CombinedAreas.clear();
  // The clearance between footings is judged, and revised, where the columns stand.
  ApplyOffsets(model, request.Offsets);
  return CheckedDesign(model, request.Settings, request.Revision, record);
}

checks::DesignChecks MoveColumns(Model& model, const std::vector<ColumnSide>& sides,
                                 const checks::CheckSettings& settings) {
  ApplyOffsets(model, sides);
  return checks::CheckDesign(model, settings);
}

JobOutcome RunJob(Model& model, const JobRequest& request, const FileSystem& fs, UserMessages& ui,
                  const AlongsideWork& alongside) {
  JobOutcome outcome;
  try {
    // The spreadsheet library loads beside the design.
    std::optional<Beside> library;
    if (request.Outputs.Workbook && request.Sbc) library.emplace(PrepareWorkbook);
    outcome.Checks = DesignJob(model, request, fs, ui, &outcome.Revision);
    if (library) library->Join();
    if (outcome.Checks) {
      outcome.Files = WriteOutputs(model, *outcome.Checks, request.Outputs, request.Project, request.Sheet,
                                   outcome.Revision ? &*outcome.Revision : nullptr, alongside);
      if (!outcome.Files.Failures.empty())
        outcome.Status = kExitRuntimeFailure;
      else if (!AllOk(*outcome.Checks))
        outcome.Status = kExitChecksFail;
    }
  } catch (const ProgramEnd& e) {
    outcome.Failure = e.what();
    outcome.Status = kExitInputEnds;
  } catch (const RuntimeFailure& e) {
    outcome.Failure = e.what();
    outcome.Status = kExitRuntimeFailure;
  }
  return outcome;
}

}  // namespace footmark
