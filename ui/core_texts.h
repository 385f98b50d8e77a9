#pragma once

#include <string_view>

#include "platform/texts.h"

namespace vemrik {

/// The text of the core's tables whose Polish is `pl`: a menu's, a submenu's or a command's
/// caption, a control's caption, a page title or one of the controls' other texts; nullptr for any
/// other. Front ends that look their texts up by the Polish find the English here.
const Text* coreText(std::string_view pl);

}  // namespace vemrik
