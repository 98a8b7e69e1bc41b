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

HWND create_recorder(const char* class_name) {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = record_messages;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.lpszClassName = class_name;
  RegisterClassA(&window_class);
  return CreateWindowExA(0, class_name, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
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

DWORD process_of(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  return id;
}

// Calls `test` for every top-level window until it returns true; returns that window.
template <typename Test>
HWND find_top_level(Test test) {
  struct search {
    Test* test;
    HWND found;
  } state{&test, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<search*>(data);
        if (!(*s->test)(window)) return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&state));
  return state.found;
}

std::vector<HWND> children_of(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(
      parent,
      [](HWND window, LPARAM data) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  return children;
}

}  // namespace

caller_window::caller_window() {
  g_received.clear();
  window_ = create_recorder("sy_test_caller");
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

std::string program_path() {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string path = self;
  return path.substr(0, path.find_last_of('\\') + 1) + "shuoyun.opt";
}

dialog_process::dialog_process(const std::string& arguments) {
  const std::string program = program_path();
  std::string command_line = "\"" + program + "\"";
  if (!arguments.empty()) command_line += " " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessA(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &info_))
    ADD_FAILURE() << "cannot start " << program << ": " << GetLastError();
}

dialog_process::~dialog_process() {
  if (!info_.hProcess) return;
  if (running()) {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool dialog_process::running() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND dialog_process::wait_for_window(DWORD timeout_ms) {
  const DWORD id = info_.dwProcessId;
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
  const DWORD end = GetTickCount() + timeout_ms;
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    const LONG left = static_cast<LONG>(end - GetTickCount());
    if (left <= 0) return false;
    const DWORD woke =
        MsgWaitForMultipleObjects(1, &info_.hProcess, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
    if (woke == WAIT_OBJECT_0) {
      GetExitCodeProcess(info_.hProcess, &exit_code_);
      return true;
    }
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
  const DWORD id = info_.dwProcessId;
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
