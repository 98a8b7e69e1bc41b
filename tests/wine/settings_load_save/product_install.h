#pragma once
// A throw-away installation of the input method for one test: a directory with
// a settings file and skins, and the registry values that point the settings
// dialog at it. Everything it creates is removed again when it goes, and the
// product's registry key is put back as it was found.
#include "tests/wine/support/files.h"
#include "tests/wine/support/product_key.h"

#include <string>
#include <vector>

namespace sy_test {

class product_install {
public:
  product_install();  // starts with no product key, as on a machine without the input method
  product_install(const product_install&) = delete;
  product_install& operator=(const product_install&) = delete;

  const std::string& directory() const { return directory_; }
  std::string path_of(const std::string& name) const { return directory_ + "\\" + name; }
  std::string settings_path() const { return path_of("shuoyun.ini"); }

  void write_file(const std::string& name, const std::string& bytes) const { write_bytes(path_of(name), bytes); }
  std::string read_file(const std::string& name) const { return sy_test::read_file(path_of(name)); }
  bool file_exists(const std::string& name) const { return sy_test::file_exists(path_of(name)); }
  void add_skins(const std::vector<std::string>& names) const;
  void set_read_only(const std::string& name, bool read_only) const;

  // "系统目录" (or another value name) := this directory, or any other text.
  void register_directory(const char* value_name = "系统目录") const;
  void register_value(const char* value_name, const std::string& text) const;
  // Removes the product's whole registry key, as on a machine without the input method.
  static void remove_registry_key() { remove_product_key(); }

private:
  product_key_guard registry_;  // first, so that it is put back last
  temp_directory root_{"sy_settings_"};
  std::string directory_;  // below root_, with a Chinese name as installers give it
};

}  // namespace sy_test
