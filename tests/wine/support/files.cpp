#include "tests/wine/support/files.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace sy_test {

temp_directory::temp_directory(const std::string& prefix) {
  char base[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, base);
  static unsigned counter = 0;
  // Process ids come round again, and a run that was killed leaves its directory behind.
  do {
    path_ = std::string(base) + prefix + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter);
  } while (!CreateDirectoryA(path_.c_str(), nullptr) && GetLastError() == ERROR_ALREADY_EXISTS);
  if (GetFileAttributesA(path_.c_str()) == INVALID_FILE_ATTRIBUTES) ADD_FAILURE() << "cannot create " << path_;
}

temp_directory::~temp_directory() { remove_tree(path_); }

std::vector<std::string> names_in(const std::string& directory) {
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

void remove_tree(const std::string& directory) {
  for (const std::string& name : names_in(directory)) {
    const std::string path = directory + "\\" + name;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileA(path.c_str())) remove_tree(path);
  }
  RemoveDirectoryA(directory.c_str());
}

std::optional<std::string> file_contents(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

std::string read_file(const std::string& path) { return file_contents(path).value_or("<missing>"); }

bool write_file(const std::string& path, const std::string& bytes) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
  CloseHandle(file);
  return ok;
}

void make_dir(const std::string& path) {
  if (!CreateDirectoryA(path.c_str(), nullptr)) ADD_FAILURE() << "cannot create " << path;
}

void write_bytes(const std::string& path, const std::string& bytes) {
  ASSERT_TRUE(write_file(path, bytes)) << "cannot write " << path << ": error " << GetLastError();
}

std::string read_bytes(const std::string& path) {
  std::optional<std::string> bytes = file_contents(path);
  if (!bytes) {
    ADD_FAILURE() << "cannot open " << path << ": error " << GetLastError();
    return "";
  }
  return *bytes;
}

uint64_t write_time_of(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return uint64_t(data.ftLastWriteTime.dwHighDateTime) << 32 | data.ftLastWriteTime.dwLowDateTime;
}

void set_write_time(const std::string& path, uint64_t time) {
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot open " << path;
  FILETIME ft{DWORD(time & 0xFFFFFFFF), DWORD(time >> 32)};
  const BOOL ok = SetFileTime(file, nullptr, nullptr, &ft);
  CloseHandle(file);
  ASSERT_TRUE(ok) << "cannot set the time of " << path;
}

bool file_exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace sy_test
