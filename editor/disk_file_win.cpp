#include "editor/disk_file_win.h"

#include <cstring>

namespace sy {
namespace {

constexpr DWORD READ_PIECE = 1 << 20;
constexpr DWORD STAMP_PIECE = 1 << 16;  // small enough to stay in the cache while it is hashed

// A streaming 64-bit hash, eight bytes a step. Each step is a bijection of
// the running value, so two files of one size that differ in a single word
// always hash differently; it guards against accidents, not against an
// adversary.
class content_hasher {
 public:
  void add(const char* p, size_t n) {
    while (n > 0 && fill_ != 0) {  // finish a word begun by the last piece
      pending_[fill_++] = *p++;
      --n;
      if (fill_ == 8) step(pending_), fill_ = 0;
    }
    for (; n >= 8; p += 8, n -= 8) step(p);
    std::memcpy(pending_, p, n);
    fill_ = n;
  }
  uint64_t finish() {
    char last[8] = {};
    std::memcpy(last, pending_, fill_);
    step(last);
    return value_ ^ fill_;
  }

 private:
  void step(const char* p) {
    uint64_t word;
    std::memcpy(&word, p, 8);
    value_ = (value_ ^ word) * 0x9E3779B97F4A7C15ull;
    value_ ^= value_ >> 29;
  }
  uint64_t value_ = 0xCBF29CE484222325ull;
  char pending_[8] = {};
  size_t fill_ = 0;
};

// Others may read the file while we hold it, never write it.
HANDLE open_for_reading(const std::string& path) {
  return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

// Size and write time from the open handle; false with the error set.
bool describe(HANDLE file, file_stamp& stamp) {
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(file, &info)) return false;
  stamp.size = uint64_t(info.nFileSizeHigh) << 32 | info.nFileSizeLow;
  stamp.write_time = uint64_t(info.ftLastWriteTime.dwHighDateTime) << 32 | info.ftLastWriteTime.dwLowDateTime;
  return true;
}

// Reads up to `size` bytes into `out`; the number read, which is less only
// at the end of the file. false with the error set.
bool read_piece(HANDLE file, char* out, DWORD size, DWORD& done) {
  done = 0;
  return ReadFile(file, out, size, &done, nullptr) != 0;
}

}  // namespace

file_contents read_whole_file(const std::string& path) {
  file_contents result;
  HANDLE file = open_for_reading(path);
  if (file == INVALID_HANDLE_VALUE) {
    result.error = GetLastError();
    return result;
  }
  content_hasher hasher;
  if (!describe(file, result.stamp)) {
    result.error = GetLastError();
  } else {
    // One byte more than the size, so that the read which finds the end has
    // room without growing (and copying) a large table.
    result.bytes.resize(size_t(result.stamp.size) + 1);
    size_t filled = 0;
    for (;;) {
      // Read until the end rather than trusting the size: a device or a
      // file on a network share may report none.
      if (filled == result.bytes.size()) result.bytes.resize(filled + READ_PIECE);
      const size_t room = result.bytes.size() - filled;
      DWORD done = 0;
      if (!read_piece(file, &result.bytes[filled], DWORD(room < READ_PIECE ? room : READ_PIECE), done)) {
        result.error = GetLastError();
        break;
      }
      if (done == 0) break;
      hasher.add(&result.bytes[filled], done);
      filled += done;
    }
    result.bytes.resize(filled);
    result.stamp.size = filled;
    result.stamp.content_hash = hasher.finish();
  }
  if (!CloseHandle(file) && result.error == 0) result.error = GetLastError();
  if (result.error != 0) result.bytes.clear();
  return result;
}

DWORD read_file_stamp(const std::string& path, file_stamp& stamp) {
  HANDLE file = open_for_reading(path);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  DWORD error = 0;
  content_hasher hasher;
  stamp = file_stamp{};
  if (!describe(file, stamp)) {
    error = GetLastError();
  } else {
    char piece[STAMP_PIECE];
    uint64_t total = 0;
    for (;;) {
      DWORD done = 0;
      if (!read_piece(file, piece, STAMP_PIECE, done)) {
        error = GetLastError();
        break;
      }
      if (done == 0) break;
      hasher.add(piece, done);
      total += done;
    }
    stamp.size = total;
    stamp.content_hash = hasher.finish();
  }
  if (!CloseHandle(file) && error == 0) error = GetLastError();
  return error;
}

}  // namespace sy
