#include "editor/cp936_win.h"

#include <windows.h>

namespace sy {

constexpr UINT GBK_CODE_PAGE = 936;

char16_t cp936_decode_pair(unsigned char lead, unsigned char trail) {
  const char bytes[2] = {char(lead), char(trail)};
  wchar_t ch[2] = {};
  // Without MB_ERR_INVALID_CHARS an unassigned pair would come back as a
  // default character and pass for a real one.
  if (MultiByteToWideChar(GBK_CODE_PAGE, MB_ERR_INVALID_CHARS, bytes, 2, ch, 2) != 1) return 0;
  return char16_t(ch[0]);
}

int cp936_encode_char(char16_t ch, unsigned char out[2]) {
  const wchar_t wide = wchar_t(ch);
  char bytes[2] = {};
  BOOL used_default = FALSE;
  // No best fit: a character GBK lacks must be refused, not turned into a
  // look-alike that would silently change the user's text.
  const int n = WideCharToMultiByte(GBK_CODE_PAGE, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes, 2, nullptr,
                                    &used_default);
  if (n <= 0 || n > 2 || used_default) return 0;
  for (int i = 0; i < n; ++i) out[i] = static_cast<unsigned char>(bytes[i]);
  return n;
}

const gbk_codec& cp936_codec() {
  static const gbk_codec codec = gbk_codec::build(cp936_decode_pair, cp936_encode_char);
  return codec;
}

}  // namespace sy
