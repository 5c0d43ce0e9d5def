#include "record/game_exchange.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

#include "interop/position.h"
#include "rules/pieces.h"
#include "storage/record_file.h"
#include "storage/replay.h"

namespace kazeban {
namespace {

Color 持ち主(int code) {
  return SITAの駒(code) ? Color::Black : Color::White;
}

// True when the board and the hands are those of the even start.
bool 平手の初形か(const GameState& s) {
  GameState even;
  初期設定_状態(even);
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) {
      if (s.BAN[i][j] != even.BAN[i][j]) return false;
    }
  }
  for (int k = 1; k <= 7; ++k) {
    if (s.SITA_MOCHI[k] != 0 || s.UE_MOCHI[k] != 0) return false;
  }
  return true;
}

// True while the moves on the board are the first moves of the record as it was set up.
bool 読んだ手のままか(const GameState& s, const GameState& set_up) {
  if (s.KIFU_SUU > set_up.KIFU_SAIGO) return false;
  for (int n = 1; n <= s.KIFU_SUU; ++n) {
    if (s.KIFU_MOTO_I[n] != set_up.KIFU_MOTO_I[n] || s.KIFU_MOTO_J[n] != set_up.KIFU_MOTO_J[n] ||
        s.KIFU_SAKI_I[n] != set_up.KIFU_SAKI_I[n] || s.KIFU_SAKI_J[n] != set_up.KIFU_SAKI_J[n] ||
        s.KIFU_NARI[n] != set_up.KIFU_NARI[n] || s.KIFU_KOMA[n] != set_up.KIFU_KOMA[n] ||
        s.KIFU_TORI[n] != set_up.KIFU_TORI[n]) {
      return false;
    }
  }
  return true;
}

const std::string& 選ぶ(const std::string& box, const std::string& shown,
                        const std::string& fallback) {
  if (!box.empty()) return box;
  if (!shown.empty()) return shown;
  return fallback;
}

}  // namespace

bool 対局棋譜_記録へ(const 対局棋譜& g, GameState& s) {
  局面を盤へ(g.開始局面, s);
  棋譜データ moves;
  // A foul that ended the game is not played: the board shows the game before it.
  const size_t playable = g.手.size() - (g.最終手反則 && !g.手.empty() ? 1 : 0);
  const size_t count = std::min(playable, static_cast<size_t>(KIFU_MAX));
  moves.手.assign(g.手.begin(), g.手.begin() + static_cast<std::ptrdiff_t>(count));
  棋譜_記録へ(moves, s);
  return playable > count;
}

記録の由来 対局棋譜の由来(const 対局棋譜& g, const GameState& s, bool 打切り) {
  記録の由来 o;
  o.初形 = s;
  o.平手 = 平手の初形か(s);
  o.上側が先 = g.開始局面.toMove == Color::White;
  o.対局名 = g.棋戦;
  o.上側の名 = g.後手名;
  o.下側の名 = g.先手名;
  o.開始日時 = g.開始日時;
  if (!打切り) {
    // Without its foul the game ends with the side that fouled to move, which lost
    // by it: 反則負け as KIF says it when the foul itself is not written.
    o.終局 = g.最終手反則 ? "反則負け" : g.終局;
    o.勝者 = static_cast<int>(g.結果);
    o.終局コメント = g.終局コメント;
  }
  return o;
}

GameState 記録の開始局面(const GameState& s) {
  GameState start = s;
  while (start.KIFU_SUU > 0) 棋譜_戻す(start);
  return start;
}

Color 盤の手番(const GameState& s, const 記録の由来& o) {
  if (s.TEBAN != NASHI) return s.TEBAN == s.SITA_SENGO ? Color::Black : Color::White;
  if (s.KIFU_SUU < s.KIFU_SAIGO) return 持ち主(s.KIFU_NARI[s.KIFU_SUU + 1]);
  if (s.KIFU_SUU >= 1) return 相手(持ち主(s.KIFU_NARI[s.KIFU_SUU]));
  return o.上側が先 ? Color::White : Color::Black;
}

