// The two ways a run can stop early.
//
// RuntimeFailure: a range, overflow or arithmetic fault (a table capacity
// exceeded, a 16-bit overflow, a division by zero). It is raised *before* the
// faulty access or conversion happens, and the front end reports it as a
// run-time error and ends.
//
// ProgramEnd: the input ends the program (a missing section, a value that is
// not a number, a capacity of the analysis file exceeded). It carries the text
// the user sees and the line of the analysis file it concerns.
#pragma once

#include <stdexcept>
#include <string>

namespace footmark {

class RuntimeFailure : public std::runtime_error {
 public:
  explicit RuntimeFailure(const std::string& what) : std::runtime_error(what) {}
};

class ProgramEnd : public std::runtime_error {
 public:
  // silent: the window ends without a message box (a missing joint or member
  // section); batch front ends still print the text.
  ProgramEnd(const std::string& text, int line = 0, bool silent = false)
      : std::runtime_error(text), line_(line), silent_(silent) {}
  int line() const { return line_; }
  bool silent() const { return silent_; }

 private:
  int line_;
  bool silent_;
};

}  // namespace footmark
