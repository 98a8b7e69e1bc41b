#pragma once
// Reading the edited file from disk, and recognising it again at save time.
//
// The input method writes to its user code table while the editor is open
// (a chosen automatic phrase is stored at once), so a save must not replace
// such a change unasked. The editor keeps a stamp of what it loaded - size,
// last-write time and a hash of the content, not the content itself, which
// would double the memory of a large table - and compares it with the file
// on disk before it writes.

#include <windows.h>

#include <cstdint>
#include <string>

namespace sy {

struct file_stamp {
  uint64_t size = 0;
  uint64_t write_time = 0;    // FILETIME as one number
  uint64_t content_hash = 0;  // a hash of every byte, see disk_file_win.cpp
  bool operator==(const file_stamp& o) const {
    return size == o.size && write_time == o.write_time && content_hash == o.content_hash;
  }
  bool operator!=(const file_stamp& o) const { return !(*this == o); }
};

struct file_contents {
  DWORD error = 0;  // the system's error number of the failing call, 0 on success
  std::string bytes;
  file_stamp stamp;
};

// The whole file. Other processes may read it meanwhile but not write it,
// so the bytes and the stamp belong together.
file_contents read_whole_file(const std::string& path);

// The stamp of the file as it is now, read the same way; error as above.
DWORD read_file_stamp(const std::string& path, file_stamp& stamp);

}  // namespace sy
