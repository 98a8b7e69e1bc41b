#pragma once
// A menu bar of command items only, no drop-down menus. Non-owning: once
// attached, the window destroys the menu with itself.

#include <windows.h>

namespace sy {

class menu_bar {
 public:
  static menu_bar create() { return menu_bar(CreateMenu()); }
  menu_bar() = default;

  // A top-level item that sends WM_COMMAND with `id` when chosen. The caption
  // is in the system code page.
  bool add_command(UINT id, const char* caption) const { return AppendMenuA(handle_, MF_STRING, id, caption) != 0; }
  bool attach_to(HWND window) const { return SetMenu(window, handle_) && DrawMenuBar(window); }
  HMENU handle() const { return handle_; }

 private:
  explicit menu_bar(HMENU handle) : handle_(handle) {}
  HMENU handle_ = nullptr;
};

}  // namespace sy
