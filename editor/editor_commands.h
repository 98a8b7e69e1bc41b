#pragma once
// The identifiers that the editor's two menu commands send with WM_COMMAND.
// Scripts and tests that drive the editor from outside choose the commands
// by these numbers.

namespace sy {

inline constexpr unsigned SAVE_AND_EXIT_COMMAND = 1;     // "存盘退出"
inline constexpr unsigned DISCARD_AND_EXIT_COMMAND = 2;  // "放弃退出"

}  // namespace sy
