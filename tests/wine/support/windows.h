#pragma once
// Finding and reading windows on the desktop, whichever process owns them.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace sy_test {

std::string window_text(HWND window);
std::string class_of(HWND window);
DWORD process_of(HWND window);  // the id of the process that owns it

// The first top-level window for which `test` holds, or null.
template <typename Test>
HWND find_top_level(Test test) {
  struct search {
    Test* test;
    HWND found;
  } state{&test, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<search*>(data);
        if (!(*s->test)(window)) return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&state));
  return state.found;
}

// Every descendant of `parent`, in the order the system enumerates them.
std::vector<HWND> children_of(HWND parent);

// A bare window of this thread with its own class and window procedure, for
// recording the messages other code sends.
HWND create_window_of_class(const char* class_name, WNDPROC procedure, DWORD style);

// Handles this thread's pending messages until none is left. A quit message,
// which a closing window posts, is dropped: the result tells whether one came.
bool pump_messages();

// A window of fixed size answers WM_GETMINMAXINFO with its present outer
// size as both the smallest and the largest size it may be dragged to.
testing::AssertionResult tracking_size_is_fixed(HWND window);

// Tests that assert how Wine itself behaves check this first.
bool running_under_wine();

}  // namespace sy_test
