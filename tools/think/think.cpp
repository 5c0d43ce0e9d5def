// kazeban-think: what would the computer play here?
//
//   kazeban-think [--level L] [--moves N] [--candidates | --legal ue|sita] FILE
//   kazeban-think --help | --version
//
// Reads a record file with the game's own reader (and its checks), replays its first
// N moves (all by default) onto the starting position as the forward step does, sets
// the computer's level (3 by default) and prints:
//   - the computer's move as a record line, its score with one decimal, and " end"
//     when after that move the computer attacks the person's king; or "none" when it
//     has no legal move or drop;
//   - with --candidates, every candidate in the order the search scores it, then the
//     chosen move on a line beginning with "best ";
//   - with --legal ue or --legal sita, every move and drop the legality test allows
//     that side, in the search's order, unpromoted.
// FILE may also be a record of another program (KIF, KI2, CSA, SFEN/USI, told from its
// content): its starting position and first N moves are set on the board with black
// at the bottom, as a game of KAZEBAN's own stands, and the computer plays the top.
// Exits 0 on success, 2 with a message on standard error when the command line is
// wrong or the file cannot be read or fails the record checks.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "computer/search.h"
#include "display/translatable.h"
#include "interop/record_formats.h"
#include "rules/move.h"
#include "rules/move_check.h"
#include "rules/pieces.h"
#include "rules/promotion.h"
#include "storage/record_file.h"
#include "storage/replay.h"
#include "think_output.h"

#include "tool_language.h"

