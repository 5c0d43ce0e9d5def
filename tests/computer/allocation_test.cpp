// The computer's turn allocates nothing: this test program counts every call of the
// global operator new and runs whole turns between two readings of the count.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "../../bench/positions.h"
#include "computer/search.h"

namespace {
std::atomic<long> 確保回数{0};
}  // namespace

// Kept out of line: inlined, g++ would pair the free below with the new of a caller.
[[gnu::noinline]] void* operator new(std::size_t n) {
  確保回数.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept {
  std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace kazeban {
namespace {

TEST(SearchAllocation, AWholeTurnAllocatesNothing) {
  static GameState s;
  static 勢力図 m;
  static COM記録 r;
  for (GameState (*make)() : {bench::初形, bench::中盤, bench::全種持ち}) {
    for (int level = 1; level <= 3; ++level) {
      s = make();
      s.COM_LEVEL = level;
      long seen = 0;
      const long before = 確保回数.load();
      COM_準備(s, m, r);
      const COM結果 res = COM_探索(s, m, r, [&](const COM指し手&, int) { ++seen; });
      const long after = 確保回数.load();
      EXPECT_EQ(after - before, 0) << "level " << level;
      EXPECT_GT(seen, 0);
      EXPECT_TRUE(res.指し手あり);
    }
  }
  // The counter does count: one new is one allocation.
  const long before = 確保回数.load();
  auto* p = new int(3);
  EXPECT_EQ(確保回数.load() - before, 1);
  delete p;
}

}  // namespace
}  // namespace kazeban
