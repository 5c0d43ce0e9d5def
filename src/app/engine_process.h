// A USI engine in a process of its own: the thin Qt side of the USI host. It starts the
// program, writes the lines the host queues, hands the host every line the engine
// writes and the moments its deadlines pass, and queues what the host made of them for
// the window, which hears of them through `heard`. The window's thread never waits.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QTimer>

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "engine/usi_host.h"

class EngineProcess : public QObject {
  Q_OBJECT

 public:
  explicit EngineProcess(QObject* parent = nullptr);
  // Says quit, gives the engine a moment, then ends it.
  ~EngineProcess() override;

  // Starts `program` and its handshake with the option values chosen (name, value).
  void Start(const QString& program, std::vector<std::pair<std::string, std::string>> values);

  // The host, to start a game, add moves and ask for a move.
  kazeban::USIホスト& host() { return host_; }
  // Sends what the host queued and sets the next deadline; call after using host().
  void Flush();
  // Milliseconds since Start, the host's clock.
  int64_t Now() const { return clock_.elapsed(); }

  // What the host made of the engine since the last call.
  std::vector<kazeban::USI事象> Take();

  // Ends the engine at once (it may still be thinking); nothing more is heard.
  void Kill();

 signals:
  void heard();

 private:
  void Read();
  void Ended(const QString& detail);
  void Late();
  void Report(kazeban::USI事象 e);

  QProcess process_;
  QTimer timer_;
  QElapsedTimer clock_;
  kazeban::USIホスト host_;
  QByteArray buffer_;
  std::deque<kazeban::USI事象> events_;
  bool failed_ = false;
};
