#include "app/record_panel.h"

#include <QDir>
#include <QHeaderView>
#include <QStorageInfo>

#include "app/board_view.h"

RecordPanel::RecordPanel(BoardView& view) {
  // Drive1: the mounted volumes, named by their root paths.
  drive1 = new QComboBox(&view);
  drive1->setObjectName(QStringLiteral("Drive1"));
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid()) drive1->addItem(volume.rootPath(), volume.rootPath());
  }
  view.PlaceChild(drive1, 240, 360, 2535, 300);

  // Dir1: the directories, starting at the home directory.
  dir_model = new QFileSystemModel(drive1);
  dir_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  dir_model->setRootPath(QDir::rootPath());
  dir1 = new QTreeView(&view);
  dir1->setObjectName(QStringLiteral("Dir1"));
  dir1->setModel(dir_model);
  for (int column = 1; column < dir_model->columnCount(); ++column) dir1->hideColumn(column);
  dir1->header()->hide();
  dir1->setCurrentIndex(dir_model->index(QDir::homePath()));
  view.PlaceChild(dir1, 240, 600, 2535, 1710);

  // File1: the record files of the chosen directory; others are hidden, not greyed.
  file_model = new QFileSystemModel(drive1);
  file_model->setFilter(QDir::Files);
  file_model->setNameFilters({QStringLiteral("*.棋譜")});
  file_model->setNameFilterDisables(false);
  file1 = new QListView(&view);
  file1->setObjectName(QStringLiteral("File1"));
  file1->setModel(file_model);
  file1->setRootIndex(file_model->setRootPath(QDir::homePath()));
  view.PlaceChild(file1, 240, 2280, 2535, 930);

  // The name part: four labels, four text boxes and "RETURN".
  const char* captions[4] = {"対 局 名：", "先    手 ：", "後    手 ：", "ﾌｧｲﾙ名 ："};
  for (int k = 0; k < 4; ++k) {
    label1[k] = new QLabel(QString::fromUtf8(captions[k]), &view);
    label1[k]->setObjectName(QStringLiteral("Label1_%1").arg(k));
    view.PlaceChild(label1[k], 120, 2400 + 240 * k, 855, 255);
  }
  text[0] = nullptr;
  // Text2, Text3, Text4 and Text1 from top to bottom.
  const int order[4] = {2, 3, 4, 1};
  for (int k = 0; k < 4; ++k) {
    QLineEdit* box = new QLineEdit(&view);
    box->setObjectName(QStringLiteral("Text%1").arg(order[k]));
    text[order[k]] = box;
    view.PlaceChild(box, 960, 2400 + 240 * k, 2295, 270);
  }
  command1 = new QPushButton(QStringLiteral("RETURN"), &view);
  command1->setObjectName(QStringLiteral("Command1"));
  view.PlaceChild(command1, 3360, 3000, 855, 375);

  SetListsVisible(false, false, false);
  SetNamePanelVisible(false);
}

void RecordPanel::SetListsVisible(bool drive, bool dir, bool file) {
  drive1->setVisible(drive);
  dir1->setVisible(dir);
  file1->setVisible(file);
}

void RecordPanel::SetNamePanelVisible(bool visible) {
  for (QLabel* label : label1) label->setVisible(visible);
  for (int k = 1; k <= 4; ++k) text[k]->setVisible(visible);
  command1->setVisible(visible);
}
