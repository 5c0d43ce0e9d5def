// Feeds arbitrary text to one reader of the record formats (chosen when built:
// KAZEBAN_FUZZ_READER 1 KIF and KI2, 2 CSA, 3 SFEN/USI). Every input must either be
// refused with a reason naming its line, or read into a game whose every move is
// legal from its start (but a last move the game marks as a foul) and which the
// writer of the same family turns into text that reads back to the same start and the
// same moves (for KIF, the same notes and variations too).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "interop/formats_internal.h"

namespace {

using namespace kazeban;

void require(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "record formats: %s\n", what);
    std::abort();
  }
}

#if KAZEBAN_FUZZ_READER == 1
// A total time the record did not give is added up when KIF is written: forgets it
// again where `read` had none, so that the rest of the notes can be compared.
void 合計を揃える(const std::vector<手の注記>& read, std::vector<手の注記>& back) {
  for (size_t k = 0; k < read.size() && k < back.size(); ++k) {
    if (read[k].累計秒 < 0) back[k].累計秒 = -1;
  }
}

void 合計を揃える(const std::vector<変化手順>& read, std::vector<変化手順>& back) {
  for (size_t k = 0; k < read.size() && k < back.size(); ++k) {
    合計を揃える(read[k].注記, back[k].注記);
    if (read[k].終局注記.累計秒 < 0) back[k].終局注記.累計秒 = -1;
    合計を揃える(read[k].変化, back[k].変化);
  }
}
#endif

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
#if KAZEBAN_FUZZ_READER == 1
  const 対局棋譜読込結果 r = formats::KIF_読込(text);
  const 棋譜形式 back = 棋譜形式::KIFU;
#elif KAZEBAN_FUZZ_READER == 2
  const 対局棋譜読込結果 r = formats::CSA_読込(text);
  const 棋譜形式 back = 棋譜形式::CSA;
#else
  const 対局棋譜読込結果 r = formats::USI_読込(text);
  const 棋譜形式 back = 棋譜形式::USI;
#endif
  if (!r.成功) {
    require(r.理由.find("行目: ") != std::string::npos, "a refusal names no line");
    return 0;
  }
  require(*開始局面の不備(r.棋譜.開始局面) == '\0', "an impossible start was accepted");
  Position p = r.棋譜.開始局面;
  for (size_t k = 0; k < r.棋譜.手.size(); ++k) {
    const 標準判定結果 j = 標準判定(p, r.棋譜.手[k]);
    // Only a game's last move may be a foul, and only when the game says so.
    const bool foul = r.棋譜.最終手反則 && k + 1 == r.棋譜.手.size();
    require(foul ? 反則か(j) : j == 標準判定結果::合法, "an illegal move was accepted");
    指す(p, r.棋譜.手[k]);
  }
  // Only the start and the moves must survive: the names go, as the writer may refuse
  // what CP932 cannot hold.
  対局棋譜 g = r.棋譜;
  g.先手名.clear();
  g.後手名.clear();
  g.棋戦.clear();
  g.開始日時.clear();
  g.終局コメント.clear();
  const 書出結果 w = 対局棋譜_書出(g, back);
  require(w.成功, "a game that was read cannot be written");
#if KAZEBAN_FUZZ_READER == 1
  // Read back by the same reader: the input is not decoded first, so neither is this.
  対局棋譜読込結果 again = formats::KIF_読込(w.バイト列);
  合計を揃える(g.注記, again.棋譜.注記);
  合計を揃える(g.変化, again.棋譜.変化);
#else
  const 対局棋譜読込結果 again = 対局棋譜_解析(w.バイト列);
#endif
  require(again.成功, "what was written cannot be read");
  require(同一局面(again.棋譜.開始局面, g.開始局面), "the start changed on the way round");
  require(again.棋譜.手 == g.手, "the moves changed on the way round");
#if KAZEBAN_FUZZ_READER == 1
  require(again.棋譜.注記 == g.注記, "the notes changed on the way round");
  require(again.棋譜.変化 == g.変化, "the variations changed on the way round");
  require(again.棋譜.最終手反則 == g.最終手反則, "the foul changed on the way round");
#endif
  return 0;
}