対局棋譜 書出用の対局(const GameState& s, const 記録の由来& o, const 書出の名前& boxes,
                      const std::string& 今の日時) {
  // 1. The start: the record taken back to its first move, with the side of that move
  // to move (or, with no move, the side to move on the board).
  const GameState start_state = 記録の開始局面(s);
  const Color first = s.KIFU_SUU >= 1 ? 持ち主(s.KIFU_NARI[1]) : 盤の手番(s, o);
  const Position start = 局面(start_state, first);
  std::vector<棋譜の手> moves;
  for (int n = 1; n <= s.KIFU_SUU; ++n) {
    moves.push_back({s.KIFU_MOTO_I[n], s.KIFU_MOTO_J[n], s.KIFU_SAKI_I[n], s.KIFU_SAKI_J[n],
                     s.KIFU_NARI[n], s.KIFU_KOMA[n], s.KIFU_TORI[n]});
  }

  // 2. The names: the first player's box names the side that moved first.
  const bool against_computer = s.TAIKYOKU_SYU == TAI_COM && s.KIFU_MODE == OFF;
  static const std::string none, person = "あなた", computer = "ｺﾝﾋﾟｭｰﾀ";
  const std::string& bottom_box = first == Color::Black ? boxes.先手 : boxes.後手;
  const std::string& top_box = first == Color::Black ? boxes.後手 : boxes.先手;
  const std::string& bottom = 選ぶ(bottom_box, o.下側の名, against_computer ? person : none);
  const std::string& top = 選ぶ(top_box, o.上側の名, against_computer ? computer : none);
  const std::string& name = 選ぶ(boxes.対局名, o.対局名, none);

  // 3. The game read keeps its date while its moves are on the board, and its end
  // once all of them are.
  const bool as_read = 読んだ手のままか(s, o.初形);
  const bool from_file = o.初形.KIFU_SAIGO > 0;
  const std::string& date = as_read && from_file ? o.開始日時 : 今の日時;
  const int n = static_cast<int>(moves.size());
  const bool ended = s.KIFU_SUU == s.KIFU_SAIGO && KAZEBAN終局か(start, moves.data(), n);
  対局棋譜 g = KAZEBAN対局から(start, moves.data(), static_cast<int>(moves.size()), top, bottom,
                               name, date, ended);
  if (as_read && s.KIFU_SUU == o.初形.KIFU_SAIGO && !o.終局.empty()) {
    g.終局 = o.終局;
    g.結果 = static_cast<対局結果>(o.勝者);
    // An even game whose top side moved first is written turned round: the winner's
    // colour turns with it.
    if (o.平手 && first == Color::White && g.結果 == 対局結果::先手勝ち) {
      g.結果 = 対局結果::後手勝ち;
    } else if (o.平手 && first == Color::White && g.結果 == 対局結果::後手勝ち) {
      g.結果 = 対局結果::先手勝ち;
    }
    g.終局コメント = o.終局コメント;
  }
  return g;
}

bool 書出形式(std::string_view fileName, 棋譜形式& format) {
  const size_t dot = fileName.find_last_of('.');
  const size_t slash = fileName.find_last_of('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
    return false;
  }
  std::string ext(fileName.substr(dot + 1));
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const std::pair<const char*, 棋譜形式> known[] = {{"kif", 棋譜形式::KIF},
                                                    {"kifu", 棋譜形式::KIFU},
                                                    {"csa", 棋譜形式::CSA},
                                                    {"sfen", 棋譜形式::SFEN},
                                                    {"usi", 棋譜形式::USI}};
  for (const auto& [e, f] : known) {
    if (ext == e) {
      format = f;
      return true;
    }
  }
  return false;
}

}  // namespace kazeban
