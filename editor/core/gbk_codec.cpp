#include "editor/core/gbk_codec.h"

#include <cstring>

namespace sy {
namespace {

constexpr size_t TABLE_SIZE = 0x10000;
constexpr unsigned FIRST_LEAD = 0x81, LAST_LEAD = 0xFE;
constexpr unsigned FIRST_TRAIL = 0x40, LAST_TRAIL = 0xFE, NO_TRAIL = 0x7F;

bool is_surrogate(char16_t ch) { return ch >= 0xD800 && ch <= 0xDFFF; }
bool is_high_surrogate(char16_t ch) { return ch >= 0xD800 && ch <= 0xDBFF; }
bool is_low_surrogate(char16_t ch) { return ch >= 0xDC00 && ch <= 0xDFFF; }

// Line of text[index], 1-based, as a multi-line edit control counts it: only
// CR LF breaks a line.
size_t line_of(std::u16string_view text, size_t index) {
  size_t line = 1;
  for (size_t i = 0; i + 1 < index; ++i) {
    if (text[i] == u'\r' && text[i + 1] == u'\n') ++line;
  }
  return line;
}

}  // namespace

gbk_codec::gbk_codec() : pair_to_char_(TABLE_SIZE, 0), char_to_bytes_(TABLE_SIZE, 0) {
  for (unsigned b = 0x80; b <= 0xFF; ++b) char_to_bytes_[RAW_BYTE_BASE + b] = uint16_t(b);
}

gbk_codec gbk_codec::build(pair_decoder decode_pair, char_encoder encode_char) {
  gbk_codec codec;
  if (!decode_pair || !encode_char) return codec;
  for (unsigned lead = FIRST_LEAD; lead <= LAST_LEAD; ++lead) {
    for (unsigned trail = FIRST_TRAIL; trail <= LAST_TRAIL; ++trail) {
      if (trail == NO_TRAIL) continue;
      const char16_t ch = decode_pair(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
      // A pair that decoded to ASCII or to a surrogate would collide with a
      // single byte or a raw byte and break the way back.
      if (ch < 0x80 || is_surrogate(ch) || codec.char_to_bytes_[ch] != 0) continue;
      unsigned char back[2] = {0, 0};
      if (encode_char(ch, back) != 2 || back[0] != lead || back[1] != trail) continue;
      const uint16_t pair = uint16_t(lead << 8 | trail);
      codec.pair_to_char_[pair] = ch;
      codec.char_to_bytes_[ch] = pair;
    }
  }
  return codec;
}

std::u16string gbk_codec::decode(std::string_view gbk) const {
  std::u16string out(gbk.size(), u'\0');  // never more units than bytes
  const auto* p = reinterpret_cast<const unsigned char*>(gbk.data());
  const auto* const end = p + gbk.size();
  char16_t* o = &out[0];
  const char16_t* const pairs = pair_to_char_.data();
  while (p != end) {
    // Code tables are half ASCII: widen eight plain bytes at a time.
    while (end - p >= 8) {
      uint64_t word;
      std::memcpy(&word, p, 8);
      if (word & 0x8080808080808080ull) break;
      for (int k = 0; k < 8; ++k) o[k] = p[k];
      p += 8;
      o += 8;
    }
    if (p == end) break;
    const unsigned b = *p;
    if (b < 0x80) {
      *o++ = char16_t(b);
      ++p;
      continue;
    }
    if (end - p >= 2) {
      const char16_t ch = pairs[b << 8 | p[1]];
      if (ch != 0) {
        *o++ = ch;
        p += 2;
        continue;
      }
    }
    *o++ = char16_t(RAW_BYTE_BASE + b);
    ++p;
  }
  out.resize(size_t(o - out.data()));
  return out;
}

gbk_codec::encode_result gbk_codec::encode(std::u16string_view text) const {
  encode_result result;
  result.bytes.assign(text.size() * 2, '\0');  // at most two bytes a unit
  char* o = &result.bytes[0];
  const char16_t* p = text.data();
  const char16_t* const end = p + text.size();
  const uint16_t* const bytes_of = char_to_bytes_.data();
  while (p != end) {
    while (end - p >= 4) {
      uint64_t word;
      std::memcpy(&word, p, 8);
      if (word & 0xFF80FF80FF80FF80ull) break;
      for (int k = 0; k < 4; ++k) o[k] = char(p[k]);
      p += 4;
      o += 4;
    }
    if (p == end) break;
    const char16_t ch = *p;
    if (ch < 0x80) {
      *o++ = char(ch);
      ++p;
      continue;
    }
    const uint16_t v = bytes_of[ch];
    if (v >= 0x100) {
      o[0] = char(v >> 8);
      o[1] = char(v & 0xFF);
      o += 2;
    } else if (v != 0) {
      *o++ = char(v);
    } else {
      const size_t index = size_t(p - text.data());
      result.bytes.clear();
      result.bad_index = index;
      result.bad_line = line_of(text, index);
      result.bad_char = ch;
      result.bad_code_point = ch;
      if (is_high_surrogate(ch) && p + 1 != end && is_low_surrogate(p[1])) {
        result.bad_code_point = 0x10000 + ((char32_t(ch) - 0xD800) << 10) + (char32_t(p[1]) - 0xDC00);
      }
      return result;
    }
    ++p;
  }
  result.bytes.resize(size_t(o - result.bytes.data()));
  return result;
}

}  // namespace sy
