// File names between the system and the program. Inside the program a file
// name is UTF-8 text on every system, as Linux hands it over; these helpers
// read the command line as such names and open such names.
//
// Windows is the reason: there main's argv and the narrow calls (fopen,
// std::ifstream(std::string), std::filesystem::path(std::string)) use the
// ANSI code page, which turns "Zeichnung-ä.dxf" into another name or into
// '?'s. The wide command line and the wide calls take every name.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace footmark {

// The arguments after the program's name, as UTF-8. On Windows they come
// from the wide command line (GetCommandLineW); elsewhere argv as it is.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// The path that names a UTF-8 file name, for std::filesystem and the file
// streams. On Windows a byte sequence that is no UTF-8 becomes U+FFFD.
std::filesystem::path PathFromUtf8(const std::string& name);

// The UTF-8 file name of a path (path.string() is the ANSI code page's on
// Windows).
std::string Utf8FromPath(const std::filesystem::path& path);

// std::fopen for a UTF-8 file name (_wfopen on Windows); errno as fopen's.
std::FILE* OpenFileUtf8(const std::string& name, const char* mode);

// Creates a new file for writing, never one that exists, so two writers
// never share a scratch file; errno tells why not. On Windows it may be
// deleted while open (an interrupt removes it, scratch_files.h).
std::FILE* CreateNewFileUtf8(const std::string& name);

// Renames from over to, replacing an existing to in one step as POSIX rename
// does (MoveFileExW on Windows). 0, or the errno that tells why not.
int RenameReplacingUtf8(const std::string& from, const std::string& to);

// The running program's own file (a link to it followed), or an empty path
// when the system does not tell.
std::filesystem::path ProgramFile();

// Standard input, output and error take the bytes as written: on Windows
// their text mode would put a CR before every LF (and take it out again), so
// reports, JSON and messages are the same bytes as on Linux. Does nothing
// elsewhere.
void KeepLineEndsOnStandardStreams();

}  // namespace footmark
