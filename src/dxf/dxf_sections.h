// The fixed texts around the drawing's own entities: header and tables, the
// brackets of the BLOCKS and ENTITIES sections and the end of file. Lines are
// separated by "|"; every text is written exactly as it stands, blanks
// included, because R12 readers take a group-code line's right alignment and
// an empty value line as they come.
#pragma once

#include <string>

namespace footmark {

// HEADER and TABLES sections, ending with "ENDSEC|  0|".
const std::string& DxfHeaderText();

inline constexpr const char* DxfBlocksHead() { return "SECTION|  2|BLOCKS|  0|"; }
inline constexpr const char* DxfEntitiesHead() { return "SECTION|  2|ENTITIES|  0|"; }
// Closes BLOCKS and ENTITIES alike.
inline constexpr const char* DxfSectionEnd() { return "ENDSEC|  0|"; }
inline constexpr const char* DxfEof() { return "EOF"; }

}  // namespace footmark
