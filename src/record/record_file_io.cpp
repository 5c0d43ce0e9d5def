// Reading and writing record files on disk. A record is replaced only by a complete
// new one: the bytes go to a new file in the same directory, are flushed to the disk
// and closed, and only then does a rename put the new file in the old one's place,
// so a failure at any step leaves what was there untouched.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>
#include <string_view>

#include "record/record_file.h"

namespace kazeban {
namespace {

// A record file of 500 moves and three long names is a few kilobytes; anything this
// large is not one, and is not read into memory.
constexpr off_t 最大の大きさ = 16 * 1024 * 1024;

// What went wrong, in words for the player.
std::string 原因(int err) {
  switch (err) {
    case ENOENT:
      return "見つかりません";
    case ENOTDIR:
      return "途中にフォルダでないものがあります";
    case EACCES:
    case EPERM:
      return "許可がありません";
    case EROFS:
      return "読み取り専用の場所です";
    case ENOSPC:
    case EDQUOT:
      return "ディスクに空きがありません";
    case EISDIR:
      return "フォルダです";
    case ENAMETOOLONG:
      return "名前が長すぎます";
    case EFBIG:
      return "ファイルが大きすぎます";
    case EIO:
      return "入出力エラーです";
    default:
      return "エラー番号 " + std::to_string(err);
  }
}

// The file's own name, for messages: the player chose it, not its whole path.
std::string 名前(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string フォルダ(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// A descriptor closed when the scope ends, unless it was closed (and checked) first.
class ファイル {
 public:
  explicit ファイル(int fd) : fd_(fd) {}
  ~ファイル() {
    if (fd_ >= 0) ::close(fd_);
  }
  ファイル(const ファイル&) = delete;
  ファイル& operator=(const ファイル&) = delete;
  int fd() const { return fd_; }
  // Closes now; 0, or the errno of a failed close.
  int 閉じる() {
    const int r = ::close(fd_);
    fd_ = -1;
    return r == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

// Writes all of `bytes`; 0, or the errno that stopped it.
int 全部書く(int fd, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    done += static_cast<size_t>(n);
  }
  return 0;
}

棋譜読込結果 読込失敗(std::string why) {
  棋譜読込結果 r;
  r.理由 = std::move(why);
  return r;
}

// Gives the complete file `temp` the name `target` only when that name is free; 0, or
// the errno (EEXIST when the name is taken). `temp` is left for the caller to remove.
int 新しい名前で置く(const std::string& temp, const std::string& target) {
  if (::link(temp.c_str(), target.c_str()) == 0) {
    ::unlink(temp.c_str());
    return 0;
  }
  const int err = errno;
  if (err != EPERM && err != EOPNOTSUPP && err != ENOSYS && err != EXDEV) return err;
  // No hard links here: claim the name with an exclusive create, then put the
  // complete file over the empty one.
  const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return errno;
  ::close(fd);
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    const int rename_err = errno;
    ::unlink(target.c_str());
    return rename_err;
  }
  return 0;
}

// Puts `bytes` at `path` through a complete new file beside it. `only_new`: the name
// is taken only when nothing of that name exists (a hard link, which fails when the
// name is taken, where the file system has them; otherwise the name is claimed by an
// exclusive create first), and a taken name is reported as 使用中.
ファイル書込結果 書き出す(const std::string& path, std::string_view bytes, bool only_new) {
  ファイル書込結果 r;

  // 1. A name is needed.
  if (名前(path).empty()) {
    r.理由 = "ファイル名がありません";
    return r;
  }

  // 2. A link is followed, so the file it names is replaced and the link kept.
  std::string target = path;
  struct stat st {};
  const bool name_in_use = ::lstat(path.c_str(), &st) == 0;
  if (name_in_use && S_ISLNK(st.st_mode)) {
    if (char* real = ::realpath(path.c_str(), nullptr)) {
      target = real;
      std::free(real);
    }
  }
  const std::string name = "「" + 名前(path) + "」";
  if (only_new && name_in_use) {
    r.使用中 = true;
    r.理由 = name + "はすでにあります";
    return r;
  }
  const std::string dir = フォルダ(target);
  const bool existed = ::stat(target.c_str(), &st) == 0;
  const std::string kept = existed ? "。元のファイルはそのままです" : "";

  // 3. A new file beside it, under a hidden name of its own.
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = dir + "/.kazeban-" + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    const int err = errno;
    if (err == ENOENT || err == ENOTDIR) {
      r.理由 = "保存先のフォルダ「" + dir + "」がありません";
    } else if (err == EACCES || err == EPERM) {
      r.理由 = "保存先のフォルダ「" + dir + "」に書き込む許可がありません";
    } else {
      r.理由 = "保存先のフォルダ「" + dir + "」にファイルを作れません（" + 原因(err) + "）";
    }
    r.理由 += kept;
    return r;
  }
  ファイル f(fd);

  // 4. Write, flush to the disk and close, each checked; the old file keeps its
  // permissions.
  if (existed && S_ISREG(st.st_mode)) ::fchmod(f.fd(), st.st_mode & 07777);
  int err = 全部書く(f.fd(), bytes);
  if (err == 0 && ::fsync(f.fd()) != 0) err = errno;
  const int close_err = f.閉じる();
  if (err == 0) err = close_err;
  if (err != 0) {
    ::unlink(temp.c_str());
    r.理由 = name + "を書き込めませんでした（" + 原因(err) + "）" + kept;
    return r;
  }

  // 5. Only a complete file takes the old one's place, or a new name of its own.
  if (only_new) {
    const int taken = 新しい名前で置く(temp, target);
    if (taken != 0) {
      ::unlink(temp.c_str());
      if (taken == EEXIST) {
        r.使用中 = true;
        r.理由 = name + "はすでにあります";
      } else {
        r.理由 = name + "を作れませんでした（" + 原因(taken) + "）";
      }
      return r;
    }
  } else if (::rename(temp.c_str(), target.c_str()) != 0) {
    err = errno;
    ::unlink(temp.c_str());
    if (err == EISDIR) {
      r.理由 = name + "という名前のフォルダがあるため書き込めません";
    } else {
      r.理由 = name + "を置き換えられませんでした（" + 原因(err) + "）" + kept;
    }
    return r;
  }

  // 6. Make the new name itself last; a failure here loses nothing already written.
  ファイル d(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (d.fd() >= 0) ::fsync(d.fd());
  r.成功 = true;
  return r;
}

}  // namespace

std::string エラーの原因(int err) {
  return 原因(err);
}

棋譜読込結果 棋譜_読込(const std::string& path) {
  const std::string name = "「" + 名前(path) + "」";

  // 1. Open without waiting (a named pipe would block) and make sure it is a file.
  ファイル f(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (f.fd() < 0) {
    const int err = errno;
    if (err == ENOENT) return 読込失敗(name + "が見つかりません");
    return 読込失敗(name + "を開けません（" + 原因(err) + "）");
  }
  struct stat st {};
  if (::fstat(f.fd(), &st) != 0) return 読込失敗(name + "を開けません（" + 原因(errno) + "）");
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
      return 読込失敗(name + "を読み込めません（" + 原因(errno) + "）");
    }
    bytes.append(buffer, static_cast<size_t>(n));
    if (bytes.size() > static_cast<size_t>(最大の大きさ)) {
      return 読込失敗(name + "は大きすぎて棋譜ファイルではありません");
    }
  }

  // 3. Check it; a refusal says which file.
  棋譜読込結果 r = 棋譜_解析(bytes);
  if (!r.成功) r.理由 = name + "の" + r.理由;
  return r;
}

棋譜書込結果 棋譜_書込(const std::string& path, const 棋譜データ& data) {
  // The whole file in memory first: a name that cannot be written stops here.
  const 棋譜バイト列結果 bytes = 棋譜_バイト列(data);
  if (!bytes.成功) {
    棋譜書込結果 r;
    r.理由 = bytes.理由;
    return r;
  }
  const ファイル書込結果 written = ファイル_置換(path, bytes.バイト列);
  棋譜書込結果 r;
  r.成功 = written.成功;
  r.理由 = written.理由;
  return r;
}

ファイル書込結果 ファイル_置換(const std::string& path, std::string_view bytes) {
  return 書き出す(path, bytes, false);
}

ファイル書込結果 ファイル_新規作成(const std::string& path, std::string_view bytes) {
  return 書き出す(path, bytes, true);
}

}  // namespace kazeban
