// Reading and writing record files on disk. A record is replaced only by a complete
// new one (see atomic_file.h), so a failure at any step leaves what was there
// untouched.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "storage/atomic_file.h"
#include "storage/record_file.h"

namespace kazeban {
namespace {

// A record file of 500 moves and three long names is a few kilobytes; anything this
// large is not one, and is not read into memory.
constexpr off_t 最大の大きさ = 16 * 1024 * 1024;

// The file's own name, for messages: the player chose it, not its whole path.
std::string 名前(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A descriptor closed when the scope ends.
class ファイル {
 public:
  explicit ファイル(int fd) : fd_(fd) {}
  ~ファイル() {
    if (fd_ >= 0) ::close(fd_);
  }
  ファイル(const ファイル&) = delete;
  ファイル& operator=(const ファイル&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

ファイル読込結果 読込失敗(std::string why) {
  ファイル読込結果 r;
  r.理由 = std::move(why);
  return r;
}

}  // namespace

ファイル読込結果 ファイル_読込(const std::string& path) {
  const std::string name = "「" + 名前(path) + "」";

  // 1. Open without waiting (a named pipe would block) and make sure it is a file.
  ファイル f(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (f.fd() < 0) {
    const int err = errno;
    if (err == ENOENT) return 読込失敗(name + "が見つかりません");
    return 読込失敗(name + "を開けません（" + エラーの説明(err) + "）");
  }
  struct stat st {};
  if (::fstat(f.fd(), &st) != 0)
    return 読込失敗(name + "を開けません（" + エラーの説明(errno) + "）");
  if (S_ISDIR(st.st_mode)) return 読込失敗(name + "はフォルダです");
  if (!S_ISREG(st.st_mode)) return 読込失敗(name + "は普通のファイルではありません");
  if (st.st_size > 最大の大きさ) return 読込失敗(name + "は大きすぎて棋譜ファイルではありません");

  // 2. Read it whole.
  std::string bytes;
  char buffer[8192];
  for (;;) {
    const ssize_t n = ::read(f.fd(), buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      return 読込失敗(name + "を読み込めません（" + エラーの説明(errno) + "）");
    }
    bytes.append(buffer, static_cast<size_t>(n));
    if (bytes.size() > static_cast<size_t>(最大の大きさ)) {
      return 読込失敗(name + "は大きすぎて棋譜ファイルではありません");
    }
  }

  ファイル読込結果 r;
  r.成功 = true;
  r.バイト列 = std::move(bytes);
  return r;
}

棋譜読込結果 棋譜_読込(const std::string& path) {
  const ファイル読込結果 file = ファイル_読込(path);
  if (!file.成功) {
    棋譜読込結果 r;
    r.理由 = file.理由;
    return r;
  }
  // A refusal says which file.
  棋譜読込結果 r = 棋譜_解析(file.バイト列);
  if (!r.成功) r.理由 = "「" + 名前(path) + "」の" + r.理由;
  return r;
}

棋譜書込結果 棋譜_書込(const std::string& path, const 棋譜データ& data) {
  棋譜書込結果 r;

  // 1. The whole file in memory first: a name that cannot be written stops here.
  const 棋譜バイト列結果 bytes = 棋譜_バイト列(data);
  if (!bytes.成功) {
    r.理由 = bytes.理由;
    return r;
  }
  // 2. The file is replaced whole, or not at all.
  const 置換結果 put = ファイル_置換(path, bytes.バイト列);
  r.成功 = put.成功;
  r.理由 = put.理由;
  return r;
}

}  // namespace kazeban
