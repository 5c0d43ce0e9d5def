// The journal's files written on a thread of their own, so that a move never waits for
// the disk: the window hands over the whole new file and goes on. Writes of one file
// stay in order, and a newer state of a file replaces an older one still waiting, so a
// slow disk is never more than one write behind. A new file is still made at once (its
// name must be known, and free, before the game goes on), once a game.
//
// A write that fails is reported by the next write handed over for the same file, so
// the journal tells the player one move later than it happened, or by 書き終える, which
// waits until everything handed over is on the disk; the destructor waits too.
#pragma once

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "record/journal.h"

namespace kazeban {

class 後書きポート : public 記録ポート {
 public:
  // Writes through `disk`, which must outlive this port and may be called from the
  // writing thread and the caller's at once.
  explicit 後書きポート(記録ポート& disk);
  ~後書きポート() override;
  後書きポート(const 後書きポート&) = delete;
  後書きポート& operator=(const 後書きポート&) = delete;

  日時 今() override { return disk_.今(); }
  std::string フォルダを用意(const std::string& folder) override;
  置換結果 新規作成(const std::string& path, std::string_view bytes) override;
  // Hands the bytes over and returns at once: success, or the failure of an earlier
  // write of the same file not yet reported.
  置換結果 置換(const std::string& path, std::string_view bytes) override;
  置換結果 書き終える() override;

 private:
  void 働く();

  記録ポート& disk_;
  std::mutex m_;
  std::condition_variable work_;                // something to write, or the end
  std::condition_variable idle_;                // nothing waiting and nothing being written
  std::map<std::string, std::string> pending_;  // the newest bytes of each file waiting
  std::deque<std::string> queue_;               // the files waiting, first handed over first
  std::string writing_;                         // the file being written, "" when none
  std::map<std::string, 置換結果> failed_;      // failures not yet reported, by file
  bool stop_ = false;
  std::thread thread_;
};

}  // namespace kazeban
