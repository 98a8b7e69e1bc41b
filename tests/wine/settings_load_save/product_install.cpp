#include "tests/wine/settings_load_save/product_install.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace sy_test {

product_install::product_install() {
  // A value a killed run left behind would otherwise steer the dialog.
  remove_product_key();
  directory_ = root_ / "朔云中文";
  if (!CreateDirectoryA(directory_.c_str(), nullptr))
    ADD_FAILURE() << "cannot create " << directory_ << ": " << GetLastError();
}

void product_install::add_skins(const std::vector<std::string>& names) const {
  CreateDirectoryA(path_of("skin").c_str(), nullptr);
  for (const std::string& name : names) write_file("skin\\" + name, "[skin]\r\n");
}

void product_install::set_read_only(const std::string& name, bool read_only) const {
  SetFileAttributesA(path_of(name).c_str(),
                     read_only ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

void product_install::register_directory(const char* value_name) const {
  register_value(value_name, directory_);
}

void product_install::register_value(const char* value_name, const std::string& text) const {
  set_product_value(value_name, text);
}

}  // namespace sy_test
