#pragma once
// Number and colour text of the settings file. None of these conversions
// rejects input: bad text becomes whatever the arithmetic yields, so a
// hand-edited file never stops the dialog from opening.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sy {

// Sum of (byte - 48) * 10^(n - i) over the n bytes of the text, in 32-bit
// two's-complement arithmetic that wraps. Every byte counts, digits or not:
// "47" gives 47, " 47" gives -1553, "x" gives 72. The empty text gives 0.
int32_t digit_string_value(std::string_view text);

// n from 0 to 999 as at least two decimal digits: 0 -> "00", 5 -> "05",
// 105 -> "105". Only byte values and key codes are written with it; any
// other n is written as plain decimal.
std::string format_padded_decimal(int n);

// A colour as Windows lays out a COLORREF: red + 256 * green + 65536 * blue.
using colour_ref = uint32_t;

constexpr colour_ref make_colour(uint8_t red, uint8_t green, uint8_t blue) {
  return colour_ref(red) | colour_ref(green) << 8 | colour_ref(blue) << 16;
}
constexpr uint8_t colour_red(colour_ref colour) { return uint8_t(colour & 0xFF); }
constexpr uint8_t colour_green(colour_ref colour) { return uint8_t(colour >> 8 & 0xFF); }
constexpr uint8_t colour_blue(colour_ref colour) { return uint8_t(colour >> 16 & 0xFF); }

// "red,green,blue" with each part read by digit_string_value and kept modulo
// 256. A text without any comma is no colour at all (nullopt): the caller then
// keeps the colour it holds. With a single comma the text is "red,blue" and
// green is 0.
std::optional<colour_ref> parse_colour_value(std::string_view text);

// "red,green,blue", each part by format_padded_decimal: (47, 3, 222) gives
// "47,03,222". parse_colour_value reads it back to the same colour.
std::string format_colour_value(colour_ref colour);

}  // namespace sy
