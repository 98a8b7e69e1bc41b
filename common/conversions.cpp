#include "common/conversions.h"

namespace sy {

int32_t digit_string_value(std::string_view text) {
  // Horner's scheme gives the same sum of (byte - 48) * 10^(n - i); unsigned
  // arithmetic makes the wrap-around defined.
  uint32_t value = 0;
  for (const char ch : text) value = value * 10u + (uint32_t(static_cast<unsigned char>(ch)) - 48u);
  return static_cast<int32_t>(value);
}

std::string format_padded_decimal(int n) {
  if (n < 0 || n > 999) return std::to_string(n);
  std::string text;
  if (n >= 100) text += char('0' + n / 100);
  text += char('0' + n / 10 % 10);
  text += char('0' + n % 10);
  return text;
}

std::optional<colour_ref> parse_colour_value(std::string_view text) {
  const size_t first = text.find(',');
  if (first == std::string_view::npos) return std::nullopt;
  const int32_t red = digit_string_value(text.substr(0, first));
  text.remove_prefix(first + 1);
  int32_t green = 0;
  const size_t second = text.find(',');
  if (second != std::string_view::npos) {
    green = digit_string_value(text.substr(0, second));
    text.remove_prefix(second + 1);
  }
  const int32_t blue = digit_string_value(text);
  return make_colour(uint8_t(red & 0xFF), uint8_t(green & 0xFF), uint8_t(blue & 0xFF));
}

std::string format_colour_value(colour_ref colour) {
  return format_padded_decimal(colour_red(colour)) + "," + format_padded_decimal(colour_green(colour)) + "," +
         format_padded_decimal(colour_blue(colour));
}

}  // namespace sy
