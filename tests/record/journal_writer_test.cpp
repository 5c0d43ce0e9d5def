// The journal's writing thread against a disk whose writes wait at a gate: the order of
// the writes, a newer state replacing one still waiting, waiting for the disk, and a
// failure reported by the next write of the same file.
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
    r.成功 = failure.empty();
    r.理由 = failure;
    return r;
  }
  void Open(bool open) {
    std::lock_guard lock(m_);
    open_ = open;
    changed_.notify_all();
  }
  // Returns once `n` writes have begun.
  void WaitForStarted(int n) {
    std::unique_lock lock(m_);
    changed_.wait(lock, [&] { return started_ >= n; });
  }

  std::vector<std::string> written;  // read once the writer is idle
  std::string failure;

 private:
  std::mutex m_;
  std::condition_variable changed_;
  bool open_ = true;
  int started_ = 0;
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

TEST(JournalWriterTest, AFailureIsReportedByTheNextWriteOfTheSameFile) {
  GatedDisk disk;
  後書きポート writer(disk);
  disk.failure = "ディスクに空きがありません";
  EXPECT_TRUE(writer.置換("a", "1").成功);
  writer.書き終える();
  EXPECT_TRUE(writer.置換("b", "1").成功);
  writer.書き終える();
  disk.failure.clear();
  const 置換結果 r = writer.置換("a", "2");
  EXPECT_FALSE(r.成功);
  EXPECT_EQ(r.理由, "ディスクに空きがありません");
  writer.書き終える();
  EXPECT_TRUE(writer.置換("a", "3").成功);
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
