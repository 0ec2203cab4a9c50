// The options of footmark-cli: one row each (options.h says how to add one).
#include "cli/options.h"

#include <algorithm>
#include <stdexcept>

#include "design/design_run.h"
#include "model/failure.h"
#include "model/output_target.h"
#include "project/project_file.h"
#include "revise/revision.h"

namespace footmark::cli {

namespace {

int WholeNumber(const std::string& text, const std::string& what) {
  const std::optional<double> v = IsNumeric(text) ? StrictNumber(text) : std::nullopt;
  if (!v || *v != RoundHalfEven(*v) || *v < -1e9 || *v > 1e9)
    throw std::invalid_argument("--offset: " + what + " \"" + text + "\" is not a whole number");
  return static_cast<int>(*v);
}

ColumnSide ParseOffset(const std::string& text) {
  const auto a = text.find(':');
  const auto b = a == std::string::npos ? a : text.find(':', a + 1);
  if (b == std::string::npos || text.find(':', b + 1) != std::string::npos)
    throw std::invalid_argument("--offset: \"" + text + "\" is not SUPPORT:X:Y");
  ColumnSide o;
  o.Support = WholeNumber(text.substr(0, a), "support");
  const int x = WholeNumber(text.substr(a + 1, b - a - 1), "X");
  const int y = WholeNumber(text.substr(b + 1), "Y");
  if (x < -1 || x > 1 || y < -1 || y > 1)
    throw std::invalid_argument("--offset: \"" + text + "\": X and Y must each be -1, 0 or 1");
  o.X = static_cast<int16>(x);
  o.Y = static_cast<int16>(y);
  return o;
}

// The SBC stays the text the window's list would hold; the design rounds it
// to a whole kN/m2 that a 16-bit number holds.
const SettingRange kSbcRange{.Low = 1, .High = 32767, .What = "the SBC is a whole number of kN/m2", .Whole = true};

const ValueRule kSbc{"a number", [](Options& o, const std::string& option, const std::string& v) {
                       SettingValue(option, v, kSbcRange);
                       o.Sbc = v;
                     }};

const ValueRule kOffset{"a value", [](Options& o, const std::string&, const std::string& v) {
                          o.Offsets.push_back(ParseOffset(v));
                        }};

// A setting of the checks, judged by the core's table of settings.
ValueRule Setting(const char* key) {
  return {"a value", [key](Options& o, const std::string&, const std::string& v) { checks::SetSetting(o.Settings, key, v); }};
}

// A limit of the revision, judged by the core's table of limits.
ValueRule Limit(const char* key) {
  return {"a value", [key](Options& o, const std::string&, const std::string& v) {
            revise::SetLimit(o.Revision.limits, key, v);
          }};
}

const ValueRule kMaxVolume{"a number", [](Options& o, const std::string&, const std::string& v) {
                             o.MaxVolume = MaxVolumeFromText(v);
                           }};

const ValueRule kPaper{"a paper", [](Options& o, const std::string& option, const std::string& v) {
                         for (const Paper p : {Paper::kA3, Paper::kA2, Paper::kA1, Paper::kA0})
                           if (v == PaperName(p)) {
                             o.Sheet.paper = p;
                             return;
                           }
                         throw std::invalid_argument(option + ": \"" + v + "\" is not a paper: A3, A2, A1 or A0");
                       }};

const ValueRule kScale{"a scale", [](Options& o, const std::string& option, const std::string& v) {
                         if (v != "50" && v != "100" && v != "200")
                           throw std::invalid_argument(option + ": \"" + v + "\" is not a scale of the sheet: 50, 100 or 200");
                         o.Sheet.scale = std::stoi(v);
                       }};

// Read before every other option (ParseOptions); here only its place in the table.
const ValueRule kProject{"a file name", [](Options&, const std::string&, const std::string&) {}};

}  // namespace

const std::vector<OptionGroup>& OptionTable() {
  using O = Options;
  using J = JobRequest;
  using F = OutputFiles;
  using P = ProjectInfo;
  using R = revise::RevisionRequest;
  static const std::vector<OptionGroup> table = {
      {"Design:",
       {{"--sbc", "KN_PER_M2",
         "safe bearing capacity of the soil, 1 to 32767 (rounded to a whole kN/m2); without it the file is only read "
         "and its counts printed",
         kSbc},
        {"--max-volume", "M3",
         "reference volume of the first pedestal candidate (10~m3): a group whose first candidate is larger is left "
         "undesigned; raise it to design large footings",
         kMaxVolume},
        {"--offset", "S:X:Y",
         "put the column of support S to one side of its grid point in the drawings: X and Y are -1, 0 or 1; "
         "repeatable",
         kOffset, true},
        {"--project", "FILE",
         "the window's project file (NAME.footmark.json): its SBC, reference volume, offsets, title data, sheet, "
         "the checks' settings and the revision, where the command line gives none of its own",
         kProject}}},
      {"Checks on the file's load cases (every output prints the settings in force):",
       {{"--founding-depth", "M", "ground to the underside of the footings (1.5)", Setting("founding-depth")},
        {"--soil-weight", "KN_PER_M3", "unit weight of the soil (18)", Setting("soil-weight")},
        {"--concrete-weight", "KN_PER_M3", "unit weight of the concrete (25)", Setting("concrete-weight")},
        {"--sbc-basis", "gross|net", "the SBC is gross (IS 6403), or net of the soil removed (gross)",
         Setting("sbc-basis")},
        {"--seismic-increase", "PERCENT", "SBC increase under seismic combinations (25)", Setting("seismic-increase")},
        {"--wind-increase", "PERCENT", "SBC increase under wind combinations (25)", Setting("wind-increase")},
        {"--psi", "FACTOR", "on imposed and lateral load together in service (0.8)", Setting("psi")},
        {"--friction", "MU", "friction coefficient of concrete on soil (0.5)", Setting("friction")},
        {"--joint-height", "M|D", "the support joint above the footing's underside (D: the footing's depth)",
         Setting("joint-height")},
        {"--clearance-gap", "MM", "footings closer than this are reported (100)", Setting("clearance-gap")},
        {"--tie-beams", "yes|no", "tie beams take the lateral actions: no overturning or sliding checks (no)",
         Setting("tie-beams")},
        {"--combining-gap", "MM", "with --revise, footings closer than this face to face are combined (100)",
         Setting("combining-gap")},
        {"--combined-columns", "N", "the most columns on one combined footing, 2 or 3 (3)", Setting("combined-columns")},
        {"--band-width", "K", "a combined footing's column band: the column and K d each side (0.75)",
         Setting("band-width")}}},
      {"Revision of what fails, and fewer footing types (the outputs show the result, with a record of every "
       "step):",
       {{"--revise", nullptr,
         "change every footing group that fails a check or is not designed by the smallest steps that make every "
         "check pass: side +0.1~m, depth +25~mm, bars, bend-up legs, pedestal +50~mm", Switch(&J::Revision, &R::revise)},
        {"--max-types", "N", "merge footing groups, the least concrete added first, until at most N remain (1 to 100)",
         Number({.Low = 1, .High = 100, .What = "the number of footing types is a whole number", .Whole = true},
                &J::Revision, &R::maxTypes)},
        {"--largest-side", "M", "no revised footing wider than this (6)", Limit("largest-side")},
        {"--largest-depth", "M", "no revised footing deeper than this (1.5)", Limit("largest-depth")},
        {"--largest-pedestal", "M", "no revised pedestal wider than this (1.5)", Limit("largest-pedestal")},
        {"--largest-bar", "MM", "no revised bottom bar thicker than this (32)", Limit("largest-bar")},
        {"--least-bar-spacing", "MM", "bottom bars of a revised footing no closer than this, centre to centre (125)",
         Limit("least-bar-spacing")}}},
      {"Outputs (FILE, or - for standard output):",
       {{"--json", "FILE", "the run as JSON", OutputFile(&O::jsonFile)},
        {"--dxf", "FILE", "the method's drawing as AutoCAD takes it (R12 DXF)", OutputFile(&J::Outputs, &F::Dxf)},
        {"--portable-dxf", "FILE", "the sheet: the footing layout with its schedules, sections and title block as "
         "LibreCAD, ezdxf and AutoCAD all draw it alike (R12 DXF)", OutputFile(&J::Outputs, &F::PortableDxf)},
        {"--svg", "FILE", "the sheet for a web browser", OutputFile(&J::Outputs, &F::Svg)},
        {"--report", "FILE", "the calculation report (HTML): checks of every footing group against IS 456, "
         "quantities, the sheet", OutputFile(&J::Outputs, &F::Report)},
        {"--xlsx", "FILE", "schedules, checks and quantities as a workbook", OutputFile(&J::Outputs, &F::Workbook)}}},
      {"Sheet:",
       {{"--paper", "A3|A2|A1|A0", "the sheet's paper (the smallest that holds it)", kPaper},
        {"--scale", "50|100|200", "the sheet's scale 1:50, 1:100 or 1:200 (1:100, else 1:200); a plan too large is "
         "cut into zones, a sheet each", kScale},
        {"--grid-merge", "M", "grid coordinates closer than M metres are one grid line on the sheet (0.3)",
         Number({.Low = 0, .High = 5, .What = "the grid merge is a number of m"}, &J::Sheet, &SheetSettings::gridMerge)}}},
      {"Title block and report headers:",
       {{"--project-name", "TEXT", "the name of the project", Text(&J::Project, &P::Project)},
        {"--job-number", "TEXT", "the job number", Text(&J::Project, &P::JobNumber)},
        {"--revision", "TEXT", "the revision of the drawings (P1, A, ...)", Text(&J::Project, &P::Revision)},
        {"--designed-by", "NAME", "who designed", Text(&J::Project, &P::DesignedBy)},
        {"--checked-by", "NAME", "who checked", Text(&J::Project, &P::CheckedBy)},
        {"--date", "TEXT", "the date as it is to print (the day of the run)", Text(&J::Project, &P::Date)}}},
      {"Other:",
       {{"--quiet", nullptr, "no messages along the way (uplift, skipped lines) on standard error; the JSON and the "
         "report still hold them", Switch(&O::quiet)},
        {"--help", nullptr, "this text", Switch(&O::help), false, "-h"},
        {"--version", nullptr, "the version", Switch(&O::version)}}},
  };
  return table;
}

namespace {

// What needs more than one option: a design for the outputs, a drawing for
// the offsets, a file of its own for every output.
void CheckTogether(const Options& o) {
  if (o.AnalysisFile.empty()) throw std::invalid_argument("no analysis file given");
  if (o.Outputs.Any() && !o.Sbc) throw std::invalid_argument("an output needs --sbc: every output shows a design");
  if (o.Revision.Any() && !o.Sbc)
    throw std::invalid_argument(std::string(o.Revision.revise ? "--revise" : "--max-types") +
                                " needs --sbc: it changes a design");
  if (!o.Offsets.empty() && !o.Outputs.AnyDrawing())
    throw std::invalid_argument("--offset needs a drawing: --dxf, --portable-dxf, --svg or --report");
  const auto& outputs = o.outputFiles;
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    const auto& [option, file] = outputs[i];
    if (file == "-") {
      for (std::size_t k = 0; k < i; ++k)
        if (outputs[k].second == "-")
          throw std::invalid_argument(option + " - and " + outputs[k].first +
                                      " - both go to standard output: one output at most can; nothing was written");
      continue;
    }
    if (o.AnalysisFile != "-" && SameOutputFile(file, o.AnalysisFile))
      throw std::invalid_argument(option + " \"" + file + "\" is the analysis file itself: nothing was written");
    for (std::size_t k = 0; k < i; ++k)
      if (outputs[k].second != "-" && SameOutputFile(file, outputs[k].second))
        throw std::invalid_argument(option + " \"" + file + "\" is also the " + outputs[k].first +
                                    " file: each output needs a file of its own; nothing was written");
  }
}


const OptionSpec* FindOption(const std::string& name) {
  for (const OptionGroup& group : OptionTable())
    for (const OptionSpec& option : group.options)
      if (name == option.name || (option.alias && name == option.alias)) return &option;
  return nullptr;
}

// A value that looks like an option was most likely meant as one:
// "--dxf --sbc 200" lacks its file name. --dxf=--odd takes it all the same.
bool LooksLikeOption(const std::string& arg) { return arg.starts_with("--"); }

std::optional<std::string> ProjectFileIn(const std::vector<std::string>& args) {
  for (std::size_t i = 0; i < args.size() && args[i] != "--"; ++i) {
    if (args[i].starts_with("--project=")) return args[i].substr(10);
    if (args[i] == "--project" && i + 1 < args.size() && !LooksLikeOption(args[i + 1])) return args[i + 1];
  }
  return std::nullopt;
}

}  // namespace

