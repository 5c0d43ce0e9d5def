// The search of the computer's turn: a one-move look-ahead over every legal board
// move and drop of the computer (UE), each tried on the live board, surveyed,
// scored by the evaluation and taken back; the best score wins.
//
// Candidates are met in a fixed order: board moves by from-column, from-row,
// to-column, to-row, each ascending; then drops by kind 1..7, to-column, to-row.
// Only a strictly higher score replaces the best, so the first of equal scores wins
// and a board move beats a drop of the same score. A move that may promote is scored
// unpromoted and promoted and keeps the promotion only when it scores higher; a pawn,
// lance or knight that could not move again is scored promoted only. The search
// stops early when a board move that captures the person's king becomes the best, or
// when, after a drop, the best score is 9998 or more.
//
// The window runs a turn as: draw "思考中"; COM_準備 (the best score reset, the
// snapshots and the survey of the position before the move); refresh; COM_探索; then
// it records and makes the chosen move and asks COM_王手か whether the game is won.
// The search leaves BAN as it found it and allocates nothing; it does rewrite the
// influence map, the king fields, the double-pawn flags and NARI_KOMA.
//
// A caller that plays by other rules (the USI engine, for standard shogi) may hand the
// search a filter: it is asked about every candidate form before that form is scored,
// the unpromoted and the promoted form of a move separately, and a form it leaves out
// is neither scored, nor watched, nor ever the best, so it never stops the search
// early either. Everything else runs as designed, ties included.
#pragma once

#include <utility>

#include "computer/evaluation.h"
#include "computer/influence_map.h"
#include "computer/snapshots.h"
#include "computer/survey.h"
#include "rules/game_state.h"
#include "rules/move.h"
#include "rules/move_check.h"
#include "rules/pieces.h"
#include "rules/promotion.h"

