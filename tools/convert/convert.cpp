// kazeban-convert: a game record from one format to another.
//
//   kazeban-convert [--to kif|kifu|csa|usi|sfen|kazeban] [-o OUT] IN
//
// Reads IN in any format it can tell from the content (KIF in CP932 or UTF-8, KI2,
// CSA, SFEN/USI, a .棋譜 file) and writes the game in the chosen format (KIF by
// default) to OUT or to standard output. "-" as IN reads standard input. Exits 0 on
// success, 2 with a message naming the file (and the line) for anything it cannot
// read or write.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

#include "display/translatable.h"
#include "interop/record_formats.h"

#include "tool_language.h"

namespace kazeban {
namespace {

constexpr int 失敗 = 2;

constexpr const char* 使い方の文 =
    "usage: kazeban-convert [--to kif|kifu|csa|usi|sfen|kazeban] [-o OUT] IN\n"
    "\n"
    "Reads a shogi game record (KIF, KIFU, KI2, CSA, SFEN/USI or a KAZEBAN .棋譜 file;\n"
    "the format is told from the content) and writes it in another format.\n"
    "\n"
    "  --to FORMAT  kif (CP932, the default), kifu (UTF-8), csa, usi (position ... moves\n"
    "               ...), sfen (the last position, one line) or kazeban (a .棋譜 file,\n"
    "               only for a game from the even start)\n"
    "  -o OUT       write to OUT instead of standard output\n"
    "  IN           the record to read; - reads standard input\n"
    "  --help       this text\n"
    "  --version    the version\n";

int 使い方(const std::string& why) {
  std::fprintf(stderr, "kazeban-convert: %s\n%s", why.c_str(), 使い方の文);
  return 失敗;
}

bool 形式を読む(std::string_view name, 棋譜形式& f) {
  const struct {
    std::string_view 名;
    棋譜形式 形式;
  } table[] = {{"kif", 棋譜形式::KIF},   {"kifu", 棋譜形式::KIFU},
               {"csa", 棋譜形式::CSA},   {"usi", 棋譜形式::USI},
               {"sfen", 棋譜形式::SFEN}, {"kazeban", 棋譜形式::棋譜ファイル}};
  for (const auto& t : table) {
    if (t.名 == name) {
      f = t.形式;
      return true;
    }
  }
  return false;
}

// Writes the whole of `bytes` to `path` through a file beside it that then replaces
// any old one, so a failed write never leaves half a record behind.
bool 書く(const std::string& path, const std::string& bytes, std::string& why) {
  const std::string temp = path + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
      why = KZ_TR("Message", "ファイルを作れません");
      return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::remove(temp.c_str());
      why = KZ_TR("Message", "ファイルに書き込めません");
      return false;
    }
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    why = KZ_TR("Message", "ファイルを置き換えられません");
    return false;
  }
  return true;
}

int 実行(int argc, char** argv) {
  const 道具の言語 言語(argc, argv);
  棋譜形式 to = 棋譜形式::KIF;
  std::string in;
  std::string out;
  for (int n = 1; n < argc; ++n) {
    const std::string_view arg = argv[n];
    if (arg == "--help" || arg == "-h") {
      std::fputs(使い方の文, stdout);
      return 0;
    }
    if (arg == "--version") {
      std::printf("kazeban-convert %s\n", KAZEBAN_VERSION);
      return 0;
    }
    if (arg == "--to" || arg == "-o") {
      if (n + 1 >= argc)
        return 使い方(言語(KZ_TR("Message", "%1 の値がありません"), {std::string(arg)}));
      const std::string_view val = argv[++n];
      if (arg == "-o") {
        out = std::string(val);
      } else if (!形式を読む(val, to)) {
        return 使い方(言語(KZ_TR("Message", "知らない形式です: %1"), {std::string(val)}));
      }
    } else if (arg.size() > 1 && arg[0] == '-') {
      return 使い方(言語(KZ_TR("Message", "知らないオプションです: %1"), {std::string(arg)}));
    } else if (!in.empty()) {
      return 使い方(言語(KZ_TR("Message", "棋譜は一つだけ指定できます")));
    } else {
      in = std::string(arg);
    }
  }
  if (in.empty()) return 使い方(言語(KZ_TR("Message", "棋譜が指定されていません")));

  // 1. Read the whole input.
  std::string bytes;
  if (in == "-") {
    bytes.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  } else {
    std::ifstream file(in, std::ios::binary);
    if (!file) {
      std::fprintf(stderr, "kazeban-convert: %s: %s\n", in.c_str(),
                   言語(KZ_TR("Message", "ファイルを開けません")).c_str());
      return 失敗;
    }
    std::ostringstream s;
    s << file.rdbuf();
    bytes = std::move(s).str();
  }

  // 2. Read the game.
  const 対局棋譜読込結果 r = 対局棋譜_解析(bytes, in);
  if (!r.成功) {
    std::fprintf(stderr, "kazeban-convert: %s: %s\n", in.c_str(), 言語(r.理由).c_str());
    return 失敗;
  }
  if (r.打切り) {
    std::fprintf(
        stderr, "kazeban-convert: %s: %s\n", in.c_str(),
        言語(KZ_TR("Message", "最初の%1手だけを読み込みました"), {std::to_string(r.棋譜.手.size())})
            .c_str());
  }

  // 3. Write it.
  const 書出結果 w = 対局棋譜_書出(r.棋譜, to);
  if (!w.成功) {
    std::fprintf(stderr, "kazeban-convert: %s: %s\n", in.c_str(), 言語(w.理由).c_str());
    return 失敗;
  }
  if (out.empty()) {
    std::fwrite(w.バイト列.data(), 1, w.バイト列.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 失敗;
  }
  std::string why;
  if (!書く(out, w.バイト列, why)) {
    std::fprintf(stderr, "kazeban-convert: %s: %s\n", out.c_str(), 言語(why).c_str());
    return 失敗;
  }
  return 0;
}

}  // namespace
}  // namespace kazeban

int main(int argc, char** argv) {
  return kazeban::実行(argc, argv);
}
