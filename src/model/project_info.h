// Who and what a set of drawings and calculations belongs to: the title
// block of the sheet and the header of every report page print it.
#pragma once

#include <string>

namespace footmark {

struct ProjectInfo {
  std::string Project;     // project name
  std::string JobNumber;
  std::string Revision;    // "P1", "A", ...
  std::string DesignedBy;
  std::string CheckedBy;
  std::string Date;        // as it is to print; empty: the day of the run
};

}  // namespace footmark
