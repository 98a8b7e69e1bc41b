// One subclass procedure for the standard controls that need more than they
// do by themselves: containers that pass their children's notifications on,
// controls that report mouse movement, and controls with layer properties to
// remove when they go. Which of these a control needs is a set of flags in
// its window property FLAGS_PROPERTY.

#include "ui/controls.h"
#include "ui/layer_internal.h"

namespace sy {

namespace {

constexpr UINT_PTR SUBCLASS_ID = 0x5359;  // one id: installing again only replaces it
constexpr DWORD_PTR FORWARD = 1;
constexpr DWORD_PTR MOUSE_MOVE = 2;
constexpr DWORD_PTR FILL_BACKGROUND = 4;
constexpr char FLAGS_PROPERTY[] = "sy.subclass";

DWORD_PTR flags_of(HWND window) { return reinterpret_cast<DWORD_PTR>(GetPropA(window, FLAGS_PROPERTY)); }

LRESULT CALLBACK layer_subclass(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
  const DWORD_PTR flags = flags_of(window);
  if (flags & FORWARD) {
    bool handled = false;
    const LRESULT result = pass_to_top_window(window, message, wparam, lparam, handled);
    if (handled) return result;
  }
  if (message == WM_ERASEBKGND && (flags & FILL_BACKGROUND)) {
    fill_background(window, reinterpret_cast<HDC>(wparam));
    return 1;
  }
  if (message == WM_MOUSEMOVE && (flags & MOUSE_MOVE)) {
    SendMessageA(GetAncestor(window, GA_ROOT), CONTROL_MOUSE_MOVE, 0, LPARAM(window));
  }
  if (message == WM_NCDESTROY) {
    remove_layer_properties(window);
    RemovePropA(window, FLAGS_PROPERTY);
    RemoveWindowSubclass(window, layer_subclass, SUBCLASS_ID);
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

void add_flags(HWND window, DWORD_PTR flags) {
  SetPropA(window, FLAGS_PROPERTY, reinterpret_cast<HANDLE>(flags_of(window) | flags));
  SetWindowSubclass(window, layer_subclass, SUBCLASS_ID, 0);
}

}  // namespace

LRESULT pass_to_top_window(HWND container, UINT message, WPARAM wparam, LPARAM lparam, bool& handled) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      handled = true;
      return SendMessageA(GetAncestor(container, GA_ROOT), message, wparam, lparam);
  }
  handled = false;
  return 0;
}

void remove_layer_properties(HWND window) {
  RemovePropA(window, BACKGROUND_PROPERTY);
  RemovePropA(window, TEXT_COLOUR_PROPERTY);
}

void fill_background(HWND window, HDC dc) {
  RECT client{};
  GetClientRect(window, &client);
  SetDCBrushColor(dc, coloured_control(window).background_colour());
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// A group box draws only its frame and caption; what lies inside is its to fill,
// as the panel beneath clips its children.
void forward_to_top_window(HWND container) { add_flags(container, FORWARD | FILL_BACKGROUND); }
void watch_for_destruction(HWND window) { add_flags(window, 0); }
void hook_mouse_move(HWND control) { add_flags(control, MOUSE_MOVE); }

}  // namespace sy
