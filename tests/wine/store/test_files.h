#pragma once
// Real files for the store's Wine tests: a fresh directory per test, removed
// with everything in it afterwards, and whole-file reads and writes that do
// not go through the code under test.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace sy_test {

// Tests that assert how Wine itself behaves check this first.
inline bool running_under_wine() {
  return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

inline bool write_file(const std::string& path, const std::string& bytes) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
  CloseHandle(file);
  return ok;
}

// The file's bytes, or "<missing>" when it cannot be opened.
inline std::string read_file(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

// The names in a directory, sorted, without "." and "..".
inline std::vector<std::string> names_in(const std::string& directory) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

inline void remove_tree(const std::string& directory) {
  for (const std::string& name : names_in(directory)) {
    const std::string path = directory + "\\" + name;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileA(path.c_str())) remove_tree(path);
  }
  RemoveDirectoryA(directory.c_str());
}

// A new empty directory below the temporary directory, removed on
// destruction with all it holds (read-only files included).
class temp_directory {
 public:
  temp_directory() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
      path_ = std::string(base) + "sy_store_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter);
      if (CreateDirectoryA(path_.c_str(), nullptr) || GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
  }
  ~temp_directory() { remove_tree(path_); }
  temp_directory(const temp_directory&) = delete;
  temp_directory& operator=(const temp_directory&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

}  // namespace sy_test
