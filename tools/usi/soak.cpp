// kazeban-usi-soak: seeded whole games through the USI engine, every move checked.
//
//   kazeban-usi-soak [--games N] [--seconds S] [--seed K] [--record FILE]
//
// Game g plays configuration g of a fixed cycle: every start (the even one and each
// standard handicap, the handicap giver white and to move), every pairing (KAZEBAN
// against itself at each pair of levels, KAZEBAN against a random mover at each level
// with either colour), under the standard rules and under KAZEBAN's own. The engine
// is driven through its command reader ("setoption", "position sfen …", "go") and
// its bestmove read back as a USI move; the random mover draws from the legal moves
// with a generator seeded by K + g. After every move the soak checks that:
//   - the move is allowed by the chosen rules (standard: 合法 only; KAZEBAN's: a king
//     left attacked or a pawn-drop mate as well) and by KAZEBAN's own move test;
//   - the engine resigned only when the rules allowed it nothing;
//   - every kind of piece is conserved (40 pieces from the even start);
// and at the end of the game that the record written as SFEN with its moves (and, from
// the even start, as a .棋譜 file) reads back to the same moves and replays through
// the same position after every move. A game ends when the side to move has nothing
// to play, when a king would be taken or both kings stand attacked (KAZEBAN's rules)
// or after 300 moves.
// Stops after N games (default 1000) or S seconds, whichever comes first; prints the
// count, the games per second and the results; exits 1 on the first failure, naming
// the game, its seed and the position. --record writes every game played under the
// standard rules as one "position sfen … moves …" line, for other programs to check.
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "interop/sfen.h"
#include "interop/standard_rules.h"
#include "rules/move_check.h"
#include "rules/pieces.h"
#include "rules/promotion.h"
#include "storage/record_file.h"
#include "storage/replay.h"
#include "usi_engine.h"

namespace kazeban {
namespace {

constexpr int 手数上限 = 300;

struct 開始 {
  const char* name;
  const char* sfen;  // empty: the even start
};

constexpr 開始 開始局面[] = {
    {"even", ""},
    {"lance", "lnsgkgsn1/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1"},
    {"right lance", "1nsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1"},
    {"bishop", "lnsgkgsnl/1r7/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1"},
    {"rook", "lnsgkgsnl/7b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1"},
    {"rook and lance", "lnsgkgsn1/7b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1"},
    {"two pieces", "lnsgkgsnl/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1"},
    {"four pieces", "1nsgkgsn1/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1"},
    {"six pieces", "2sgkgs2/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1"},
    {"eight pieces", "3gkg3/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1"},
    {"ten pieces", "4k4/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1"},
};
constexpr int 開始数 = sizeof 開始局面 / sizeof 開始局面[0];

// A player: KAZEBAN at a level 1..3, or 0 for the random mover.
struct 組 {
  int black;
  int white;
};

std::vector<組> 組み合わせ() {
  std::vector<組> out;
  for (int b = 1; b <= 3; ++b) {
    for (int w = 1; w <= 3; ++w) out.push_back({b, w});
  }
  for (int l = 1; l <= 3; ++l) {
    out.push_back({l, 0});
    out.push_back({0, l});
  }
  return out;
}

struct 失敗 {
  std::string what;
};

// Pieces by hand kind (0: kings) on the board and in both hands.
std::array<int, 8> 駒数(const Position& p) {
  std::array<int, 8> n{};
  for (int i = 1; i <= BAN_SUU; ++i) {
    for (int j = 1; j <= BAN_SUU; ++j) {
      const int c = p.state.BAN[i][j];
      if (c != KARA) n[駒種類(c)] += 1;
    }
  }
  for (int k = 1; k <= 7; ++k) n[k] += p.state.SITA_MOCHI[k] + p.state.UE_MOCHI[k];
  return n;
}

// The board and both hands after a move, kept for the replays of the record.
struct 盤面 {
  std::array<int, 100> ban{};
  std::array<int, 16> hands{};

