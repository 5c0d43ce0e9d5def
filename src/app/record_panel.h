// The record-file panel's controls over the upper left of the board: a list of the
// mounted volumes (Drive1), the directories of the chosen one (Dir1), the "*.棋譜" files
// of the chosen directory (File1), four labels with four text boxes (game name, first
// and second player, file name) and the "RETURN" button. All are hidden while a game
// is shown; the record commands show the parts they need and handle their events.
#pragma once

#include <QComboBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTreeView>

class BoardView;

class RecordPanel {
 public:
  explicit RecordPanel(BoardView& view);

  void SetListsVisible(bool drive, bool dir, bool file);
  void SetNamePanelVisible(bool visible);

  QComboBox* drive1;  // mounted volumes, by root path
  QTreeView* dir1;    // directories of the chosen volume
  QListView* file1;   // "*.棋譜" files of the chosen directory
  QLabel* label1[4];  // "対 局 名：", "先    手 ：", "後    手 ：", "ﾌｧｲﾙ名 ："
  QLineEdit* text[5];     // text[1..4]: Text1 (file name) … Text4 (second player)
  QPushButton* command1;  // "RETURN"
  QFileSystemModel* dir_model;
  QFileSystemModel* file_model;
};
