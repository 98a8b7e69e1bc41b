#include "tests/wine/settings_e2e/dialog_process.h"

#include <gtest/gtest.h>

namespace sy_test {
namespace {

std::vector<received_message> g_received;

LRESULT CALLBACK record_messages(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message >= WM_USER) {
    g_received.push_back({message, wparam, lparam});
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

caller_window::caller_window() {
  g_received.clear();
  window_ = create_window_of_class("sy_test_caller", record_messages, WS_OVERLAPPED);
}

caller_window::~caller_window() {
  DestroyWindow(window_);
  g_received.clear();
}

const std::vector<received_message>& caller_window::received() const { return g_received; }

void pump_messages_for(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    const LONG left = static_cast<LONG>(end - GetTickCount());
    if (left <= 0) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
  }
}

std::string program_path() { return bin_dir() + "shuoyun.opt"; }

dialog_process::dialog_process(const std::string& arguments) : process_(program_path(), arguments) {}

HWND dialog_process::wait_for_window(DWORD timeout_ms) {
  const DWORD id = process_.id();
  const DWORD end = GetTickCount() + timeout_ms;
  while (static_cast<LONG>(end - GetTickCount()) > 0 && running()) {
    window_ = find_top_level([id](HWND w) {
      return process_of(w) == id && IsWindowVisible(w) &&
             window_text(w).rfind("朔云中文系统设置", 0) == 0;
    });
    if (window_) return window_;
    pump_messages_for(50);
  }
  return nullptr;
}

bool dialog_process::wait_for_exit(DWORD timeout_ms) {
  HANDLE process = process_.handle();
  const DWORD end = GetTickCount() + timeout_ms;
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    const LONG left = static_cast<LONG>(end - GetTickCount());
    if (left <= 0) return false;
    const DWORD woke =
        MsgWaitForMultipleObjects(1, &process, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
    if (woke == WAIT_OBJECT_0) return process_.wait_for_exit(0);
  }
}

HWND dialog_process::find_control(const char* class_name, const std::string& caption) const {
  for (HWND child : children_of(window_))
    if (_stricmp(class_of(child).c_str(), class_name) == 0 && window_text(child) == caption)
      return child;
  return nullptr;
}

HWND dialog_process::find_list(const std::string& group_caption) const {
  HWND group = find_control("Button", group_caption);
  return group ? FindWindowExA(group, nullptr, "ComboBox", nullptr) : nullptr;
}

void dialog_process::press(const std::string& caption) const {
  HWND button = find_control("Button", caption);
  ASSERT_NE(button, nullptr) << "no button " << caption;
  PostMessageA(button, BM_CLICK, 0, 0);
}

HWND dialog_process::wait_for_message_box(DWORD timeout_ms) const {
  const DWORD id = process_.id();
  HWND owner = window_;
  const DWORD end = GetTickCount() + timeout_ms;
  while (static_cast<LONG>(end - GetTickCount()) > 0 && running()) {
    HWND box = find_top_level([id, owner](HWND w) {
      return process_of(w) == id && class_of(w) == "#32770" && GetWindow(w, GW_OWNER) == owner;
    });
    if (box) return box;
    pump_messages_for(50);
  }
  return nullptr;
}

std::string dialog_process::texts_of(HWND window) {
  std::string texts;
  for (HWND child : children_of(window))
    if (_stricmp(class_of(child).c_str(), "Static") == 0) texts += window_text(child) + "\n";
  return texts;
}

}  // namespace sy_test
