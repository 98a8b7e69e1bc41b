#include "common/ini_document.h"

namespace sy {

// Placeholder bodies; the engine follows.
ini_document ini_document::from_bytes(std::string bytes) {
  ini_document document;
  document.bytes_ = std::move(bytes);
  return document;
}

std::string ini_document::get_string(std::string_view, std::string_view, std::string_view default_text) const {
  return std::string(default_text.substr(0, INI_TEXT_LIMIT));
}

int32_t ini_document::get_int(std::string_view, std::string_view, int32_t default_value) const {
  return default_value;
}

void ini_document::write_string(std::string_view, std::string_view, std::string_view) {}

}  // namespace sy
