#pragma once
// A file operation that fails ends the editor at once: a box without owner
// titled "Error" names the system's error number and the failing step, and
// the process exits with that number, so a caller (or a script) can tell a
// missing file (2) from a locked one (32).

#include <windows.h>

namespace sy {

[[noreturn]] void fail_with_file_error(DWORD error, const char* where);

}  // namespace sy
