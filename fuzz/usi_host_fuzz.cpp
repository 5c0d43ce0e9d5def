// Feeds arbitrary bytes, split into lines, to the host's reading of an engine's output,
// with the host asking for moves whenever it may and the clock moving on. Nothing may
// crash, every move reported must be one the standard rules allow in the game's
// position, and after a fault nothing more is reported.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "engine/usi_host.h"
#include "interop/standard_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kazeban;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  USIホスト host(1000, 1000);
  host.開始({{"Skill Level", "0"}}, 0);
  int64_t now = 0;
  bool failed = false;
  while (!input.empty()) {
    const size_t nl = input.find('\n');
    const std::string_view line = input.substr(0, nl);
    input = nl == std::string_view::npos ? std::string_view{} : input.substr(nl + 1);
    now += static_cast<int64_t>(line.size());
    const Position before = host.局面();
    std::vector<USI事象> events = host.受信(line, now);
    USI事象 late;
    if (host.遅延(now, late)) events.push_back(late);
    for (const USI事象& e : events) {
      if (failed) std::abort();
      if (e.kind == USI事象::種類::故障) failed = true;
      if (e.kind == USI事象::種類::指し手 && 標準判定(before, e.手) != 標準判定結果::合法) {
        std::fprintf(stderr, "a move the rules forbid was reported: %s\n", e.usi.c_str());
        std::abort();
      }
    }
    if (host.今の段階() == USIホスト::段階::待機) host.思考(100, now);
    (void)host.送信分();
  }
  return 0;
}
