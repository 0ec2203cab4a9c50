// The fixed HEADER and TABLES text of the exact drawing. Every piece is
// written exactly as it stands, blanks included, because R12 readers take a
// group-code line's right alignment and an empty value line as they come.
#pragma once

#include <string>

namespace footmark {

// HEADER and TABLES sections as CR LF lines, ending with the lines "ENDSEC"
// and "  0" that open the next section.
const std::string& DxfHeaderText();

}  // namespace footmark
