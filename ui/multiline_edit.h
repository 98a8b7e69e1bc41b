#pragma once
// A multi-line edit control that holds its text as UTF-16, whatever the
// system code page is: the caller decides how the text was decoded.
// Non-owning.

#include <windows.h>

#include <string>

namespace sy {

class multiline_edit {
 public:
  static multiline_edit create(HWND parent, int id, DWORD style, DWORD ex_style);
  multiline_edit() = default;

  // One call for the whole text: the control lays out its lines once.
  void set_text(const std::u16string& text) const { SendMessageW(handle_, WM_SETTEXT, 0, LPARAM(text.c_str())); }
  std::u16string text() const;
  void set_limit(UINT_PTR characters) const { SendMessageW(handle_, EM_LIMITTEXT, characters, 0); }
  void set_font(HFONT font) const { SendMessageW(handle_, WM_SETFONT, WPARAM(font), TRUE); }
  void move(int x, int y, int width, int height) const { MoveWindow(handle_, x, y, width, height, TRUE); }
  HWND handle() const { return handle_; }

 private:
  explicit multiline_edit(HWND handle) : handle_(handle) {}
  HWND handle_ = nullptr;
};

}  // namespace sy
