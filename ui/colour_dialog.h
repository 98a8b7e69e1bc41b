#pragma once
// The system colour dialog, opened fully expanded on a given colour. Its 16
// custom colours start white and keep the user's changes for as long as this
// object lives; they are never stored.

#include "common/conversions.h"

#include <windows.h>

#include <array>
#include <optional>

namespace sy {

class colour_dialog {
 public:
  colour_dialog() { custom_colours_.fill(RGB(255, 255, 255)); }

  void set_owner(HWND owner) { owner_ = owner; }
  HWND owner() const { return owner_; }

  // The chosen colour, or nullopt when the user cancelled or the dialog
  // could not be shown.
  std::optional<colour_ref> choose(colour_ref initial);

  const std::array<COLORREF, 16>& custom_colours() const { return custom_colours_; }

 private:
  HWND owner_ = nullptr;
  std::array<COLORREF, 16> custom_colours_;
};

}  // namespace sy
