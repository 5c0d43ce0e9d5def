// kazeban-convert: game records from one format to another.
//
//   kazeban-convert [--to kif|kifu|csa|usi|sfen|kazeban] [-o OUT] IN
//   kazeban-convert [--to FORMAT] -d OUTDIR IN...
//
// Reads each IN in any format it can tell from the content (KIF in CP932 or UTF-8, KI2,
// CSA, SFEN/USI, a .棋譜 file) and writes the game in the chosen format (KIF by
// default) to OUT, to standard output, or into OUTDIR under IN's name with the
// format's extension. "-" as IN reads standard input. Exits 0 when every record was
// converted, 2 with a message naming the file (and the line) for each one it cannot
// read or write; the others are still written.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "display/translatable.h"
#include "interop/record_formats.h"
#include "storage/atomic_file.h"

#include "tool_language.h"

namespace kazeban {
namespace {

constexpr int 失敗 = 2;

constexpr const char* 使い方の文 =
    "usage: kazeban-convert [--to kif|kifu|csa|usi|sfen|kazeban] [-o OUT] IN\n"
    "       kazeban-convert [--to FORMAT] -d OUTDIR IN...\n"
    "\n"
    "Reads a shogi game record (KIF, KIFU, KI2, CSA, SFEN/USI or a KAZEBAN .棋譜 file;\n"
    "the format is told from the content) and writes it in another format.\n"
    "\n"
    "  --to FORMAT  kif (CP932, the default), kifu (UTF-8), csa, usi (position ... moves\n"
    "               ...), sfen (the last position, one line) or kazeban (a .棋譜 file,\n"
    "               only for a game from the even start)\n"
    "  -o OUT       write to OUT instead of standard output\n"
    "  -d OUTDIR    convert every IN into OUTDIR, each as its name without its last\n"
    "               extension and the format's own (.kif, .kifu, .csa, .usi, .sfen, .棋譜)\n"
    "  IN           the record to read; - reads standard input\n"
    "  --help       this text\n"
    "  --version    the version\n";

int 使い方(const std::string& why) {
  std::fprintf(stderr, "kazeban-convert: %s\n%s", why.c_str(), 使い方の文);
  return 失敗;
}

struct 形式名 {
  std::string_view 名;
  棋譜形式 形式;
  std::string_view 拡張子;
};
constexpr 形式名 形式表[] = {
    {"kif", 棋譜形式::KIF, ".kif"},    {"kifu", 棋譜形式::KIFU, ".kifu"},
    {"csa", 棋譜形式::CSA, ".csa"},    {"usi", 棋譜形式::USI, ".usi"},
    {"sfen", 棋譜形式::SFEN, ".sfen"}, {"kazeban", 棋譜形式::棋譜ファイル, ".棋譜"},
};

const 形式名* 形式を読む(std::string_view name) {
  for (const 形式名& t : 形式表) {
    if (t.名 == name) return &t;
  }
  return nullptr;
}

// Says on standard error what became of a file, in the window's language.
void 伝える(const 道具の言語& 言語, const std::string& file, const std::string& what) {
  std::fprintf(stderr, "kazeban-convert: %s: %s\n", file.c_str(), 言語(what).c_str());
}

bool 読む(const std::string& in, std::string& bytes) {
  if (in == "-") {
    bytes.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    return true;
  }
  std::ifstream file(in, std::ios::binary);
  if (!file) return false;
  std::ostringstream s;
  s << file.rdbuf();
  bytes = std::move(s).str();
  return !file.bad();
}

// Reads IN and turns it into the bytes of the chosen format; false (said on standard
// error) when it cannot. What the format cannot hold is said too.
bool 変換(const 道具の言語& 言語, const std::string& in, 棋譜形式 to, std::string& out) {
  std::string bytes;
  if (!読む(in, bytes)) {
    伝える(言語, in, KZ_TR("Message", "ファイルを開けません"));
    return false;
  }
  const 対局棋譜読込結果 r = 対局棋譜_解析(bytes, in);
  if (!r.成功) {
    伝える(言語, in, r.理由);
    return false;
  }
  if (r.打切り) {
    伝える(言語, in,
           言語(KZ_TR("Message", "最初の%1手だけを読み込みました"),
                {std::to_string(r.棋譜.手.size())}));
  }
  書出結果 w = 対局棋譜_書出(r.棋譜, to);
  if (!w.成功) {
    伝える(言語, in, w.理由);
    return false;
  }
  const bool mainLineOnly = to == 棋譜形式::CSA || to == 棋譜形式::USI || to == 棋譜形式::SFEN ||
                            to == 棋譜形式::棋譜ファイル;
  if (mainLineOnly && !r.棋譜.変化.empty()) {
    伝える(言語, in,
           言語(KZ_TR("Message", "変化%1個を書き出していません: %2 は本譜だけを書けます"),
                {std::to_string(r.棋譜.変化.size()), std::string(形式の名(to))}));
  }
  if ((to == 棋譜形式::USI || to == 棋譜形式::SFEN) && r.棋譜.最終手反則) {
    伝える(言語, in,
           言語(KZ_TR("Message", "終局の反則(%1手目)を書き出していません: %2 では書けません"),
                {std::to_string(r.棋譜.手.size()), std::string(形式の名(to))}));
  }
  out = std::move(w.バイト列);
  return true;
}

bool 書く(const 道具の言語& 言語, const std::string& path, const std::string& bytes) {
  const 置換結果 w = ファイル_置換(path, bytes);
  if (!w.成功) 伝える(言語, path, w.理由);
  return w.成功;
}

// IN's name without its folder and its last extension.
std::string 名の幹(const std::string& in) {
  if (in == "-") return "stdin";
  std::string name = in.substr(in.find_last_of('/') + 1);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

int 実行(int argc, char** argv) {
  const 道具の言語 言語(argc, argv);
  const 形式名* to = &形式表[0];
  std::vector<std::string> ins;
  std::string out;
  std::string dir;
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
    if (arg == "--to" || arg == "-o" || arg == "-d") {
      if (n + 1 >= argc)
        return 使い方(言語(KZ_TR("Message", "%1 の値がありません"), {std::string(arg)}));
      const std::string_view val = argv[++n];
      if (arg == "-o") {
        out = std::string(val);
      } else if (arg == "-d") {
        dir = std::string(val);
      } else if ((to = 形式を読む(val)) == nullptr) {
        return 使い方(言語(KZ_TR("Message", "知らない形式です: %1"), {std::string(val)}));
      }
    } else if (arg.size() > 1 && arg[0] == '-') {
      return 使い方(言語(KZ_TR("Message", "知らないオプションです: %1"), {std::string(arg)}));
    } else {
      ins.emplace_back(arg);
    }
  }
  if (ins.empty()) return 使い方(言語(KZ_TR("Message", "棋譜が指定されていません")));
  if (!out.empty() && !dir.empty())
    return 使い方(言語(KZ_TR("Message", "-o と -d は一緒に指定できません")));

  // One record: to OUT or standard output.
  if (dir.empty()) {
    if (ins.size() > 1)
      return 使い方(言語(KZ_TR("Message", "-d なしでは棋譜は一つだけ指定できます")));
    std::string bytes;
    if (!変換(言語, ins[0], to->形式, bytes)) return 失敗;
    if (out.empty()) {
      std::fwrite(bytes.data(), 1, bytes.size(), stdout);
      return std::fflush(stdout) == 0 ? 0 : 失敗;
    }
    return 書く(言語, out, bytes) ? 0 : 失敗;
  }

  // A folder: one file per record, each refusal said and the rest still written, all
  // flushed to the disk together.
  std::error_code ec;
  if (!std::filesystem::is_directory(dir, ec)) {
    伝える(言語, dir, KZ_TR("Message", "フォルダがありません"));
    return 失敗;
  }
  if (dir.back() != '/') dir += '/';
  int status = 0;
  std::set<std::string> written;
  std::string bytes;
  一括置換 files;
  for (const std::string& in : ins) {
    const std::string path = dir + 名の幹(in) + std::string(to->拡張子);
    if (!written.insert(path).second) {
      伝える(言語, in, 言語(KZ_TR("Message", "前の棋譜がすでに%1に書かれています"), {path}));
      status = 失敗;
      continue;
    }
    if (!変換(言語, in, to->形式, bytes)) {
      status = 失敗;
      continue;
    }
    const 置換結果 w = files.加える(path, bytes);
    if (!w.成功) {
      伝える(言語, path, w.理由);
      status = 失敗;
    }
  }
  for (const auto& [path, why] : files.確定()) {
    伝える(言語, path, why.理由);
    status = 失敗;
  }
  return status;
}

}  // namespace
}  // namespace kazeban

int main(int argc, char** argv) {
  return kazeban::実行(argc, argv);
}
