#include "common/install_paths.h"

#include "common/schema.h"

#include <algorithm>
#include <cstring>

namespace sy {

const char* registry_value_name(bool variant_98) { return variant_98 ? "系统目录98" : "系统目录"; }

std::string registry_text_from_buffer(const char* data, size_t size) {
  if (data == nullptr) return std::string();
  size = std::min(size, REGISTRY_BUFFER_SIZE);
  const void* zero = std::memchr(data, 0, size);
  return std::string(data, zero ? static_cast<const char*>(zero) - data : size);
}

std::string settings_path_for(std::string_view install_directory) {
  std::string path(install_directory);
  path += '\\';
  path += SETTINGS_FILE_NAME;
  return path;
}

std::string skin_pattern_for(std::string_view install_directory) {
  std::string pattern(install_directory);
  pattern += "\\skin\\*.ini";
  return pattern;
}

}  // namespace sy