  explicit 盤面(const GameState& s) {
    for (int i = 1; i <= BAN_SUU; ++i) {
      for (int j = 1; j <= BAN_SUU; ++j) ban[static_cast<size_t>(i * 10 + j)] = s.BAN[i][j];
    }
    for (size_t k = 1; k <= 7; ++k) {
      hands[k] = s.SITA_MOCHI[k];
      hands[k + 8] = s.UE_MOCHI[k];
    }
  }
  bool operator==(const 盤面&) const = default;
};

// KAZEBAN's own move test agrees: the piece stands there (or is in hand) and may go.
bool 自前の判定(const Position& p, const 棋譜の手& m) {
  GameState s = p.state;
  調査_2歩フラグ設定(s);
  const bool black = p.toMove == Color::Black;
  if (m.MOTO_I == 11 || m.MOTO_I == -1) {
    const int k = black ? m.MOTO_J - 2 : m.MOTO_J;
    if (m.MOTO_I != (black ? 11 : -1) || k < 1 || k > 7) return false;
    if ((black ? s.SITA_MOCHI[k] : s.UE_MOCHI[k]) <= 0) return false;
    if (m.KOMA != (black ? 持駒_SITAコード(k) : 持駒_UEコード(k))) return false;
  } else if (s.BAN[m.MOTO_I][m.MOTO_J] != m.KOMA || (black ? !SITAの駒(m.KOMA) : !UEの駒(m.KOMA))) {
    return false;
  }
  return 移動チェック(s, m.MOTO_I, m.MOTO_J, m.SAKI_I, m.SAKI_J, m.KOMA) == ON;
}

class 対局 {
 public:
  対局(int number, unsigned seed, const 開始& start, 組 players, bool kazebanRules)
      : number_(number),
        seed_(seed),
        start_(start),
        players_(players),
        rules_(kazebanRules),
        rng_(seed) {}

  // Plays the game; the result: 1 black won, -1 white won, 0 drawn at the move limit.
  int 指す() {
    // 1. The start.
    const std::string text =
        *start_.sfen ? std::string("sfen ") + start_.sfen : std::string("startpos");
    const SFEN読込結果 r = SFEN_解析(text, rules_);
    if (!r.成功) throw 失敗{"the start does not read: " + r.理由};
    p_ = r.局面;
    開始_ = p_;
    const std::array<int, 8> pieces = 駒数(p_);
    局面列_.reserve(手数上限 + 1);
    局面列_.emplace_back(p_.state);

    // 2. The moves, each checked. The side with nothing to play loses; a side that
    // could take the king wins.
    int result = 0;
    while (static_cast<int>(手_.size()) < 手数上限) {
      // Under KAZEBAN's rules a move may attack a king while leaving its own attacked;
      // with both kings attacked, the side to move could take the other's.
      if (rules_ && 王手されている(p_.state, Color::Black) &&
          王手されている(p_.state, Color::White)) {
        result = p_.toMove == Color::Black ? 1 : -1;
        break;
      }
      const int player = p_.toMove == Color::Black ? players_.black : players_.white;
      棋譜の手 m;
      const int legal = 合法手一覧(p_, 一覧_);
      const bool has = player > 0 ? エンジン(player, m) : ランダム(legal, m);
      if (!has) {
        if (!rules_ && legal > 0) throw 失敗{"the engine resigned with legal moves left"};
        result = p_.toMove == Color::Black ? -1 : 1;
        break;
      }
      if (rules_ && (m.TORI == K_SITA_OU || m.TORI == K_UE_OU)) {
        result = p_.toMove == Color::Black ? 1 : -1;
        break;
      }
      検査(m, legal);
      kazeban::指す(p_, m);
      if (駒数(p_) != pieces) throw 失敗{"pieces not conserved after " + USI_指し手(m)};
      手_.push_back(m);
      局面列_.emplace_back(p_.state);
    }

    // 3. The record, written and read back.
    SFEN往復();
    if (!*start_.sfen) 棋譜往復();
    return result;
  }

  std::string 説明() const {
    std::string moves;
    for (const 棋譜の手& m : 手_) moves += " " + USI_指し手(m);
    return "game " + std::to_string(number_) + " (seed " + std::to_string(seed_) + ", start " +
           start_.name + ", black " + 名(players_.black) + ", white " + 名(players_.white) +
           (rules_ ? ", KAZEBAN's rules" : ", standard rules") + ")\nposition sfen " +
           SFEN_局面(開始_) + (moves.empty() ? "" : " moves" + moves);
  }

  int 手数() const { return static_cast<int>(手_.size()); }
  bool 標準() const { return !rules_; }

