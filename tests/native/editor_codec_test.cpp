#include "editor/core/gbk_codec.h"
#include "tests/native/system_gbk.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

using sy::gbk_codec;

// A tiny code page with the traps a real table may hold. Only 81 40, 81 41
// and 82 40 are characters; the others decode to something that does not
// come back as the same two bytes.
char16_t fake_decode_pair(unsigned char lead, unsigned char trail) {
  switch (lead << 8 | trail) {
    case 0x8140: return u'\u4E00';
    case 0x8141: return u'\u4E01';
    case 0x8240: return u'\u00E9';
    case 0x8142: return u'\u4E00';  // a second spelling of 81 40
    case 0x8340: return u'A';       // ASCII would take one byte back
    case 0x8440: return char16_t(0xDC84);  // the raw-byte code point of 0x84
    case 0x8540: return u'\u4E02';  // the encoder does not know it
    default: return 0;
  }
}

int fake_encode_char(char16_t ch, unsigned char out[2]) {
  switch (ch) {
    case u'\u4E00': out[0] = 0x81; out[1] = 0x40; return 2;
    case u'\u4E01': out[0] = 0x81; out[1] = 0x41; return 2;
    case u'\u00E9': out[0] = 0x82; out[1] = 0x40; return 2;
    case u'A': out[0] = 'A'; return 1;
    case char16_t(0xDC84): out[0] = 0x84; out[1] = 0x40; return 2;
    default: return 0;
  }
}

const gbk_codec& fake_codec() {
  static const gbk_codec codec = gbk_codec::build(fake_decode_pair, fake_encode_char);
  return codec;
}

char16_t raw(unsigned b) { return char16_t(sy::RAW_BYTE_BASE + b); }

TEST(editor_codec, fake_table_decodes_characters_and_keeps_every_other_byte_raw) {
  struct decode_case {
    const char* name;
    std::string bytes;
    std::u16string units;
  };
  const decode_case cases[] = {
      {"characters", "\x81\x40x\x82\x40\x81\x41", {0x4E00, u'x', 0x00E9, 0x4E01}},
      {"second spelling of a character", "\x81\x42", {raw(0x81), u'B'}},
      {"pair decoding to ASCII", "\x83\x40", {raw(0x83), u'@'}},
      {"pair decoding to a raw-byte code point", "\x84\x40", {raw(0x84), u'@'}},
      {"pair the encoder does not know", "\x85\x40", {raw(0x85), u'@'}},
      {"lead byte before CR LF", "\x81\r\n", {raw(0x81), u'\r', u'\n'}},
      {"lead byte before 0x7F", "\x81\x7F", {raw(0x81), 0x7F}},
      {"lead byte at the end", "ab\x81", {u'a', u'b', raw(0x81)}},
      {"bad lead before a good pair", "\x81\x81\x40", {raw(0x81), 0x4E00}},
      {"0x80 and 0xFF", "\x80\xFF\xFF\x40", {raw(0x80), raw(0xFF), raw(0xFF), u'@'}},
      {"NUL and ASCII", std::string("\0\x7F", 2), {0, 0x7F}},
  };
  for (const decode_case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::u16string units = fake_codec().decode(c.bytes);
    EXPECT_EQ(units, c.units);
    const gbk_codec::encode_result back = fake_codec().encode(units);
    EXPECT_TRUE(back.ok());
    EXPECT_EQ(back.bytes, c.bytes);
  }
}

TEST(editor_codec, system_table_decodes_chinese_text) {
  const gbk_codec& codec = sy_test::system_gbk_codec();
  // The narrow literal is GBK bytes, the u literal UTF-16.
  EXPECT_EQ(codec.decode("code 汉字词组，朔云中文\r\n"), u"code 汉字词组，朔云中文\r\n");
  EXPECT_EQ(codec.decode("\xBA\xBA\xD7\xD6"), u"\u6C49\u5B57");
  const gbk_codec::encode_result back = codec.encode(u"朔云中文：“确认”");
  EXPECT_TRUE(back.ok());
  EXPECT_EQ(back.bytes, "朔云中文：“确认”");
}

