// A whole game by mouse against a real engine, in the real window: the person's moves
// are clicked on the board (right button to promote), chosen by a fixed seed among the
// moves standard shogi allows; the engine's moves are checked against the standard
// rules on a board of the test's own. Passes when the game ends in mate with the box
// naming the winner, after at least one check that did not end it, and the journal's
// file holds every move. Screenshots go to the output folder.
//
//   kazeban_engine_xvfb_game <engine program> <output folder>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtTest/QtTest>

#include <cstdio>

#include "app/board_view.h"
#include "app/engine_game.h"
#include "app/main_window.h"
#include "app/window_controls.h"
#include "interop/position.h"
#include "interop/record_formats.h"
#include "interop/standard_rules.h"
#include "play/form.h"

namespace {

using namespace kazeban;

int 失敗(const char* what) {
  std::fprintf(stderr, "engine game: %s\n", what);
  return 1;
}

棋譜の手 記録の手(const GameState& s, int n) {
  return {s.KIFU_MOTO_I[n], s.KIFU_MOTO_J[n], s.KIFU_SAKI_I[n], s.KIFU_SAKI_J[n],
          s.KIFU_NARI[n],   s.KIFU_KOMA[n],   s.KIFU_TORI[n]};
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) return 失敗("usage: kazeban_engine_xvfb_game ENGINE FOLDER");
  // The engine settings are rewritten: never a player's own.
  if (!qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) return 失敗("XDG_CONFIG_HOME must be set");
  const QString out = QString::fromLocal8Bit(argv[2]);
  const QString journal = out + QStringLiteral("/journal");
  QDir(journal).removeRecursively();
  QDir().mkpath(journal);
  qputenv("KAZEBAN_JOURNAL_DIR", journal.toLocal8Bit());
  InstallFontSubstitutes();

  // The engine at its weakest and fastest, as the settings dialog keeps it.
  EngineChoice choice;
  choice.program = QString::fromLocal8Bit(argv[1]);
  choice.byoyomi_ms = 100;
  choice.options = {{"Skill Level", "-20"}};
  RememberEngine(choice);

  MainWindow window(QStringLiteral("/nonexistent"));
  QString end_text;
  GameState at_end;
  window.controls().answerBox = [&](const QString& title, const QString& text, bool) {
    if (title == QStringLiteral("終了")) {
      end_text = text;
      at_end = window.form().s;
      window.grab().save(out + QStringLiteral("/engine_game_end.png"));
    } else if (title != QStringLiteral(" ") && title != QStringLiteral("再ゲーム")) {
      std::fprintf(stderr, "engine game: box %s: %s\n", qPrintable(title), qPrintable(text));
    }
    return true;
  };
  window.controls().onQuit = [] {};
  window.Load();
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 失敗("the window is not shown");

  const auto click = [&](Qt::MouseButton button, int i, int j) {
    QTest::mouseClick(&window.view(), button, {},
                      window.view()
                          .FromTwips(BAN_X0 + MASU_W * (i + 0.5), BAN_Y0 + MASU_H * (j + 0.5))
                          .toPoint());
  };

  window.item(QStringLiteral("ENGINE_SENTE"))->trigger();
  const GameState& s = window.form().s;
  Position board = 平手局面();
  unsigned seed = 12345;
  bool check_went_on = false;
  int checked = 0;  // moves of the record already checked here
  while (end_text.isEmpty()) {
    // 1. The engine's move, once it is the person's turn again.
    if (!QTest::qWaitFor([&] { return !end_text.isEmpty() || s.TEBAN == s.SITA_SENGO; }, 20000)) {
      return 失敗("the engine did not answer");
    }
    const int upto = end_text.isEmpty() ? s.KIFU_SUU : at_end.KIFU_SUU;
    const GameState& rec = end_text.isEmpty() ? s : at_end;
    for (; checked < upto; ++checked) {
      const 棋譜の手 m = 記録の手(rec, checked + 1);
      if (標準判定(board, m) != 標準判定結果::合法) return 失敗("a move standard shogi forbids");
      指す(board, m);
      // A check, by either side, after which the game went on.
      if (checked + 1 < upto && 王手されている(board.state, board.toMove)) check_went_on = true;
    }
    if (!end_text.isEmpty()) break;
    if (s.TEBAN == NASHI) return 失敗("the game stopped");
    if (王手されている(board.state, board.toMove)) check_went_on = true;  // and it is our move

    // 2. The person's move, by mouse.
    棋譜の手 moves[標準手の最大数];
    const int n = 合法手一覧(board, moves);
    if (n == 0) return 失敗("no move, yet no end");
    seed = seed * 1103515245u + 12345u;
    const 棋譜の手 m = moves[(seed >> 8) % static_cast<unsigned>(n)];
    const int before = s.KIFU_SUU;
    click(Qt::LeftButton, m.MOTO_I, m.MOTO_J);
    click(m.NARI != m.KOMA ? Qt::RightButton : Qt::LeftButton, m.SAKI_I, m.SAKI_J);
    if (end_text.isEmpty() && s.KIFU_SUU != before + 1) return 失敗("a move by mouse was refused");
    if (before == 10) window.grab().save(out + QStringLiteral("/engine_thinking.png"));
    if (s.KIFU_SUU > 400) return 失敗("no end after 400 moves");
  }

  // 3. Mate: the loser has no move; the box names the winner.
  棋譜の手 none[標準手の最大数];
  if (合法手一覧(board, none) != 0) return 失敗("the game ended without mate");
  const bool person_won = board.toMove == Color::White;
  if (person_won != (end_text == QStringLiteral("あなたの勝ちです"))) return 失敗("wrong winner");
  if (!check_went_on) return 失敗("no check that let the game go on");

  // 4. The journal's file holds the whole game, its end and both names.
  const QStringList files = QDir(journal).entryList(QDir::Files);
  if (files.size() != 1) return 失敗("not one file in the journal");
  QFile file(journal + QLatin1Char('/') + files[0]);
  if (!file.open(QIODevice::ReadOnly)) return 失敗("the journal's file does not open");
  const QByteArray bytes = file.readAll();
  const 対局棋譜読込結果 kept =
      対局棋譜_解析(std::string_view(bytes.data(), bytes.size()), files[0].toStdString());
  if (!kept.成功) return 失敗(kept.理由.c_str());
  const 対局棋譜& g = kept.棋譜;
  if (static_cast<int>(g.手.size()) != at_end.KIFU_SUU) return 失敗("moves missing");
  for (int k = 1; k <= at_end.KIFU_SUU; ++k) {
    if (!(g.手[static_cast<size_t>(k - 1)] == 記録の手(at_end, k)))
      return 失敗("a move differs in the journal");
  }
  if (g.終局 != "詰み" || g.先手名 != "あなた" || g.後手名.empty()) {
    return 失敗("the journal's end or names");
  }
  std::printf("engine game: %d moves, %s; %s against %s, %s\n", at_end.KIFU_SUU,
              qPrintable(end_text), g.先手名.c_str(), g.後手名.c_str(), g.終局.c_str());
  return 0;
}
