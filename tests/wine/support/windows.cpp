#include "tests/wine/support/windows.h"

namespace sy_test {

std::string window_text(HWND window) {
  char text[1024] = {};
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

HWND create_window_of_class(const char* class_name, WNDPROC procedure, DWORD style) {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.lpszClassName = class_name;
  RegisterClassA(&window_class);  // fails harmlessly when already registered
  return CreateWindowExA(0, class_name, "", style, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
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

bool running_under_wine() {
  return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

testing::AssertionResult tracking_size_is_fixed(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  const LONG width = outer.right - outer.left, height = outer.bottom - outer.top;
  MINMAXINFO limits{};
  SendMessageA(window, WM_GETMINMAXINFO, 0, LPARAM(&limits));
  if (limits.ptMinTrackSize.x == width && limits.ptMaxTrackSize.x == width && limits.ptMinTrackSize.y == height &&
      limits.ptMaxTrackSize.y == height)
    return testing::AssertionSuccess();
  return testing::AssertionFailure() << "outer size " << width << "x" << height << ", tracking sizes from "
                                     << limits.ptMinTrackSize.x << "x" << limits.ptMinTrackSize.y << " to "
                                     << limits.ptMaxTrackSize.x << "x" << limits.ptMaxTrackSize.y;
}

}  // namespace sy_test
