#include "common/win/registry.h"

#include "common/install_paths.h"

namespace sy {

registry_key& registry_key::operator=(registry_key&& other) noexcept {
  if (this != &other) {
    if (key_) RegCloseKey(key_);
    key_ = other.key_;
    other.key_ = nullptr;
  }
  return *this;
}

registry_key::~registry_key() {
  if (key_) RegCloseKey(key_);
}

namespace {

// The view this process does not see by default.
constexpr REGSAM OTHER_REGISTRY_VIEW = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;

}  // namespace

registry_key open_product_key() {
  HKEY key = nullptr;
  LONG status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, PRODUCT_KEY, 0, KEY_READ, &key);
  if (status == ERROR_FILE_NOT_FOUND)
    status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, PRODUCT_KEY, 0, KEY_READ | OTHER_REGISTRY_VIEW, &key);
  return registry_key(status == ERROR_SUCCESS ? key : nullptr);
}

std::string read_registry_text(HKEY key, const char* value_name) {
  char data[REGISTRY_BUFFER_SIZE] = {};
  DWORD size = sizeof data;
  if (RegQueryValueExA(key, value_name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size) != ERROR_SUCCESS)
    return std::string();
  return registry_text_from_buffer(data, size);
}

std::optional<std::string> read_install_directory(bool variant_98) {
  const registry_key key = open_product_key();
  if (!key) return std::nullopt;
  return read_registry_text(key.get(), registry_value_name(variant_98));
}

}  // namespace sy
