#include "play/standard_game.h"

#include <array>
#include <vector>

#include "display/translatable.h"
#include "play/engine_turn.h"
#include "play/game_end.h"
#include "rules/pieces.h"
#include "storage/replay.h"

namespace kazeban {

namespace {

// A position as the repetition rule compares them: the board, both hands and the side
// to move.
struct 局面キー {
  std::array<int, BAN_SUU * BAN_SUU + 14 + 1> v{};
  bool operator==(const 局面キー&) const = default;
};

局面キー キー(const GameState& s, Color toMove) {
  局面キー k;
  size_t n = 0;
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) k.v[n++] = s.BAN[i][j];
  }
  for (int kind = 1; kind <= 7; ++kind) {
    k.v[n++] = s.SITA_MOCHI[kind];
    k.v[n++] = s.UE_MOCHI[kind];
  }
  k.v[n] = toMove == Color::Black ? 0 : 1;
  return k;
}

Color 持ち主(int code) {
  return SITAの駒(code) ? Color::Black : Color::White;
}

// The record's move n as the standard rules read it: a drop's row is the kind (top
// hand) or the kind + 2 (bottom hand), whichever form the record holds.
棋譜の手 整えた手(const 棋譜の手& m) {
  棋譜の手 out = m;
  if (m.MOTO_I == -1) out.MOTO_J = 駒種類(m.KOMA);
  if (m.MOTO_I == 11) out.MOTO_J = 駒種類(m.KOMA) + 2;
  return out;
}

// The box of the end: who won and how, or the draw.
std::string 終局の文(const 標準の終局& e, std::string_view 黒の名, std::string_view 白の名) {
  const std::string 勝者(e.勝者 == Color::Black ? 黒の名 : 白の名);
  const std::string 敗者(e.勝者 == Color::Black ? 白の名 : 黒の名);
  switch (e.理由) {
    case 標準終局理由::詰み:
      return 勝者 + "の勝ちです";
    case 標準終局理由::投了:
      return 敗者 + "が投了しました\n" + 勝者 + "の勝ちです";
    case 標準終局理由::千日手:
      return KZ_TR("Message", "千日手で引き分けです");
    case 標準終局理由::連続王手の千日手:
      return "連続王手の千日手です\n" + 勝者 + "の勝ちです";
  }
  return {};
}

}  // namespace

bool 標準ルールか(const Form1& f) {
  return f.標準.選択 || f.標準.強制;
}

Color 手番の色(const GameState& s) {
  return s.TEBAN == s.SITA_SENGO ? Color::Black : Color::White;
}

標準判定結果 標準_指し手判定(const GameState& s, const 棋譜の手& m) {
  return 標準判定(局面(s, 持ち主(m.KOMA)), 整えた手(m));
}

std::string 反則の説明(const GameState& s, const 棋譜の手& m, 標準判定結果 r) {
  switch (r) {
    case 標準判定結果::合法:
      return {};
    case 標準判定結果::不正:
      return KZ_TR("Message", "その手は指せません");
    case 標準判定結果::二歩:
      return KZ_TR("Message", "二歩は反則です");
    case 標準判定結果::行き所のない駒:
      return KZ_TR("Message", "行き所のない駒は反則です");
    case 標準判定結果::王手放置:
      return 王手されている(s, 持ち主(m.KOMA))
                 ? KZ_TR("Message", "王手を放置する手は指せません")
                 : KZ_TR("Message", "自玉に王手がかかる手は指せません");
    case 標準判定結果::打ち歩詰め:
      return KZ_TR("Message", "打ち歩詰めは反則です");
  }
  return {};
}

bool 標準_反則なら拒否(Form1& f, const 棋譜の手& m) {
  if (!標準ルールか(f)) return false;
  const 標準判定結果 r = 標準_指し手判定(f.s, m);
  if (r == 標準判定結果::合法) return false;
  拒否(f, KZ_TR("Message", "反則"), 反則の説明(f.s, m, r));
  return true;
}

