// The about box of the その他 menu.
#pragma once

#include <string>

#include "play/form.h"

namespace kazeban {

// The about box's title and text: the version line, an empty line, the home page and
// the e-mail address.
inline constexpr const char* ABOUT_TITLE = "KAZEBAN";
std::string 版情報();

// その他: hides the record-file panel, plays its sound and shows the about box.
void VER_Click(Form1& f);

}  // namespace kazeban
