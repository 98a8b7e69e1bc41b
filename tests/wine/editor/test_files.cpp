#include "tests/wine/editor/test_files.h"

#include <gtest/gtest.h>

namespace sy_test {
namespace {

void remove_tree(const std::string& path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        remove_tree(child);
      } else {
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

}  // namespace

scratch_dir::scratch_dir() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  static unsigned counter = 0;
  path_ = std::string(temp) + "sy_editor_" + std::to_string(GetCurrentProcessId()) + "_" +
          std::to_string(++counter);
  remove_tree(path_);
  make_dir(path_);
}

scratch_dir::~scratch_dir() { remove_tree(path_); }

void make_dir(const std::string& path) {
  if (!CreateDirectoryA(path.c_str(), nullptr)) ADD_FAILURE() << "cannot create " << path;
}

void write_bytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot create " << path << ": error " << GetLastError();
  DWORD written = 0;
  const BOOL ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
  CloseHandle(file);
  ASSERT_TRUE(ok && written == bytes.size()) << "cannot write " << path;
}

std::string read_bytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    ADD_FAILURE() << "cannot open " << path << ": error " << GetLastError();
    return "";
  }
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  if (!bytes.empty()) ReadFile(file, &bytes[0], DWORD(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
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