  std::string 記録() const {
    std::string text = "position sfen " + SFEN_局面(開始_);
    if (!手_.empty()) text += " moves";
    for (const 棋譜の手& m : 手_) text += " " + USI_指し手(m);
    return text;
  }

 private:
  static std::string 名(int player) {
    return player > 0 ? "level " + std::to_string(player) : std::string("random");
  }

  bool エンジン(int level, 棋譜の手& m) {
    std::string out;
    engine_.行("setoption name Level value " + std::to_string(level), out);
    engine_.行(std::string("setoption name KazebanRules value ") + (rules_ ? "true" : "false"),
               out);
    // As the shogi programs send it: the start and every move since.
    std::string position = "position sfen " + SFEN_局面(開始_);
    if (!手_.empty()) position += " moves";
    for (const 棋譜の手& played : 手_) position += " " + USI_指し手(played);
    engine_.行(position, out);
    engine_.行("go btime 0 wtime 0 byoyomi 1000", out);
    const size_t at = out.rfind("bestmove ");
    if (at == std::string::npos || out.back() != '\n') throw 失敗{"no bestmove in: " + out};
    if (out.find("info string") != std::string::npos) throw 失敗{"the engine said: " + out};
    const std::string mv = out.substr(at + 9, out.size() - at - 10);
    if (mv == "resign") return false;
    if ((out.find("info depth 1 score cp ") != 0 && out.find("info depth 1 score mate 1 ") != 0) ||
        out.find(" pv " + mv + "\n") == std::string::npos) {
      throw 失敗{"no info line before the move: " + out};
    }
    if (!USI_指し手解析(p_, mv, m)) throw 失敗{"the engine's move does not read: " + mv};
    if (!rules_) 評価値の検査(out, m);
    return true;
  }

  // Under the standard rules a move that mates is reported "mate 1", and any other
  // check within 30000 centipawns.
  void 評価値の検査(const std::string& out, const 棋譜の手& m) {
    Position after = p_;
    kazeban::指す(after, m);
    const bool check = 王手されている(after.state, after.toMove);
    const bool mate = check && 合法手一覧(after, 返し手_.data()) == 0;
    const bool said_mate = out.starts_with("info depth 1 score mate 1 ");
    if (said_mate != mate) throw 失敗{"a mate reported wrongly: " + out};
    if (check && !mate && std::abs(std::stoi(out.substr(22))) > 30000) {
      throw 失敗{"a check reported beyond 30000 centipawns: " + out};
    }
  }

  bool ランダム(int legal, 棋譜の手& m) {
    if (legal == 0) return false;
    m = 一覧_[rng_() % static_cast<unsigned>(legal)];
    return true;
  }

  void 検査(const 棋譜の手& m, int legal) {
    const 標準判定結果 j = 標準判定(p_, m);
    const bool ok = j == 標準判定結果::合法 ||
                    (rules_ && (j == 標準判定結果::王手放置 || j == 標準判定結果::打ち歩詰め));
    if (!ok) throw 失敗{"a move the rules forbid: " + USI_指し手(m)};
    if (!自前の判定(p_, m)) throw 失敗{"a move KAZEBAN's move test refuses: " + USI_指し手(m)};
    if (j == 標準判定結果::合法) {
      bool listed = false;
      for (int k = 0; k < legal && !listed; ++k) listed = 一覧_[k] == m;
      if (!listed) throw 失敗{"a legal move missing from the legal moves: " + USI_指し手(m)};
    }
  }

  void SFEN往復() {
    const SFEN読込結果 r = SFEN_解析(記録(), rules_);
    if (!r.成功) throw 失敗{"the SFEN record does not read back: " + r.理由};
    if (r.手 != 手_) throw 失敗{"the SFEN record reads back other moves"};
    Position q = r.局面;
    if (!同一局面(q, 開始_)) throw 失敗{"the SFEN record starts elsewhere"};
    for (size_t k = 0; k < r.手.size(); ++k) {
      kazeban::指す(q, r.手[k]);
      if (盤面(q.state) != 局面列_[k + 1]) {
        throw 失敗{"the SFEN record replays elsewhere after move " + std::to_string(k + 1)};
      }
    }
  }

