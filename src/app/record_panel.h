// The record-file panel's controls over the upper left of the board: a list of the
// mounted volumes (Drive1), the directory tree with one directory chosen (Dir1), the
// "*.棋譜" files of a directory (File1), four labels with four text boxes (game name,
// first and second player, file name) and the "RETURN" button. All are hidden while a
// game is shown; the record commands show the parts they need and handle their events.
#pragma once

#include <QComboBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QString>
#include <QTreeView>

class BoardView;

class RecordPanel {
 public:
  // The lists start in StartDirectory(first).
  explicit RecordPanel(BoardView& view, const QString& first = QString());

  void SetListsVisible(bool drive, bool dir, bool file);
  void SetNamePanelVisible(bool visible);

  // The root of the volume chosen in Drive1.
  QString Drive() const;
  // The directory chosen in Dir1; choosing one opens the tree down to it and shows it.
  QString DirPath() const;
  void SetDirPath(const QString& path);
  // The directory File1 lists, and the file chosen in it ("" for none).
  QString FilePath() const;
  void SetFilePath(const QString& path);
  QString FileName() const;
  // Reads File1's directory afresh (the list fills in the background).
  void RefreshFiles();

  // The directory the panel starts in: the one last used, remembered between runs;
  // before any, `first` (the journal's folder) when it is there; otherwise the user's
  // home directory, or the current one when home cannot be read.
  static QString StartDirectory(const QString& first = QString());
  // The directory last used to read or write a file ("" for none), kept in the
  // program's settings.
  static QString RememberedDirectory();
  static void RememberDirectory(const QString& path);

  QComboBox* drive1;  // mounted volumes, by root path
  QTreeView* dir1;    // the directory tree, one directory chosen
  QListView* file1;   // "*.棋譜" files of the chosen directory
  // The labels' and the button's texts in the window's language.
  void Retranslate();

  QLabel* label1[4];  // "対 局 名：", "先    手 ：", "後    手 ：", "ﾌｧｲﾙ名 ："
  QLineEdit* text[5];     // text[1..4]: Text1 (file name) … Text4 (second player)
  QPushButton* command1;  // "RETURN"
  QFileSystemModel* dir_model;
  QFileSystemModel* file_model;  // replaced by RefreshFiles

 private:
  void SelectDrive(const QString& path);
};