namespace kazeban {
namespace {

constexpr int 失敗 = 2;

enum class 出力 { 指し手, 候補, 合法手 };

struct 指定 {
  int level = 3;
  int moves = -1;  // all
  出力 mode = 出力::指し手;
  bool legal_ue = true;
  std::string file;
};

constexpr const char* 用法 =
    "usage: kazeban-think [--level 1|2|3] [--moves N] [--candidates | --legal ue|sita] "
    "FILE\n"
    "       kazeban-think --help | --version\n";

constexpr const char* 説明 =
    "\n"
    "Reads a game record (KAZEBAN's .棋譜, or KIF, KI2, CSA, SFEN/USI), replays its\n"
    "moves and prints the move the computer (the top player) would make there, as a\n"
    "record line with its score.\n"
    "\n"
    "  --level L        the computer's level, 1 to 3 (3 by default)\n"
    "  --moves N        replay only the first N moves (all by default)\n"
    "  --candidates     print every candidate the search scores, then the best\n"
    "  --legal ue|sita  list every legal move and drop of that side\n"
    "  --help           print this help and exit\n"
    "  --version        print the version and exit\n"
    "\n"
    "Exits 0 on success, 2 when the command line or the file is wrong.\n"
    "See kazeban-think(1).\n";

int 使い方(const std::string& why) {
  std::fprintf(stderr, "kazeban-think: %s\n%s", why.c_str(), 用法);
  return 失敗;
}

// A whole non-negative decimal number, or -1.
int 数(std::string_view t) {
  if (t.empty() || t.size() > 6) return -1;
  int v = 0;
  for (char c : t) {
    if (c < '0' || c > '9') return -1;
    v = v * 10 + (c - '0');
  }
  return v;
}

void 行を出す(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
}

// The chosen move with its score and " end", or "none".
std::string 結果行(GameState& s, 勢力図& m, const COM結果& res) {
  if (!res.指し手あり) return "none";
  std::string line = 棋譜行(res.最善) + " " + 点の文字(res.点);
  const COM指し手& b = res.最善;
  駒移動_盤(s, b.MOTO_I, b.MOTO_J, b.SAKI_I, b.SAKI_J, b.NARI);
  if (COM_王手か(s, m)) line += " end";
  return line;
}

void 合法手を出す(GameState& s, bool ue) {
  調査_2歩フラグ設定(s);
  for (int x = 1; x <= BAN_SUU; ++x) {
    for (int y = 1; y <= BAN_SUU; ++y) {
      const int c = s.BAN[x][y];
      if (ue ? !UEの駒(c) : !SITAの駒(c)) continue;
      for (int x2 = 1; x2 <= BAN_SUU; ++x2) {
        for (int y2 = 1; y2 <= BAN_SUU; ++y2) {
          if (移動チェック(s, x, y, x2, y2, c) != ON) continue;
          行を出す(棋譜行({x, y, x2, y2, c, c, s.BAN[x2][y2]}));
        }
      }
    }
  }
  for (int k = 1; k <= 7; ++k) {
    if ((ue ? s.UE_MOCHI[k] : s.SITA_MOCHI[k]) <= 0) continue;
    const int c = ue ? 持駒_UEコード(k) : 持駒_SITAコード(k);
    const int fromI = ue ? -1 : 11;
    const int fromJ = ue ? k : k + 2;
    for (int x2 = 1; x2 <= BAN_SUU; ++x2) {
      for (int y2 = 1; y2 <= BAN_SUU; ++y2) {
        if (移動チェック(s, fromI, fromJ, x2, y2, c) != ON) continue;
        行を出す(棋譜行({fromI, fromJ, x2, y2, c, c, KARA}));
      }
    }
  }
}

int 答える(GameState& s, const 指定& a);

int 実行(int argc, char** argv) {
  const 道具の言語 言語(argc, argv);
  // 1. The command line.
  指定 a;
  bool mode_given = false;
  for (int n = 1; n < argc; ++n) {
    const std::string_view arg = argv[n];
    if (arg == "--help" || arg == "-h") {
      std::fputs(用法, stdout);
      std::fputs(説明, stdout);
      return 0;
    }
    if (arg == "--version") {
      std::printf("kazeban-think %s\n", KAZEBAN_VERSION);
      return 0;
    }
    if (arg == "--level" || arg == "--moves" || arg == "--legal") {
      if (n + 1 >= argc) return 使い方(言語(KZ_TR("Message", "オプションの値がありません")));
      const std::string_view val = argv[++n];
      if (arg == "--level") {
        a.level = 数(val);
        if (a.level < 1 || a.level > 3)
          return 使い方(言語(KZ_TR("Message", "レベルは 1、2、3 のどれかです")));
      } else if (arg == "--moves") {
        a.moves = 数(val);
        if (a.moves < 0) return 使い方(言語(KZ_TR("Message", "手数は 0 以上の整数です")));
      } else {
        if (mode_given)
          return 使い方(言語(KZ_TR("Message", "--candidates と --legal は一緒に使えません")));
        if (val != "ue" && val != "sita")
          return 使い方(言語(KZ_TR("Message", "--legal には ue か sita を指定します")));
        a.mode = 出力::合法手;
        a.legal_ue = val == "ue";
        mode_given = true;
      }
    } else if (arg == "--candidates") {
      if (mode_given)
        return 使い方(言語(KZ_TR("Message", "--candidates と --legal は一緒に使えません")));
      a.mode = 出力::候補;
      mode_given = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return 使い方(言語(KZ_TR("Message", "知らないオプションです: %1"), {std::string(arg)}));
    } else if (!a.file.empty()) {
      return 使い方(言語(KZ_TR("Message", "棋譜ファイルは一つだけ指定できます")));
    } else {
      a.file = std::string(arg);
    }
  }
  if (a.file.empty()) return 使い方(言語(KZ_TR("Message", "棋譜ファイルが指定されていません")));

  // 2. A record of another program is set up from its own starting position.
  static GameState s;  // large: the move record
  std::string bytes;
  {
    std::ifstream in(a.file, std::ios::binary);
    std::ostringstream all;
    if (in) all << in.rdbuf();
    bytes = std::move(all).str();
  }
  const 対局棋譜読込結果 other = 対局棋譜_解析(bytes, a.file);
  if (other.形式 != 棋譜形式::棋譜ファイル && !bytes.empty()) {
    if (!other.成功) {
      std::fprintf(stderr, "kazeban-think: %s: %s\n", a.file.c_str(), 言語(other.理由).c_str());
      return 失敗;
    }
    const int count = static_cast<int>(other.棋譜.手.size());
    const int upTo = a.moves < 0 ? count : a.moves;
    if (upTo > count) {
      std::fprintf(stderr, "kazeban-think: %s: %s\n", a.file.c_str(),
                   言語(KZ_TR("Message", "棋譜には%1手しかありません（%2手ではありません）"),
                        {std::to_string(count), std::to_string(upTo)})
                       .c_str());
      return 失敗;
    }
    Position p = other.棋譜.開始局面;
    for (int n = 0; n < upTo; ++n) 指す(p, other.棋譜.手[static_cast<size_t>(n)]);
    初期設定_状態(s);
    局面を盤へ(p, s);
    return 答える(s, a);
  }

  // 3. Read and check the whole .棋譜 file.
  const 棋譜読込結果 read = 棋譜_読込(a.file);
  if (!read.成功) {
    std::fprintf(stderr, "kazeban-think: %s: %s\n", a.file.c_str(), 言語(read.理由).c_str());
    return 失敗;
  }
  if (read.打切り) {
    std::fprintf(
        stderr, "kazeban-think: %s: %s\n", a.file.c_str(),
        言語(KZ_TR("Message", "棋譜に%1手より多くの手があります"), {std::to_string(KIFU_MAX)})
            .c_str());
    return 失敗;
  }
  const int total = static_cast<int>(read.データ.手.size());
  const int moves = a.moves < 0 ? total : a.moves;
  if (moves > total) {
    std::fprintf(stderr, "kazeban-think: %s: %s\n", a.file.c_str(),
                 言語(KZ_TR("Message", "棋譜には%1手しかありません（%2手ではありません）"),
                      {std::to_string(total), std::to_string(moves)})
                     .c_str());
    return 失敗;
  }

  // 4. Replay onto the starting position, as the forward step does.
  初期設定_状態(s);
  棋譜_記録へ(read.データ, s);
  for (int n = 0; n < moves; ++n) 棋譜_進める(s);
  return 答える(s, a);
}

// 5. The answer for the position on the board.
int 答える(GameState& s, const 指定& a) {
  s.COM_LEVEL = a.level;
  if (a.mode == 出力::合法手) {
    合法手を出す(s, a.legal_ue);
    return 0;
  }
  static 勢力図 m;
  static COM記録 r;
  COM_準備(s, m, r);
  if (a.mode == 出力::候補) {
    const COM結果 res = COM_探索(s, m, r, [](const COM指し手& 手, int score) {
      行を出す(棋譜行(手) + " " + 点の文字(score));
    });
    行を出す("best " + 結果行(s, m, res));
  } else {
    const COM結果 res = COM_探索(s, m, r);
    行を出す(結果行(s, m, res));
  }
  return 0;
}

}  // namespace
}  // namespace kazeban

int main(int argc, char** argv) {
  const int rc = kazeban::実行(argc, argv);
  if (std::fflush(stdout) != 0) return kazeban::失敗;
  return rc;
}
