#pragma once
// Where the input method lives: the registry names its directory, and every
// file of it is that directory, a backslash and a file name.

#include <cstddef>
#include <string>
#include <string_view>

namespace sy {

// HKEY_LOCAL_MACHINE\SOFTWARE\朔云中文. It is only ever read, so it is opened
// for reading: full access is refused to standard users and to every
// process that runs without elevation.
inline constexpr char PRODUCT_KEY[] = "SOFTWARE\\朔云中文";

// The registry value is read into a buffer of this size; longer data counts
// as missing.
inline constexpr size_t REGISTRY_BUFFER_SIZE = 260;

// "系统目录98" for the 98 variant, else "系统目录".
const char* registry_value_name(bool variant_98);

// The bytes a successful RegQueryValueExA left in its buffer, up to the first
// zero byte and never more than REGISTRY_BUFFER_SIZE of them (data stored
// without a terminating zero must not run past the buffer).
std::string registry_text_from_buffer(const char* data, size_t size);

// The directory is used as it stands: "C:\IME\" gives "C:\IME\\shuoyun.ini",
// which the file system accepts, and "" gives "\shuoyun.ini".
std::string settings_path_for(std::string_view install_directory);

// FindFirstFileA pattern of the status-bar skins: dir + "\skin\*.ini".
std::string skin_pattern_for(std::string_view install_directory);

}  // namespace sy
