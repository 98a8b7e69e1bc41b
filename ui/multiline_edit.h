#pragma once
// A multi-line edit control that holds its text as UTF-16, whatever the
// system code page is: the caller decides how the text was decoded.
// Non-owning.

#include <windows.h>

#include <string>
#include <string_view>

namespace sy {

class multiline_edit {
 public:
  static multiline_edit create(HWND parent, int id, DWORD style, DWORD ex_style);
  multiline_edit() = default;

  // One call for the whole text: the control lays out its lines once.
  void set_text(const std::u16string& text) const { SendMessageW(handle_, WM_SETTEXT, 0, LPARAM(text.c_str())); }
  std::u16string text() const;
  // Calls use(text) with the control's own buffer, read in place: a large
  // text is not copied. The view is valid only during the call.
  template <typename Use>
  auto with_text(Use use) const;
  void set_limit(UINT_PTR characters) const { SendMessageW(handle_, EM_LIMITTEXT, characters, 0); }
  void set_font(HFONT font) const { SendMessageW(handle_, WM_SETFONT, WPARAM(font), TRUE); }
  void move(int x, int y, int width, int height) const { MoveWindow(handle_, x, y, width, height, TRUE); }
  HWND handle() const { return handle_; }

 private:
  explicit multiline_edit(HWND handle) : handle_(handle) {}
  HWND handle_ = nullptr;
};

template <typename Use>
auto multiline_edit::with_text(Use use) const {
  const size_t length = size_t(SendMessageW(handle_, WM_GETTEXTLENGTH, 0, 0));
  const auto buffer = reinterpret_cast<HLOCAL>(SendMessageW(handle_, EM_GETHANDLE, 0, 0));
  const auto* text = static_cast<const char16_t*>(LocalLock(buffer));
  struct unlock {
    HLOCAL buffer;
    ~unlock() { LocalUnlock(buffer); }
  } unlock_after{buffer};
  return use(text ? std::u16string_view(text, length) : std::u16string_view());
}

}  // namespace sy
