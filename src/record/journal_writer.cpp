#include "record/journal_writer.h"

#include <utility>

namespace kazeban {

後書きポート::後書きポート(記録ポート& disk) : disk_(disk), thread_([this] { 働く(); }) {}

後書きポート::~後書きポート() {
  {
    std::lock_guard lock(m_);
    stop_ = true;
  }
  work_.notify_one();
  thread_.join();
}

std::string 後書きポート::フォルダを用意(const std::string& folder) {
  return disk_.フォルダを用意(folder);
}

bool 後書きポート::名前がある(const std::string& path) {
  {
    std::lock_guard lock(m_);
    if (claimed_.contains(path)) return true;
  }
  return disk_.名前がある(path);
}

置換結果 後書きポート::新規作成(const std::string& path, std::string_view bytes) {
  置換結果 r;
  if (名前がある(path)) {
    r.使用中 = true;
    r.理由 = path + " はすでにあります";
    return r;
  }
  {
    std::lock_guard lock(m_);
    claimed_.insert(path);
    pending_[path] = {std::string(bytes), true};
    queue_.push_back(path);
  }
  work_.notify_one();
  r.成功 = true;
  return r;
}

置換結果 後書きポート::置換(const std::string& path, std::string_view bytes) {
  置換結果 r;
  r.成功 = true;
  {
    std::lock_guard lock(m_);
    if (const auto failed = failed_.find(path); failed != failed_.end()) {
      r = std::move(failed->second);
      failed_.erase(failed);
    }
    // A state still waiting is replaced where it waits; the file keeps its turn, and a
    // file still to be made is made with the newer state.
    if (const auto waiting = pending_.find(path); waiting != pending_.end()) {
      waiting->second.bytes = std::string(bytes);
    } else {
      pending_.emplace(path, 待ち{std::string(bytes), false});
      queue_.push_back(path);
    }
  }
  work_.notify_one();
  return r;
}

置換結果 後書きポート::作る(const std::string& path, const std::string& bytes) {
  置換結果 r = disk_.新規作成(path, bytes);
  if (r.成功 || !r.使用中) return r;
  // Another program took the name after it was claimed: the next free one.
  const size_t slash = path.find_last_of('/');
  const size_t dot = path.find_last_of('.');
  const size_t cut =
      dot != std::string::npos && (slash == std::string::npos || dot > slash) ? dot : path.size();
  for (int k = 2; k <= 99 && !r.成功 && r.使用中; ++k) {
    const std::string other = path.substr(0, cut) + "-" + std::to_string(k) + path.substr(cut);
    {
      std::lock_guard lock(m_);
      if (claimed_.contains(other)) continue;
    }
    r = disk_.新規作成(other, bytes);
    if (r.成功) {
      std::lock_guard lock(m_);
      claimed_.insert(other);
      moved_[path] = other;
    }
  }
  return r;
}

置換結果 後書きポート::書き終える() {
  std::unique_lock lock(m_);
  idle_.wait(lock, [this] { return queue_.empty() && writing_.empty(); });
  置換結果 r;
  r.成功 = failed_.empty();
  if (!failed_.empty()) r = std::move(failed_.begin()->second);
  failed_.clear();
  return r;
}

void 後書きポート::働く() {
  std::unique_lock lock(m_);
  for (;;) {
    work_.wait(lock, [this] { return stop_ || !queue_.empty(); });
    // On the way out, everything still waiting is written first.
    if (queue_.empty()) return;
    writing_ = std::move(queue_.front());
    queue_.pop_front();
    const auto entry = pending_.find(writing_);
    const 待ち job = std::move(entry->second);
    pending_.erase(entry);
    const auto moved = moved_.find(writing_);
    const std::string target = moved == moved_.end() ? writing_ : moved->second;

    lock.unlock();
    置換結果 r = job.新規 ? 作る(writing_, job.bytes) : disk_.置換(target, job.bytes);
    lock.lock();

    if (r.成功) {
      failed_.erase(writing_);
    } else {
      failed_[writing_] = std::move(r);
    }
    writing_.clear();
    if (queue_.empty()) idle_.notify_all();
  }
}

}  // namespace kazeban
