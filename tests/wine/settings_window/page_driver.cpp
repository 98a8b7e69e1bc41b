// Selects a page of the running settings dialog from outside, as a click on
// its tab does, and prints the dialog's outer rectangle on the screen:
//   sy_settings_page_driver [--desktop=NAME] <outer tab 0-3> [<inner tab 0-3>]
// --desktop looks for the dialog on that desktop (a Wine virtual desktop is
// one of its own) instead of this process's.
// A click is posted at the middle of the tab, whose place is asked of the tab
// control through memory lent in the dialog's process.

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

HWND find_dialog() {
  for (int waited = 0; waited < 20000; waited += 100) {
    HWND window = FindWindowA("sy_settings_window", nullptr);
    if (window && IsWindowVisible(window)) return window;
    Sleep(100);
  }
  return nullptr;
}

HWND tab_control_of(HWND parent) { return FindWindowExA(parent, nullptr, WC_TABCONTROLA, nullptr); }

bool click_tab(HWND tabs, int index) {
  DWORD process_id = 0;
  GetWindowThreadProcessId(tabs, &process_id);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process_id);
  if (!process) return false;
  void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
  RECT item{};
  bool found = remote && SendMessageA(tabs, TCM_GETITEMRECT, WPARAM(index), LPARAM(remote)) &&
               ReadProcessMemory(process, remote, &item, sizeof item, nullptr);
  if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  if (!found) return false;
  const LPARAM middle = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, middle);
  SendMessageA(tabs, WM_LBUTTONUP, 0, middle);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int first = 1;
  const std::string desktop_option = "--desktop=";
  if (argc > 1 && std::string(argv[1]).compare(0, desktop_option.size(), desktop_option) == 0) {
    HDESK desktop = OpenDesktopA(argv[1] + desktop_option.size(), 0, FALSE, GENERIC_ALL);
    if (!desktop || !SetThreadDesktop(desktop)) {
      std::fprintf(stderr, "cannot use desktop %s\n", argv[1] + desktop_option.size());
      return 1;
    }
    ++first;
  }
  if (argc - first < 1) {
    std::fprintf(stderr, "usage: %s [--desktop=NAME] <outer tab> [<inner tab>]\n", argv[0]);
    return 2;
  }
  argv += first - 1;
  argc -= first - 1;
  HWND dialog = find_dialog();
  if (!dialog) {
    std::fprintf(stderr, "no settings dialog\n");
    return 1;
  }
  HWND outer = tab_control_of(dialog);
  if (!click_tab(outer, std::atoi(argv[1]))) return 1;
  if (argc > 2) {
    // The inner tabs live on the first outer page.
    HWND first_page = FindWindowExA(outer, nullptr, nullptr, nullptr);
    HWND inner = nullptr;
    for (HWND page = first_page; page && !inner; page = GetWindow(page, GW_HWNDNEXT)) inner = tab_control_of(page);
    if (!inner || !click_tab(inner, std::atoi(argv[2]))) return 1;
  }
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RECT r{};
  GetWindowRect(dialog, &r);
  std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return 0;
}
