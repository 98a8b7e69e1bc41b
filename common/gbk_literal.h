#pragma once
// Every literal of the system is stored and compared as GBK bytes. The build
// compiles UTF-8 source literals to GBK; this constant lets tests prove it.
namespace sy {
inline constexpr char PRODUCT_NAME[] = "朔云中文";
}
