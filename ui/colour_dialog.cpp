#include "ui/colour_dialog.h"

#include <commdlg.h>

namespace sy {

std::optional<colour_ref> colour_dialog::choose(colour_ref initial) {
  CHOOSECOLORA choice{};
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = owner_;
  choice.rgbResult = initial;
  choice.lpCustColors = custom_colours_.data();
  choice.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!ChooseColorA(&choice)) return std::nullopt;
  return colour_ref(choice.rgbResult & 0xFFFFFF);
}

}  // namespace sy
