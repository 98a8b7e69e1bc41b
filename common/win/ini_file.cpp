#include "common/win/ini_file.h"

#include "common/win/atomic_file.h"

namespace sy {

namespace {

// The whole file, or the error that stopped the reading.
DWORD read_whole_file(HANDLE file, std::string& bytes) {
  LARGE_INTEGER size;
  if (GetFileSizeEx(file, &size) && size.QuadPart > 0 && static_cast<unsigned long long>(size.QuadPart) < bytes.max_size())
    bytes.reserve(static_cast<size_t>(size.QuadPart));
  char buffer[64 * 1024];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file, buffer, sizeof buffer, &read, nullptr)) return GetLastError();
    if (read == 0) return 0;
    bytes.append(buffer, read);
  }
}

}  // namespace

ini_load_result load_ini_file(const std::string& path) {
  ini_load_result result;
  if (path.empty()) return result;
  // Others may keep the file open, the input method above all; reading must
  // never stand in their way.
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) result.error = error;
    return result;
  }
  std::string bytes;
  result.error = read_whole_file(file, bytes);
  CloseHandle(file);
  if (result.error == 0) result.document = ini_document::from_bytes(std::move(bytes));
  return result;
}

DWORD save_ini_file(const std::string& path, const ini_document& document) {
  return replace_file_atomically(path, document.bytes());
}

}  // namespace sy
