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

置換結果 後書きポート::新規作成(const std::string& path, std::string_view bytes) {
  return disk_.新規作成(path, bytes);
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
    // A state still waiting is replaced where it waits; the file keeps its turn.
    const auto [slot, added] = pending_.insert_or_assign(path, std::string(bytes));
    (void)slot;
    if (added) queue_.push_back(path);
  }
  work_.notify_one();
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
    const std::string bytes = std::move(entry->second);
    pending_.erase(entry);

    lock.unlock();
    置換結果 r = disk_.置換(writing_, bytes);
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
