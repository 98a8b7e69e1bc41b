#pragma once
// The reload notification's window operations on real Windows.

#include "common/reload.h"

namespace sy {

class win_window_system : public window_system {
 public:
  bool is_window(window_handle window) override;
  window_handle find_input_method_window() override;
  void send_reload(window_handle window, int code) override;
};

}  // namespace sy
