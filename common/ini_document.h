#pragma once
// The settings file in memory. Read once, answered from memory, changed in
// memory and written back whole, byte for byte except for the lines a write
// changes. Reads follow the Windows private-profile rules; see
// ini_document.cpp for the exact syntax.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sy {

// A text read returns at most this many bytes (GetPrivateProfileStringA into
// a buffer of 260).
inline constexpr size_t INI_TEXT_LIMIT = 259;

class ini_document {
 public:
  // Any bytes at all, including none (a missing file); never fails.
  static ini_document from_bytes(std::string bytes);

  // The current content, exactly.
  const std::string& bytes() const { return bytes_; }

  // True once a write has changed the bytes.
  bool modified() const { return modified_; }

  // The key's value, or default_text when the section or key is absent; cut
  // to INI_TEXT_LIMIT bytes (the default too).
  std::string get_string(std::string_view section, std::string_view key, std::string_view default_text) const;

  // default_value when the section or key is absent or the value is empty;
  // otherwise the signed number at the start of the value (0 when it has
  // none), wrapping in 32 bits; ini_document.cpp gives the details.
  int32_t get_int(std::string_view section, std::string_view key, int32_t default_value) const;

  // Sets the key to the value: an existing key keeps its line (now
  // "key=value"), a new key goes after the last line of its section that is
  // neither blank nor a comment, a new section goes at the end. New lines
  // take the file's own line end (CR LF for a file that has none). The value
  // is cut before its first CR or LF.
  void write_string(std::string_view section, std::string_view key, std::string_view value);

 private:
  std::string bytes_;
  bool modified_ = false;
};

}  // namespace sy
