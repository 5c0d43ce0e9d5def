#include "app/engine_process.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// A line longer than this is no USI.
constexpr int 行の上限 = 1 << 20;

}  // namespace

EngineProcess::EngineProcess(QObject* parent) : QObject(parent) {
  process_.setProcessChannelMode(QProcess::SeparateChannels);
  process_.setStandardErrorFile(QProcess::nullDevice());
  timer_.setSingleShot(true);
  connect(&process_, &QProcess::readyReadStandardOutput, this, &EngineProcess::Read);
  connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) {
      Ended(QStringLiteral("起動できません: ") + process_.program());
    } else if (error == QProcess::WriteError) {
      Ended(QString());
    }
  });
  connect(&process_, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
    Read();
    Ended(status == QProcess::CrashExit ? QStringLiteral("異常終了")
                                        : QStringLiteral("終了コード %1").arg(code));
  });
  connect(&timer_, &QTimer::timeout, this, &EngineProcess::Late);
}

EngineProcess::~EngineProcess() {
  Kill();
}

void EngineProcess::Start(const QString& program,
                          std::vector<std::pair<std::string, std::string>> values) {
  clock_.start();
  host_.開始(std::move(values), Now());
  // Engines look for their evaluation files beside themselves.
  process_.setWorkingDirectory(QFileInfo(program).absolutePath());
  process_.start(program, {}, QIODevice::ReadWrite | QIODevice::Unbuffered);
  Flush();
}

void EngineProcess::Flush() {
  if (failed_) return;
  for (const std::string& line : host_.送信分()) {
    const QByteArray bytes = QByteArray::fromStdString(line) + '\n';
    if (process_.state() != QProcess::NotRunning) process_.write(bytes);
  }
  const int64_t deadline = host_.期限();
  if (deadline < 0) {
    timer_.stop();
  } else {
    timer_.start(static_cast<int>(std::max<int64_t>(0, deadline - Now())));
  }
}

std::vector<kazeban::USI事象> EngineProcess::Take() {
  std::vector<kazeban::USI事象> out(events_.begin(), events_.end());
  events_.clear();
  return out;
}

void EngineProcess::Kill() {
  timer_.stop();
  failed_ = true;
  if (process_.state() == QProcess::NotRunning) return;
  disconnect(&process_, nullptr, this, nullptr);
  host_.終了();
  for (const std::string& line : host_.送信分())
    process_.write(QByteArray::fromStdString(line) + '\n');
  process_.closeWriteChannel();
  if (!process_.waitForFinished(300)) {
    process_.kill();
    process_.waitForFinished(1000);
  }
}

void EngineProcess::Read() {
  if (failed_) return;
  buffer_ += process_.readAllStandardOutput();
  for (;;) {
    const qsizetype nl = buffer_.indexOf('\n');
    if (nl < 0) break;
    const QByteArray line = buffer_.left(nl);
    buffer_.remove(0, nl + 1);
    for (kazeban::USI事象& e : host_.受信(line.toStdString(), Now())) Report(std::move(e));
    if (failed_) return;
  }
  if (buffer_.size() > 行の上限) {
    Report(host_.途絶("出力が読めません"));
    return;
  }
  Flush();
}

void EngineProcess::Ended(const QString& detail) {
  if (failed_) return;
  if (host_.今の段階() == kazeban::USIホスト::段階::終了) return;
  Report(host_.途絶(detail.toStdString()));
}

void EngineProcess::Late() {
  if (failed_) return;
  kazeban::USI事象 fault;
  if (host_.遅延(Now(), fault)) {
    Report(std::move(fault));
  } else {
    Flush();
  }
}

void EngineProcess::Report(kazeban::USI事象 e) {
  const bool fault = e.kind == kazeban::USI事象::種類::故障;
  events_.push_back(std::move(e));
  if (fault) {
    // Nothing more is read from an engine that failed; it is ended at once.
    Kill();
  }
  emit heard();
}
