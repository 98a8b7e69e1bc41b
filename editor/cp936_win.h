#pragma once
// The system's code page 936 conversion, one character at a time, as
// gbk_codec::build asks for it. Code page 936 is named explicitly rather than
// taken from the system's ANSI setting: the files are GBK whatever the user's
// locale is, and the text must show the same on every system.

#include "editor/core/gbk_codec.h"

namespace sy {

char16_t cp936_decode_pair(unsigned char lead, unsigned char trail);  // 0 = no character
int cp936_encode_char(char16_t ch, unsigned char out[2]);             // bytes written, 0 = not in GBK

// The codec built on the two above, once per process.
const gbk_codec& cp936_codec();

}  // namespace sy
