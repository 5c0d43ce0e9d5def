// The 棋譜 menu's items for the records of the other shogi programs, after the record
// file's own: reading a game (KIF, KI2, CSA, SFEN/USI) chosen in the desktop's file
// dialog, writing the game on the board in the format the save dialog names, copying
// the position shown as SFEN, reading a game pasted from the clipboard, and opening
// the journal's last game. The dialogs are replaceable, so that the tests answer them.
#pragma once

#include <QString>

#include <functional>

class MainWindow;
class QMenu;

class RecordExchange {
 public:
  explicit RecordExchange(MainWindow& window);

  // Adds the items, after a separator.
  void AddItems(QMenu* kifu);

  // 取込: a file chosen in the open dialog is read into record mode.
  void Import();
  // 書出: the game on the board is written to the file chosen in the save dialog.
  void Export();
  // 局面をコピー(SFEN): the position shown goes to the clipboard as one SFEN line.
  void CopyPosition();
  // 棋譜を貼付け: the clipboard's text is read into record mode.
  void Paste();
  // 前回の対局: the journal's most recent game is read as reading its file reads it.
  void LastGame();

  // Reads the file at `path` (any of the formats, or a record file) into record mode,
  // as 取込 does; false when it was refused (and the player was told).
  bool Open(const QString& path);

  // The open and save dialogs: (caption, directory, filters, the filter chosen) to the
  // path chosen, empty when cancelled. QFileDialog's unless replaced.
  std::function<QString(const QString&, const QString&, const QString&, QString*)> openFileName;
  std::function<QString(const QString&, const QString&, const QString&, QString*)> saveFileName;

  // The filters the dialogs offer, the first in the window's language; the save
  // dialog's first filter is the default.
  static QString OpenFilters();
  static const QString& SaveFilters();

 private:
  // False (nothing is asked) while another handler is running or the program ends.
  bool Free() const;

  MainWindow& window_;
  QString directory_;  // where the dialogs open: the last directory chosen
};

// The journal's game written last in `folder` (a ".棋譜" or ".kif" file), "" when
// there is none.
QString LastJournalGame(const QString& folder);

// Loads the file at `path` into the window's record mode, as 取込 does: for the
// command line, once the window has started.
bool OpenGameRecord(MainWindow& window, const QString& path);
