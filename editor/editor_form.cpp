#include "editor/editor_form.h"

#include "common/reload.h"
#include "common/win/atomic_file.h"
#include "common/win/win_window_system.h"
#include "editor/core/editor_text.h"
#include "editor/cp936_win.h"
#include "editor/editor_commands.h"
#include "editor/fatal_error_win.h"

#include <cstdio>
#include <utility>

namespace sy {
namespace {

constexpr int TEXT_AREA_ID = 100;
constexpr int STATUS_BAR_ID = 101;
constexpr UINT_PTR LARGEST_TEXT = 0x7FFFFFFF;  // the control's own limit would cut a large table short
constexpr char WINDOW_CLASS[] = "sy_editor_window";
constexpr char TITLE[] = "朔云中文";
constexpr char INFORMATION[] = "信息";

HFONT create_font(int height, BYTE quality = DEFAULT_QUALITY) {
  return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, quality, DEFAULT_PITCH | FF_DONTCARE, "宋体");
}

// The quality that the system's font smoothing gives a default-quality font
// anyway, named outright. Wine's edit control selects its font again for
// every line it measures, and a font of default quality has to look up the
// smoothing each time; with the quality named, a large table shows in about
// three quarters of the time, and looks the same.
BYTE system_font_quality() {
  BOOL smoothing = FALSE;
  UINT type = 0;
  if (!SystemParametersInfoA(SPI_GETFONTSMOOTHING, 0, &smoothing, 0)) return DEFAULT_QUALITY;
  if (!smoothing) return NONANTIALIASED_QUALITY;
  if (!SystemParametersInfoA(SPI_GETFONTSMOOTHINGTYPE, 0, &type, 0)) return DEFAULT_QUALITY;
  return type == FE_FONTSMOOTHINGSTANDARD ? ANTIALIASED_QUALITY : DEFAULT_QUALITY;
}

// Our literals are GBK bytes; a message that must also show a character
// GBK cannot hold is built in UTF-16 from them.
std::u16string widen(const std::string& gbk) { return cp936_codec().decode(gbk); }

}  // namespace

editor_form::~editor_form() {
  main_window.destroy();
  if (text_font) DeleteObject(text_font);
}

