#include "tests/wine/settings_load_save/product_install.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace sy_test {
namespace {

constexpr char PRODUCT_KEY[] = "SOFTWARE\\朔云中文";

void remove_tree(const std::string& dir) {
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = dir + "\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        remove_tree(path);
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
  }
  RemoveDirectoryA(dir.c_str());
}

}  // namespace

product_install::product_install() {
  static int counter = 0;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  root_ = std::string(temp) + "sy_settings_" + std::to_string(GetCurrentProcessId()) + "_" +
          std::to_string(++counter);
  directory_ = root_ + "\\朔云中文";
  CreateDirectoryA(root_.c_str(), nullptr);
  if (!CreateDirectoryA(directory_.c_str(), nullptr))
    ADD_FAILURE() << "cannot create " << directory_ << ": " << GetLastError();
}

product_install::~product_install() {
  remove_registry_key();
  remove_tree(root_);
}

void product_install::write_file(const std::string& name, const std::string& bytes) const {
  HANDLE file = CreateFileA(path_of(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << name;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  ASSERT_EQ(written, bytes.size());
}

std::string file_bytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

bool product_install::file_exists(const std::string& name) const {
  return GetFileAttributesA(path_of(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void product_install::add_skins(const std::vector<std::string>& names) const {
  CreateDirectoryA(path_of("skin").c_str(), nullptr);
  for (const std::string& name : names) write_file("skin\\" + name, "[skin]\r\n");
}

void product_install::set_read_only(const std::string& name, bool read_only) const {
  SetFileAttributesA(path_of(name).c_str(),
                     read_only ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

void product_install::register_directory(const char* value_name) const {
  register_value(value_name, directory_);
}

void product_install::register_value(const char* value_name, const std::string& text) const {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, PRODUCT_KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, value_name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>(text.size() + 1));
  RegCloseKey(key);
}

void product_install::remove_registry_key() { RegDeleteKeyA(HKEY_LOCAL_MACHINE, PRODUCT_KEY); }

}  // namespace sy_test
