// footmark-cli run as a user runs it, through the shell.
#pragma once

#include <cstdlib>
#include <string>
#ifdef _WIN32
// std::system returns the command's exit status itself.
#define WIFEXITED(raw) true
#define WEXITSTATUS(raw) (raw)
#else
#include <sys/wait.h>
#endif

#include "support/test_files.h"

namespace footmark::testing {

struct CliResult {
  int status = -1;
  std::string out, err;
};

// `args` may redirect standard input or output again; `prefix` runs the
// program through another (setpriv, to run it as an ordinary user).
inline CliResult RunCli(const ScratchDir& dir, const std::string& args, const std::string& prefix = "") {
  const std::string out = dir.path() + "/stdout", err = dir.path() + "/stderr";
  const int raw = std::system((prefix + FOOTMARK_CLI + " >" + out + " 2>" + err + " " + args).c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(out), ReadFile(err)};
}

}  // namespace footmark::testing
