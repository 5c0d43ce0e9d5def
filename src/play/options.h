// The ｵﾌﾟｼｮﾝ menu: move guidance (white outlines on every square the selected piece
// may reach) and the looping background tune.
#pragma once

#include "play/form.h"

namespace kazeban {

// The ｵﾌﾟｼｮﾝ menu is opened: the record-file panel hides.
void OPTION_Click(Form1& f);

// 移動指導: guidance on (marks appear at the next selection) or off (every mark and the
// selection's outline go at once; the selection itself stays).
void SIDOU_Click(Form1& f);

// BGM: the background tune loops while the item is checked.
void BGM_Click(Form1& f);

}  // namespace kazeban
