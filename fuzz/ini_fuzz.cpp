// The settings store never loses a byte it did not mean to change, whatever
// the file holds: an untouched document gives back its input, a write changes
// its own key and no other, and a written text reads back. The command-line
// split and the colour conversions get the same input and must hold their
// own rules.

#include "common/command_line.h"
#include "common/conversions.h"
#include "common/ini_document.h"
#include "common/schema.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

bool is_blank(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\v' || ch == '\f'; }

// The fuzzer's value made one that the file can hold verbatim: one line, no
// blanks at its ends, not wrapped in quotes, at most 259 bytes.
std::string storable(std::string value) {
  value = value.substr(0, value.find_first_of("\r\n"));
  if (value.size() > sy::INI_TEXT_LIMIT) value.resize(sy::INI_TEXT_LIMIT);
  while (!value.empty() && is_blank(value.back())) value.pop_back();
  size_t first = 0;
  while (first < value.size() && is_blank(value[first])) ++first;
  value.erase(0, first);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value.back() = 'x';
  return value;
}

// What the 50 keys read as, text and integer.
std::vector<std::string> read_all(const sy::ini_document& doc) {
  std::vector<std::string> values;
  for (const sy::key_info& key : sy::all_keys()) {
    const char* section = sy::section_name(key.sect);
    values.push_back(doc.get_string(section, key.name, "\x01none"));
    values.push_back(std::to_string(doc.get_int(section, key.name, 0x7A7A7A7A)));
  }
  return values;
}

void check_ini(FuzzedDataProvider& input) {
  const size_t which = input.ConsumeIntegralInRange<size_t>(0, sy::SETTING_COUNT - 1);
  const std::string value = storable(input.ConsumeRandomLengthString(400));
  const std::string file = input.ConsumeRemainingBytesAsString();

  sy::ini_document doc = sy::ini_document::from_bytes(file);
  const std::vector<std::string> before = read_all(doc);
  check(doc.bytes() == file);
  check(!doc.modified());

  const sy::key_info& key = sy::all_keys()[which];
  const char* section = sy::section_name(key.sect);
  doc.write_string(section, key.name, value);
  check(doc.get_string(section, key.name, "\x01none") == value);

  const std::vector<std::string> after = read_all(doc);
  for (size_t i = 0; i < before.size(); ++i)
    if (i / 2 != which) check(after[i] == before[i]);

  // Written once more with the same text, the bytes stay as they are.
  const std::string written = doc.bytes();
  doc.write_string(section, key.name, value);
  check(doc.bytes() == written);
}

void check_command_line(std::string_view line) {
  const std::vector<std::string> arguments = sy::split_command_line(line);
  size_t total = 0;
  for (const std::string& argument : arguments) {
    check(!argument.empty());  // empty quotes are skipped, so no argument is empty
    total += argument.size();
  }
  check(total <= line.size());
}

void check_colour(std::string_view text) {
  const auto colour = sy::parse_colour_value(text);
  check(colour.has_value() == (text.find(',') != std::string_view::npos));
  if (colour) check(sy::parse_colour_value(sy::format_colour_value(*colour)) == colour);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  check_command_line(bytes);
  check_colour(bytes.substr(0, 64));
  FuzzedDataProvider input(data, size);
  check_ini(input);
  return 0;
}