  void 棋譜往復() {
    棋譜データ d;
    d.対局名 = "soak " + std::to_string(number_);
    d.上側の名 = 名(players_.white);
    d.下側の名 = 名(players_.black);
    d.手 = 手_;
    const 棋譜バイト列結果 w = 棋譜_バイト列(d);
    if (!w.成功) throw 失敗{"the record file is not written: " + w.理由};
    const 棋譜読込結果 r = 棋譜_解析(w.バイト列);
    if (!r.成功) throw 失敗{"the record file does not read back: " + r.理由};
    if (r.データ.手 != 手_) throw 失敗{"the record file reads back other moves"};
    GameState s;
    初期設定_状態(s);
    if (盤面(s) != 局面列_[0]) throw 失敗{"the record file starts elsewhere"};
    棋譜_記録へ(r.データ, s);
    for (size_t k = 0; k < 手_.size(); ++k) {
      棋譜_進める(s);
      if (盤面(s) != 局面列_[k + 1]) {
        throw 失敗{"the record file replays elsewhere after move " + std::to_string(k + 1)};
      }
    }
  }

  int number_;
  unsigned seed_;
  開始 start_;
  組 players_;
  bool rules_;
  std::mt19937 rng_;
  USI対話 engine_;
  Position p_;
  Position 開始_;
  std::vector<棋譜の手> 手_;
  std::vector<盤面> 局面列_;
  棋譜の手 一覧_[標準手の最大数];
  std::array<棋譜の手, 標準手の最大数> 返し手_;  // the replies to the engine's move
};

long 数(const char* t) {
  char* end = nullptr;
  const long v = std::strtol(t, &end, 10);
  return end != t && *end == '\0' && v >= 0 ? v : -1;
}

int 実行(int argc, char** argv) {
  long games = 1000;
  long seconds = -1;
  long seed = 1;
  FILE* record = nullptr;
  for (int n = 1; n < argc; ++n) {
    const std::string_view a = argv[n];
    if (n + 1 < argc && a == "--record" && record == nullptr) {
      record = std::fopen(argv[++n], "w");
      if (record != nullptr) continue;
      std::fprintf(stderr, "kazeban-usi-soak: cannot write %s\n", argv[n]);
      return 2;
    }
    if (n + 1 < argc && (a == "--games" || a == "--seconds" || a == "--seed")) {
      const long v = 数(argv[++n]);
      if (v < 0) break;
      (a == "--games" ? games : a == "--seconds" ? seconds : seed) = v;
      continue;
    }
    std::fprintf(stderr,
                 "usage: kazeban-usi-soak [--games N] [--seconds S] [--seed K] [--record FILE]\n");
    return 2;
  }

  const std::vector<組> pairs = 組み合わせ();
  const long cycle = static_cast<long>(pairs.size()) * 開始数 * 2;
  const auto t0 = std::chrono::steady_clock::now();
  const auto elapsed = [&] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  };
  long played = 0, plies = 0, black = 0, white = 0, drawn = 0;
  for (long g = 0; g < games; ++g) {
    if (seconds >= 0 && elapsed() >= static_cast<double>(seconds)) break;
    const long c = g % cycle;
    const bool rules = c % 2 == 1;
    const 開始& start = 開始局面[(c / 2) % 開始数];
    const 組 players = pairs[static_cast<size_t>(c / 2 / 開始数)];
    const auto game_seed = static_cast<unsigned>(seed + g);
    auto game = std::make_unique<対局>(static_cast<int>(g), game_seed, start, players, rules);
    try {
      const int result = game->指す();
      (result > 0 ? black : result < 0 ? white : drawn) += 1;
    } catch (const 失敗& f) {
      std::fprintf(stderr, "kazeban-usi-soak: %s\n%s\n", f.what.c_str(), game->説明().c_str());
      return 1;
    }
    played += 1;
    plies += game->手数();
    if (record != nullptr && game->標準()) std::fprintf(record, "%s\n", game->記録().c_str());
  }
  if (record != nullptr && std::fclose(record) != 0) {
    std::fprintf(stderr, "kazeban-usi-soak: the record was not written\n");
    return 1;
  }
  const double t = elapsed();
  std::printf(
      "%ld games, %ld moves in %.1f s (%.1f games/s): black won %ld, white won %ld, %ld reached "
      "%d moves\n",
      played, plies, t, t > 0 ? static_cast<double>(played) / t : 0.0, black, white, drawn,
      手数上限);
  return 0;
}

}  // namespace
}  // namespace kazeban

int main(int argc, char** argv) {
  return kazeban::実行(argc, argv);
}
