#include "common/conversions.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using sy::colour_ref;
using sy::make_colour;

TEST(digit_string_value, every_byte_counts_by_its_place) {
  const struct {
    std::string text;
    int32_t expected;
  } cases[] = {
      {"", 0},
      {"0", 0},
      {"47", 47},
      {"05", 5},
      {" 47", -1553},  // the blank counts as 32 - 48 in the hundreds
      {"4 7", 247},
      {"x", 72},
      {"0x10", 7210},
      {"-1", -29},
      {std::string("\0", 1), -48},
      {"\x80", 80},       // bytes are unsigned: 128 - 48
      {"\xFF", 207},      // 255 - 48, not -1 - 48
      {"\xCB\xB7", 1685},  // a GBK character: (203 - 48) * 10 + (183 - 48)
      {"2147483647", INT32_MAX},
      {"2147483648", INT32_MIN},  // wraps
      {"4294967296", 0},
      {"4294967301", 5},
      {"12345678901234567890", -350287150},
  };
  for (const auto& c : cases) EXPECT_EQ(sy::digit_string_value(c.text), c.expected) << '"' << c.text << '"';
}

TEST(format_padded_decimal, at_least_two_digits) {
  const struct {
    int n;
    const char* expected;
  } cases[] = {
      {0, "00"},    {5, "05"},    {9, "09"},    {10, "10"},   {47, "47"},  {99, "99"},
      {100, "100"}, {105, "105"}, {110, "110"}, {200, "200"}, {255, "255"}, {999, "999"},
      // Never passed by the program; written as plain numbers rather than as
      // characters past '9'.
      {1000, "1000"}, {-5, "-5"},
  };
  for (const auto& c : cases) EXPECT_EQ(sy::format_padded_decimal(c.n), c.expected) << c.n;
}

TEST(colour, windows_layout) {
  constexpr colour_ref colour = make_colour(0x01, 0x02, 0x03);
  static_assert(colour == 0x030201, "red is the low byte, blue the third");
  static_assert(sy::colour_red(colour) == 1 && sy::colour_green(colour) == 2 && sy::colour_blue(colour) == 3, "");
}

TEST(parse_colour_value, reads_components_modulo_256) {
  const struct {
    const char* text;
    colour_ref expected;
  } cases[] = {
      {"255,255,234", make_colour(255, 255, 234)},
      {"0,0,0", make_colour(0, 0, 0)},
      {"00,00,00", make_colour(0, 0, 0)},
      {"47,3,222", make_colour(47, 3, 222)},
      {"47,03,222", make_colour(47, 3, 222)},
      {"10,20", make_colour(10, 0, 20)},     // one comma: red and blue
      {"300,0,0", make_colour(44, 0, 0)},    // 300 mod 256
      {",,", make_colour(0, 0, 0)},
      {",", make_colour(0, 0, 0)},
      {"1,2,3,4", make_colour(1, 2, 8)},     // blue is "3,4": 300 - 40 + 4 = 264
      {" 1,2,3", make_colour(97, 2, 3)},     // " 1" is -159
      {"-1,0,0", make_colour(227, 0, 0)},    // "-1" is -29
  };
  for (const auto& c : cases) {
    const auto colour = sy::parse_colour_value(c.text);
    ASSERT_TRUE(colour.has_value()) << c.text;
    EXPECT_EQ(*colour, c.expected) << c.text;
  }
}

TEST(parse_colour_value, text_without_comma_is_no_colour) {
  for (const char* text : {"", "abc", "none", "255 255 234", "16777215"})
    EXPECT_FALSE(sy::parse_colour_value(text).has_value()) << text;
}

TEST(format_colour_value, padded_components) {
  const struct {
    colour_ref colour;
    const char* expected;
  } cases[] = {
      {make_colour(0, 0, 0), "00,00,00"},
      {make_colour(47, 3, 222), "47,03,222"},
      {make_colour(255, 255, 234), "255,255,234"},
      {make_colour(5, 100, 9), "05,100,09"},
  };
  for (const auto& c : cases) EXPECT_EQ(sy::format_colour_value(c.colour), c.expected);
}

TEST(format_colour_value, every_component_reads_back) {
  for (int v = 0; v < 256; ++v) {
    const colour_ref colour = make_colour(uint8_t(v), uint8_t(255 - v), uint8_t(v ^ 0x5A));
    EXPECT_EQ(sy::parse_colour_value(sy::format_colour_value(colour)), colour) << v;
  }
}

}  // namespace
