// The journal's writing thread against a disk whose writes wait at a gate: the order of
// the writes, a newer state replacing one still waiting, a new file made off the
// caller's thread, waiting for the disk, and a failure reported once, by the next write
// of the same file or by the wait.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "record/journal_writer.h"

namespace kazeban::testing {
namespace {

class GatedDisk : public 記録ポート {
 public:
  日時 今() override { return {}; }
  std::string フォルダを用意(const std::string&) override { return {}; }
  bool 名前がある(const std::string& path) override {
    std::lock_guard lock(m_);
    return names_.contains(path);
  }
  置換結果 新規作成(const std::string& path, std::string_view bytes) override {
    {
      std::unique_lock lock(m_);
      changed_.wait(lock, [this] { return open_; });
      if (names_.contains(path)) return {false, true, "taken"};
    }
    return 置換(path, bytes);
  }
  置換結果 置換(const std::string& path, std::string_view bytes) override {
    std::unique_lock lock(m_);
    ++started_;
    changed_.notify_all();
    changed_.wait(lock, [this] { return open_; });
    names_.insert(path);
    written.push_back(path + "=" + std::string(bytes));
    置換結果 r;
    r.成功 = failure_.empty();
    r.理由 = failure_;
    return r;
  }
  void Open(bool open) {
    std::lock_guard lock(m_);
    open_ = open;
    changed_.notify_all();
  }
  // Another program makes a file of that name.
  void Take(const std::string& path) {
    std::lock_guard lock(m_);
    names_.insert(path);
  }
  void Fail(std::string why) {
    std::lock_guard lock(m_);
    failure_ = std::move(why);
  }
  // Returns once `n` writes have begun.
  void WaitForStarted(int n) {
    std::unique_lock lock(m_);
    changed_.wait(lock, [&] { return started_ >= n; });
  }

  std::vector<std::string> written;  // read once the writer is idle

 private:
  std::mutex m_;
  std::condition_variable changed_;
  bool open_ = true;
  int started_ = 0;
  std::string failure_;
  std::set<std::string> names_;
};

TEST(JournalWriterTest, WritesOfAFileStayInOrderAndTheNewestWaitingStateWins) {
  GatedDisk disk;
  後書きポート writer(disk);
  disk.Open(false);
  EXPECT_TRUE(writer.置換("a", "1").成功);
  disk.WaitForStarted(1);  // a=1 is being written while the rest is handed over
  writer.置換("a", "2");
  writer.置換("b", "1");
  writer.置換("a", "3");
  disk.Open(true);
  writer.書き終える();
  EXPECT_EQ(disk.written, (std::vector<std::string>{"a=1", "a=3", "b=1"}));
}

TEST(JournalWriterTest, ANewFileIsMadeOnTheThreadAndItsLaterStatesFollowItWhereItLands) {
  GatedDisk disk;
  後書きポート writer(disk);
  disk.Open(false);
  // Claimed at once while the disk waits; a name claimed or taken is in use.
  EXPECT_TRUE(writer.新規作成("d/g.kif", "1").成功);
  EXPECT_TRUE(writer.新規作成("d/g.kif", "x").使用中);
  disk.Take("d/h.kif");
  EXPECT_TRUE(writer.新規作成("d/h.kif", "x").使用中);
  // Taken by another program after the claim: made at the next free name, with the
  // newest state handed over before it was made, and written there from then on.
  EXPECT_TRUE(writer.新規作成("d/e.kif", "1").成功);
  disk.Take("d/e.kif");
  writer.置換("d/e.kif", "2");
  disk.Open(true);
  EXPECT_TRUE(writer.書き終える().成功);
  writer.置換("d/e.kif", "3");
  writer.書き終える();
  EXPECT_EQ(disk.written, (std::vector<std::string>{"d/g.kif=1", "d/e-2.kif=2", "d/e-2.kif=3"}));
}

TEST(JournalWriterTest, AFailureIsReportedOnceByTheNextWriteOfTheFileOrByTheWait) {
  GatedDisk disk;
  後書きポート writer(disk);
  disk.Fail("ディスクに空きがありません");
  EXPECT_TRUE(writer.置換("a", "1").成功);
  disk.WaitForStarted(1);  // past the gate before it closes
  disk.Open(false);
  writer.置換("b", "1");
  disk.WaitForStarted(2);  // a=1 has failed, b=1 waits at the gate
  disk.Fail("");
  const 置換結果 r = writer.置換("a", "2");
  EXPECT_FALSE(r.成功);
  EXPECT_EQ(r.理由, "ディスクに空きがありません");
  disk.Open(true);
  EXPECT_TRUE(writer.書き終える().成功);

  disk.Fail("入出力エラーです");
  writer.置換("a", "3");
  EXPECT_EQ(writer.書き終える().理由, "入出力エラーです");
  EXPECT_TRUE(writer.書き終える().成功);
}

TEST(JournalWriterTest, WhatIsStillWaitingIsWrittenBeforeTheWriterGoes) {
  GatedDisk disk;
  {
    後書きポート writer(disk);
    disk.Open(false);
    writer.置換("a", "1");
    disk.WaitForStarted(1);
    writer.置換("a", "2");
    disk.Open(true);
  }
  EXPECT_EQ(disk.written, (std::vector<std::string>{"a=1", "a=2"}));
}

}  // namespace
}  // namespace kazeban::testing
