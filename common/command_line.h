#pragma once
// The settings program's command line: argument 1 "98" selects the 98
// variant, argument 2 carries the input method's window handle in decimal.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sy {

// Splits a whole command line; element 0 is the program name. Bytes 1 to 32
// separate arguments; a double-quoted stretch may hold them and belongs to the
// argument around it; two double quotes in a row where an argument would
// begin are skipped like separators; an argument of two or more bytes that
// begins and ends with a double quote loses those two quotes (inner quotes
// stay). A zero byte ends the line, as it ends the C string Windows hands us.
std::vector<std::string> split_command_line(std::string_view line);

// Argument `index` of the line, or "" when the line has no such argument.
std::string command_line_argument(std::string_view line, size_t index);

// Exactly the two bytes "98": "098", "98x" and "" are the normal variant.
bool is_variant_98(std::string_view argument_1);

// The window handle from argument 2 (digit_string_value: any text gives some
// number, the empty text 0).
int32_t command_line_window_from(std::string_view argument_2);

}  // namespace sy
