// The installation directory as the registry of the Wine prefix holds it.
// Every test leaves HKLM\SOFTWARE\朔云中文 in both registry views with the
// values it had before (the key has no subkeys to keep).
#include "common/win/registry.h"

#include "common/install_paths.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

const char* const NORMAL_VALUE = sy::registry_value_name(false);
const char* const VALUE_98 = sy::registry_value_name(true);

constexpr REGSAM OWN_VIEW = 0;
constexpr REGSAM OTHER_VIEW = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;

// A registry value as stored: its type and its exact data.
struct stored_value {
  DWORD type = REG_SZ;
  std::string data;
};

// The value as an ANSI program stores a directory: the text and its zero.
stored_value text_value(const std::string& text) { return {REG_SZ, text + '\0'}; }

class product_key_test : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const REGSAM view : {OWN_VIEW, OTHER_VIEW}) saved_.push_back(snapshot(view));
    for (const REGSAM view : {OWN_VIEW, OTHER_VIEW}) delete_key(view);
  }

  void TearDown() override {
    for (const REGSAM view : {OWN_VIEW, OTHER_VIEW}) delete_key(view);
    for (const saved_view& saved : saved_) {
      if (!saved.key_existed) continue;
      create_key(saved.view);
      for (const auto& [name, value] : saved.values) set_value(saved.view, name.c_str(), value);
    }
  }

  static void create_key(REGSAM view) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, sy::PRODUCT_KEY, 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }

  static void set_value(REGSAM view, const char* name, const stored_value& value) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, sy::PRODUCT_KEY, 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, value.type, reinterpret_cast<const BYTE*>(value.data.data()),
                             static_cast<DWORD>(value.data.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }

 private:
  struct saved_view {
    REGSAM view = 0;
    bool key_existed = false;
    std::vector<std::pair<std::string, stored_value>> values;  // every value of the key
  };

  static saved_view snapshot(REGSAM view) {
    saved_view saved;
    saved.view = view;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, sy::PRODUCT_KEY, 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS)
      return saved;
    saved.key_existed = true;
    for (DWORD index = 0;; ++index) {
      char name[16384];
      DWORD name_size = sizeof name;
      stored_value value;
      DWORD size = 0;
      if (RegEnumValueA(key, index, name, &name_size, nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS) break;
      value.data.resize(size);
      name_size = sizeof name;
      if (RegEnumValueA(key, index, name, &name_size, nullptr, &value.type, reinterpret_cast<BYTE*>(&value.data[0]),
                        &size) == ERROR_SUCCESS)
        saved.values.emplace_back(std::string(name, name_size), value);
    }
    RegCloseKey(key);
    return saved;
  }

  static void delete_key(REGSAM view) { RegDeleteKeyExA(HKEY_LOCAL_MACHINE, sy::PRODUCT_KEY, view, 0); }

  std::vector<saved_view> saved_;
};

TEST_F(product_key_test, each_variant_reads_its_own_value) {
  set_value(OWN_VIEW, NORMAL_VALUE, text_value("C:\\IME"));
  set_value(OWN_VIEW, VALUE_98, text_value("D:\\朔云98"));
  EXPECT_EQ(sy::read_install_directory(false), std::optional<std::string>("C:\\IME"));
  EXPECT_EQ(sy::read_install_directory(true), std::optional<std::string>("D:\\\xCB\xB7\xD4\xC6" "98"));
}

TEST_F(product_key_test, missing_key_is_told_apart_from_a_missing_value) {
  EXPECT_FALSE(sy::open_product_key());
  EXPECT_EQ(sy::read_install_directory(false), std::nullopt);

  set_value(OWN_VIEW, NORMAL_VALUE, text_value("C:\\IME"));
  EXPECT_EQ(sy::read_install_directory(true), std::optional<std::string>(""));
}

TEST_F(product_key_test, key_is_opened_for_reading_only) {
  set_value(OWN_VIEW, NORMAL_VALUE, text_value("C:\\IME"));
  const sy::registry_key key = sy::open_product_key();
  ASSERT_TRUE(key);
  const char data[] = "X:\\";
  EXPECT_EQ(RegSetValueExA(key.get(), NORMAL_VALUE, 0, REG_SZ, reinterpret_cast<const BYTE*>(data), sizeof data),
            ERROR_ACCESS_DENIED);
  EXPECT_EQ(sy::read_registry_text(key.get(), NORMAL_VALUE), "C:\\IME");
}

TEST_F(product_key_test, key_written_by_a_program_of_the_other_width_is_found) {
  set_value(OTHER_VIEW, NORMAL_VALUE, text_value("C:\\Program Files (x86)\\IME"));
  EXPECT_EQ(sy::read_install_directory(false), std::optional<std::string>("C:\\Program Files (x86)\\IME"));
}

TEST_F(product_key_test, key_in_the_own_view_wins_over_the_other_view) {
  set_value(OWN_VIEW, NORMAL_VALUE, text_value("C:\\own"));
  set_value(OTHER_VIEW, NORMAL_VALUE, text_value("C:\\other"));
  EXPECT_EQ(sy::read_install_directory(false), std::optional<std::string>("C:\\own"));
}

// What a stored value reads as: the 260-byte buffer decides what is too long,
// and the data is taken as it is, whatever its type.
struct value_case {
  const char* name;
  stored_value value;
  std::string expected;
};

class registry_text_test : public product_key_test, public ::testing::WithParamInterface<value_case> {};

TEST_P(registry_text_test, reads_the_stored_bytes) {
  set_value(OWN_VIEW, NORMAL_VALUE, GetParam().value);
  const sy::registry_key key = sy::open_product_key();
  ASSERT_TRUE(key);
  EXPECT_EQ(sy::read_registry_text(key.get(), NORMAL_VALUE), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    values, registry_text_test,
    ::testing::Values(
        value_case{"plain", text_value("C:\\IME"), "C:\\IME"},
        value_case{"trailing_backslash_kept", text_value("C:\\IME\\"), "C:\\IME\\"},
        value_case{"gbk_bytes_unchanged", text_value("C:\\输入法"), "C:\\\xCA\xE4\xC8\xEB\xB7\xA8"},
        value_case{"empty", text_value(""), ""},
        value_case{"bytes_259_fit_with_their_zero", text_value(std::string(259, 'd')), std::string(259, 'd')},
        value_case{"bytes_260_need_261_and_count_as_missing", text_value(std::string(260, 'd')), ""},
        value_case{"bytes_300_count_as_missing", text_value(std::string(300, 'd')), ""},
        value_case{"stored_without_zero", stored_value{REG_SZ, "C:\\IME"}, "C:\\IME"},
        value_case{"cut_at_the_first_zero", stored_value{REG_SZ, std::string("C:\\IME\0junk\0", 12)}, "C:\\IME"},
        value_case{"expand_string_not_expanded", stored_value{REG_EXPAND_SZ, std::string("%WINDIR%\\IME\0", 13)},
                   "%WINDIR%\\IME"},
        value_case{"binary_type_not_examined", stored_value{REG_BINARY, std::string("C:\\IME\0", 7)}, "C:\\IME"}),
    [](const ::testing::TestParamInfo<value_case>& info) { return std::string(info.param.name); });

}  // namespace
