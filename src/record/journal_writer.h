// The journal's files written on a thread of their own, so that a move never waits for
// the disk: the window hands over the whole new file and goes on. Writes of one file
// stay in order, and a newer state of a file replaces an older one still waiting, so a
// slow disk is never more than one write behind. A new file is made on the thread too:
// its name is claimed at once (free on the disk and not claimed before in this run),
// and should another program take it before the file is made, the file goes to the
// first free name with "-2", "-3" … before its extension, where the later writes of
// the game follow it.
//
// A write that fails is reported by the next write handed over for the same file, so
// the journal tells the player one move later than it happened, or by 書き終える, which
// waits until everything handed over is on the disk; the destructor waits too.
#pragma once

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <set>
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
  bool 名前がある(const std::string& path) override;
  // Claims the name and returns at once; the file is made on the thread.
  置換結果 新規作成(const std::string& path, std::string_view bytes) override;
  // Hands the bytes over and returns at once: success, or the failure of an earlier
  // write of the same file not yet reported.
  置換結果 置換(const std::string& path, std::string_view bytes) override;
  置換結果 書き終える() override;

 private:
  void 働く();

  記録ポート& disk_;
  std::mutex m_;
  std::condition_variable work_;  // something to write, or the end
  std::condition_variable idle_;  // nothing waiting and nothing being written
  struct 待ち {
    std::string bytes;  // the newest state of the file
    bool 新規 = false;  // the file is still to be made
  };
  // Makes the file of a claimed name, at another name if that one was taken meanwhile.
  置換結果 作る(const std::string& path, const std::string& bytes);

  std::map<std::string, 待ち> pending_;       // each file waiting, with its newest bytes
  std::deque<std::string> queue_;             // the files waiting, first handed over first
  std::string writing_;                       // the file being written, "" when none
  std::map<std::string, 置換結果> failed_;    // failures not yet reported, by file
  std::set<std::string> claimed_;             // names claimed in this run
  std::map<std::string, std::string> moved_;  // claimed names made at another name
  bool stop_ = false;
  std::thread thread_;
};

}  // namespace kazeban
