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

class QWidget;

namespace kazeban {
struct Form1;
}

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

// Runs the games of 対局(ｴﾝｼﾞﾝ) for the window's state.
class EngineGame {
 public:
  EngineGame(kazeban::Form1& f, QWidget* window);
  ~EngineGame();

  // 先手 or 後手 of 対局(ｴﾝｼﾞﾝ).
  void Start(bool person_first);

 private:
  class Runner;
  std::unique_ptr<Runner> runner_;
};
