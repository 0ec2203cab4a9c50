// Outputs go where the user points them: through links, into devices and pipes, never over a file the user may
// not write, and nothing is left behind by an interrupt.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <thread>
#ifndef _WIN32
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

#include "bench/capacity_file.h"
#include "cli/run_cli.h"

namespace footmark {
namespace {

namespace fs = std::filesystem;
using testing::Has;
using testing::ReadFile;
using testing::RunCli;
using testing::ScratchDir;
using testing::SourcePath;

const std::string kRun = SourcePath("examples/frame-4x3-2storey.ANL") + " --sbc 200";

#ifdef _WIN32

TEST(OutputFiles, WindowsNamesCompareAsWindowsComparesThem) {
  ScratchDir dir;
  const std::string x = dir.path() + "\\x.dxf";
  testing::CliResult r = RunCli(dir, kRun + " --dxf " + x + " --svg " + dir.path() + "\\sub\\..\\X.DXF");
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(Has(r.err, "is also the --dxf file: each output needs a file of its own"));
  EXPECT_FALSE(fs::exists(x));
  // The null device, also as a name with an extension in a folder.
  r = RunCli(dir, kRun + " --dxf NUL --svg " + dir.path() + "\\nul.svg");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 2) << "more than standard output and error";
}

#else

struct stat Stat(const std::string& path) {
  struct stat st {};
  ::lstat(path.c_str(), &st);
  return st;
}

// As the superuser the permission cases run as nobody, who may write the folder but not the 444 file.
TEST(OutputFiles, LinksDevicesPipesAndPermissionsAreHonoured) {
  ScratchDir dir;
  const std::string d = dir.path() + "/";
  ::chmod(dir.path().c_str(), 0777);
  fs::create_directory(d + "shared");
  dir.Write("shared/plan.dxf", "old");
  fs::create_symlink("shared/plan.dxf", d + "plan.dxf");
  // Our own null device: a regression then replaces it, never the system's.
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::mknod((d + "null").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
  }
  ASSERT_EQ(::mkfifo((d + "fifo").c_str(), 0666), 0);
  std::string piped;
  std::thread reader([&] { piped = ReadFile(d + "fifo"); });
  const std::string kept = dir.Write("kept.svg", "old");
  ::chmod(kept.c_str(), 0640);
  if (root) {
    ASSERT_EQ(::chown(kept.c_str(), 65534, 65534), 0);
  }

  testing::CliResult r = RunCli(dir, kRun + " --dxf " + d + "plan.dxf --json " + d + "fifo --svg " + kept +
                                         (root ? " --portable-dxf " + d + "null" : ""));
  reader.join();
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::is_symlink(d + "plan.dxf"));
  EXPECT_TRUE(ReadFile(d + "shared/plan.dxf").starts_with("  0\r\nSECTION")) << "the link's target was not replaced";
  EXPECT_TRUE(piped.starts_with("{\"captions\"")) << piped.substr(0, 100);
  EXPECT_TRUE(S_ISFIFO(Stat(d + "fifo").st_mode));
  EXPECT_TRUE(!root || S_ISCHR(Stat(d + "null").st_mode));
  EXPECT_TRUE(ReadFile(kept).starts_with("<?xml"));
  EXPECT_EQ(Stat(kept).st_mode & 07777, 0640u);
  EXPECT_TRUE(!root || Stat(kept).st_uid == 65534u) << "the owner was not kept";

  const std::string locked = dir.Write("locked.dxf", "old");
  ::chmod(locked.c_str(), 0444);
  r = RunCli(dir, kRun + " --dxf " + locked, root ? "setpriv --reuid=nobody --regid=nogroup --clear-groups " : "");
  EXPECT_EQ(r.status, 3);
  EXPECT_TRUE(Has(r.err, "cannot write \"" + locked + "\": Permission denied"));
  EXPECT_TRUE(ReadFile(locked) == "old") << "the write-protected file was replaced";

