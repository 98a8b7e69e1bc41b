#pragma once
// What the editor shows of a file and what it writes back. Byte rules only:
// the text stays in the system code page (GBK), and gbk_codec turns it into
// UTF-16 for a Unicode edit control and back without losing a byte.
//
// The byte rules are safe on GBK text as it stands: a GBK trail byte is never
// below 0x40, so CR, LF and 0x1A always stand for themselves.

#include "editor/core/gbk_codec.h"

#include <string>
#include <string_view>

namespace sy {

// The text that the file shows: everything before the first 0x1A, every line
// end made CR LF.
struct loaded_text {
  std::string text;  // GBK bytes, CR LF line ends, as the edit control is to show them
  std::string tail;  // the bytes from the first 0x1A on (empty when there is none): not shown, written back after the text on save
};

// A line ends at a CR, and an LF right after it belongs to that line end; an
// LF alone is an ordinary character. Each line is followed by CR LF, so a
// last line without an end gains one and an empty input gives an empty text.
loaded_text text_from_file_bytes(std::string_view file_bytes);

// text + tail: the text exactly as the edit control holds it (nothing added,
// nothing converted), then the part of the file after 0x1A that was never
// shown, so that saving does not cut the file short.
std::string file_bytes_from_text(std::string_view text, std::string_view tail);

}  // namespace sy
