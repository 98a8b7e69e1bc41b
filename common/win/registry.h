#pragma once
// Reading the input method's installation directory from the registry. The
// key is only ever read, so it is opened for reading only.

#include <windows.h>

#include <optional>
#include <string>

namespace sy {

// An open registry key that closes itself.
class registry_key {
 public:
  registry_key() = default;
  explicit registry_key(HKEY key) : key_(key) {}
  registry_key(registry_key&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
  registry_key& operator=(registry_key&& other) noexcept;
  registry_key(const registry_key&) = delete;
  registry_key& operator=(const registry_key&) = delete;
  ~registry_key();

  HKEY get() const { return key_; }
  explicit operator bool() const { return key_ != nullptr; }

 private:
  HKEY key_ = nullptr;
};

// HKEY_LOCAL_MACHINE\SOFTWARE\朔云中文 with read access, or an empty holder
// when it cannot be opened. Write access would be refused to every user
// without administrator rights, and the program needs none. A key missing
// from this process's registry view is looked for in the other one: a 32-bit
// installer on 64-bit Windows writes below Wow6432Node.
registry_key open_product_key();

// The value's data up to its first zero byte, read into a buffer of 260
// bytes: a missing value, or data that with its terminating zero needs more
// than 260 bytes, gives the empty text. The value's type is not examined.
std::string read_registry_text(HKEY key, const char* value_name);

// The installation directory of the variant: nullopt when the product key
// cannot be opened, the empty text when the value is missing or too long.
std::optional<std::string> read_install_directory(bool variant_98);

}  // namespace sy
