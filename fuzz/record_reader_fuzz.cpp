// Feeds arbitrary bytes to the record reader. Every input must either be refused
// with a reason and no moves, or read into data that the rest of the game can trust:
// at most KIFU_MAX moves, every field in its range, names of printable UTF-8, a
// replay that never leaves a code off the table or a hand count below zero and
// steps back to the starting position, and bytes that the writer turns back into
// the same data.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "storage/record_file.h"
#include "storage/replay.h"

namespace {

using namespace kazeban;

void require(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "record reader: %s\n", what);
    std::abort();
  }
}

// The 28 codes a square may hold, written out rather than taken from the rules.
bool piece_code(int c) {
  constexpr int magnitudes[] = {10, 11, 20, 21, 30, 31, 100, 101, 110, 800, 801, 900, 901, 950};
  const int m = c < 0 ? -c : c;
  for (const int v : magnitudes) {
    if (m == v) return true;
  }
  return false;
}

bool on_board(int v) {
  return v >= 1 && v <= 9;
}

// Well-formed UTF-8 without control characters.
bool printable_utf8(const std::string& s) {
  size_t k = 0;
  while (k < s.size()) {
    const auto b = static_cast<unsigned char>(s[k]);
    size_t n = 0;
    if (b < 0x80) {
      if (b < 0x20 || b == 0x7F) return false;
      n = 1;
    } else if (b >= 0xC2 && b <= 0xDF) {
      n = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
      n = 3;
    } else if (b >= 0xF0 && b <= 0xF4) {
      n = 4;
    } else {
      return false;
    }
    if (k + n > s.size()) return false;
    for (size_t t = 1; t < n; ++t) {
      if ((static_cast<unsigned char>(s[k + t]) & 0xC0) != 0x80) return false;
    }
    k += n;
  }
  return true;
}

bool has_replacement(const std::string& s) {
  return s.find("\xEF\xBF\xBD") != std::string::npos;
}

void check_position(const GameState& s) {
  for (int i = 1; i <= 9; ++i) {
    for (int j = 1; j <= 9; ++j) {
      require(s.BAN[i][j] == 0 || piece_code(s.BAN[i][j]), "a square holds no piece code");
    }
  }
  for (int k = 1; k <= 7; ++k) {
    require(s.SITA_MOCHI[k] >= 0 && s.UE_MOCHI[k] >= 0, "a hand count below zero");
  }
  require(s.SITA_MOCHI_SU >= 0 && s.UE_MOCHI_SU >= 0, "a hand total below zero");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const 棋譜読込結果 r = 棋譜_解析(bytes);

  // 1. A refusal says why and hands out nothing.
  if (!r.成功) {
    require(!r.理由.empty(), "refused without a reason");
    require(r.データ.手.empty(), "a refused file handed out moves");
    return 0;
  }

  // 2. What is read fits the record and the board.
  const 棋譜データ& d = r.データ;
  require(d.手.size() <= static_cast<size_t>(KIFU_MAX), "more moves than the record holds");
  require(!r.打切り || d.手.size() == static_cast<size_t>(KIFU_MAX), "cut short early");
  for (const 棋譜の手& m : d.手) {
    require(m.MOTO_I == -1 || m.MOTO_I == 11 || on_board(m.MOTO_I), "from-column");
    require(on_board(m.MOTO_J) && on_board(m.SAKI_I) && on_board(m.SAKI_J), "a square");
    require(piece_code(m.NARI) && piece_code(m.KOMA), "a moving piece's code");
    require(m.TORI == 0 || piece_code(m.TORI), "a captured code");
  }
  require(printable_utf8(d.対局名) && printable_utf8(d.上側の名) && printable_utf8(d.下側の名),
          "a name that is not printable UTF-8");

  // 3. The replay keeps the position sound, and stepping back returns to the start.
  GameState s;
  初期設定_状態(s);
  const GameState start = s;
  棋譜_記録へ(d, s);
  require(s.KIFU_SAIGO == static_cast<int>(d.手.size()), "moves lost on loading");
  while (s.KIFU_SUU < s.KIFU_SAIGO) {
    棋譜_進める(s);
    check_position(s);
  }
  while (s.KIFU_SUU > 0) 棋譜_戻す(s);
  for (int i = 1; i <= 9; ++i) {
    for (int j = 1; j <= 9; ++j) require(s.BAN[i][j] == start.BAN[i][j], "back is not the start");
  }
  require(s.SITA_MOCHI_SU == 0 && s.UE_MOCHI_SU == 0, "hands not empty at the start");

  // 4. Written again, it reads as the same data (a name holding a replaced byte has
  // nothing the writer could put back, and is refused by it).
  const 棋譜バイト列結果 w = 棋譜_バイト列(d);
  const bool names_writable =
      !has_replacement(d.対局名) && !has_replacement(d.上側の名) && !has_replacement(d.下側の名);
  require(w.成功 == names_writable, "the writer refused a file that was read, or the reverse");
  if (w.成功) {
    const 棋譜読込結果 again = 棋譜_解析(w.バイト列);
    require(again.成功, "a written file is refused");
    require(again.データ.手 == d.手, "moves changed on the way round");
    require(again.データ.対局名 == d.対局名 && again.データ.上側の名 == d.上側の名 &&
                again.データ.下側の名 == d.下側の名,
            "names changed on the way round");
  }
  return 0;
}
