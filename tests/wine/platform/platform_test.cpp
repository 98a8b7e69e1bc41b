// The ground the programs stand on: the ANSI code page and GBK literals.
#include "common/gbk_literal.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

TEST(platform, ansi_code_page_is_gbk) { EXPECT_EQ(GetACP(), 936u); }

TEST(platform, gbk_literal_round_trips_through_the_system_code_page) {
  wchar_t wide[16] = {};
  const int n = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, sy::PRODUCT_NAME, -1, wide, 16);
  ASSERT_EQ(n, 5);
  EXPECT_EQ(std::wstring(wide), L"\u6714\u4E91\u4E2D\u6587");
}
