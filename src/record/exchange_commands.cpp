#include "record/exchange_commands.h"

#include "display/translatable.h"

#include <string>
#include <vector>

#include "display/board_drawing.h"
#include "display/piece_drawing.h"
#include "interop/kazeban_rule_moves.h"
#include "interop/record_formats.h"
#include "interop/sfen.h"
#include "interop/standard_rules.h"
#include "play/standard_game.h"
#include "play/start_up.h"
#include "record/game_exchange.h"
#include "record/record_commands.h"
#include "rules/pieces.h"
#include "storage/atomic_file.h"
#include "storage/record_file.h"

namespace kazeban {
namespace {

constexpr const char* 取込の題 = KZ_TR("Message", "棋譜取込");
constexpr const char* 貼付けの題 = KZ_TR("Message", "棋譜貼付け");
constexpr const char* 書出の題 = KZ_TR("Message", "棋譜書出");

// The file's own name in brackets, for messages.
std::string 括弧付きの名前(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return "「" + (slash == std::string::npos ? path : path.substr(slash + 1)) + "」";
}

// Sets up a game that was read and checked, as reading a record file does: start-up
// again, then its starting position and its moves in record mode, its names, and what
// was read. A record file is set up by the record file's own steps, exactly as 読込
// sets it up (its first mover stays on the side that moved first).
void 記録モードへ(Form1& f, const 対局棋譜読込結果& read, std::string_view bytes) {
  if (read.形式 == 棋譜形式::棋譜ファイル) {
    const 棋譜読込結果 own = 棋譜_解析(bytes);
    if (own.成功) {
      棋譜_記録モードへ(f, own);
      return;
    }
  }

  // 1. Start-up again: every flag cleared; then record mode.
  Form_Load(f);
  GameState& s = f.s;
  s.KIFU_MODE = ON;

  // 2. The game's starting position on the board and in the hands, drawn again, and
  // its moves in the record.
  const bool truncated = 対局棋譜_記録へ(read.棋譜, s) || read.打切り;
  描画_盤(f.g, s);
  描画_自持盤(f.g, s);
  描画_敵持盤(f.g, s);
  f.由来 = 対局棋譜の由来(read.棋譜, s, truncated);

  // 3. The names, in white, fitted into their places.
  読んだ名前_描画(f, f.由来.対局名, f.由来.上側の名, f.由来.下側の名);

  // 4. What was read.
  f.controls.MessageOK(KZ_TR("Message", "棋譜"), KZ_TR("Message", " 読み込みました"));
  const 対局棋譜& g = read.棋譜;
  if (g.最終手反則 && !g.手.empty() && !truncated) {
    // The foul that ended the game is not on the board: say which move it was.
    Position before = g.開始局面;
    for (size_t k = 0; k + 1 < g.手.size(); ++k) 指す(before, g.手[k]);
    f.controls.MessageOK(KZ_TR("Message", "棋譜"),
                         std::to_string(g.手.size()) + "手目は反則(" +
                             標準判定の説明(標準判定(before, g.手.back())) +
                             ")のため、その前までを読み込みました");
  }
  if (truncated) {
    f.controls.MessageOK("棋譜", std::to_string(KIFU_MAX + 1) +
                                     "手目からあとは読み込んでいません(" +
                                     std::to_string(KIFU_MAX) + "手まで)");
  }
  if (s.KIFU_SAIGO > 0)
    f.controls.MessageOK(KZ_TR("Message", "棋譜"), KZ_TR("Message", "棋譜を '進 'で進めて下さい"));
}

// The KIF of the game on the board: `game` as other programs are given it, and every
// move of the record up to the position shown for KAZEBAN.
書出結果 KIFで書く(const GameState& s, const 対局棋譜& game, bool utf8) {
  const Color first = s.KIFU_SUU >= 1 ? (SITAの駒(s.KIFU_NARI[1]) ? Color::Black : Color::White)
                                      : game.開始局面.toMove;
  const Position start = 局面(記録の開始局面(s), first);
  std::vector<棋譜の手> moves;
  for (int n = 1; n <= s.KIFU_SUU; ++n) {
    moves.push_back({s.KIFU_MOTO_I[n], s.KIFU_MOTO_J[n], s.KIFU_SAKI_I[n], s.KIFU_SAKI_J[n],
                     s.KIFU_NARI[n], s.KIFU_KOMA[n], s.KIFU_TORI[n]});
  }
  return KAZEBAN規則のKIF(game, start, moves.data(), static_cast<int>(moves.size()), utf8);
}

}  // namespace

bool 棋譜ファイル_取込(Form1& f, const std::string& path) {
  処理ガード guard(f);
  if (!guard) return false;
  パネル_隠す(f);

  // 1. The whole file, then the whole game, checked before anything changes.
  const ファイル読込結果 file = ファイル_読込(path);
  if (!file.成功) {
    拒否(f, 取込の題, file.理由);
    return false;
  }
  const 対局棋譜読込結果 read = 対局棋譜_解析(file.バイト列, path);
  if (!read.成功) {
    拒否(f, 取込の題, 括弧付きの名前(path) + "の" + read.理由);
    return false;
  }

  // 2. On the board.
  記録モードへ(f, read, file.バイト列);
  return true;
}

bool 棋譜_貼付け(Form1& f, std::string_view text) {
  処理ガード guard(f);
  if (!guard) return false;
  パネル_隠す(f);
  if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
    拒否(f, 貼付けの題, KZ_TR("Message", "クリップボードに棋譜がありません"));
    return false;
  }
  const 対局棋譜読込結果 read = 対局棋譜_解析(text);
  if (!read.成功) {
    拒否(f, 貼付けの題, "貼り付けた棋譜の" + read.理由);
    return false;
  }
  記録モードへ(f, read, text);
  return true;
}