std::optional<標準の終局> 標準_終局判定(const GameState& s) {
  const int n = s.KIFU_SUU;
  if (n < 1) return std::nullopt;

  // 1. Mate: the side to move after the last move has no legal move.
  const Color mover = 持ち主(s.KIFU_NARI[n]);
  const Color toMove = 相手(mover);
  std::vector<棋譜の手> moves(標準手の最大数);
  if (合法手一覧(局面(s, toMove), moves.data()) == 0) return 標準の終局{標準終局理由::詰み, mover};

  // 2. Every position of the record from its start, with the side to move, and whether
  // the move that led to it gave check.
  GameState p = s;
  while (p.KIFU_SUU > 0) 棋譜_戻す(p);
  std::vector<局面キー> keys;
  std::vector<bool> checked;  // checked[k]: move k gave check
  keys.reserve(static_cast<size_t>(n) + 1);
  checked.assign(static_cast<size_t>(n) + 1, false);
  keys.push_back(キー(p, 持ち主(s.KIFU_NARI[1])));
  for (int k = 1; k <= n; ++k) {
    棋譜_進める(p);
    const Color next = 相手(持ち主(s.KIFU_NARI[k]));
    keys.push_back(キー(p, next));
    checked[static_cast<size_t>(k)] = 王手されている(p, next);
  }

  // 3. The fourth appearance of the position now on the board.
  int seen = 0;
  int first = n;
  for (int k = n; k >= 0; --k) {
    if (keys[static_cast<size_t>(k)] == keys[static_cast<size_t>(n)]) {
      seen += 1;
      first = k;
    }
  }
  if (seen < 4) return std::nullopt;

  // 4. A side whose every move since the first appearance gave check loses.
  bool moverChecked = true;
  bool otherChecked = true;
  for (int k = first + 1; k <= n; ++k) {
    const bool byMover = 持ち主(s.KIFU_NARI[k]) == mover;
    if (!checked[static_cast<size_t>(k)]) (byMover ? moverChecked : otherChecked) = false;
  }
  if (moverChecked) return 標準の終局{標準終局理由::連続王手の千日手, toMove};
  if (otherChecked) return 標準の終局{標準終局理由::連続王手の千日手, mover};
  return 標準の終局{標準終局理由::千日手, Color::Black};
}

std::string 対局者の名(const GameState& s, Color side) {
  if (s.TAIKYOKU_SYU == TAI_COM)
    return side == Color::Black ? KZ_TR("Message", "あなた") : KZ_TR("Message", "ｺﾝﾋﾟｭｰﾀ");
  const bool sente = (side == Color::Black ? s.SITA_SENGO : s.UE_SENGO) == SENTE;
  return sente ? KZ_TR("Message", "先手") : KZ_TR("Message", "後手");
}

bool 標準_終局(Form1& f, const 標準の終局& e, std::string_view 黒の名, std::string_view 白の名) {
  if (f.記録先 != nullptr) f.記録先->終局した(f, e);
  const std::string name(e.勝者 == Color::Black ? 黒の名 : 白の名);
  return 終了(f, name, 終局の文(e, 黒の名, 白の名));
}

bool 標準_終局(Form1& f, const 標準の終局& e) {
  return 標準_終局(f, e, 対局者の名(f.s, Color::Black), 対局者の名(f.s, Color::White));
}

bool 標準_手の後(Form1& f) {
  const std::optional<標準の終局> e = 標準_終局判定(f.s);
  if (!e) return true;
  (void)標準_終局(f, *e);
  return false;
}

bool 標準_投了(Form1& f) {
  return 標準_終局(f, {標準終局理由::投了, 相手(手番の色(f.s))});
}

void HYOUJUN_Click(Form1& f) {
  処理ガード guard(f);
  if (!guard) return;
  const bool on = !f.controls.IsChecked(MenuCheck::HYOUJUN);
  f.controls.SetChecked(MenuCheck::HYOUJUN, on);
  f.標準.選択 = on;
}

void TOURYOU_Click(Form1& f) {
  処理ガード guard(f);
  if (!guard) return;
  パネル_隠す(f);
  if (f.s.TEBAN == NASHI) {
    拒否(f, KZ_TR("Message", "投了"), KZ_TR("Message", "対局中ではありません"));
    return;
  }
  if (!標準ルールか(f)) {
    拒否(f, KZ_TR("Message", "投了"),
         KZ_TR("Message", "投了は標準ﾙｰﾙの対局でできます(ｵﾌﾟｼｮﾝ→標準ﾙｰﾙ)"));
    return;
  }
  if (!f.controls.MessageYesNo(KZ_TR("Message", "投了"), KZ_TR("Message", "投了しますか？")))
    return;
  // Against an engine the person resigns, even while the engine thinks.
  if (エンジン対局中(f)) {
    エンジン対局_人の投了(f);
    return;
  }
  (void)標準_投了(f);
}

}  // namespace kazeban
