// Helpers shared by the tests: scratch files and a recording message layer.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "model/messages.h"

namespace footmark::testing {

// A fresh folder below the system's temporary folder, removed with the object.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::string& path() const { return path_; }
  // Writes content to a file in the folder and returns its full path.
  std::string Write(const std::string& name, const std::string& content) const;

 private:
  std::string path_;
};

std::string ReadFile(const std::string& path);

// Path of a file below the source tree (examples, test data).
std::string SourcePath(const std::string& relative);

// Whether the text holds the piece; a failure shows the text.
inline ::testing::AssertionResult Has(const std::string& text, const std::string& piece) {
  if (text.find(piece) != std::string::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "no \"" << piece << "\" in:\n" << text.substr(0, 3000);
}

// Runs a read-back script with `python` (one that has ezdxf and openpyxl) on
// the arguments; its wait status (0 when it passed) and everything it printed.
struct ScriptRun {
  int status = -1;
  std::string output;
};
ScriptRun RunScript(const std::string& python, const std::string& script, const std::vector<std::string>& args);

// Records every message and caption, in order.
class RecordingMessages : public UserMessages {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void SetCaption(StatusLabel label, const std::string& text) override { captions[label] = text; }

  std::vector<std::string> messages;
  std::map<StatusLabel, std::string> captions;
};

}  // namespace footmark::testing