Options ParseOptions(const std::vector<std::string>& args) {
  Options o;
  // The project file lies beneath the command line wherever it stands in it:
  // what the line gives wins, its offsets come after the file's.
  if (const std::optional<std::string> project = ProjectFileIn(args)) {
    try {
      ApplyProject(ReadProjectFile(*project), o);
    } catch (const ProgramEnd& e) {
      throw std::invalid_argument(e.what());
    }
  }
  std::vector<std::string> files;
  std::vector<const OptionSpec*> given;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--") {
      files.insert(files.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
      break;
    }
    if (arg == "-" || !arg.starts_with("-")) {
      files.push_back(arg);
      continue;
    }
    const std::size_t equals = arg.starts_with("--") ? arg.find('=') : std::string::npos;
    const std::string name = arg.substr(0, equals);
    const OptionSpec* option = FindOption(name);
    if (!option) throw std::invalid_argument("unknown option " + name);
    std::string value;
    if (!option->value) {
      if (equals != std::string::npos) throw std::invalid_argument(name + " takes no value");
    } else {
      if (std::find(given.begin(), given.end(), option) != given.end() && !option->repeats)
        throw std::invalid_argument(std::string(option->name) + " is given twice: it takes one value");
      if (equals != std::string::npos)
        value = arg.substr(equals + 1);
      else if (i + 1 < args.size() && !LooksLikeOption(args[i + 1]))
        value = args[++i];
      if (value.empty()) throw std::invalid_argument(std::string(option->name) + " needs " + option->rule.needs);
    }
    given.push_back(option);
    try {
      option->rule.apply(o, option->name, value);
    } catch (const ProgramEnd& e) {
      throw std::invalid_argument(e.what());
    }
  }
  if (o.help || o.version) return o;
  if (files.size() > 1)
    throw std::invalid_argument("more than one analysis file: \"" + files[0] + "\" and \"" + files[1] + "\"");
  if (!files.empty()) o.AnalysisFile = files[0];
  CheckTogether(o);
  return o;
}

}  // namespace footmark::cli
