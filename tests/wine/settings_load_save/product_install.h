#pragma once
// A throw-away installation of the input method for one test: a directory with
// a settings file and skins, and the registry values that point the settings
// dialog at it. Everything it creates is removed again when it goes.
#include <string>
#include <vector>

namespace sy_test {

// A file's bytes; "<missing>" when it cannot be opened.
std::string file_bytes(const std::string& path);

class product_install {
public:
  product_install();
  ~product_install();
  product_install(const product_install&) = delete;
  product_install& operator=(const product_install&) = delete;

  const std::string& directory() const { return directory_; }
  std::string path_of(const std::string& name) const { return directory_ + "\\" + name; }
  std::string settings_path() const { return path_of("shuoyun.ini"); }

  void write_file(const std::string& name, const std::string& bytes) const;
  std::string read_file(const std::string& name) const { return file_bytes(path_of(name)); }
  bool file_exists(const std::string& name) const;
  void add_skins(const std::vector<std::string>& names) const;
  void set_read_only(const std::string& name, bool read_only) const;

  // "系统目录" (or another value name) := this directory, or any other text.
  void register_directory(const char* value_name = "系统目录") const;
  void register_value(const char* value_name, const std::string& text) const;
  // Removes the product's whole registry key, as on a machine without the input method.
  static void remove_registry_key();

private:
  std::string root_;       // unique per test, removed with everything below it
  std::string directory_;  // below root_, with a Chinese name as installers give it
};

}  // namespace sy_test
