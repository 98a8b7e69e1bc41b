#pragma once
// The system's own GBK (code page 936) conversion of single characters, the
// two functions gbk_codec::build asks. On Windows the code page itself, as
// the editor uses it; elsewhere glibc's iconv, whose GBK differs from
// code page 936 in a few code points, which the codec's round-trip check
// absorbs. For tests, benchmarks and fuzzing only.

#include "editor/core/gbk_codec.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace sy_test {

#ifdef _WIN32

inline char16_t system_decode_pair(unsigned char lead, unsigned char trail) {
  const char bytes[2] = {char(lead), char(trail)};
  wchar_t ch = 0;
  if (MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes, 2, &ch, 1) != 1) return 0;
  return char16_t(ch);
}

inline int system_encode_char(char16_t ch, unsigned char out[2]) {
  const wchar_t wide = wchar_t(ch);
  char bytes[2];
  BOOL used_default = FALSE;
  const int n = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes, 2, nullptr, &used_default);
  if (n <= 0 || used_default) return 0;
  for (int i = 0; i < n; ++i) out[i] = static_cast<unsigned char>(bytes[i]);
  return n;
}

#else

// One iconv call on a whole small buffer; returns the bytes written or -1.
inline int iconv_once(iconv_t cd, const void* in, size_t in_size, void* out, size_t out_size) {
  char* in_p = const_cast<char*>(static_cast<const char*>(in));
  char* out_p = static_cast<char*>(out);
  size_t in_left = in_size, out_left = out_size;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &in_p, &in_left, &out_p, &out_left) == size_t(-1) || in_left != 0) return -1;
  return int(out_size - out_left);
}

inline char16_t system_decode_pair(unsigned char lead, unsigned char trail) {
  static const iconv_t cd = iconv_open("UTF-16LE", "GBK");
  const unsigned char in[2] = {lead, trail};
  unsigned char out[4];
  if (iconv_once(cd, in, 2, out, sizeof out) != 2) return 0;
  return char16_t(out[0] | out[1] << 8);
}

inline int system_encode_char(char16_t ch, unsigned char out[2]) {
  static const iconv_t cd = iconv_open("GBK", "UTF-16LE");
  const unsigned char in[2] = {static_cast<unsigned char>(ch & 0xFF), static_cast<unsigned char>(ch >> 8)};
  unsigned char bytes[4];
  const int n = iconv_once(cd, in, 2, bytes, sizeof bytes);
  if (n != 1 && n != 2) return 0;
  for (int i = 0; i < n; ++i) out[i] = bytes[i];
  return n;
}

#endif

// Built once: it asks the system about every one of the 24,066 pairs.
inline const sy::gbk_codec& system_gbk_codec() {
  static const sy::gbk_codec codec = sy::gbk_codec::build(system_decode_pair, system_encode_char);
  return codec;
}

}  // namespace sy_test
