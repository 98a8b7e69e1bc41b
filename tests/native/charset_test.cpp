#include "common/gbk_literal.h"

#include <gtest/gtest.h>

#include <string>

TEST(charset, literals_are_compiled_to_gbk_bytes) {
  // 朔云中文 in code page 936.
  const std::string expected = "\xCB\xB7\xD4\xC6\xD6\xD0\xCE\xC4";
  EXPECT_EQ(std::string(sy::PRODUCT_NAME), expected);
}
