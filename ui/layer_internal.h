#pragma once
// Pieces the layer's own files share; forms do not need them.

#include <windows.h>

namespace sy {

// The font of the top-level window that `window` belongs to: every control
// takes it when it is created.
HFONT window_font(HWND window);

// Passes the container's WM_COMMAND, WM_NOTIFY and WM_CTLCOLOR* messages on
// to its top-level window, and has it fill its own background.
void forward_to_top_window(HWND container);
// Fills the client area with the window's background colour (its own, else its parents').
void fill_background(HWND window, HDC dc);
// Removes the layer's window properties when the window is destroyed.
void watch_for_destruction(HWND window);

// What a container passes on; `handled` is false for any other message.
LRESULT pass_to_top_window(HWND container, UINT message, WPARAM wparam, LPARAM lparam, bool& handled);
// The layer's window properties, removed before a window goes.
void remove_layer_properties(HWND window);

}  // namespace sy
