// sy_input_method_standin.exe <log-file> [<watched-file>]
//
// Plays the running input method: creates a hidden top-level window of class
// "SYCLASS_UI" and writes to <log-file> (created anew):
//   ready <window handle in decimal>        once the window exists
//   1124 <wParam> <lParam>[ <state>]        for every reload message
// Each line ends in CR LF and is on disk before the message returns, so a
// sender that has come back from SendMessage finds its line in the log.
// With <watched-file>, <state> tells what the input method would find when it
// reads that file now: its size in bytes, or "error <code>" when it cannot be
// opened while denying other writers (a sender still writing to it).
// WM_CLOSE ends the program with exit code 0.
#include "common/command_line.h"
#include "common/reload.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

HANDLE g_log = INVALID_HANDLE_VALUE;
std::string g_watched_file;

void log_line(const std::string& line) {
  const std::string text = line + "\r\n";
  DWORD written = 0;
  WriteFile(g_log, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  FlushFileBuffers(g_log);
}

std::string watched_file_state() {
  const HANDLE file =
      CreateFileA(g_watched_file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "error " + std::to_string(GetLastError());
  LARGE_INTEGER size{};
  GetFileSizeEx(file, &size);
  CloseHandle(file);
  return std::to_string(size.QuadPart);
}

LRESULT CALLBACK standin_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case sy::RELOAD_MESSAGE: {
      std::string line = std::to_string(message) + " " + std::to_string(wparam) + " " + std::to_string(lparam);
      if (!g_watched_file.empty()) line += " " + watched_file_state();
      log_line(line);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const char* command_line = GetCommandLineA();
  const std::string log_path = sy::command_line_argument(command_line, 1);
  g_watched_file = sy::command_line_argument(command_line, 2);
  if (log_path.empty()) return 2;
  g_log = CreateFileA(log_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (g_log == INVALID_HANDLE_VALUE) return 3;

  WNDCLASSA window_class{};
  window_class.lpfnWndProc = standin_procedure;
  window_class.hInstance = instance;
  window_class.lpszClassName = sy::INPUT_METHOD_WINDOW_CLASS;
  if (!RegisterClassA(&window_class)) return 4;
  // Hidden, like the input method's UI window while no text is typed;
  // FindWindowA finds hidden top-level windows as well.
  const HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, sy::INPUT_METHOD_WINDOW_CLASS, "", WS_POPUP, 0, 0, 10, 10,
                                      nullptr, nullptr, instance, nullptr);
  if (!window) return 5;
  log_line("ready " + std::to_string(reinterpret_cast<intptr_t>(window)));

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  CloseHandle(g_log);
  return 0;
}
