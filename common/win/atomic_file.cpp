#include "common/win/atomic_file.h"

#include <atomic>
#include <cstdio>

namespace sy {

namespace {

// Attributes that a new file can be created with; read-only is refused before
// we get here, and compression or encryption cannot be set at creation.
constexpr DWORD KEPT_ATTRIBUTES =
    FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

struct handle_closer {
  HANDLE handle;
  ~handle_closer() {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};

// What the replaced file passes on to its successor.
struct kept_properties {
  DWORD attributes = FILE_ATTRIBUTE_NORMAL;
  FILETIME creation_time = {};
  bool has_creation_time = false;
};

// Checks that the file may be replaced now and collects what the new file
// keeps. Windows refuses to rename over a read-only file, but Wine running as
// root does not, so the attribute is checked here for one rule everywhere.
// Renaming over a file fails while anyone holds it open, even a reader that
// shares everything, with a bare "access denied". Opening it exclusively
// first fails in exactly those cases and says why: a sharing violation.
DWORD check_replaceable(const std::string& path, kept_properties& kept) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND ? 0 : error;  // a new file
  }
  if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) return ERROR_ACCESS_DENIED;
  kept.attributes = attributes & KEPT_ATTRIBUTES;
  if (kept.attributes == 0) kept.attributes = FILE_ATTRIBUTE_NORMAL;

  const handle_closer probe{CreateFileA(path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (probe.handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND ? 0 : error;  // removed meanwhile: a new file
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileInformationByHandle(probe.handle, &info)) {
    kept.creation_time = info.ftCreationTime;
    kept.has_creation_time = true;
  }
  return 0;
}

// path + ".~<process><counter>": unique among the processes and threads that
// save the same file at once, and short, so that a path near the length limit
// still has room for it.
std::string temporary_name_for(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".~%lx%x", GetCurrentProcessId(), counter++ & 0xFFFF);
  return path + suffix;
}

DWORD write_all(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(bytes.size() < (1u << 30) ? bytes.size() : (1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return GetLastError();
    if (written == 0) return ERROR_WRITE_FAULT;
    bytes.remove_prefix(written);
  }
  return 0;
}

DWORD fill_temporary(HANDLE file, std::string_view bytes, const kept_properties& kept) {
  if (const DWORD error = write_all(file, bytes)) return error;
  if (kept.has_creation_time && !SetFileTime(file, &kept.creation_time, nullptr, nullptr)) return GetLastError();
  // Without the flush a crash after the rename could leave the new name
  // pointing at data that never reached the disk.
  if (!FlushFileBuffers(file)) return GetLastError();
  return 0;
}

// Creates the temporary file with the complete content on disk, or leaves
// none. A name that exists already is left alone: it may be another save's.
DWORD write_temporary(const std::string& temporary, std::string_view bytes, const kept_properties& kept) {
  const HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, kept.attributes, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  const DWORD error = fill_temporary(file, bytes, kept);
  CloseHandle(file);
  if (error != 0) DeleteFileA(temporary.c_str());
  return error;
}

}  // namespace

DWORD replace_file_atomically(const std::string& path, std::string_view bytes) {
  kept_properties kept;
  if (const DWORD error = check_replaceable(path, kept)) return error;

  std::string temporary = temporary_name_for(path);
  DWORD error = write_temporary(temporary, bytes, kept);
  for (int attempt = 0; error == ERROR_FILE_EXISTS && attempt < 16; ++attempt) {
    temporary = temporary_name_for(path);  // a leftover of a crashed save
    error = write_temporary(temporary, bytes, kept);
  }
  if (error != 0) return error;
  if (!MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = GetLastError();
    DeleteFileA(temporary.c_str());
  }
  return error;
}

}  // namespace sy
