#include "storage/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <optional>

namespace kazeban {
namespace {

// A leftover temporary file younger than this may belong to a save still running.
constexpr time_t 残骸の猶予秒 = 60;

// Links followed before giving up, as the system itself does.
constexpr int リンクの上限 = 40;

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
class 記述子 {
 public:
  explicit 記述子(int fd) : fd_(fd) {}
  ~記述子() {
    if (fd_ >= 0) ::close(fd_);
  }
  記述子(const 記述子&) = delete;
  記述子& operator=(const 記述子&) = delete;
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

// True when the system would let this user follow the link `link` (its lstat): in a
// folder that is sticky and writable by all (/tmp), only a link of the user's own or
// of the folder's owner, so a link planted there by someone else is never written
// through.
bool リンクを辿れる(const std::string& link, const struct stat& st) {
  struct stat dir {};
  if (::stat(フォルダ(link).c_str(), &dir) != 0) return false;
  const bool shared = (dir.st_mode & S_ISVTX) != 0 && (dir.st_mode & S_IWOTH) != 0;
  return !shared || st.st_uid == ::geteuid() || st.st_uid == dir.st_uid;
}

// The path a write to `path` reaches: every symbolic link on the last component
// followed, also to a file that does not exist yet. Nothing for a loop (`err` ELOOP)
// or a link the system would not follow (EACCES).
std::optional<std::string> 書込先(const std::string& path, int& err) {
  std::string p = path;
  for (int hop = 0; hop <= リンクの上限; ++hop) {
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
    if (!リンクを辿れる(p, st)) {
      err = EACCES;
      return std::nullopt;
    }
    std::string link(static_cast<size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
    const ssize_t n = ::readlink(p.c_str(), link.data(), link.size());
    if (n < 0) return p;
    if (static_cast<size_t>(n) == link.size()) continue;  // grew meanwhile: read it again
    link.resize(static_cast<size_t>(n));
    p = !link.empty() && link.front() == '/' ? link : フォルダ(p) + "/" + link;
  }
  err = ELOOP;
  return std::nullopt;
}

// Removes the temporary files of this kind that an interrupted write left in `dir`:
// plain files owned by this user, untouched for a while.
void 残骸を片付ける(const std::string& dir) {
  DIR* d = ::opendir(dir.c_str());
  if (d == nullptr) return;
  const time_t now = std::time(nullptr);
  while (const dirent* e = ::readdir(d)) {
    if (!一時ファイル名か(e->d_name)) continue;
    const std::string path = dir + "/" + e->d_name;
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    if (st.st_uid != ::geteuid() || now - st.st_mtime <= 残骸の猶予秒) continue;
    ::unlink(path.c_str());
  }
  ::closedir(d);
}

// Gives the complete file `temp` the name `target` only when that name is free; 0, or
// the errno (EEXIST when the name is taken). The name only ever appears with the whole
// file behind it: a hard link, which fails when the name is taken; where the file
// system has none (a vfat stick), a rename that refuses to replace; where even that is
// missing, a rename once the name was seen free (two programs may then race for it,
// but no crash leaves an empty or partial file under it).
int 新しい名前で置く(const std::string& temp, const std::string& target) {
  if (::link(temp.c_str(), target.c_str()) == 0) {
    ::unlink(temp.c_str());
    return 0;
  }
  int err = errno;
  if (err != EPERM && err != EOPNOTSUPP && err != ENOSYS && err != EXDEV) return err;
  if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
    return 0;
  }
  err = errno;
  if (err != EINVAL && err != ENOSYS && err != EOPNOTSUPP) return err;
  struct stat st {};
  if (::lstat(target.c_str(), &st) == 0) return EEXIST;
  return ::rename(temp.c_str(), target.c_str()) == 0 ? 0 : errno;
}

// A complete new file beside its target, not yet in the target's place.
struct 書いた一時 {
  std::string temp;
  std::string target;
  std::string dir;
  std::string name;  // for messages
  std::string kept;  // "the old file is as it was", for messages
};

bool 一時を書く(const std::string& path, std::string_view bytes, bool only_new, bool sync,
                bool clean, 置換結果& r, 書いた一時& out);
bool 一時を置く(const 書いた一時& t, bool only_new, bool sync, 置換結果& r);

置換結果 置く(const std::string& path, std::string_view bytes, bool only_new) {
  置換結果 r;
  書いた一時 t;
  if (一時を書く(path, bytes, only_new, true, true, r, t)) 一時を置く(t, only_new, true, r);
  return r;
}

// Temporary names count up through the process, so many can wait side by side.
unsigned 一時の番号 = 0;

}  // namespace

std::string エラーの説明(int err) {
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
    case ELOOP:
      return "リンクが循環しています";
    default:
      return "エラー番号 " + std::to_string(err);
  }
}

bool 一時ファイル名か(std::string_view name) {
  constexpr std::string_view head = ".kazeban-";
  constexpr std::string_view tail = ".tmp";
  if (name.size() <= head.size() + tail.size() || !name.starts_with(head) ||
      !name.ends_with(tail)) {
    return false;
  }
  // <pid>-<n>: two runs of digits joined by one hyphen.
  const std::string_view middle = name.substr(head.size(), name.size() - head.size() - tail.size());
  const size_t hyphen = middle.find('-');
  if (hyphen == std::string_view::npos || hyphen == 0 || hyphen + 1 == middle.size()) return false;
  for (size_t k = 0; k < middle.size(); ++k) {
    if (k != hyphen && (middle[k] < '0' || middle[k] > '9')) return false;
  }
  return true;
}

置換結果 ファイル_置換(const std::string& path, std::string_view bytes) {
  return 置く(path, bytes, false);
}

置換結果 ファイル_新規作成(const std::string& path, std::string_view bytes) {
  return 置く(path, bytes, true);
}

struct 一括置換::待ち {
  書いた一時 一時;
  std::string path;
};

一括置換::一括置換() = default;

一括置換::~一括置換() {
  for (const 待ち& w : 待ち_) ::unlink(w.一時.temp.c_str());
}

置換結果 一括置換::加える(const std::string& path, std::string_view bytes) {
  置換結果 r;
  書いた一時 t;
  const std::string dir = フォルダ(path);
  const bool clean = 片付けた_.insert(dir).second;
  if (!一時を書く(path, bytes, false, false, clean, r, t)) return r;
  待ち_.push_back({std::move(t), path});
  r.成功 = true;
  return r;
}

std::vector<std::pair<std::string, 置換結果>> 一括置換::確定() {
  std::vector<std::pair<std::string, 置換結果>> failed;
  if (待ち_.empty()) return failed;
  // 1. Every new file on the disk at once, before any takes a place.
  {
    記述子 d(::open(待ち_.front().一時.dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (d.fd() < 0 || ::syncfs(d.fd()) != 0) {
      for (const 待ち& w : 待ち_) {
        if (::fsync(記述子(::open(w.一時.temp.c_str(), O_RDONLY | O_CLOEXEC)).fd()) != 0) {
          置換結果 r;
          r.理由 =
              w.一時.name + "を書き込めませんでした（" + エラーの説明(errno) + "）" + w.一時.kept;
          failed.emplace_back(w.path, r);
        }
      }
    }
  }
  // 2. Each in its place; then each directory flushed once.
  std::set<std::string> dirs;
  for (const 待ち& w : 待ち_) {
    const bool bad =
        std::any_of(failed.begin(), failed.end(), [&](const auto& f) { return f.first == w.path; });
    置換結果 r;
    if (bad) {
      ::unlink(w.一時.temp.c_str());
    } else if (!一時を置く(w.一時, false, false, r)) {
      failed.emplace_back(w.path, r);
    }
    dirs.insert(w.一時.dir);
  }
  待ち_.clear();
  for (const std::string& dir : dirs) {
    記述子 d(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (d.fd() >= 0) ::fsync(d.fd());
  }
  return failed;
}

namespace {

// Steps 1 to 4 of putting `bytes` at `path`: the checks and the complete new file
// beside it (flushed to the disk when `sync`); `only_new`: under a name nothing holds
// yet; `clean`: leftovers of interrupted writes are removed first.
bool 一時を書く(const std::string& path, std::string_view bytes, bool only_new, bool sync,
                bool clean, 置換結果& r, 書いた一時& out) {
  const std::string name = "「" + 名前(path) + "」";
  if (名前(path).empty()) {
    r.理由 = "ファイル名がありません";
    return false;
  }

  // A new name must be free: a dangling link holds it too.
  struct stat st {};
  if (only_new && ::lstat(path.c_str(), &st) == 0) {
    r.使用中 = true;
    r.理由 = name + "はすでにあります";
    return false;
  }

  // 1. A link is followed, so the file it names is replaced and the link kept.
  int link_err = 0;
  const std::optional<std::string> resolved = 書込先(path, link_err);
  if (!resolved) {
    r.理由 = link_err == EACCES
                 ? name + "は共有のフォルダにある他のユーザーのリンクなので、書き込めません"
                 : name + "に書き込めません（" + エラーの説明(link_err) + "）";
    return false;
  }
  const std::string& target = *resolved;
  const std::string dir = フォルダ(target);
  const bool existed = ::stat(target.c_str(), &st) == 0;
  const std::string kept = existed ? "。元のファイルはそのままです" : "";

  // 2. A file that may not be written is not replaced behind the player's back: the
  // rename would need only the directory's permission.
  if (existed && !S_ISDIR(st.st_mode) &&
      ((st.st_mode & S_IWUSR) == 0 || ::access(target.c_str(), W_OK) != 0)) {
    r.理由 = name + "は書き込みが許可されていないため上書きできません" + kept;
    return false;
  }

  // 3. What an interrupted write left behind goes; then a new file beside the target,
  // under a hidden name of its own.
  if (clean) 残骸を片付ける(dir);
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = dir + "/.kazeban-" + std::to_string(::getpid()) + "-" + std::to_string(一時の番号++) +
           ".tmp";
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
      r.理由 = "保存先のフォルダ「" + dir + "」にファイルを作れません（" + エラーの説明(err) + "）";
    }
    r.理由 += kept;
    return false;
  }
  記述子 f(fd);

  // 4. Write, flush to the disk and close, each checked; the old file's permissions
  // carry over, but never its set-user or set-group bit.
  if (existed && S_ISREG(st.st_mode)) ::fchmod(f.fd(), st.st_mode & 01777);
  int err = 全部書く(f.fd(), bytes);
  if (err == 0 && sync && ::fsync(f.fd()) != 0) err = errno;
  const int close_err = f.閉じる();
  if (err == 0) err = close_err;
  if (err != 0) {
    ::unlink(temp.c_str());
    r.理由 = name + "を書き込めませんでした（" + エラーの説明(err) + "）" + kept;
    return false;
  }

  out = {temp, target, dir, name, kept};
  return true;
}

// Steps 5 and 6: the complete file takes the old one's place, or a new name of its own;
// the directory is flushed when `sync`.
bool 一時を置く(const 書いた一時& t, bool only_new, bool sync, 置換結果& r) {
  const std::string& temp = t.temp;
  const std::string& target = t.target;
  const std::string& name = t.name;
  const std::string& kept = t.kept;
  // 5. Only a complete file takes the old one's place, or a new name of its own.
  if (only_new) {
    const int taken = 新しい名前で置く(temp, target);
    if (taken != 0) {
      ::unlink(temp.c_str());
      r.使用中 = taken == EEXIST;
      r.理由 = r.使用中 ? name + "はすでにあります"
                        : name + "を作れませんでした（" + エラーの説明(taken) + "）";
      return false;
    }
  } else if (::rename(temp.c_str(), target.c_str()) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    if (err == EISDIR) {
      r.理由 = name + "という名前のフォルダがあるため書き込めません";
    } else {
      r.理由 = name + "を置き換えられませんでした（" + エラーの説明(err) + "）" + kept;
    }
    return false;
  }

  // 6. Make the rename itself last; a failure here loses nothing already written.
  if (sync) {
    記述子 d(::open(t.dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (d.fd() >= 0) ::fsync(d.fd());
  }
  r.成功 = true;
  return true;
}

}  // namespace
}  // namespace kazeban
