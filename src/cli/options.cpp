#include "cli/options.h"

#include <stdexcept>

namespace footmark::cli {

const char* const kUsage =
    "usage: footmark-cli ANALYSIS_FILE [--sbc KN_PER_M2] [--json FILE|-] [--dxf FILE]\n"
    "                    [--offset SUPPORT:X:Y]...\n";

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

OffsetOption ParseOffset(const std::string& text) {
  const auto a = text.find(':');
  const auto b = a == std::string::npos ? a : text.find(':', a + 1);
  if (b == std::string::npos || text.find(':', b + 1) != std::string::npos)
    throw std::invalid_argument("--offset \"" + text + "\" is not SUPPORT:X:Y");
  OffsetOption o;
  o.support = ParseInt(text.substr(0, a), "--offset support");
  o.x = ParseInt(text.substr(a + 1, b - a - 1), "--offset X");
  o.y = ParseInt(text.substr(b + 1), "--offset Y");
  if (o.x < -1 || o.x > 1 || o.y < -1 || o.y > 1)
    throw std::invalid_argument("--offset \"" + text + "\": X and Y must each be -1, 0 or 1");
  return o;
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
    if (a == "--sbc") {
      o.sbc = value();
    } else if (a == "--json") {
      o.jsonFile = value();
    } else if (a == "--dxf") {
      o.dxfFile = value();
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
  if (o.analysisFile.empty()) throw std::invalid_argument("no analysis file given");
  if (o.dxfFile && !o.sbc) throw std::invalid_argument("--dxf needs --sbc: the drawing shows a design");
  if (!o.offsets.empty() && !o.dxfFile) throw std::invalid_argument("--offset needs --dxf");
  return o;
}

}  // namespace footmark::cli
