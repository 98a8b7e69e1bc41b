#include "editor/fatal_error_win.h"

#include <cstdio>

namespace sy {

void fail_with_file_error(DWORD error, const char* where) {
  char text[160];
  std::snprintf(text, sizeof text, "Runtime error %lu at %s", static_cast<unsigned long>(error), where);
  MessageBoxA(nullptr, text, "Error", MB_OK);
  ExitProcess(error);
}

}  // namespace sy
