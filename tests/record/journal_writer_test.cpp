// The journal's writing thread against a disk whose writes wait at a gate: the order of
// the writes, a newer state replacing one still waiting, waiting for the disk, and a
// failure reported once, by the next write of the same file or by the wait.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "record/journal_writer.h"

namespace kazeban::testing {
namespace {

class GatedDisk : public 記録ポート {
 public:
  日時 今() override { return {}; }
  std::string フォルダを用意(const std::string&) override { return {}; }
  置換結果 新規作成(const std::string& path, std::string_view bytes) override {
    return 置換(path, bytes);
  }
  置換結果 置換(const std::string& path, std::string_view bytes) override {
    std::unique_lock lock(m_);
    ++started_;
    changed_.notify_all();
    changed_.wait(lock, [this] { return open_; });
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
