#include "common/ini_document.h"

namespace sy {

// The syntax, as the platform's private-profile functions read it (checked
// against them under Wine):
//
// - A line ends at CR LF, at LF or at CR. The last line may have no line end.
// - Blanks (space, tab, CR, VT, FF) around section names, key names and
//   values do not count. A value enclosed in a matching pair of double or
//   single quotes loses them.
// - A line whose first non-blank byte is ';' is a comment. A line beginning
//   with '[' and holding a ']' opens the section named by the text between
//   the '[' and the last ']'; a '[' line without ']' is no header. Any other
//   line with '=' is an entry: the key is the text before the first '=', the
//   value the text after it. Other lines are kept but mean nothing.
// - The lines before the first header form the section named "", so a
//   later "[]" is a duplicate of it.
// - Section and key names match regardless of the case of ASCII letters that
//   stand alone. Bytes of a double-byte GBK character (a lead byte 0x81..0xFE
//   followed by a trail byte 0x40..0xFE other than 0x7F) are compared
//   exactly: the trail byte of a Chinese character may look like an ASCII
//   capital or like ']' and must not be taken for one.
// - Only the first section of a name counts, and in it the first entry of a
//   key; later duplicates are kept in the file but never read or written.
//
// Writes touch only the line they set, or add lines; every other byte of the
// file stays as it was, so comments, unknown keys, blank lines, odd spacing,
// line ends and bytes that are not valid GBK survive a save.

namespace {

bool is_blank(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\v' || ch == '\f'; }

std::string_view trim(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

bool is_gbk_lead(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
bool is_gbk_trail(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }

// Length of the character at text[i]: 2 for a GBK pair, else 1.
size_t char_length(std::string_view text, size_t i) {
  return i + 1 < text.size() && is_gbk_lead(static_cast<unsigned char>(text[i])) &&
                 is_gbk_trail(static_cast<unsigned char>(text[i + 1]))
             ? 2
             : 1;
}

char fold_ascii(char ch) { return ch >= 'A' && ch <= 'Z' ? char(ch - 'A' + 'a') : ch; }

bool names_match(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size();) {
    if (char_length(a, i) == 2) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      i += 2;
    } else {
      if (fold_ascii(a[i]) != fold_ascii(b[i])) return false;
      ++i;
    }
  }
  return true;
}

struct line_span {
  size_t begin = 0;        // first byte of the line
  size_t content_end = 0;  // end of its text, before the line end
  size_t end = 0;          // first byte of the next line
};

line_span line_at(std::string_view text, size_t begin) {
  const size_t brk = text.find_first_of("\r\n", begin);
  if (brk == std::string_view::npos) return {begin, text.size(), text.size()};
  const bool crlf = text[brk] == '\r' && brk + 1 < text.size() && text[brk + 1] == '\n';
  return {begin, brk, brk + (crlf ? 2 : 1)};
}

enum class line_kind { blank, comment, header, entry, other };

struct parsed_line {
  line_kind kind = line_kind::other;
  std::string_view name;   // section name of a header, key of an entry (trimmed)
  std::string_view value;  // value of an entry (trimmed, quotes still on)
};

parsed_line parse_line(std::string_view content) {
  const std::string_view text = trim(content);
  if (text.empty()) return {line_kind::blank, {}, {}};
  if (text.front() == ';') return {line_kind::comment, {}, {}};
  if (text.front() == '[') {
    size_t close = 0;
    for (size_t i = 1; i < text.size(); i += char_length(text, i))
      if (text[i] == ']') close = i;
    if (close == 0) return {line_kind::other, {}, {}};
    return {line_kind::header, trim(text.substr(1, close - 1)), {}};
  }
  // '=' (0x3D) is never a GBK trail byte, so a byte search is safe here.
  const size_t equals = text.find('=');
  if (equals == std::string_view::npos) return {line_kind::other, {}, {}};
  return {line_kind::entry, trim(text.substr(0, equals)), trim(text.substr(equals + 1))};
}

// Where a key stands, or would be added.
struct key_location {
  bool section_found = false;
  bool key_found = false;
  line_span key_line;             // the entry, when key_found
  parsed_line entry;              // its parts, when key_found
  bool has_content_line = false;  // false only for an empty section ""
  line_span last_content_line;    // the section's last line that is neither blank nor comment
};

key_location locate(std::string_view text, std::string_view section, std::string_view key) {
  key_location found;
  found.section_found = section.empty();  // the lines before the first header
  for (size_t pos = 0; pos < text.size();) {
    const line_span line = line_at(text, pos);
    pos = line.end;
    const parsed_line parsed = parse_line(text.substr(line.begin, line.content_end - line.begin));
    if (parsed.kind == line_kind::header) {
      if (found.section_found) break;  // the first section of the name has ended
      if (names_match(parsed.name, section)) {
        found.section_found = true;
        found.has_content_line = true;
        found.last_content_line = line;
      }
      continue;
    }
    if (!found.section_found) continue;
    if (parsed.kind == line_kind::blank || parsed.kind == line_kind::comment) continue;
    found.has_content_line = true;
    found.last_content_line = line;
    if (parsed.kind == line_kind::entry && names_match(parsed.name, key)) {
      found.key_found = true;
      found.key_line = line;
      found.entry = parsed;
      break;
    }
  }
  return found;
}

std::string_view unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

// The file's own line end, as its first line has it; a file without one is a
// new Windows file.
std::string_view line_end_of(std::string_view text) {
  const size_t brk = text.find_first_of("\r\n");
  if (brk == std::string_view::npos) return "\r\n";
  if (text[brk] == '\n') return "\n";
  return brk + 1 < text.size() && text[brk + 1] == '\n' ? std::string_view("\r\n") : std::string_view("\r");
}

bool ends_with_line_end(std::string_view text) {
  return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

// The value of a digit in the given base, -1 for a byte that is none.
int digit_value(char ch, int base) {
  int digit = base;
  if (ch >= '0' && ch <= '9') digit = ch - '0';
  else if (ch >= 'a' && ch <= 'z') digit = ch - 'a' + 10;
  else if (ch >= 'A' && ch <= 'Z') digit = ch - 'A' + 10;
  return digit < base ? digit : -1;
}

}  // namespace

ini_document ini_document::from_bytes(std::string bytes) {
  ini_document document;
  document.bytes_ = std::move(bytes);
  return document;
}

std::string ini_document::get_string(std::string_view section, std::string_view key,
                                     std::string_view default_text) const {
  const key_location found = locate(bytes_, section, key);
  const std::string_view value = found.key_found ? unquote(found.entry.value) : default_text;
  return std::string(value.substr(0, INI_TEXT_LIMIT));
}

// GetPrivateProfileIntA reads the value into a buffer of 30 characters and
// converts the first 29 as the platform's string-to-integer routine does:
// - an empty value reads as the default ("key=" is taken for a key without
//   a value; so is "key=\"\"");
// - leading bytes from 1 to 32 (blanks, control codes) are skipped, then
//   one '+' or '-';
// - "0x", "0o" or "0b" (lower case only) switch to base 16, 8 or 2, so "0x10"
//   reads as 16 while "0X10" and "012" read as 0 and 12;
// - the digits that follow are accumulated in 32 bits, wrapping: "4294967297"
//   reads as 1, and the sign is applied last, so "-3" reads as -3;
// - a value without digits at its start reads as 0, not as the default.
int32_t ini_document::get_int(std::string_view section, std::string_view key, int32_t default_value) const {
  const key_location found = locate(bytes_, section, key);
  if (!found.key_found) return default_value;
  std::string_view value = unquote(found.entry.value).substr(0, 29);
  if (value.empty()) return default_value;
  while (!value.empty() && static_cast<unsigned char>(value.front()) <= ' ') value.remove_prefix(1);
  bool negative = false;
  if (!value.empty() && (value.front() == '+' || value.front() == '-')) {
    negative = value.front() == '-';
    value.remove_prefix(1);
  }
  int base = 10;
  if (value.size() >= 2 && value[0] == '0') {
    if (value[1] == 'x') base = 16;
    else if (value[1] == 'o') base = 8;
    else if (value[1] == 'b') base = 2;
    if (base != 10) value.remove_prefix(2);
  }
  uint32_t number = 0;
  for (const char ch : value) {
    const int digit = digit_value(ch, base);
    if (digit < 0) break;
    number = number * uint32_t(base) + uint32_t(digit);
  }
  return static_cast<int32_t>(negative ? 0u - number : number);
}

void ini_document::write_string(std::string_view section, std::string_view key, std::string_view value) {
  // A value is one line: a line break in it would end the entry and turn the
  // rest into lines of their own, so the value is cut before the first one.
  value = value.substr(0, value.find_first_of("\r\n"));

  const key_location found = locate(bytes_, section, key);
  const std::string_view line_end = line_end_of(bytes_);

  if (found.key_found) {
    // The line keeps its place and its line end and loses only its old spacing.
    std::string entry(found.entry.name);
    entry += '=';
    entry += value;
    const line_span& line = found.key_line;
    if (bytes_.compare(line.begin, line.content_end - line.begin, entry) == 0) return;
    bytes_.replace(line.begin, line.content_end - line.begin, entry);
  } else if (found.section_found) {
    // After the section's last entry, so that blank lines and comments that
    // lead into the next section stay in front of it.
    const line_span& after = found.last_content_line;
    std::string entry;
    if (found.has_content_line && after.end == after.content_end) entry += line_end;  // the last line had none
    entry += key;
    entry += '=';
    entry += value;
    entry += line_end;
    bytes_.insert(found.has_content_line ? after.end : 0, entry);
  } else {
    if (!bytes_.empty() && !ends_with_line_end(bytes_)) bytes_ += line_end;
    bytes_ += '[';
    bytes_ += section;
    bytes_ += ']';
    bytes_ += line_end;
    bytes_ += key;
    bytes_ += '=';
    bytes_ += value;
    bytes_ += line_end;
  }
  modified_ = true;
}

}  // namespace sy
