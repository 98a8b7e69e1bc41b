#pragma once
// A status bar along the bottom of its parent. In simple mode it shows one
// text field across its whole width. Non-owning.

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace sy {

class status_bar {
 public:
  static status_bar create(HWND parent, int id);
  status_bar() = default;

  void set_simple(bool simple) const { SendMessageA(handle_, SB_SIMPLE, simple, 0); }
  // The simple field's text, in the system code page.
  void set_simple_text(const char* text) const { SendMessageA(handle_, SB_SETTEXTA, SB_SIMPLEID, LPARAM(text)); }
  std::string simple_text() const;
  // The bar places itself at the bottom of its parent when told the parent's size changed.
  void follow_parent() const { SendMessageA(handle_, WM_SIZE, 0, 0); }
  int height() const;
  HWND handle() const { return handle_; }

 private:
  explicit status_bar(HWND handle) : handle_(handle) {}
  HWND handle_ = nullptr;
};

}  // namespace sy
