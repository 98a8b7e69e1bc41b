#include "tests/wine/editor/editor_process.h"

#include <gtest/gtest.h>
#include <commctrl.h>

namespace sy_test {
namespace {

// Polls `find` until it gives a window, the process ends or the time is up.
template <typename Find>
HWND poll(const editor_process& process, DWORD timeout_ms, Find find) {
  const DWORD end = GetTickCount() + timeout_ms;
  for (;;) {
    if (HWND found = find()) return found;
    if (!process.running() || static_cast<LONG>(end - GetTickCount()) <= 0) return nullptr;
    Sleep(20);
  }
}

}  // namespace

editor_process::editor_process(const std::string& arguments, const std::string& work_dir)
    : process_(bin_dir() + "edit.exe", arguments, work_dir) {}

HWND editor_process::wait_until_ready(DWORD timeout_ms) {
  // Input-idle comes when the message loop first waits, which is after the
  // file was loaded (or when a fatal error box waits for its answer).
  WaitForInputIdle(process_.handle(), timeout_ms);
  const DWORD id = process_.id();
  main_window_ = poll(*this, timeout_ms, [id] {
    return find_top_level([id](HWND w) {
      return process_of(w) == id && IsWindowVisible(w) && class_of(w) != "#32770" && GetMenu(w) != nullptr;
    });
  });
  return main_window_;
}

HWND editor_process::text_area() const { return FindWindowExA(main_window_, nullptr, "Edit", nullptr); }

std::u16string editor_process::text() const {
  HWND edit = text_area();
  const LRESULT length = SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
  std::u16string text(size_t(length) + 1, u'\0');
  const LRESULT copied = SendMessageW(edit, WM_GETTEXT, WPARAM(text.size()), LPARAM(&text[0]));
  text.resize(size_t(copied));
  return text;
}

size_t editor_process::status_length() const {
  HWND bar = FindWindowExA(main_window_, nullptr, "msctls_statusbar32", nullptr);
  return LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 0, 0));
}

void editor_process::type_text(const std::u16string& text) const {
  HWND edit = text_area();
  for (char16_t ch : text) SendMessageW(edit, WM_CHAR, WPARAM(ch), 1);
}

void editor_process::choose(UINT command) const {
  PostMessageA(main_window_, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

HWND editor_process::find_box(const std::string& caption) const {
  const DWORD id = process_.id();
  return find_top_level([&](HWND w) {
    return process_of(w) == id && class_of(w) == "#32770" && window_text(w) == caption;
  });
}

HWND editor_process::wait_for_box(const std::string& caption, DWORD timeout_ms) const {
  return poll(*this, timeout_ms, [&] { return find_box(caption); });
}

std::string box_text(HWND box) {
  constexpr int MESSAGE_TEXT_ID = 0xFFFF;  // the static control of a message box
  char text[1024] = {};
  GetDlgItemTextA(box, MESSAGE_TEXT_ID, text, sizeof text);
  return text;
}

void press_box_button(HWND box, int id) { PostMessageA(GetDlgItem(box, id), BM_CLICK, 0, 0); }

}  // namespace sy_test
