// Writes a folder of seeded records for the folder benchmark: games of 0 to 200 moves
// from the even start and the standard handicaps, with comments and times, each in one
// of KIF (Shift_JIS), KIF (UTF-8), KIFU, KI2, CSA and USI in turn. KI2 has no writer of
// its own: its moves are written here in the shortest form the KI2 reader takes.
//
//   kazeban-bench-folder-games DIR COUNT
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "interop/formats_internal.h"
#include "interop/random_games.h"
#include "storage/cp932.h"

namespace kazeban {
namespace {

// The KI2 text of m in p: the square (同 after a move to it), the piece and what tells
// it apart, the shortest form that the KI2 reader takes for this very move.
bool KI2の手(const Position& p, const 棋譜の手& m, const 棋譜の手* previous, std::string& out) {
  std::string base;
  if (previous && previous->SAKI_I == m.SAKI_I && previous->SAKI_J == m.SAKI_J) {
    base = "同　";
  } else {
    base = std::string(formats::全角数字[10 - m.SAKI_I]) + formats::漢数字[m.SAKI_J];
  }
  base += formats::駒の名(m.KOMA);
  // How the piece moves first, then where it stands, as KI2 writers choose.
  constexpr std::array<const char*, 13> marks = {
      "", "上", "引", "寄", "直", "右", "左", "左上", "左引", "左寄", "右上", "右引", "右寄"};
  const bool drop = m.MOTO_I == 11 || m.MOTO_I == -1;
  for (const char* mark : marks) {
    // The mark alone must name the piece, whether it promotes or not: other readers
    // do not tell pieces apart by whether they may promote.
    棋譜の手 read;
    std::string why;
    const std::string named = base + mark;
    bool one = formats::KI2_指し手(p, named, previous, read, why) && read.MOTO_I == m.MOTO_I &&
               read.MOTO_J == m.MOTO_J;
    one = one || (formats::KI2_指し手(p, named + "成", previous, read, why) &&
                  read.MOTO_I == m.MOTO_I && read.MOTO_J == m.MOTO_J);
    if (!one && !drop) continue;
    for (const char* end : {"", "成", "不成", "打"}) {
      if (!drop && std::string_view(end) == "打") continue;
      const std::string text = named + end;
      if (formats::KI2_指し手(p, text, previous, read, why) && read == m) {
        out = text;
        return true;
      }
    }
  }
  return false;
}

std::string KI2で(const 対局棋譜& g) {
  std::string out =
      "手合割：" + g.手合割 + "\r\n先手：" + g.先手名 + "\r\n後手：" + g.後手名 + "\r\n\r\n";
  Position p = g.開始局面;
  for (size_t k = 0; k < g.手.size(); ++k) {
    std::string text;
    if (!KI2の手(p, g.手[k], k > 0 ? &g.手[k - 1] : nullptr, text)) return {};
    out += (p.toMove == Color::Black ? "▲" : "△") + text + "\r\n";
    if (k < g.注記.size() && !g.注記[k].コメント.empty()) {
      std::string_view c = g.注記[k].コメント;
      for (size_t e; (e = c.find('\n')) != std::string_view::npos; c.remove_prefix(e + 1)) {
        out += "*" + std::string(c.substr(0, e)) + "\r\n";
      }
      out += "*" + std::string(c) + "\r\n";
    }
    指す(p, g.手[k]);
  }
  out += "まで" + std::to_string(g.手.size()) + "手で中断\r\n";
  return out;
}

int 実行(const std::filesystem::path& dir, int count) {
  std::filesystem::create_directories(dir);
  const std::vector<Position> starts = 開始局面();
  int written = 0;
  for (int n = 0; written < count; ++n) {
    const auto seed = static_cast<unsigned>(n + 1);
    // The even start or a handicap; KI2 has no board diagram for the rarer handicaps
    // other programs do not know by name, so its games start even.
    対局棋譜 g = ランダム対局(starts[n % 6 == 3 ? 0 : n % 16], seed, n % 201);
    std::mt19937 rng(seed);
    int totals[2] = {0, 0};
    g.注記 = ランダム注記(g.手, g.開始局面, totals, rng);
    g.終局 = "中断";
    g.結果 = 対局結果::不明;
    std::string bytes;
    std::string ext;
    switch (n % 6) {
      case 0:
      case 1:
      case 2:
      case 4: {
        const 棋譜形式 f = n % 6 == 0 ? 棋譜形式::KIF : n % 6 == 4 ? 棋譜形式::CSA : 棋譜形式::KIFU;
        bytes = 対局棋譜_書出(g, f).バイト列;
        ext = n % 6 == 0 ? ".kif" : n % 6 == 1 ? ".kif" : n % 6 == 2 ? ".kifu" : ".csa";
        break;
      }
      case 3:
        bytes = UTF8文書からCP932(KI2で(g)).バイト列;
        ext = ".ki2";
        break;
      default:
        bytes = 対局棋譜_書出(g, 棋譜形式::USI).バイト列;
        ext = ".usi";
        break;
    }
    if (bytes.empty()) continue;
    char name[32];
    std::snprintf(name, sizeof name, "game%04d", written);
    std::ofstream(dir / (name + ext), std::ios::binary) << bytes;
    ++written;
  }
  return 0;
}

}  // namespace
}  // namespace kazeban

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: kazeban-bench-folder-games DIR COUNT\n";
    return 2;
  }
  return kazeban::実行(argv[1], std::atoi(argv[2]));
}
