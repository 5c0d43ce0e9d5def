// Games against a USI engine in the window: the engine chosen in the settings (or the
// first found), its process, and the window's operations told of what it plays. Each
// game starts the engine afresh; an answer that comes for a game no longer on the board
// (the player started another, stepped back, or the game ended) is dropped, and an
// answer that comes while a box is open waits for the box to close.
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "play/engine_turn.h"

class EngineProcess;
class QWidget;

// What the player chose in ｴﾝｼﾞﾝ設定…, as the settings keep it.
struct EngineChoice {
  QString program;  // empty: none found
  int byoyomi_ms = 1000;
  std::vector<std::pair<std::string, std::string>> options;  // (name, value) changed
};

// The engines offered: those found on the machine, then those the player added.
QStringList OfferedEngines();
// The choice remembered, or the first engine offered with its defaults.
EngineChoice ChosenEngine();
void RememberEngine(const EngineChoice& choice);
void AddEngine(const QString& program);

// The settings dialog; true when the player chose OK.
bool EngineSettingsDialog(QWidget* parent);

class EngineGame : public kazeban::エンジン窓口 {
 public:
  EngineGame(kazeban::Form1& f, QWidget* window);
  ~EngineGame() override;

  // 先手 or 後手 of 対局(ｴﾝｼﾞﾝ).
  void Start(bool person_first);

  void 考えて(kazeban::Form1& f) override;
  void 終わった(kazeban::Form1& f, bool 人の勝ち) override;

 private:
  void Ask();
  void Deliver();

  kazeban::Form1& f_;
  QWidget* window_;
  std::unique_ptr<EngineProcess> engine_;
  EngineChoice choice_;
  bool engine_first_ = false;
  bool ready_ = false;
  bool waiting_ = false;  // asked to think, not yet sent (the engine is starting)
  int asked_at_ = -1;     // the record's length when the engine was asked
};
