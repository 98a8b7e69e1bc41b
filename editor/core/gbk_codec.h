#pragma once
// Reversible GBK <-> UTF-16 conversion for a Unicode edit control.
//
// The files the editor opens are not always clean GBK: a user table may hold
// a stray byte, half a character or a code from another code page. Such
// bytes must survive a load and save untouched, so decoding never fails:
// each byte that would not come back the same is shown as a lone low
// surrogate U+DC80..U+DCFF (byte b becomes U+DC00 + b), which GBK decoding
// never produces, and encoding turns it back into that byte. decode followed
// by encode therefore gives back any byte string exactly.
//
// What the user types is another matter: a character that GBK cannot hold is
// reported by encode, never replaced, so the caller can show where it is.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sy {

inline constexpr char16_t RAW_BYTE_BASE = 0xDC00;  // byte b (0x80..0xFF) that is no character: RAW_BYTE_BASE + b

class gbk_codec {
 public:
  // decode_pair(lead, trail) is the system's code page 936 conversion of one
  // double-byte character; it returns 0 when the pair is no character.
  // The table is checked by converting each character back (encode_char), so
  // only pairs that round-trip count as characters.
  using pair_decoder = char16_t (*)(unsigned char lead, unsigned char trail);
  using char_encoder = int (*)(char16_t ch, unsigned char out[2]);  // bytes written, 0 = not encodable

  // Asks decode_pair about every pair once (lead 0x81..0xFE, trail
  // 0x40..0xFE except 0x7F). Null functions give a codec without
  // double-byte characters: every byte from 0x80 on is then a raw byte.
  static gbk_codec build(pair_decoder decode_pair, char_encoder encode_char);
  gbk_codec();  // no double-byte characters, as build(nullptr, nullptr)

  // Never fails. A lead byte whose pair is no character stands alone as a raw
  // byte, and the byte after it is read afresh (so a CR after it stays a CR).
  std::u16string decode(std::string_view gbk) const;

  struct encode_result {
    static constexpr size_t npos = size_t(-1);
    std::string bytes;         // the GBK bytes; empty when a character was refused
    size_t bad_index = npos;   // first character GBK cannot hold: 0-based index into the text
    size_t bad_line = 0;       // its line, 1-based, counting CR LF line ends as the edit control does
    char16_t bad_char = 0;     // its first UTF-16 unit
    char32_t bad_code_point = 0;  // the whole character (a surrogate pair joined), for a message
    bool ok() const { return bad_index == npos; }
  };
  encode_result encode(std::u16string_view text) const;

 private:
  std::vector<char16_t> pair_to_char_;  // index (lead << 8) | trail; 0 = no character
  std::vector<uint16_t> char_to_bytes_; // index UTF-16 unit >= 0x80: (lead << 8) | trail, a raw byte below 0x100, 0 = none
};

}  // namespace sy
