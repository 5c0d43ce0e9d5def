// A window playing against the computer, for the tests of the computer's turn: helpers
// to set up positions, to ask the pure search which move it would choose from a copy
// of the window's state, and to replay the record from the starting position.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "computer/search.h"
#include "play/computer_turn.h"
#include "play_fixture.h"
#include "rules/move.h"
#include "storage/replay.h"

namespace kazeban::testing {

// What the search on a copy chose, and whether that move would end the game.
struct 期待 {
  COM結果 res;
  bool 勝ち = false;  // after the move the computer bears on the person's king or took it
};

// Runs the computer's search on copies of a state and its influence map, exactly as
// the window's turn runs it, and plays the chosen move on the copy.
inline 期待 純粋な探索(GameState& s, 勢力図& m) {
  COM記録 r;
  COM_準備(s, m, r);
  期待 out;
  out.res = COM_探索(s, m, r);
  if (!out.res.指し手あり) return out;
  const COM指し手& b = out.res.最善;
  手順保存(s, b.MOTO_I, b.MOTO_J, b.SAKI_I, b.SAKI_J, b.KOMA, b.NARI);
  s.TESUU += 1;
  const int taken = 駒移動_盤(s, b.MOTO_I, b.MOTO_J, b.SAKI_I, b.SAKI_J, b.NARI);
  out.勝ち = COM_王手か(s, m) || taken == K_SITA_OU;
  return out;
}

// The position the record reaches from the starting position, replayed entry by entry
// with the review command's forward step.
inline GameState 棋譜から再現(const GameState& s) {
  GameState r;
  初期設定_状態(r);
  std::copy(std::begin(s.KIFU_MOTO_I), std::end(s.KIFU_MOTO_I), std::begin(r.KIFU_MOTO_I));
  std::copy(std::begin(s.KIFU_MOTO_J), std::end(s.KIFU_MOTO_J), std::begin(r.KIFU_MOTO_J));
  std::copy(std::begin(s.KIFU_SAKI_I), std::end(s.KIFU_SAKI_I), std::begin(r.KIFU_SAKI_I));
  std::copy(std::begin(s.KIFU_SAKI_J), std::end(s.KIFU_SAKI_J), std::begin(r.KIFU_SAKI_J));
  std::copy(std::begin(s.KIFU_TORI), std::end(s.KIFU_TORI), std::begin(r.KIFU_TORI));
  std::copy(std::begin(s.KIFU_KOMA), std::end(s.KIFU_KOMA), std::begin(r.KIFU_KOMA));
  std::copy(std::begin(s.KIFU_NARI), std::end(s.KIFU_NARI), std::begin(r.KIFU_NARI));
  r.KIFU_SAIGO = s.KIFU_SAIGO;
  for (int n = 1; n <= s.KIFU_SUU; ++n) 棋譜_進める(r);
  return r;
}

// An empty description of what differs between the board and hands of two states.
inline std::string 盤と持駒の違い(const GameState& a, const GameState& b) {
  std::string out;
  for (int i = 1; i <= 9; ++i) {
    for (int j = 1; j <= 9; ++j) {
      if (a.BAN[i][j] != b.BAN[i][j]) {
        // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on "(" + string.
        out.append("(").append(std::to_string(i)).append(",").append(std::to_string(j));
        out.append(") ").append(std::to_string(a.BAN[i][j])).append(" vs ");
        out.append(std::to_string(b.BAN[i][j])).append("; ");
      }
    }
  }
  for (int k = 1; k <= 7; ++k) {
    if (a.SITA_MOCHI[k] != b.SITA_MOCHI[k])
      out.append("SITA_MOCHI ").append(std::to_string(k)).append("; ");
    if (a.UE_MOCHI[k] != b.UE_MOCHI[k])
      out.append("UE_MOCHI ").append(std::to_string(k)).append("; ");
  }
  if (a.SITA_MOCHI_SU != b.SITA_MOCHI_SU) out += "SITA_MOCHI_SU; ";
  if (a.UE_MOCHI_SU != b.UE_MOCHI_SU) out += "UE_MOCHI_SU; ";
  return out;
}

class ComTest : public PlayTest {
 protected:
  // Start-up, then 先手: the person moves first against the computer.
  GameState& SenteGame() {
    Start();
    SENTE_Click(*f);
    surface.Clear();
    controls.messages.clear();
    FakeSound().calls.clear();
    return f->s;
  }

  // Every square emptied.
  static void ClearBoard(GameState& s) {
    for (int i = 1; i <= 9; ++i) {
      for (int j = 1; j <= 9; ++j) s.BAN[i][j] = KARA;
    }
  }

  // The computer's king on (5, 9) walled in by its own pawns, none of which can move:
  // those on row 9 have no square ahead, those on row 8 face their own pieces. The
  // person's king stands on (1, 1), out of their reach.
  static void ComputerWalledIn(GameState& s) {
    ClearBoard(s);
    s.BAN[5][9] = K_UE_OU;
    for (const auto& [i, j] : {std::pair{4, 8}, {5, 8}, {6, 8}, {4, 9}, {6, 9}}) {
      s.BAN[i][j] = K_UE_HU;
    }
    s.BAN[1][1] = K_SITA_OU;
  }

  // The computer to move, as after the person's move in a game against it.
  void ComputerToMove() {
    f->s.TAIKYOKU_SYU = TAI_COM;
    f->s.TEBAN = f->s.UE_SENGO;
  }

  // The last text drawn at grid point (x, y), or "" if none.
  std::string TextAt(double x, double y) const {
    for (auto it = surface.ops.rbegin(); it != surface.ops.rend(); ++it) {
      if (it->kind == DrawOp::Text && RecordingSurface::Near(it->x, グリッドX(x)) &&
          RecordingSurface::Near(it->y, グリッドY(y))) {
        return it->text;
      }
    }
    return "";
  }

  // The index of the first recorded operation from `from` on that matches, or -1.
  template <typename Pred>
  int IndexOf(Pred pred, int from = 0) const {
    for (int n = from; n < static_cast<int>(surface.ops.size()); ++n) {
      if (pred(surface.ops[static_cast<std::size_t>(n)])) return n;
    }
    return -1;
  }

  bool DrewText(const std::string& text) const {
    const auto texts = surface.Texts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }
};

}  // namespace kazeban::testing
