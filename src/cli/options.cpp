#include "cli/options.h"

#include <filesystem>
#include <stdexcept>
#include <utility>

#include "design/design_run.h"
#include "model/failure.h"

namespace footmark::cli {

const char* const kUsage =
    "usage: footmark-cli ANALYSIS_FILE [--sbc KN_PER_M2] [--max-volume M3] [--json FILE|-]\n"
    "                    [--dxf FILE] [--portable-dxf FILE] [--svg FILE] [--report FILE]\n"
    "                    [--xlsx FILE] [--offset SUPPORT:X:Y]...\n"
    "       footmark-cli --help | --version\n";

const char* const kHelp =
    "footmark-cli designs the isolated footings of a building frame from the\n"
    "text output (.ANL) of a STAAD analysis, by IS 456:2000, and draws them.\n"
    "\n"
    "Options:\n"
    "  --sbc KN_PER_M2      safe bearing capacity of the soil, a number greater\n"
    "                       than 0 (rounded to a whole kN/m2); without it the file\n"
    "                       is only read and its counts printed\n"
    "  --max-volume M3      reference volume of the first pedestal candidate\n"
    "                       (10 m3): a group whose first candidate is larger is\n"
    "                       left undesigned; raise it to design large footings\n"
    "  --json FILE|-        the report as JSON, to FILE or to standard output\n"
    "  --dxf FILE           the drawing as AutoCAD takes it (R12 DXF)\n"
    "  --portable-dxf FILE  the same drawing as LibreCAD, ezdxf and AutoCAD all\n"
    "                       draw it alike (R12 DXF)\n"
    "  --svg FILE           the same drawing for a web browser\n"
    "  --report FILE        the calculation report (HTML): checks of every\n"
    "                       footing group against IS 456, quantities, the plan\n"
    "  --xlsx FILE          schedules, checks and quantities as a workbook\n"
    "  --offset S:X:Y       put the column of support S to one side of its grid\n"
    "                       point in the drawings: X and Y are -1, 0 or 1\n"
    "  --help, --version    this text, or the version\n"
    "\n"
    "No output may be the analysis file or another output. Every file is\n"
    "replaced only once it is complete.\n"
    "\n"
    "Exit status: 0 done (after a design: every footing group checks ok),\n"
    "2 the input or the command line ends the program, 3 a run-time failure\n"
    "or a file that cannot be written, 4 a footing group fails its IS 456\n"
    "checks or is not designed.\n"
    "\n"
    "Example:\n"
    "  footmark-cli examples/frame-4x3-2storey.ANL --sbc 200 --dxf plan.dxf \\\n"
    "      --report plan.html --xlsx plan.xlsx\n";

namespace {

int ParseInt(const std::string& text, const std::string& what) {
  std::size_t used = 0;
  int v = 0;
  try {
    v = std::stoi(text, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || used != text.size()) throw std::invalid_argument(what + " \"" + text + "\" is not a whole number");
  return v;
}

ColumnSide ParseOffset(const std::string& text) {
  const auto a = text.find(':');
  const auto b = a == std::string::npos ? a : text.find(':', a + 1);
  if (b == std::string::npos || text.find(':', b + 1) != std::string::npos)
    throw std::invalid_argument("--offset \"" + text + "\" is not SUPPORT:X:Y");
  ColumnSide o;
  o.Support = ParseInt(text.substr(0, a), "--offset support");
  const int x = ParseInt(text.substr(a + 1, b - a - 1), "--offset X");
  const int y = ParseInt(text.substr(b + 1), "--offset Y");
  if (x < -1 || x > 1 || y < -1 || y > 1)
    throw std::invalid_argument("--offset \"" + text + "\": X and Y must each be -1, 0 or 1");
  o.X = static_cast<int16>(x);
  o.Y = static_cast<int16>(y);
  return o;
}

// Whether two names reach the same file: the same file on the disk when both
// exist, else the same absolute path.
bool SameFile(const std::string& a, const std::string& b) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (fs::exists(a, ec) && fs::exists(b, ec)) return fs::equivalent(a, b, ec);
  return fs::weakly_canonical(fs::absolute(a, ec), ec) == fs::weakly_canonical(fs::absolute(b, ec), ec);
}

// No output may overwrite the analysis file or another output.
void CheckOutputNames(const Options& o) {
  std::vector<std::pair<std::string, std::string>> outputs;  // option, file
  if (o.jsonFile && *o.jsonFile != "-") outputs.emplace_back("--json", *o.jsonFile);
  for (const auto& [option, file] : {std::pair{"--dxf", &o.outputs.Dxf}, std::pair{"--portable-dxf", &o.outputs.PortableDxf},
                                     std::pair{"--svg", &o.outputs.Svg}, std::pair{"--report", &o.outputs.Report},
                                     std::pair{"--xlsx", &o.outputs.Workbook}})
    if (*file) outputs.emplace_back(option, **file);
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    const auto& [option, file] = outputs[i];
    if (SameFile(file, o.analysisFile))
      throw std::invalid_argument(option + " \"" + file + "\" is the analysis file itself: nothing was written");
    for (std::size_t k = 0; k < i; ++k)
      if (SameFile(file, outputs[k].second))
        throw std::invalid_argument(option + " \"" + file + "\" is also the " + outputs[k].first +
                                    " file: each output needs a file of its own; nothing was written");
  }
}

}  // namespace

Options ParseOptions(const std::vector<std::string>& args) {
  Options o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= args.size()) throw std::invalid_argument(a + " needs a value");
      return args[++i];
    };
    if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--version") {
      o.version = true;
    } else if (a == "--sbc") {
      o.sbc = value();
    } else if (a == "--max-volume") {
      try {
        o.maxVolume = MaxVolumeFromText(value());
      } catch (const ProgramEnd& e) {
        throw std::invalid_argument(e.what());
      }
    } else if (a == "--json") {
      o.jsonFile = value();
    } else if (a == "--dxf") {
      o.outputs.Dxf = value();
    } else if (a == "--portable-dxf") {
      o.outputs.PortableDxf = value();
    } else if (a == "--svg") {
      o.outputs.Svg = value();
    } else if (a == "--report") {
      o.outputs.Report = value();
    } else if (a == "--xlsx") {
      o.outputs.Workbook = value();
    } else if (a == "--offset") {
      o.offsets.push_back(ParseOffset(value()));
    } else if (a.size() > 1 && a[0] == '-' && a != "-") {
      throw std::invalid_argument("unknown option " + a);
    } else if (o.analysisFile.empty()) {
      o.analysisFile = a;
    } else {
      throw std::invalid_argument("more than one analysis file given");
    }
  }
  if (o.help || o.version) return o;
  if (o.analysisFile.empty()) throw std::invalid_argument("no analysis file given");
  if (o.sbc) {
    try {
      SbcFromText(*o.sbc);  // before anything is read
    } catch (const ProgramEnd& e) {
      throw std::invalid_argument(e.what());
    }
  }
  if (o.outputs.Any() && !o.sbc) throw std::invalid_argument("an output needs --sbc: every output shows a design");
  if (!o.offsets.empty() && !o.outputs.AnyDrawing())
    throw std::invalid_argument("--offset needs a drawing: --dxf, --portable-dxf, --svg or --report");
  CheckOutputNames(o);
  return o;
}

}  // namespace footmark::cli
