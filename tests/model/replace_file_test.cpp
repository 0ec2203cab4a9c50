// Every file the tool writes (drawings, report, workbook) replaces an earlier one only once it is complete.
#include "model/replace_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "model/failure.h"
#include "support/test_files.h"

namespace footmark {
namespace {

// The failure names the file and the reason; the earlier file stays as it was and nothing is left beside it.
TEST(ReplaceFile, AFailedWriteNamesFileAndReasonAndLeavesTheEarlierFileAlone) {
  testing::ScratchDir dir;
  const std::string earlier = dir.Write("plan.dxf", "the earlier drawing");
  std::vector<std::pair<std::string, std::string>> targets = {
#ifdef _WIN32
      {earlier + "/plan.dxf", "No such file or directory"},  // Windows finds no such folder
#else
      {earlier + "/plan.dxf", "Not a directory"},  // a file where a folder should be
#endif
      {dir.path() + "/missing/plan.dxf", "No such file or directory"}};
#ifndef _WIN32  // POSIX permissions and file size limits
  if (::geteuid() != 0) {  // a folder the superuser could still write to
    ::chmod(dir.path().c_str(), 0500);
    targets.emplace_back(earlier, "Permission denied");
  }
#endif
  for (const auto& [target, reason] : targets) {
    try {
      ReplaceFile(target, "the new drawing");
      ADD_FAILURE() << target << " was written";
    } catch (const RuntimeFailure& e) {
      EXPECT_EQ(std::string(e.what()), "cannot write \"" + target + "\": " + reason);
    }
  }
#ifndef _WIN32
  ::chmod(dir.path().c_str(), 0700);
  // A file size limit makes the write itself fail, once the new file is open.
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  const rlimit small{65536, old.rlim_max};
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  EXPECT_THROW(ReplaceFile(earlier, std::string(100000, 'x')), RuntimeFailure) << "a write past the size limit";
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
#endif
  EXPECT_EQ(testing::ReadFile(earlier), "the earlier drawing");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "a partial file was left";
}

}  // namespace
}  // namespace footmark
