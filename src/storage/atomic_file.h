// Replacing a file on disk all at once. The bytes go to a new hidden file in the same
// directory, are flushed to the disk and closed, and only then does a rename put the
// new file in the old one's place, so a reader sees either the old file or the whole
// new one, and a failure at any step leaves what was there untouched. Plain POSIX; no
// Qt, so the record writer and anything else that keeps files whole can share it.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kazeban {

struct 置換結果 {
  bool 成功 = false;
  bool 使用中 = false;  // ファイル_新規作成 only: something of that name exists already
  std::string 理由;     // why nothing was written, for the player; names the file
};

// Puts `bytes` at `path` (UTF-8), all or nothing.
//
// - A symbolic link is followed only where the system would follow it for this user
//   (in a folder that is sticky and writable by all, only a link of the user's own or
//   of the folder's owner); otherwise nothing is written.
// - A symbolic link is followed (a chain of them too, and one whose file does not
//   exist yet): the file it names is replaced and the link stays.
// - An existing file that may not be written is refused and left as it is: one whose
//   mode gives its owner no write permission (also for root, whom the system would let
//   through), or one the system refuses write access to.
// - A replaced file keeps its permission bits, but not a set-user or set-group bit.
// - The new file is synced before the rename and the directory after it.
// - Hidden temporary files of this kind that a crash left in the directory, older than
//   a minute and owned by the same user, are removed first.
置換結果 ファイル_置換(const std::string& path, std::string_view bytes);

// Puts `bytes` at `path` as ファイル_置換 does, but only when nothing of that name
// exists, the file complete from the moment the name appears: two programs choosing
// the same name never share a file, one gets it and the other is told 使用中.
置換結果 ファイル_新規作成(const std::string& path, std::string_view bytes);

// Many files put in place as ファイル_置換 puts one (links followed, write-protected
// files refused, each file whole or not at all), but flushed to the disk together
// instead of one by one: a folder of converted records costs one flush, not one each.
class 一括置換 {
 public:
  一括置換();
  ~一括置換();  // new files never put in place are removed
  一括置換(const 一括置換&) = delete;
  一括置換& operator=(const 一括置換&) = delete;

  // Checks `path` and writes the complete new file beside it; it takes its place at
  // 確定. Not 成功 (with the reason) when it cannot be written.
  置換結果 加える(const std::string& path, std::string_view bytes);

  // Flushes every new file to the disk, then puts each in its place. Returns the
  // files that failed (their path and why); the others are in place.
  std::vector<std::pair<std::string, 置換結果>> 確定();

 private:
  struct 待ち;
  std::vector<待ち> 待ち_;
  std::set<std::string> 片付けた_;  // folders already rid of leftovers
};

// What an errno means, in words for the player ("許可がありません", …).
std::string エラーの説明(int err);

// The name pattern of the temporary files: ".kazeban-<pid>-<n>.tmp".
bool 一時ファイル名か(std::string_view name);

}  // namespace kazeban
