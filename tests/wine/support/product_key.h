#pragma once
// The product's registry key, which tests point at throw-away installations.
// A test must never leave it changed: product_key_guard takes note of the key
// as it is found and puts exactly that back.
#include <windows.h>

#include <string>
#include <vector>

namespace sy_test {

class product_key_guard {
 public:
  product_key_guard();   // notes whether the key exists and all its values
  ~product_key_guard();  // restores them: removes values added since, and the key if it was not there
  product_key_guard(const product_key_guard&) = delete;
  product_key_guard& operator=(const product_key_guard&) = delete;

 private:
  struct saved_value {
    std::string name;
    DWORD type = 0;
    std::string data;
  };
  bool key_existed_ = false;
  std::vector<saved_value> saved_;
};

// Sets a text value of the product's key, creating the key when needed; a key
// that cannot be written fails the test.
void set_product_value(const char* value_name, const std::string& text);
// Removes the product's whole key, as on a machine without the input method.
void remove_product_key();

}  // namespace sy_test