  // 240 bytes is a legal name; the scratch name beside it must not pass the 255-byte limit.
  const std::string name = d + std::string(240, 'n');
  r = RunCli(dir, kRun + " --dxf " + name + ".dxf --portable-dxf " + name + "-p.dxf --svg " + name + ".svg --report " +
                      name + ".html --xlsx " + name + ".xlsx --json " + name + ".json");
  EXPECT_EQ(r.status, 0) << r.err;
  for (const char* ending : {".dxf", "-p.dxf", ".svg", ".html", ".xlsx", ".json"}) EXPECT_TRUE(fs::exists(name + ending));
}

// Interrupts at times spread over a whole run of the capacity building: each leaves every output as it was or
// whole, and no scratch file (beside the outputs, or the workbook's in the temporary folder).
// A reader that stops early ("| head -c 1", 150 KB behind a 64 KB pipe) ends the run with status 3, quietly.
TEST(OutputFiles, AClosedPipeOnStandardOutputEndsTheRunQuietly) {
  ScratchDir dir;
  const std::string command = "bash -c '" FOOTMARK_CLI " " + SourcePath("examples/frame-6x5-4storey.ANL") +
                              " --sbc 200 --quiet --json - 2>" + dir.path() +
                              "/err | head -c 1 >/dev/null; exit ${PIPESTATUS[0]}'";
  const int raw = std::system(command.c_str());
  EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 3);
  EXPECT_EQ(ReadFile(dir.path() + "/err"), "");
}

TEST(OutputFiles, AnInterruptLeavesNoScratchFile) {
  ScratchDir dir;
  const std::string input = dir.Write("capacity.ANL", bench::CapacityAnalysisFile());
  const std::set<std::string> outputs = {"c.dxf", "p.dxf", "c.svg", "c.html", "c.xlsx", "c.json"};
  auto start = [&] {
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::setenv("TMPDIR", dir.path().c_str(), 1);
      if (::chdir(dir.path().c_str()) != 0) ::_exit(125);
      const int out = ::open("stdout", O_WRONLY | O_CREAT | O_TRUNC, 0644);
      ::dup2(out, 1);
      ::execl(FOOTMARK_CLI, FOOTMARK_CLI, input.c_str(), "--sbc", "200", "--max-volume", "100", "--quiet", "--dxf",
              "c.dxf", "--portable-dxf", "p.dxf", "--svg", "c.svg", "--report", "c.html", "--xlsx", "c.xlsx", "--json",
              "c.json", static_cast<char*>(nullptr));
      ::_exit(126);
    }
    return pid;
  };
  using Clock = std::chrono::steady_clock;
  const auto first = Clock::now();
  int status = 0;
  ::waitpid(start(), &status, 0);
  const auto run = Clock::now() - first;
  // Whole: the workbook ends in the zip's end record (its time stamp changes its size), the rest as first written.
  std::map<std::string, std::uintmax_t> sizes;
  for (const std::string& o : outputs) sizes[o] = fs::file_size(dir.path() + "/" + o);
  auto whole = [&](const std::string& name) {
    const std::string text = ReadFile(dir.path() + "/" + name);
    return name == "c.xlsx" ? text.rfind("PK\x05\x06") == text.size() - 22 : text.size() == sizes[name];
  };

  constexpr int kTries = 80;
  int interrupted = 0, i = 0;
  for (; i < kTries && Clock::now() - first < std::chrono::seconds(20); ++i) {
    const pid_t pid = start();
    std::this_thread::sleep_for(run * (i * 37 % kTries) / kTries);  // over the whole run, in any prefix of the tries
    ::kill(pid, SIGINT);
    ::waitpid(pid, &status, 0);
    interrupted += WIFSIGNALED(status) && WTERMSIG(status) == SIGINT;
    for (const auto& entry : fs::directory_iterator(dir.path())) {
      const std::string name = entry.path().filename().string();
      if (name == "capacity.ANL" || name == "stdout") continue;
      EXPECT_TRUE(outputs.contains(name) && whole(name)) << "try " << i << " left " << name;
    }
  }
  EXPECT_GT(interrupted, i / 4) << "the runs ended before their interrupts";
}

#endif

}  // namespace
}  // namespace footmark
