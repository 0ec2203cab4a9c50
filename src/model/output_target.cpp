#include "model/output_target.h"

#include <cerrno>
#include <filesystem>
#include <cwctype>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "model/platform_paths.h"

namespace footmark {

#ifdef _WIN32

namespace {

// The reserved device names stand for their device in every folder and with
// any extension ("C:\plans\nul.dxf" is the null device); "\\.\" names a
// device or a pipe directly.
bool IsDevice(const std::wstring& name) {
  if (name.starts_with(L"\\\\.\\")) return true;
  std::wstring leaf = name.substr(name.find_last_of(L"\\/:") == std::wstring::npos ? 0 : name.find_last_of(L"\\/:") + 1);
  leaf = leaf.substr(0, leaf.find(L'.'));
  while (!leaf.empty() && leaf.back() == L' ') leaf.pop_back();
  for (wchar_t& c : leaf) c = static_cast<wchar_t>(std::towupper(c));
  if (leaf == L"CON" || leaf == L"PRN" || leaf == L"AUX" || leaf == L"NUL" || leaf == L"CONIN$" || leaf == L"CONOUT$")
    return true;
  return leaf.size() == 4 && (leaf.starts_with(L"COM") || leaf.starts_with(L"LPT")) && leaf[3] >= L'1' &&
         leaf[3] <= L'9';
}

std::wstring FullPath(const std::wstring& name) {
  const DWORD size = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
  if (size == 0) return name;
  std::wstring full(size, L'\0');
  const DWORD n = GetFullPathNameW(name.c_str(), size, full.data(), nullptr);
  full.resize(n < size ? n : 0);
  return full.empty() ? name : full;
}

// The long form of a full path (8.3 short names spelled out), for a file
// that does not exist yet by way of its folder.
std::wstring LongPath(const std::wstring& full) {
  std::wstring longer(32768, L'\0');
  DWORD n = GetLongPathNameW(full.c_str(), longer.data(), static_cast<DWORD>(longer.size()));
  if (n > 0 && n < longer.size()) return longer.substr(0, n);
  const std::size_t slash = full.find_last_of(L'\\');
  if (slash == std::wstring::npos) return full;
  n = GetLongPathNameW(full.substr(0, slash).c_str(), longer.data(), static_cast<DWORD>(longer.size()));
  return n > 0 && n < longer.size() ? longer.substr(0, n) + full.substr(slash) : full;
}

// The volume and index of an existing file or folder.
bool Identity(const std::wstring& name, BY_HANDLE_FILE_INFORMATION& info) {
  const HANDLE h = CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  const bool ok = GetFileInformationByHandle(h, &info) != 0;
  CloseHandle(h);
  return ok;
}

}  // namespace

OutputTarget InspectOutput(const std::string& name) {
  OutputTarget t;
  t.Path = name;
  const std::wstring wide = PathFromUtf8(name).wstring();
  if (IsDevice(wide)) {
    t.What = OutputTarget::Kind::Stream;
    return t;
  }
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return t;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    t.What = OutputTarget::Kind::Folder;
  } else {
    t.What = OutputTarget::Kind::Regular;
    if (attributes & FILE_ATTRIBUTE_READONLY) t.Refused = EACCES;
  }
  return t;
}

bool SameOutputFile(const std::string& a, const std::string& b) {
  const std::wstring fullA = FullPath(PathFromUtf8(a).wstring()), fullB = FullPath(PathFromUtf8(b).wstring());
  if (IsDevice(fullA) || IsDevice(fullB)) return false;
  BY_HANDLE_FILE_INFORMATION infoA{}, infoB{};
  if (Identity(fullA, infoA) && Identity(fullB, infoB))
    return infoA.dwVolumeSerialNumber == infoB.dwVolumeSerialNumber && infoA.nFileIndexHigh == infoB.nFileIndexHigh &&
           infoA.nFileIndexLow == infoB.nFileIndexLow;
  const std::wstring longA = LongPath(fullA), longB = LongPath(fullB);
  return CompareStringOrdinal(longA.data(), static_cast<int>(longA.size()), longB.data(),
                              static_cast<int>(longB.size()), TRUE) == CSTR_EQUAL;
}

std::size_t FileNameLimit(const std::string&) { return 255; }  // UTF-16 units; UTF-8 bytes are never fewer

#else

OutputTarget InspectOutput(const std::string& name) {
  OutputTarget t;
  std::string path = name;
  struct stat st {};
  // The links, one by one, to where they lead (a link to a missing file too).
  for (int hops = 0; ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode); ++hops) {
    std::string link(4096, '\0');
    const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
    if (hops == 40 || n <= 0 || static_cast<std::size_t>(n) == link.size()) {
      t.Path = name;
      t.Refused = hops == 40 ? ELOOP : ENAMETOOLONG;
      return t;
    }
    link.resize(static_cast<std::size_t>(n));
    path = link.starts_with('/') ? link : path.substr(0, path.rfind('/') + 1) + link;
  }
  t.Path = path;
  if (::stat(path.c_str(), &st) != 0) return t;
  if (S_ISDIR(st.st_mode)) {
    t.What = OutputTarget::Kind::Folder;
  } else if (S_ISREG(st.st_mode)) {
    t.What = OutputTarget::Kind::Regular;
    if (::access(path.c_str(), W_OK) != 0) t.Refused = errno;
    t.Mode = st.st_mode & 07777;
    t.Owner = st.st_uid;
    t.Group = st.st_gid;
  } else {
    t.What = OutputTarget::Kind::Stream;
  }
  return t;
}

bool SameOutputFile(const std::string& a, const std::string& b) {
  namespace fs = std::filesystem;
  std::error_code ec;
  struct stat sa {}, sb {};
  if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0)
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino && !S_ISCHR(sa.st_mode);
  return fs::weakly_canonical(fs::absolute(a, ec), ec) == fs::weakly_canonical(fs::absolute(b, ec), ec);
}

std::size_t FileNameLimit(const std::string& folder) {
  const long limit = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
  return limit > 0 ? static_cast<std::size_t>(limit) : 255;
}

#endif

}  // namespace footmark