bool 棋譜_書出(Form1& f, const std::string& path, const std::string& 今の日時) {
  処理ガード guard(f);
  if (!guard) return false;

  // 1. The names typed in the panel's boxes, which hiding it forgets; then the format
  // the file's name asks for.
  const 書出の名前 boxes{f.controls.PanelText(2), f.controls.PanelText(3), f.controls.PanelText(4)};
  パネル_隠す(f);
  棋譜形式 format{};
  if (!書出形式(path, format)) {
    拒否(f, 書出の題,
         括弧付きの名前(path) + "は書き出せる形式の名前ではありません(.kif .kifu .csa .sfen .usi)");
    return false;
  }

  // 2. The game on the board, with the names of the panel's boxes, in that format.
  const 対局棋譜 game = 書出用の対局(f.s, f.由来, boxes, 今の日時, 標準ルールか(f));
  const bool kif = format == 棋譜形式::KIF || format == 棋譜形式::KIFU;
  const 書出結果 out =
      kif ? KIFで書く(f.s, game, format == 棋譜形式::KIFU) : 対局棋譜_書出(game, format);
  if (!out.成功) {
    拒否(f, 書出の題, out.理由);
    return false;
  }

  // 3. The file, complete or not at all.
  const 置換結果 written = ファイル_置換(path, out.バイト列);
  if (!written.成功) {
    拒否(f, 書出の題, written.理由);
    return false;
  }
  f.controls.MessageOK(書出の題, KZ_TR("Message", "棋譜を書き出しました"));

  // 4. A move other programs do not allow ends what they are given: say so.
  const int kept = static_cast<int>(game.手.size());
  if (kept < f.s.KIFU_SUU && kif) {
    f.controls.MessageOK(書出の題, std::to_string(kept + 1) +
                                       "手目からあとは KAZEBAN だけが読める形で書き出しました\n" +
                                       game.終局コメント);
  } else if (kept < f.s.KIFU_SUU) {
    f.controls.MessageOK(書出の題, std::to_string(kept + 1) + "手目からあとは書き出していません\n" +
                                       game.終局コメント);
  }
  return true;
}

std::string 局面_SFEN(Form1& f) {
  return SFEN_局面(局面(f.s, 盤の手番(f.s, f.由来)), f.s.KIFU_SUU + 1);
}

}  // namespace kazeban
