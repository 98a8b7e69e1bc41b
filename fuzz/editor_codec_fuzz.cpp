// Any file the editor opens must come back byte for byte when it is saved
// unchanged, whatever bytes it holds; and the shown text must keep the line
// rules. Every input is checked against both.

#include "editor/core/editor_text.h"
#include "tests/native/system_gbk.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

// The text with every CR LF written as a lone CR: what is left of the line
// structure once the line ends are made alike.
std::string with_cr_line_ends(std::string_view s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    out += s[i];
    if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
  }
  return out;
}

void check_codec(const sy::gbk_codec& codec, std::string_view bytes) {
  const std::u16string units = codec.decode(bytes);
  check(units.size() <= bytes.size());
  for (char16_t ch : units) check(ch < 0xD800 || ch > 0xDBFF);  // never half of a real pair
  const sy::gbk_codec::encode_result back = codec.encode(units);
  check(back.ok());
  check(back.bytes == bytes);
}

void check_text_rules(std::string_view file) {
  const sy::loaded_text loaded = sy::text_from_file_bytes(file);
  const std::string& text = loaded.text;
  const std::string_view shown = file.substr(0, file.size() - loaded.tail.size());
  check(file.substr(shown.size()) == loaded.tail);
  check(loaded.tail.empty() || loaded.tail[0] == 0x1A);
  check(shown.find('\x1A') == std::string_view::npos);

  // Every CR ends a line with CR LF, and so does the last line.
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') check(i + 1 < text.size() && text[i + 1] == '\n');
  }
  check(text.empty() || (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0));

  // Nothing but line ends changed.
  std::string expected = with_cr_line_ends(shown);
  if (!expected.empty() && expected.back() != '\r') expected += '\r';
  check(with_cr_line_ends(text) == expected);

  // Loading the shown text again changes nothing, and saving writes the
  // file back exactly when it was CR LF text already.
  const sy::loaded_text again = sy::text_from_file_bytes(text);
  check(again.text == text && again.tail.empty());
  const std::string saved = sy::file_bytes_from_text(text, loaded.tail);
  check(saved == text + loaded.tail);
  if (text == shown) check(saved == file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const sy::gbk_codec no_table;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  check_codec(sy_test::system_gbk_codec(), bytes);
  check_codec(no_table, bytes);
  check_text_rules(bytes);
  return 0;
}