namespace kazeban {

// One candidate as the move record writes it. A drop comes from column -1 with the
// kind 1..7 as its row.
struct COM指し手 {
  int MOTO_I = 0;  // from-column, -1 for a drop
  int MOTO_J = 0;  // from-row, the kind for a drop
  int SAKI_I = 0;  // to-column
  int SAKI_J = 0;  // to-row
  int KOMA = 0;    // code before the move
  int NARI = 0;    // code after the move (promoted when it promotes)
  int TORI = 0;    // code captured, 0 for none
};

struct COM結果 {
  bool 指し手あり = false;  // a best move was chosen; false when no move or drop was legal
  COM指し手 最善;           // the move to play
  int 点 = 点_初期;         // its exact score, in tenths
  int 候補数 = 0;           // candidates scored (a move scored twice counts twice)
  bool 打切り = false;      // the search stopped before meeting every candidate
};

// Steps 2-5 of the turn: the best score reset, the board copied aside, the double-pawn
// flags and the survey of the position before the move, the hand total and both
// influence counts copied aside.
void COM_準備(GameState& s, 勢力図& m, COM記録& r);

// The filter that keeps every candidate: the designed search.
struct 全候補 {
  constexpr bool operator()(const COM指し手&) const { return true; }
};

// Steps 7-8 of the turn, after COM_準備: scores every candidate and returns the best.
// 見る(const COM指し手&, int score) is called for every candidate scored, in order,
// the unpromoted and the promoted form of a move separately. 残す(const COM指し手&)
// is asked about each form before it is scored, with the fields filled as the record
// would hold them; it must not look at the live board, which may already hold the
// move. A form it answers false for is left out.
template <typename 観察, typename 選別 = 全候補>
COM結果 COM_探索(GameState& s, 勢力図& m, COM記録& r, 観察&& 見る, 選別&& 残す = 選別{}) {
  COM結果 out;
  const auto 採点 = [&](const COM指し手& 手) {
    勢力調査(s, m);
    const int score = 盤評価(s, m, r, 手.TORI, 手.NARI, 手.MOTO_I, 手.MOTO_J, 手.SAKI_I, 手.SAKI_J);
    out.候補数 += 1;
    見る(手, score);
    return score;
  };

  // 7. Board moves.
  for (int x = 1; x <= BAN_SUU; ++x) {
    for (int y = 1; y <= BAN_SUU; ++y) {
      if (s.BAN[x][y] < K_UE_HU) continue;
      for (int x2 = 1; x2 <= BAN_SUU; ++x2) {
        for (int y2 = 1; y2 <= BAN_SUU; ++y2) {
          // 7.1 Only legal moves.
          const int koma = s.BAN[x][y];
          if (移動チェック(s, x, y, x2, y2, koma) != ON) continue;

          // 7.2 Make the move on the board.
          r.IDOU_KOMA = koma;
          const int captured = s.BAN[x2][y2];
          s.BAN[x][y] = KARA;
          s.BAN[x2][y2] = koma;

          // 7.3 Score it: unpromoted, promoted when it must, or both when it may. A
          // form the filter leaves out is skipped; with none left, so is the move.
          COM指し手 手{x, y, x2, y2, koma, koma, captured};
          int score = 点_初期;
          bool scored = false;
          if (調査_駒成(s, x, y, x2, y2, koma) == OFF) {
            if (残す(std::as_const(手))) {
              score = 採点(手);
              scored = true;
            }
          } else if (移動後チェック(y2, koma) == OFF) {
            手.NARI = s.NARI_KOMA;
            if (残す(std::as_const(手))) {
              s.BAN[x2][y2] = 手.NARI;
              score = 採点(手);
              scored = true;
            }
          } else {
            COM指し手 成り = 手;
            成り.NARI = s.NARI_KOMA;
            if (残す(std::as_const(手))) {
              score = 採点(手);
              scored = true;
            }
            if (残す(std::as_const(成り))) {
              s.BAN[x2][y2] = 成り.NARI;
              const int score2 = 採点(成り);
              if (!scored || score2 > score) {
                score = score2;
                手 = 成り;
              }
              scored = true;
            }
          }

          // 7.4 Take it back.
          s.BAN[x2][y2] = captured;
          s.BAN[x][y] = koma;

          // 7.5 A strictly better score becomes the best; capturing the person's
          // king as the new best ends the search.
          if (scored && score > r.SAIKOU_TEN) {
            r.SAIKOU_TEN = score;
            out.最善 = 手;
            out.指し手あり = true;
            if (captured == K_SITA_OU) {
              out.打切り = true;
              out.点 = r.SAIKOU_TEN;
              return out;
            }
          }
        }
      }
    }
  }

  // 8. Drops, when the hand held anything at the start of the turn.
  if (r.MAE_UE_MOCHI_SU > 0) {
    for (int k = 1; k <= 7; ++k) {
      if (s.UE_MOCHI[k] <= 0) continue;
      const int piece = 持駒_UEコード(k);
      for (int x2 = 1; x2 <= BAN_SUU; ++x2) {
        for (int y2 = 1; y2 <= BAN_SUU; ++y2) {
          // 8.1 Only legal drops.
          if (移動チェック(s, -1, k, x2, y2, piece) != ON) continue;

          // 8.2 Drop, score, take back.
          const COM指し手 手{-1, k, x2, y2, piece, piece, KARA};
          if (!残す(手)) continue;
          s.BAN[x2][y2] = piece;
          const int score = 採点(手);
          s.BAN[x2][y2] = KARA;

          // 8.3 A strictly better score becomes the best; a best of 9998 or more
          // ends the search.
          if (score > r.SAIKOU_TEN) {
            r.SAIKOU_TEN = score;
            out.最善 = 手;
            out.指し手あり = true;
          }
          if (r.SAIKOU_TEN >= 点_勝ち) {
            out.打切り = true;
            out.点 = r.SAIKOU_TEN;
            return out;
          }
        }
      }
    }
  }
  out.点 = r.SAIKOU_TEN;
  return out;
}

// The search without watching the candidates.
COM結果 COM_探索(GameState& s, 勢力図& m, COM記録& r);

// The test of steps 9-11, once the chosen move is on the board: surveys the new
// position and answers whether the computer now bears on the square of the person's
// king (the game is then won by the computer).
bool COM_王手か(GameState& s, 勢力図& m);

}  // namespace kazeban
