#include "editor/core/gbk_codec.h"

#include <cstring>

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "the fast ASCII paths read eight bytes as one little-endian word"
#endif

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

// How many bytes, in memory order, come before the first nonzero byte of
// `masked` (8 when there is none). The word was read from memory as it
// stands, so this holds for little-endian machines, which are all we build for.
size_t zero_bytes_before(uint64_t masked) {
  if (masked == 0) return 8;
#if defined(__GNUC__) || defined(__clang__)
  return size_t(__builtin_ctzll(masked)) / 8;
#else
  size_t n = 0;
  for (; (masked & 0xFF) == 0; masked >>= 8) ++n;
  return n;
#endif
}

gbk_codec::encode_result refused(std::u16string_view text, size_t index) {
  gbk_codec::encode_result result;
  const char16_t ch = text[index];
  result.bad_index = index;
  result.bad_line = line_of(text, index);
  result.bad_char = ch;
  result.bad_code_point = ch;
  if (is_high_surrogate(ch) && index + 1 < text.size() && is_low_surrogate(text[index + 1])) {
    result.bad_code_point = 0x10000 + ((char32_t(ch) - 0xD800) << 10) + (char32_t(text[index + 1]) - 0xDC00);
  }
  return result;
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
    if (*p < 0x80) {
      if (end - p < 8) {
        *o++ = *p++;
        continue;
      }
      // Code tables switch between short ASCII codes and Chinese words:
      // widen eight bytes at once and keep those before the first high byte.
      uint64_t word;
      std::memcpy(&word, p, 8);
      for (int k = 0; k < 8; ++k) o[k] = p[k];
      const size_t ascii = zero_bytes_before(word & 0x8080808080808080ull);
      p += ascii;
      o += ascii;
      continue;
    }
    const char16_t ch = end - p >= 2 ? pairs[*p << 8 | p[1]] : 0;
    if (ch != 0) {
      *o++ = ch;
      p += 2;
    } else {
      *o++ = char16_t(RAW_BYTE_BASE + *p++);
    }
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
    if (*p < 0x80) {
      if (end - p < 4) {
        *o++ = char(*p++);
        continue;
      }
      uint64_t word;
      std::memcpy(&word, p, 8);
      for (int k = 0; k < 4; ++k) o[k] = char(p[k]);
      const size_t ascii = zero_bytes_before(word & 0xFF80FF80FF80FF80ull) / 2;  // units, not bytes
      p += ascii;
      o += ascii;
      continue;
    }
    const uint16_t v = bytes_of[*p];
    if (v == 0) return refused(text, size_t(p - text.data()));
    // Both bytes are stored either way; a single raw byte's second one is
    // overwritten next (the buffer holds two bytes per unit, so it fits).
    const bool pair = v >= 0x100;
    o[0] = char(pair ? v >> 8 : v);
    o[1] = char(v & 0xFF);
    o += pair ? 2 : 1;
    ++p;
  }
  result.bytes.resize(size_t(o - result.bytes.data()));
  return result;
}

}  // namespace sy
