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

HFONT create_font(int height) {
  return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "宋体");
}

// Our literals are GBK bytes; a message that must also show a character
// GBK cannot hold is built in UTF-16 from them.
std::u16string widen(const std::string& gbk) { return cp936_codec().decode(gbk); }

}  // namespace

void register_editor_window_class();

void editor_form::build_editor_form(std::string argument) {
  register_editor_window_class();
  file_argument = std::move(argument);
  constexpr DWORD STYLE = WS_OVERLAPPEDWINDOW;
  constexpr DWORD EX_STYLE = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
  RECT restored{200, 108, 200 + 688, 108 + 434};  // left, top and the client area's size
  AdjustWindowRectEx(&restored, STYLE, FALSE, EX_STYLE);
  restored.left = 200, restored.top = 108;
  main_window = CreateWindowExA(0, WINDOW_CLASS, TITLE, STYLE, restored.left, restored.top,
                                restored.right - restored.left, restored.bottom - restored.top,
                                nullptr, nullptr, GetModuleHandleA(nullptr), this);
  SetWindowLongPtrA(main_window, GWL_EXSTYLE, GetWindowLongPtrA(main_window, GWL_EXSTYLE) | EX_STYLE);
  SetWindowLongPtrA(main_window, GWL_STYLE,
                    GetWindowLongPtrA(main_window, GWL_STYLE) & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  SetWindowPos(main_window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);

  ShowWindow(main_window, SW_MAXIMIZE);

  HFONT window_font = create_font(12);
  SendMessageA(main_window, WM_SETFONT, WPARAM(window_font), FALSE);

  status_bar = sy::status_bar::create(main_window, STATUS_BAR_ID);
  SendMessageA(status_bar.handle(), WM_SETFONT, WPARAM(window_font), FALSE);
  status_bar.set_simple(true);
  status_bar.set_simple_text("朔云中文文件编辑器");

  // The only ways out are the two menu commands.
  DeleteMenu(GetSystemMenu(main_window, FALSE), SC_CLOSE, MF_BYCOMMAND);

  menu_bar = sy::menu_bar::create();
  menu_bar.add_command(SAVE_AND_EXIT_COMMAND, "存盘退出");
  menu_bar.add_command(DISCARD_AND_EXIT_COMMAND, "放弃退出");
  menu_bar.attach_to(main_window);

  text_area = multiline_edit::create(
      main_window, TEXT_AREA_ID, WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
      WS_EX_CLIENTEDGE);
  text_area.set_font(create_font(14));
  on_size();

  // Fixed at the maximised size: from here on WM_GETMINMAXINFO and
  // WM_NCHITTEST hold it there.
  RECT outer{};
  GetWindowRect(main_window, &outer);
  fixed_size = {outer.right - outer.left, outer.bottom - outer.top};
  SetWindowLongPtrA(main_window, GWL_STYLE, GetWindowLongPtrA(main_window, GWL_STYLE) | WS_THICKFRAME);

  load_file();

  SendMessageA(main_window, WM_SETICON, ICON_BIG, 0);
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
    MessageBoxA(main_window, "编辑器启动时没有指定文件，无法存盘。", INFORMATION, MB_OK | MB_ICONINFORMATION);
    return;
  }
  std::string bytes;
  {
    const gbk_codec::encode_result encoded = cp936_codec().encode(text_area.text());
    if (!encoded.ok()) {
      refuse_unencodable(encoded.bad_index, encoded.bad_line, encoded.bad_code_point);
      return;
    }
    bytes = file_bytes_from_text(encoded.bytes, tail);
  }
  if (!unchanged_on_disk_or_replace_confirmed()) return;
  write_file(file_argument, bytes);
  PostMessageA(main_window, WM_CLOSE, 0, 0);
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
  if (MessageBoxA(main_window, "文件尚未保存，确认放弃退出吗？    \r", INFORMATION, MB_YESNO | MB_ICONINFORMATION) ==
      IDYES) {
    PostMessageA(main_window, WM_CLOSE, 0, 0);
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
  return MessageBoxA(main_window,
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
  MessageBoxW(main_window, reinterpret_cast<const wchar_t*>(message.c_str()),
              reinterpret_cast<const wchar_t*>(widen(INFORMATION).c_str()), MB_OK | MB_ICONWARNING);
}

void editor_form::on_command(unsigned id) {
  switch (id) {
    case SAVE_AND_EXIT_COMMAND: save_and_exit(); break;
    case DISCARD_AND_EXIT_COMMAND: discard_and_exit(); break;
  }
}

LRESULT editor_form::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (lparam == 0) on_command(LOWORD(wparam));
      return 0;
    case WM_SIZE: on_size(); return 0;
    case WM_GETMINMAXINFO:
      if (fixed_size.cx != 0) {
        auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
        info->ptMinTrackSize = info->ptMaxTrackSize = {fixed_size.cx, fixed_size.cy};
      }
      return 0;
    case WM_NCHITTEST: {
      const LRESULT hit = DefWindowProcA(main_window, message, wparam, lparam);
      return fixed_size.cx != 0 && hit >= HTLEFT && hit <= HTBOTTOMRIGHT ? HTBORDER : hit;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcA(main_window, message, wparam, lparam);
}

namespace {

LRESULT CALLBACK editor_window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<editor_form*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    form->main_window = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, LONG_PTR(form));
  }
  auto* form = reinterpret_cast<editor_form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return form ? form->handle_message(message, wparam, lparam) : DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

void register_editor_window_class() {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = editor_window_procedure;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = WINDOW_CLASS;
  RegisterClassA(&window_class);
}

int run_editor(editor_form&) {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return int(msg.wParam);
}

void editor_form::on_size() {
  RECT client{};
  GetClientRect(main_window, &client);
  status_bar.follow_parent();
  text_area.move(0, 0, client.right, client.bottom - status_bar.height());
}

}  // namespace sy
