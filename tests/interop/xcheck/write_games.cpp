// Writes games for another shogi library to read: seeded random games from the even
// start, every standard handicap and board diagrams, with comments, times, variations
// and every end word, one that ends with a foul, and games shaped as the window exports
// them (the top player moved first, KAZEBAN's rule ended it, a handicap grade). Each
// goes to DIR as NAME.kifu, .kif, .csa and .usi; DIR/expected.tsv holds a line per
// game: NAME, start SFEN, move count, last SFEN, 手合割, black, white, end word, closing
// comment (JSON), whether the last move is a foul, and the tree of moves as JSON, as this
// library sees the game.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "interop/formats_internal.h"
#include "random_games.h"

namespace kazeban {
namespace {

// KAZEBAN record lines from `p`: random legal moves until one gives check (the game
// is then over by KAZEBAN's rule) or `plies` are played.
std::vector<棋譜の手> 対局の手(Position p, unsigned seed, int plies, bool& ended) {
  std::mt19937 rng(seed);
  std::vector<棋譜の手> out;
  ended = false;
  while (static_cast<int>(out.size()) < plies && !ended) {
    棋譜の手 list[標準手の最大数];
    const int n = 合法手一覧(p, list);
    if (n == 0) break;
    out.push_back(list[std::uniform_int_distribution<int>(0, n - 1)(rng)]);
    指す(p, out.back());
    ended = 王手されている(p.state, p.toMove);
  }
  return out;
}

std::string JSON文字列(std::string_view s) {
  std::string out = "\"";
  for (const char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

// One line of play as JSON: [[usi, comment, seconds, [variation lines from here]], ...],
// its end word last as ["#end word", comment, seconds, []].
std::string 手順JSON(Position p, const std::vector<棋譜の手>& moves,
                     const std::vector<手の注記>& notes, const std::vector<変化手順>& variations,
                     const std::string& end, const 手の注記& endNote,
                     const std::string& endComment) {
  std::vector<std::string> entries;
  const auto entry = [](const std::string& move, const 手の注記& n, const std::string& alts) {
    return "[" + JSON文字列(move) + "," + JSON文字列(n.コメント) + "," +
           std::to_string(n.消費秒 < 0 ? 0 : n.消費秒) + ",[" + alts + "]]";
  };
  for (size_t k = 0; k < moves.size(); ++k) {
    std::string alts;
    for (const 変化手順& v : variations) {
      if (v.分岐 != k) continue;
      if (!alts.empty()) alts += ",";
      手の注記 closing = v.終局注記;
      alts += 手順JSON(p, v.手, v.注記, v.変化, v.終局, closing, v.終局注記.コメント);
    }
    entries.push_back(entry(USI_指し手(moves[k]), k < notes.size() ? notes[k] : 手の注記{}, alts));
    指す(p, moves[k]);
  }
  if (!end.empty()) {
    手の注記 n = endNote;
    n.コメント = endComment;
    entries.push_back(entry("#" + end, n, ""));
  }
  std::string out = "[";
  for (size_t k = 0; k < entries.size(); ++k) out += (k ? "," : "") + entries[k];
  return out + "]";
}

bool 書く(const std::filesystem::path& dir, const std::string& name, const 対局棋譜& g,
          std::ostream& expected) {
  const std::pair<棋譜形式, const char*> formats[] = {{棋譜形式::KIFU, ".kifu"},
                                                      {棋譜形式::KIF, ".kif"},
                                                      {棋譜形式::CSA, ".csa"},
                                                      {棋譜形式::USI, ".usi"}};
  for (const auto& [format, ext] : formats) {
    const 書出結果 w = 対局棋譜_書出(g, format);
    std::ofstream out(dir / (name + ext), std::ios::binary);
    if (!w.成功 || !(out << w.バイト列)) {
      std::cerr << name << ext << ": " << w.理由 << "\n";
      return false;
    }
  }
  Position last = g.開始局面;
  for (const 棋譜の手& m : g.手) 指す(last, m);
  expected << name << '\t' << SFEN_局面(g.開始局面) << '\t' << g.手.size() << '\t'
           << SFEN_局面(last) << '\t' << g.手合割 << '\t' << g.先手名 << '\t' << g.後手名 << '\t'
           << g.終局 << '\t' << JSON文字列(g.終局コメント) << '\t' << (g.最終手反則 ? 1 : 0) << '\t'
           << "{\"start\":" << JSON文字列(g.開始コメント) << ",\"line\":"
           << 手順JSON(g.開始局面, g.手, g.注記, g.変化, g.終局, g.終局注記, g.終局コメント)
           << "}\n";
  return true;
}

int 実行(const std::filesystem::path& dir) {
  std::filesystem::create_directories(dir);
  std::ofstream expected(dir / "expected.tsv", std::ios::binary);
  bool ok = true;
  // Every end word in turn, the winner following from the side to move.
  constexpr const char* ends[] = {"投了",     "中断",     "詰み",     "千日手", "持将棋",
                                  "切れ負け", "反則負け", "入玉勝ち", "不詰",   "反則勝ち"};
  unsigned seed = 100;
  for (const Position& start : 開始局面()) {
    対局棋譜 g = ランダム対局(start, seed, 60 + seed % 4 * 50);
    注記と変化を加える(g, seed);
    g.終局 = ends[seed % std::size(ends)];
    g.結果 = formats::終局の結果(g.終局, formats::局面の後(g, g.手.size()).toMove);
    g.終局コメント = seed % 3 == 0 ? "終局後の感想\n二行目" : "";
    ok &= 書く(dir, "random" + std::to_string(seed), g, expected);
    ++seed;
  }
  // A game that ends with a foul: black drops a second pawn into a file.
  const SFEN読込結果 foul = SFEN_解析("startpos moves 7g7f 3c3d 7f7e 3d3e 7e7d 3e3f 7d7c+ 4a3b");
  ok &= foul.成功;
  対局棋譜 fouled;
  fouled.開始局面 = foul.局面;
  fouled.手合割 = "平手";
  fouled.先手名 = "反則した人";
  fouled.後手名 = "相手";
  fouled.手 = foul.手;
  Position before = foul.局面;
  for (const 棋譜の手& mv : foul.手) 指す(before, mv);
  fouled.手.push_back(打つ手(before, 1, 5, 6));  // P*5f beside the pawn on 5g
  fouled.最終手反則 = true;
  fouled.終局 = "反則勝ち";
  fouled.結果 = 対局結果::後手勝ち;
  fouled.注記.resize(1);
  fouled.注記[0].コメント = "序盤";
  fouled.注記[0].消費秒 = 3;
  fouled.注記[0].累計秒 = 3;
  ok &= 書く(dir, "foul", fouled, expected);
  // The window's export: an even game the top player began (written turned round)...
  Position topFirst = 平手局面();
  topFirst.toMove = Color::White;
  bool ended = false;
  std::vector<棋譜の手> m = 対局の手(topFirst, 7, 50, ended);
  ok &= 書く(dir, "top-first",
             KAZEBAN対局から(topFirst, m.data(), static_cast<int>(m.size()), "上の人", "下の人",
                             "風盤戦", "2026/12/08 18:14:03", ended),
             expected);
  // ...a game that ended when a move gave check, with its winner in the result line...
  for (unsigned s = 1; !ended; ++s) m = 対局の手(平手局面(), s, 300, ended);
  ok &= 書く(
      dir, "ended-by-check",
      KAZEBAN対局から(平手局面(), m.data(), static_cast<int>(m.size()), "上", "下", "", "", true),
      expected);
  // ...one cut before a move that leaves a king attacked...
  const SFEN読込結果 cut = SFEN_解析("startpos moves 7g7f 3c3d 8h3c+ 9c9d", true);
  ok &= cut.成功 && 書く(dir, "cut",
                         KAZEBAN対局から(平手局面(), cut.手.data(), static_cast<int>(cut.手.size()),
                                         "上", "下", "", "", true),
                         expected);
  // ...and a handicap from two grades up: the top side's bishop and rook removed, the
  // top side (上手) to move first.
  Position grade = 平手局面();
  grade.state.BAN[8][2] = KARA;
  grade.state.BAN[2][2] = KARA;
  grade = 局面(grade.state, Color::White);
  m = 対局の手(grade, 11, 120, ended);
  ok &= 書く(dir, "handicap-grade",
             KAZEBAN対局から(grade, m.data(), static_cast<int>(m.size()), "上手の人", "下手の人",
                             "", "", ended),
             expected);
  return ok && expected.flush() ? 0 : 1;
}

}  // namespace
}  // namespace kazeban

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: kazeban-xcheck-games DIR\n";
    return 2;
  }
  return kazeban::実行(argv[1]);
}