void editor_form::build_editor_form(std::string argument) {
  file_argument = std::move(argument);
  main_window.create(*this, WINDOW_CLASS, TITLE);
  HWND window = main_window.handle();
  SetWindowPos(window, nullptr, 200, 108, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  main_window.set_client_size(688, 434);

  main_window.change_ex_style(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE, 0);
  main_window.change_style(0, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);

  ShowWindow(window, SW_MAXIMIZE);

  main_window.set_font("宋体", 12);

  status_bar = sy::status_bar::create(window, STATUS_BAR_ID);
  SendMessageA(status_bar.handle(), WM_SETFONT, WPARAM(main_window.font()), FALSE);
  status_bar.set_simple(true);
  status_bar.set_simple_text("朔云中文文件编辑器");

  // The only ways out are the two menu commands.
  main_window.remove_close_item();

  menu_bar = sy::menu_bar::create();
  menu_bar.add_command(SAVE_AND_EXIT_COMMAND, "存盘退出");
  menu_bar.add_command(DISCARD_AND_EXIT_COMMAND, "放弃退出");
  menu_bar.attach_to(window);

  text_area = multiline_edit::create(
      window, TEXT_AREA_ID, WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
  text_font = create_font(14, system_font_quality());
  text_area.set_font(text_font);
  on_size();

  // Fixed at the maximised size it has now.
  main_window.change_style(WS_THICKFRAME, 0);
  main_window.fix_size();

  load_file();

  main_window.clear_big_icon();
}

void editor_form::load_file() {
  text_area.set_text(u"");
  text_area.set_limit(LARGEST_TEXT);
  if (file_argument.empty()) return;

  std::u16string text;
  {
    file_contents file = read_whole_file(file_argument);
    if (file.error != 0) fail_with_file_error(file.error, "load_file");
    loaded = file.stamp;
    loaded_text shown = text_from_file_bytes(file.bytes);
    std::string().swap(file.bytes);  // a large table: hold as few copies as possible
    tail = std::move(shown.tail);
    text = cp936_codec().decode(shown.text);
  }
  text_area.set_text(text);
  status_bar.set_simple_text(("当前文件：" + file_argument).c_str());
}

void editor_form::save_and_exit() {
  if (file_argument.empty()) {
    MessageBoxA(main_window.handle(), "编辑器启动时没有指定文件，无法存盘。", INFORMATION, MB_OK | MB_ICONINFORMATION);
    return;
  }
  std::string bytes;
  {
    gbk_codec::encode_result encoded =
        text_area.with_text([](std::u16string_view text) { return cp936_codec().encode(text); });
    if (!encoded.ok()) {
      refuse_unencodable(encoded.bad_index, encoded.bad_line, encoded.bad_code_point);
      return;
    }
    // The text as the control holds it, then the part after 0x1A that was
    // never shown (file_bytes_from_text), without copying a large table.
    bytes = std::move(encoded.bytes);
    bytes += tail;
  }
  if (!unchanged_on_disk_or_replace_confirmed()) return;
  write_file(file_argument, bytes);
  PostMessageA(main_window.handle(), WM_CLOSE, 0, 0);
}

void editor_form::write_file(const std::string& name, std::string_view bytes) {
  // Never truncate first: the old content stays until the new one is
  // complete on disk, so a failure here loses nothing.
  const DWORD error = replace_file_atomically(name, bytes);
  if (error != 0) fail_with_file_error(error, "write_file");
  win_window_system windows;
  notify_file_reload(windows, name);
}

void editor_form::discard_and_exit() {
  if (MessageBoxA(main_window.handle(), "文件尚未保存，确认放弃退出吗？    \r", INFORMATION, MB_YESNO | MB_ICONINFORMATION) ==
      IDYES) {
    PostMessageA(main_window.handle(), WM_CLOSE, 0, 0);
  }
}

bool editor_form::unchanged_on_disk_or_replace_confirmed() {
  file_stamp now;
  const DWORD error = read_file_stamp(file_argument, now);
  if (error == 0 && now == loaded) return true;
  // A file that was deleted or moved away meanwhile is a change like any
  // other; a file we cannot read now could not be written either.
  if (error != 0 && error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
    fail_with_file_error(error, "write_file");
  }
  return MessageBoxA(main_window.handle(),
                     "另一个程序在文件打开后修改了它。\r\n存盘将替换那些修改，确认存盘吗？",
                     INFORMATION, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

void editor_form::refuse_unencodable(size_t index, size_t line, char32_t code_point) {
  char before[64], after[128];
  std::snprintf(before, sizeof before, "第 %zu 行的字符“", line);
  std::snprintf(after, sizeof after, "”（U+%04X）不能以 GBK 存盘。\r\n请改掉这个字符后再存盘。",
                static_cast<unsigned>(code_point));
  std::u16string message = widen(before);
  if (code_point >= 0x10000) {
    message += char16_t(0xD800 + ((code_point - 0x10000) >> 10));
    message += char16_t(0xDC00 + ((code_point - 0x10000) & 0x3FF));
  } else {
    message += char16_t(code_point);
  }
  message += widen(after);
  // Show the user where it is.
  const size_t units = code_point >= 0x10000 ? 2 : 1;
  SendMessageW(text_area.handle(), EM_SETSEL, index, index + units);
  SendMessageW(text_area.handle(), EM_SCROLLCARET, 0, 0);
  MessageBoxW(main_window.handle(), reinterpret_cast<const wchar_t*>(message.c_str()),
              reinterpret_cast<const wchar_t*>(widen(INFORMATION).c_str()), MB_OK | MB_ICONWARNING);
}

void editor_form::on_command(unsigned id) {
  switch (id) {
    case SAVE_AND_EXIT_COMMAND: save_and_exit(); break;
    case DISCARD_AND_EXIT_COMMAND: discard_and_exit(); break;
  }
}

bool editor_form::handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_COMMAND:
      if (lparam != 0) return false;  // a control's notification, not a menu command
      on_command(LOWORD(wparam));
      return true;
    case WM_SIZE: on_size(); return true;
    case WM_DESTROY: PostQuitMessage(0); return true;
  }
  return false;
}

void editor_form::on_size() {
  RECT client{};
  GetClientRect(main_window.handle(), &client);
  status_bar.follow_parent();
  text_area.move(0, 0, client.right, client.bottom - status_bar.height());
}

}  // namespace sy
