// --help: the option table laid out as GNU programs lay theirs out (help2man
// turns it into the manual page).
#include <algorithm>
#include <filesystem>
#include <string>

#include "cli/options.h"
#include "model/platform_paths.h"

namespace footmark::cli {

const char* const kUsage =
    "Usage: footmark-cli [OPTION]... ANALYSIS_FILE\n"
    "  or:  footmark-cli --help | --version\n";

namespace {

constexpr std::size_t kWidth = 79;       // the terminal's line
constexpr std::size_t kTextColumn = 24;  // where an option's text starts

// Words of `text` in lines of kWidth, every line but the first indented to
// `indent` (the first continues after `start` characters). A "~" is a
// blank that keeps its two words on one line ("10~m3").
std::string Wrapped(const std::string& text, std::size_t indent, std::size_t start) {
  std::string out;
  std::size_t column = start;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t end = std::min(text.find(' ', i), text.size());
    const std::string word = text.substr(i, end - i);
    if (column > indent && column + 1 + word.size() > kWidth) {
      out += "\n" + std::string(indent, ' ');
      column = indent;
    } else if (column > indent) {
      out += ' ';
      ++column;
    }
    for (const char c : word) out += c == '~' ? ' ' : c;
    column += word.size();
    i = end + 1;
  }
  return out;
}

// The shipped example: beside the program when it is installed
// (PREFIX/bin/footmark-cli, PREFIX/share/footmark/examples), else as the
// source tree has it.
std::string ExampleFile() {
  const std::string name = "frame-4x3-2storey.ANL";
  const std::filesystem::path program = ProgramFile();
  if (!program.empty()) {
    const std::filesystem::path installed =
        program.parent_path().parent_path() / "share" / "footmark" / "examples" / name;
    std::error_code ec;
    if (std::filesystem::is_regular_file(installed, ec)) return installed.lexically_normal().generic_string();
  }
  return "examples/" + name;
}

}  // namespace

std::string HelpText() {
  std::string text = std::string(kUsage) +
                     "\n"
                     "footmark-cli designs the isolated footings of a building frame from the\n"
                     "text output (.ANL) of a STAAD analysis, by IS 456:2000, checks them and\n"
                     "draws them. An ANALYSIS_FILE of - is read from standard input.\n";
  for (const OptionGroup& group : OptionTable()) {
    text += std::string("\n") + group.heading + "\n";
    for (const OptionSpec& o : group.options) {
      std::string line = "  ";
      if (o.alias) line += std::string(o.alias) + ", ";
      line += o.name;
      if (o.value) line += std::string(" ") + o.value;
      if (line.size() + 2 > kTextColumn)
        line += "\n" + std::string(kTextColumn, ' ');
      else
        line += std::string(kTextColumn - line.size(), ' ');
      text += line + Wrapped(o.help, kTextColumn, kTextColumn) + "\n";
    }
  }
  text +=
      "\n"
      "An option's value follows it (--sbc 200) or an equals sign (--sbc=200);\n"
      "-- ends the options. An option other than --offset is given once.\n"
      "\n"
      "No output may be the analysis file or another output. A file is replaced\n"
      "only once it is complete, keeping its permissions; a symbolic link is\n"
      "followed, a device or a pipe is written into, and a file you may not\n"
      "write is left as it is (status 3).\n"
      "\n"
      "Exit status:\n"
      "  0  done (after a design: every footing group checks ok)\n"
      "  2  the input or the command line ends the program\n"
      "  3  a run-time failure, or a file (standard output too) that cannot be\n"
      "     written\n"
      "  4  a footing group fails its IS 456 checks or is not designed\n"
      "\n"
      "Example (the drawing, the report and the workbook of the example):\n"
      "  footmark-cli " +
      ExampleFile() + " --sbc 200 --dxf plan.dxf --report plan.html --xlsx plan.xlsx\n";
  return text;
}

}  // namespace footmark::cli
