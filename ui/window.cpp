#include "ui/window.h"

#include "ui/controls.h"

namespace sy {

namespace {

constexpr int OBJECT_SLOT = 0;  // window extra bytes: GWLP_USERDATA stays the window's tag

// Halving that rounds down for negative numbers too, so that a window larger
// than the screen still lands where the arithmetic says.
int floor_half(int n) { return n >= 0 ? n / 2 : -((1 - n) / 2); }

}  // namespace

top_window::~top_window() {
  destroy();
  if (font_) DeleteObject(font_);
}

bool top_window::create(message_handler& handler, const char* class_name, const char* caption) {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = procedure;
  window_class.cbWndExtra = sizeof(LONG_PTR);
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = class_name;
  RegisterClassA(&window_class);  // fails harmlessly when the class exists

  handler_ = &handler;
  return CreateWindowExA(WS_EX_CONTROLPARENT, class_name, caption,
                         WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleA(nullptr), this) != nullptr;
}

void top_window::destroy() {
  if (handle_ && IsWindow(handle_)) DestroyWindow(handle_);
  handle_ = nullptr;
}

void top_window::set_client_size(int width, int height) const {
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, DWORD(GetWindowLongPtrA(handle_, GWL_STYLE)), GetMenu(handle_) != nullptr,
                     DWORD(GetWindowLongPtrA(handle_, GWL_EXSTYLE)));
  SetWindowPos(handle_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void top_window::change_style(LONG_PTR add, LONG_PTR remove) const {
  SetWindowLongPtrA(handle_, GWL_STYLE, (GetWindowLongPtrA(handle_, GWL_STYLE) | add) & ~remove);
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void top_window::change_ex_style(LONG_PTR add, LONG_PTR remove) const {
  SetWindowLongPtrA(handle_, GWL_EXSTYLE, (GetWindowLongPtrA(handle_, GWL_EXSTYLE) | add) & ~remove);
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void top_window::set_font(const char* face, int height) {
  if (font_) DeleteObject(font_);
  LOGFONTA font{};
  font.lfHeight = height;
  font.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
  font_ = CreateFontIndirectA(&font);
  SendMessageA(handle_, WM_SETFONT, WPARAM(font_), FALSE);
}

void top_window::remove_close_item() const { DeleteMenu(GetSystemMenu(handle_, FALSE), SC_CLOSE, MF_BYCOMMAND); }

void top_window::centre_on_screen() const {
  RECT r{};
  GetWindowRect(handle_, &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  SetWindowPos(handle_, nullptr, floor_half(GetSystemMetrics(SM_CXSCREEN) - width),
               floor_half(GetSystemMetrics(SM_CYSCREEN) - height), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void top_window::fix_size() {
  RECT r{};
  GetWindowRect(handle_, &r);
  fixed_size_ = {r.right - r.left, r.bottom - r.top};
}

int top_window::run_message_loop() const {
  ShowWindow(handle_, SW_SHOW);
  for (;;) {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return int(message.wParam);
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    WaitMessage();
  }
}

LRESULT CALLBACK top_window::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<top_window*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    self->handle_ = window;
    SetWindowLongPtrA(window, OBJECT_SLOT, LONG_PTR(self));
  }
  auto* self = reinterpret_cast<top_window*>(GetWindowLongPtrA(window, OBJECT_SLOT));
  if (!self) return DefWindowProcA(window, message, wparam, lparam);
  const LRESULT result = self->dispatch(message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, OBJECT_SLOT, 0);
    self->handle_ = nullptr;
  }
  return result;
}

LRESULT top_window::dispatch(UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  switch (message) {
    case WM_GETFONT:
      return LRESULT(font_);
    case WM_GETMINMAXINFO:
      if (fixed_size_.cx != 0) {
        auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
        info->ptMinTrackSize = info->ptMaxTrackSize = {fixed_size_.cx, fixed_size_.cy};
        return 0;
      }
      break;
    case WM_NCHITTEST:
      if (fixed_size_.cx != 0) {
        const LRESULT hit = DefWindowProcA(handle_, message, wparam, lparam);
        return hit >= HTLEFT && hit <= HTBOTTOMRIGHT ? HTBORDER : hit;
      }
      break;
  }
  if (handle_control_message(message, wparam, lparam, result)) return result;
  if (handler_->handle_message(message, wparam, lparam, result)) return result;
  return DefWindowProcA(handle_, message, wparam, lparam);
}

}  // namespace sy
