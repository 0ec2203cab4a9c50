// The command line of the batch front end, as GNU programs take theirs:
// `--opt value` and `--opt=value` alike, `--` ends the options, `-` is
// standard input as the analysis file and standard output as any output.
//
// Every option is one row of a table (options.cpp): its name, the name of its
// value, its line of --help, and a rule that says what the value must be and
// where it goes. The rules reach their field by a path of members from the
// job request, so a new option is one row:
//
//   {"--founding-depth", "M", "depth of the footing's underside below ground (1.5)",
//    Number({.Low = 0.3, .High = 10, .What = "the founding depth is a number of m"},
//           &JobRequest::Basis, &LoadBasis::FoundingDepth)},
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "model/numerics.h"
#include "pipeline/pipeline.h"

namespace footmark::cli {

// The job as the command line asks for it, and what only this front end does.
struct Options : JobRequest {
  std::optional<std::string> jsonFile;  // "-": standard output
  bool quiet = false;                   // no messages along the way on standard error
  bool help = false;
  bool version = false;
  // Every output named, in the order given: option and file, for the check
  // that no two name one file.
  std::vector<std::pair<std::string, std::string>> outputFiles;
};

// What an option does with its value. A value that breaks the rule throws
// ProgramEnd (or std::invalid_argument) with the message for the user.
struct ValueRule {
  const char* needs = "";  // "a file name": said when the value is missing
  std::function<void(Options&, const std::string& option, const std::string& value)> apply;
};

// The field at the end of a path of members: (o.*a).*b ...
template <class... Path>
auto& Field(Options& o, Path... path) {
  return (o .* ... .* path);
}

// Any text (a title).
template <class... Path>
ValueRule Text(Path... path) {
  return {"a value", [=](Options& o, const std::string&, const std::string& v) { Field(o, path...) = v; }};
}

// An output file, or "-" for standard output.
template <class... Path>
ValueRule OutputFile(Path... path) {
  return {"a file name", [=](Options& o, const std::string& option, const std::string& v) {
            Field(o, path...) = v;
            o.outputFiles.emplace_back(option, v);
          }};
}

// A number in a range, in the user's units; with range.Whole a whole number.
template <class... Path>
ValueRule Number(SettingRange range, Path... path) {
  return {"a number", [=](Options& o, const std::string& option, const std::string& v) {
            auto& field = Field(o, path...);
            field = static_cast<std::remove_reference_t<decltype(field)>>(SettingValue(option, v, range));
          }};
}

// A switch: it takes no value and sets its field.
template <class... Path>
ValueRule Switch(Path... path) {
  return {"", [=](Options& o, const std::string&, const std::string&) { Field(o, path...) = true; }};
}

struct OptionSpec {
  const char* name;           // "--sbc"
  const char* value;          // "KN_PER_M2" as --help shows it; nullptr for a switch
  const char* help;           // its text in --help; wrapped there
  ValueRule rule;
  bool repeats = false;       // may be given more than once (--offset); others once only
  const char* alias = nullptr;  // "-h"
};

struct OptionGroup {
  const char* heading;  // "Outputs (FILE, or - for standard output):"
  std::vector<OptionSpec> options;
};

// The options of footmark-cli, in the order --help lists them.
const std::vector<OptionGroup>& OptionTable();

// Parses the command line; a bad one throws std::invalid_argument with the
// text to print (status 2). Checks what can be checked before anything is
// read: every value against its rule, an analysis file, --sbc for an output,
// a drawing for --offset, and no output that is the analysis file or another
// output.
Options ParseOptions(const std::vector<std::string>& args);

extern const char* const kUsage;
// The text of --help; its example names the examples beside the program when
// they are installed there.
std::string HelpText();

}  // namespace footmark::cli
