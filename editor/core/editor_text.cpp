#include "editor/core/editor_text.h"

#include <cstring>

// Where the processor has wider vector units than the build may assume,
// the search is compiled for both and the loader picks one at start-up.
#if defined(__x86_64__) && defined(__ELF__) && (defined(__GNUC__) || defined(__clang__))
#define SY_WIDE_VECTORS __attribute__((target_clones("avx2", "default")))
#else
#define SY_WIDE_VECTORS
#endif

namespace sy {
namespace {

constexpr char CTRL_Z = 0x1A;

// A byte the copy must stop at: the end of the text (0x1A) or a CR that
// still needs its LF (a CR at the very end of the file counts).
bool needs_care(const char* p, size_t i, size_t n) {
  return p[i] == CTRL_Z || (p[i] == '\r' && (i + 1 == n || p[i + 1] != '\n'));
}

// The first byte in p[from, to) that needs care, or `to`; bytes up to n may
// be looked at. Files are nearly always CR LF text already, so whole blocks
// are tested without an early exit, which the compiler turns into vector code.
SY_WIDE_VECTORS
size_t find_care(const char* p, size_t from, size_t to, size_t n) {
  constexpr size_t BLOCK = 128;
  size_t i = from;
  while (to - i > BLOCK) {  // p[i + BLOCK] is still inside the file
    unsigned char hit = 0;  // bytes, not ints, so that the vector code stays narrow
    for (size_t k = 0; k < BLOCK; ++k) {
      hit |= static_cast<unsigned char>((p[i + k] == CTRL_Z) | ((p[i + k] == '\r') & (p[i + k + 1] != '\n')));
    }
    if (hit) break;
    i += BLOCK;
  }
  for (; i < to; ++i) {
    if (needs_care(p, i, n)) return i;
  }
  return to;
}

bool ends_with_line_end(const std::string& s) {
  return s.size() >= 2 && s[s.size() - 2] == '\r' && s.back() == '\n';
}

}  // namespace

loaded_text text_from_file_bytes(std::string_view file_bytes) {
  // Read in pieces that stay in the first-level cache between being searched
  // and being copied, so the file passes through memory once.
  constexpr size_t PIECE = 8192;
  const char* p = file_bytes.data();
  const size_t n = file_bytes.size();
  loaded_text result;
  std::string& text = result.text;
  text.reserve(n + 2);
  size_t read = 0;
  while (read < n) {
    const size_t to = n - read > PIECE ? read + PIECE : n;
    const size_t stop = find_care(p, read, to, n);
    text.append(p + read, stop - read);
    read = stop;
    if (stop == to) continue;
    if (p[stop] == CTRL_Z) break;
    text.append("\r\n");  // a CR without its LF
    ++read;
  }
  result.tail.assign(file_bytes.substr(read));
  // Every CR in the text now ends a line, so a text that does not end in
  // CR LF has a last line without an end.
  if (!text.empty() && !ends_with_line_end(text)) text.append("\r\n");
  return result;
}

std::string file_bytes_from_text(std::string_view text, std::string_view tail) {
  std::string bytes;
  bytes.reserve(text.size() + tail.size());
  bytes.append(text);
  bytes.append(tail);
  return bytes;
}

}  // namespace sy
