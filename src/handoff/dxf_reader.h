// Our own reader of DXF text files: enough to tell that a drawing is whole and
// what it holds. It checks the structure only (sections, group-code and value
// pairs, the closing EOF), not the meaning of the values.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace footmark {

struct DxfSummary {
  std::string AcadVersion;                  // $ACADVER of the header, "" without one
  std::vector<std::string> Sections;        // section names, in file order
  std::map<std::string, int> EntityCounts;  // ENTITIES section, by entity type
  int EntityCount() const;
};

// Reads DXF text: a group-code line (a whole number, blanks around it allowed)
// and a value line, in pairs, each line ended by CRLF or LF. The HEADER,
// TABLES, BLOCKS and ENTITIES sections are required and EOF must close the
// file. Text that does not parse is a RuntimeFailure that names the line.
DxfSummary ReadDxf(std::string_view text);

}  // namespace footmark
