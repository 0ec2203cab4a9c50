// Text between code page 1252 and UTF-8. Analysis files and the drawings'
// texts are single bytes in code page 1252 (the DXF header says ANSI_1252);
// file names, the project's title data and everything typed in the window
// are UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace footmark {

// Every byte as its character. Bytes 1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) keep their Latin-1 code points.
std::string Utf8FromCp1252(std::string_view cp1252);

// The code page's byte for every character it has; a character it lacks
// becomes '?', and so does a byte that is no valid UTF-8, so a drawing never
// carries a broken sequence.
std::string Cp1252FromUtf8(std::string_view utf8);

// Whether text is well-formed UTF-8: each lead byte followed by as many
// continuation bytes as it announces.
bool IsUtf8(std::string_view text);

// UTF-8 text as it is; text that is no valid UTF-8 (a title or label of the
// analysis file with a letter beyond ASCII) read as code page 1252.
std::string Utf8OrCp1252(std::string_view text);

// The code point of one code page 1252 byte.
char32_t Cp1252CodePoint(unsigned char byte);

// Appends a code point as UTF-8.
void AppendUtf8(std::string& out, char32_t code);

}  // namespace footmark
