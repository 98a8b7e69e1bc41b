#include "tests/wine/support/product_key.h"

#include "common/install_paths.h"

#include <gtest/gtest.h>

namespace sy_test {
namespace {

HKEY open_key_for_writing() {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, sy::PRODUCT_KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  return key;
}

// Names of all values of an open key.
std::vector<std::string> value_names(HKEY key) {
  std::vector<std::string> names;
  for (DWORD index = 0;; ++index) {
    char name[16384];
    DWORD size = sizeof name;
    if (RegEnumValueA(key, index, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, size);
  }
  return names;
}

}  // namespace

product_key_guard::product_key_guard() {
  HKEY key = nullptr;
  key_existed_ = RegOpenKeyExA(HKEY_LOCAL_MACHINE, sy::PRODUCT_KEY, 0, KEY_READ, &key) == ERROR_SUCCESS;
  if (!key_existed_) return;
  for (const std::string& name : value_names(key)) {
    saved_value value{name, 0, {}};
    DWORD size = 0;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS) continue;
    value.data.resize(size);
    if (size) RegQueryValueExA(key, name.c_str(), nullptr, &value.type, reinterpret_cast<BYTE*>(&value.data[0]), &size);
    value.data.resize(size);
    saved_.push_back(value);
  }
  RegCloseKey(key);
}

product_key_guard::~product_key_guard() {
  if (!key_existed_) {
    remove_product_key();
    return;
  }
  HKEY key = open_key_for_writing();
  if (!key) return;
  for (const std::string& name : value_names(key)) RegDeleteValueA(key, name.c_str());
  for (const saved_value& value : saved_) {
    RegSetValueExA(key, value.name.c_str(), 0, value.type, reinterpret_cast<const BYTE*>(value.data.data()),
                   DWORD(value.data.size()));
  }
  RegCloseKey(key);
}

void set_product_value(const char* value_name, const std::string& text) {
  HKEY key = open_key_for_writing();
  ASSERT_NE(key, nullptr) << "cannot write the product key";
  RegSetValueExA(key, value_name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), DWORD(text.size() + 1));
  RegCloseKey(key);
}

void remove_product_key() { RegDeleteKeyA(HKEY_LOCAL_MACHINE, sy::PRODUCT_KEY); }

}  // namespace sy_test
