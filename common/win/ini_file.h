#pragma once
// The settings file on disk: read whole into an ini_document, written back
// whole in one crash-safe step.

#include "common/ini_document.h"

#include <windows.h>

#include <string>

namespace sy {

struct ini_load_result {
  ini_document document;
  DWORD error = 0;  // 0, or why an existing file could not be read
};

// A missing file, a missing directory or the empty path (no installation
// directory) give an empty document and error 0: every key then reads as its
// default, and the first save creates the file. A file that exists but cannot
// be read gives an empty document with the error; it must not be saved over,
// or the settings in it would be lost.
ini_load_result load_ini_file(const std::string& path);

// Writes the document's bytes in place of the file (replace_file_atomically):
// 0, or the system error code with the file unchanged.
DWORD save_ini_file(const std::string& path, const ini_document& document);

}  // namespace sy