// Random files: mostly text with CR LF line ends and GBK characters, mixed
// with stray bytes, lone CRs and LFs, and cut anywhere.
std::string random_file(std::mt19937& rng, size_t length) {
  std::string s;
  while (s.size() < length) {
    switch (rng() % 8) {
      case 0: s += "\r\n"; break;
      case 1: s += char(rng() % 0x80); break;
      case 2: s += char(0x80 + rng() % 0x80); break;  // any high byte
      case 3: s += "abcdefgh"; break;                  // an ASCII run for the fast paths
      default:  // a pair from the lead and trail ranges, valid or not
        s += char(0x81 + rng() % 0x7E);
        s += char(0x40 + rng() % 0xBF);
        break;
    }
  }
  s.resize(length);
  return s;
}

TEST(editor_codec, decode_then_encode_gives_back_any_bytes) {
  const struct {
    const char* name;
    const gbk_codec* codec;
  } tables[] = {
      {"fake table", &fake_codec()},
      {"system table", &sy_test::system_gbk_codec()},
      {"no table", nullptr},
  };
  const gbk_codec no_table;
  for (const auto& table : tables) {
    SCOPED_TRACE(table.name);
    const gbk_codec& codec = table.codec ? *table.codec : no_table;
    std::mt19937 rng(20240611);
    for (int round = 0; round < 3000; ++round) {
      const size_t length = round < 2900 ? rng() % 64 : rng() % 20000;
      const std::string file = random_file(rng, length);
      const std::u16string units = codec.decode(file);
      const gbk_codec::encode_result back = codec.encode(units);
      ASSERT_TRUE(back.ok()) << "round " << round << ", refused at " << back.bad_index;
      ASSERT_EQ(back.bytes, file) << "round " << round;
    }
  }
}

TEST(editor_codec, encode_reports_the_first_character_gbk_cannot_hold) {
  struct refused_case {
    const char* name;
    std::u16string text;
    size_t index;
    size_t line;
    char16_t unit;
    char32_t code_point;
  };
  const refused_case cases[] = {
      {"emoji on line 2", u"ab\r\ncd\U0001F600", 6, 2, 0xD83D, 0x1F600},
      {"first of two", u"\u0E01\U0001F600", 0, 1, 0x0E01, 0x0E01},
      {"after empty lines", u"x\r\ny\r\n\r\n\u0E01", 8, 4, 0x0E01, 0x0E01},
      {"lone CR or LF does not end a line", u"a\rb\nc\u0E01", 5, 1, 0x0E01, 0x0E01},
      {"lone high surrogate", std::u16string(u"a") + char16_t(0xD800) + u"b", 1, 1, 0xD800, 0xD800},
      {"high surrogate at the end", std::u16string(u"a") + char16_t(0xDBFF), 1, 1, 0xDBFF, 0xDBFF},
      // Below U+DC80 no byte is raw: those bytes are ASCII and never decode so.
      {"low surrogate that is no raw byte", std::u16string(1, char16_t(0xDC0D)), 0, 1, 0xDC0D, 0xDC0D},
      {"low surrogate past the raw bytes", std::u16string(u"ok") + char16_t(0xDD00), 2, 1, 0xDD00, 0xDD00},
  };
  for (const refused_case& c : cases) {
    SCOPED_TRACE(c.name);
    const gbk_codec::encode_result result = sy_test::system_gbk_codec().encode(c.text);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.bad_index, c.index);
    EXPECT_EQ(result.bad_line, c.line);
    EXPECT_EQ(result.bad_char, c.unit);
    EXPECT_EQ(result.bad_code_point, c.code_point);
    EXPECT_EQ(result.bytes, "") << "half a text must not look like a result";
  }
}

TEST(editor_codec, fake_table_refuses_what_it_does_not_hold) {
  const gbk_codec::encode_result result = fake_codec().encode(u"\u4E00\u4E02");
  EXPECT_EQ(result.bad_index, 1u);
  EXPECT_EQ(result.bad_char, u'\u4E02');
}

}  // namespace
