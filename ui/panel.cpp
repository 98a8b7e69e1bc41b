// Panels: plain containers of this layer's own window class. A panel fills
// itself with its background colour (its own, else its parents'), lets its
// top-level window paint on it, and passes its children's notifications on.

#include "ui/controls.h"
#include "ui/layer_internal.h"

namespace sy {

namespace {

constexpr char PANEL_CLASS[] = "sy_panel";

LRESULT CALLBACK panel_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  bool handled = false;
  const LRESULT passed = pass_to_top_window(window, message, wparam, lparam, handled);
  if (handled) return passed;
  switch (message) {
    case WM_ERASEBKGND:
      fill_background(window, reinterpret_cast<HDC>(wparam));
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(window, &paint);
      SendMessageA(GetAncestor(window, GA_ROOT), CONTROL_PAINT, WPARAM(dc), LPARAM(window));
      EndPaint(window, &paint);
      return 0;
    }
    case WM_NCDESTROY:
      remove_layer_properties(window);
      break;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

void register_panel_class() {
  static const bool registered = [] {
    WNDCLASSA panel_class{};
    panel_class.lpfnWndProc = panel_procedure;
    panel_class.hInstance = GetModuleHandleA(nullptr);
    panel_class.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    panel_class.lpszClassName = PANEL_CLASS;
    return RegisterClassA(&panel_class) != 0;
  }();
  (void)registered;
}

}  // namespace

panel panel::create(HWND parent, int x, int y, int width, int height, bool raised) {
  register_panel_class();
  HWND window = CreateWindowExA(WS_EX_CONTROLPARENT, PANEL_CLASS, "",
                                WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (raised ? WS_DLGFRAME : 0),
                                x, y, width, height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(window, WM_SETFONT, WPARAM(window_font(parent)), FALSE);
  return panel(window);
}

}  // namespace sy
