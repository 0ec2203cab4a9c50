// Replacing a file only once its new content is complete.
#pragma once

#include <string>
#include <string_view>

namespace footmark {

// Writes content to a new file in fileName's folder and renames it over
// fileName when every byte is on disk. On any failure (folder missing or not
// writable, disk full, file too large) the new file is removed, an earlier
// fileName is left untouched, and RuntimeFailure names fileName and the cause.
void ReplaceFile(const std::string& fileName, std::string_view content);

}  // namespace footmark
