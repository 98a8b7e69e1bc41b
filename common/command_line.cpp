#include "common/command_line.h"

#include "common/conversions.h"

namespace sy {

// The split works on bytes, which is safe on GBK text: a GBK trail byte lies
// in 0x40..0xFE, so it is never a separator (1..32) nor a double quote (0x22),
// and lead bytes are 0x81..0xFE. Bytes are compared as unsigned values, so
// the bytes from 0x80 on are ordinary argument bytes.
std::vector<std::string> split_command_line(std::string_view line) {
  const size_t zero = line.find('\0');
  if (zero != std::string_view::npos) line = line.substr(0, zero);
  const auto is_separator = [](char ch) {
    const unsigned char byte = static_cast<unsigned char>(ch);
    return byte >= 1 && byte <= 32;
  };

  std::vector<std::string> arguments;
  size_t pos = 0;
  for (;;) {
    for (;;) {
      while (pos < line.size() && is_separator(line[pos])) ++pos;
      if (line.compare(pos, 2, "\"\"") != 0) break;
      pos += 2;
    }
    if (pos >= line.size()) break;

    const size_t start = pos;
    while (pos < line.size() && !is_separator(line[pos])) {
      if (line[pos] == '"') {
        const size_t close = line.find('"', pos + 1);
        pos = close == std::string_view::npos ? line.size() : close + 1;
      } else {
        ++pos;
      }
    }
    std::string_view argument = line.substr(start, pos - start);
    if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"')
      argument = argument.substr(1, argument.size() - 2);
    arguments.emplace_back(argument);
  }
  return arguments;
}

std::string command_line_argument(std::string_view line, size_t index) {
  std::vector<std::string> arguments = split_command_line(line);
  return index < arguments.size() ? std::move(arguments[index]) : std::string();
}

bool is_variant_98(std::string_view argument_1) { return argument_1 == "98"; }

int32_t command_line_window_from(std::string_view argument_2) { return digit_string_value(argument_2); }

}  // namespace sy
