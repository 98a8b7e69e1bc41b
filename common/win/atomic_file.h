#pragma once
// Replacing a file's whole content so that a crash, a full disk or a locked
// file never leaves it half written: the old content stays until the new one
// is completely on disk.

#include <windows.h>

#include <string>
#include <string_view>

namespace sy {

// Writes `bytes` to a new file beside `path`, flushes it to disk and renames
// it over `path` in one step; a missing file is created. The replaced file's
// attributes (hidden, system, archive) and creation time are kept.
//
// Returns 0, or the system error code of the step that failed; the old file
// is then exactly as it was and no temporary file is left behind:
//   ERROR_ACCESS_DENIED (5)      the file is read-only, or a directory
//   ERROR_PATH_NOT_FOUND (3)     the directory does not exist
//   ERROR_SHARING_VIOLATION (32) another handle holds the file open, however
//                                much it shares (renaming over an open file
//                                fails on Windows and under Wine alike)
//   anything else                a failed write, flush or rename
//
// `path` is in the ANSI code page (GBK); the temporary file's name is `path`
// with a short suffix, so it lies in the same directory and file system.
DWORD replace_file_atomically(const std::string& path, std::string_view bytes);

}  // namespace sy
