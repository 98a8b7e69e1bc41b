#include "editor/core/editor_text.h"

#include <cstring>

namespace sy {
namespace {

constexpr char CTRL_Z = 0x1A;

bool is_lone_cr(const char* p, size_t i, size_t n) {
  return p[i] == '\r' && (i + 1 == n || p[i + 1] != '\n');
}

// The first CR not followed by LF (a CR at the very end counts), or n.
// Files are nearly always CR LF already, so whole blocks are tested without
// an early exit, which the compiler turns into vector code.
size_t find_lone_cr(const char* p, size_t from, size_t n) {
  constexpr size_t BLOCK = 32;
  size_t i = from;
  while (n - i > BLOCK) {  // p[i + BLOCK] is still inside the text
    unsigned hit = 0;
    for (size_t k = 0; k < BLOCK; ++k) {
      hit |= unsigned(p[i + k] == '\r') & unsigned(p[i + k + 1] != '\n');
    }
    if (hit) break;
    i += BLOCK;
  }
  for (; i < n; ++i) {
    if (is_lone_cr(p, i, n)) return i;
  }
  return n;
}

bool ends_with_line_end(const std::string& s) {
  return s.size() >= 2 && s[s.size() - 2] == '\r' && s.back() == '\n';
}

}  // namespace

loaded_text text_from_file_bytes(std::string_view file_bytes) {
  loaded_text result;
  const void* stop = std::memchr(file_bytes.data(), CTRL_Z, file_bytes.size());
  const size_t n = stop ? size_t(static_cast<const char*>(stop) - file_bytes.data()) : file_bytes.size();
  result.tail.assign(file_bytes.substr(n));

  // Every CR already followed by LF stays as it is, so the text is copied in
  // long stretches and only a lone CR gains its LF.
  const char* p = file_bytes.data();
  std::string& text = result.text;
  text.reserve(n + 2);
  size_t from = 0;
  for (size_t cr = find_lone_cr(p, 0, n); cr < n; cr = find_lone_cr(p, from, n)) {
    text.append(p + from, cr + 1 - from);
    text.push_back('\n');
    from = cr + 1;
  }
  text.append(p + from, n - from);
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
