// What the user is told: message boxes with an OK button and the captions of
// the three status labels. The window shows boxes and sets its labels; the
// batch front end prints them.
#pragma once

#include <string>

namespace footmark {

enum class StatusLabel { LabNoSrea, LabLoadCases, LabFckFe };

class UserMessages {
 public:
  virtual ~UserMessages() = default;
  // A message box with an OK button; returns when the user has closed it.
  virtual void ShowMessage(const std::string& text) = 0;
  virtual void SetCaption(StatusLabel label, const std::string& text) = 0;
};

// Nobody to tell: the benchmarks and the fuzzer.
class QuietMessages : public UserMessages {
 public:
  void ShowMessage(const std::string&) override {}
  void SetCaption(StatusLabel, const std::string&) override {}
};

}  // namespace footmark
