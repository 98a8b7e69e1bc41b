#include "tests/wine/settings_window/test_support.h"

#include "common/install_paths.h"

#include <gtest/gtest.h>

namespace sy_test {

namespace {

void remove_tree(const std::string& directory) {
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = directory + "\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        remove_tree(path);
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
  }
  RemoveDirectoryA(directory.c_str());
}

HKEY open_key_for_writing() {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, sy::PRODUCT_KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  return key;
}

}  // namespace

temp_install::temp_install() {
  static int counter = 0;
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  // Process ids come round again, and a run that was killed leaves its directory behind.
  do {
    directory_ = std::string(temp) + "sy_window_" + std::to_string(GetCurrentProcessId()) + "_" +
                 std::to_string(++counter);
  } while (!CreateDirectoryA(directory_.c_str(), nullptr) && GetLastError() == ERROR_ALREADY_EXISTS);
  if (GetFileAttributesA(directory_.c_str()) == INVALID_FILE_ATTRIBUTES) ADD_FAILURE() << "cannot create " << directory_;

  HKEY existing = nullptr;
  key_existed_ = RegOpenKeyExA(HKEY_LOCAL_MACHINE, sy::PRODUCT_KEY, 0, KEY_READ, &existing) == ERROR_SUCCESS;
  if (key_existed_) {
    for (saved_value& value : saved_) {
      DWORD size = 0;
      value.present = RegQueryValueExA(existing, value.name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS;
      value.data.resize(size);
      if (value.present && size) {
        RegQueryValueExA(existing, value.name, nullptr, &value.type, reinterpret_cast<BYTE*>(&value.data[0]), &size);
      }
    }
    RegCloseKey(existing);
  }
  HKEY key = open_key_for_writing();
  if (!key) ADD_FAILURE() << "cannot write the product key";
  RegSetValueExA(key, "系统目录", 0, REG_SZ, reinterpret_cast<const BYTE*>(directory_.c_str()), DWORD(directory_.size() + 1));
  RegCloseKey(key);
}

temp_install::~temp_install() {
  if (!key_existed_) {
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, sy::PRODUCT_KEY);
  } else if (HKEY key = open_key_for_writing()) {
    for (const saved_value& value : saved_) {
      if (value.present) {
        RegSetValueExA(key, value.name, 0, value.type, reinterpret_cast<const BYTE*>(value.data.data()),
                       DWORD(value.data.size()));
      } else {
        RegDeleteValueA(key, value.name);
      }
    }
    RegCloseKey(key);
  }
  remove_tree(directory_);
}

void temp_install::write_file(const std::string& name, const std::string& bytes) const {
  HANDLE file = CreateFileA((directory_ + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << name;
  DWORD written = 0;
  WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
  CloseHandle(file);
  ASSERT_EQ(written, bytes.size());
}

std::string temp_install::read_file(const std::string& name) const {
  HANDLE file = CreateFileA((directory_ + "\\" + name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

bool pump_messages() {
  bool quit = false;
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quit = true;
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return quit;
}

bool pump_messages_for(DWORD ms) {
  bool quit = false;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    quit |= pump_messages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return quit;
}

std::unique_ptr<sy::settings_form> build_dialog(const std::string& arguments) {
  auto form = sy::build_settings_window("shuoyun.opt " + arguments);
  pump_messages();
  return form;
}

RECT rect_in_parent(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  POINT origin{0, 0};
  ClientToScreen(GetParent(window), &origin);
  OffsetRect(&r, -origin.x, -origin.y);
  return r;
}

std::string window_text(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string class_of(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

void show_now(const sy::settings_form& form) {
  ShowWindow(form.settings_window.handle(), SW_SHOWNOACTIVATE);
  RedrawWindow(form.settings_window.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  pump_messages();
}

void click_at(HWND window, int x, int y) {
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  pump_messages();
}

void click(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  click_at(window, client.right / 2, client.bottom / 2);
}

}  // namespace sy_test
