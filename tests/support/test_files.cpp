#include "support/test_files.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#ifdef _WIN32
#define popen _popen
#define pclose _pclose
#endif

namespace footmark::testing {

namespace fs = std::filesystem;

namespace {

// Our file names are UTF-8; a narrow name is the ANSI code page's on Windows.
fs::path Utf8Path(const std::string& name) { return fs::path(std::u8string(name.begin(), name.end())); }
std::string Utf8Name(const fs::path& path) {
  const std::u8string name = path.u8string();
  return std::string(name.begin(), name.end());
}

}  // namespace

ScratchDir::ScratchDir() {
  static std::atomic<int> counter{0};
  const fs::path p = fs::temp_directory_path() /
                     ("footmark-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  fs::create_directories(p);
  path_ = Utf8Name(p);
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  fs::remove_all(Utf8Path(path_), ec);
}

std::string ScratchDir::Write(const std::string& name, const std::string& content) const {
  const fs::path full = Utf8Path(path_) / Utf8Path(name);
  std::ofstream out(full, std::ios::binary);
  out << content;
  return Utf8Name(full);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(Utf8Path(path), std::ios::binary);
  std::ostringstream buf;
  buf << in.rdbuf();
  return buf.str();
}

std::string SourcePath(const std::string& relative) {
  return (fs::path(FOOTMARK_SOURCE_DIR) / relative).string();
}

ScriptRun RunScript(const std::string& python, const std::string& script, const std::vector<std::string>& args) {
  std::string command = python + " '" + SourcePath(script) + "'";
  for (const std::string& a : args) command += " '" + a + "'";
  ScriptRun run{.status = -1, .output = command + "\n"};
  std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return run;
  char buf[4096];
  while (const std::size_t n = std::fread(buf, 1, sizeof buf, pipe)) run.output.append(buf, n);
  run.status = pclose(pipe);
  return run;
}

}  // namespace footmark::testing
