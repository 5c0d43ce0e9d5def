#include "app/record_panel.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QSettings>
#include <QStorageInfo>

#include <algorithm>

#include "app/board_view.h"
#include "app/language.h"

RecordPanel::RecordPanel(BoardView& view, const QString& first) {
  const QString start = StartDirectory(first);

  // Drive1: the mounted volumes that are directories, named by their root paths.
  drive1 = new QComboBox(&view);
  drive1->setObjectName(QStringLiteral("Drive1"));
  QStringList roots;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && QFileInfo(volume.rootPath()).isDir()) roots << volume.rootPath();
  }
  roots.removeDuplicates();
  std::sort(roots.begin(), roots.end());
  for (const QString& root : roots) drive1->addItem(root, root);
  view.PlaceChild(drive1, 240, 360, 2535, 300);

  // Dir1: the whole directory tree from "/", opened down to the chosen directory.
  dir_model = new QFileSystemModel(drive1);
  dir_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  dir_model->setRootPath(QDir::rootPath());
  dir1 = new QTreeView(&view);
  dir1->setObjectName(QStringLiteral("Dir1"));
  dir1->setModel(dir_model);
  for (int column = 1; column < dir_model->columnCount(); ++column) dir1->hideColumn(column);
  dir1->header()->hide();
  dir1->setIndentation(10);
  dir1->setSelectionMode(QAbstractItemView::SingleSelection);
  view.PlaceChild(dir1, 240, 600, 2535, 1710);

  // File1: the record files of the chosen directory; others are hidden, not greyed.
  file_model = nullptr;
  file1 = new QListView(&view);
  file1->setObjectName(QStringLiteral("File1"));
  file1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view.PlaceChild(file1, 240, 2280, 2535, 930);

  // The name part: four labels, four text boxes and "RETURN". The labels are filled,
  // so that their text stands on a plain background over the board.
  for (int k = 0; k < 4; ++k) {
    label1[k] = new QLabel(&view);
    label1[k]->setObjectName(QStringLiteral("Label1_%1").arg(k));
    label1[k]->setAutoFillBackground(true);
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
  command1 = new QPushButton(&view);
  command1->setObjectName(QStringLiteral("Command1"));
  view.PlaceChild(command1, 3360, 3000, 855, 375);

  Retranslate();

  SetDirPath(start);
  SetFilePath(start);
  SetListsVisible(false, false, false);
  SetNamePanelVisible(false);
}

void RecordPanel::Retranslate() {
  static constexpr const char* captions[4] = {
      QT_TRANSLATE_NOOP("Panel", "対 局 名："), QT_TRANSLATE_NOOP("Panel", "先    手 ："),
      QT_TRANSLATE_NOOP("Panel", "後    手 ："), QT_TRANSLATE_NOOP("Panel", "ﾌｧｲﾙ名 ：")};
  for (int k = 0; k < 4; ++k) {
    label1[k]->setText(TranslateText("Panel", QString::fromUtf8(captions[k])));
  }
  command1->setText(TranslateText("Panel", QStringLiteral("RETURN")));
}

namespace {

const QString kLastDirectory = QStringLiteral("RecordPanel/directory");

QSettings Settings() {
  return QSettings(QStringLiteral("KAZEBAN"), QStringLiteral("KAZEBAN"));
}

bool Listable(const QString& path) {
  const QFileInfo info(path);
  return !path.isEmpty() && info.isDir() && info.isReadable() && info.isExecutable();
}

}  // namespace

QString RecordPanel::StartDirectory(const QString& first) {
  const QString last = RememberedDirectory();
  if (Listable(last)) return QFileInfo(last).absoluteFilePath();
  if (last.isEmpty() && Listable(first)) return QFileInfo(first).absoluteFilePath();
  const QFileInfo home(QDir::homePath());
  if (home.isDir() && home.isReadable() && home.isExecutable()) return home.absoluteFilePath();
  return QDir::currentPath();
}

QString RecordPanel::RememberedDirectory() {
  return Settings().value(kLastDirectory).toString();
}

void RecordPanel::RememberDirectory(const QString& path) {
  if (path.isEmpty()) return;
  QSettings settings = Settings();
  settings.setValue(kLastDirectory, QDir::cleanPath(path));
  settings.sync();
}

void RecordPanel::SetListsVisible(bool drive, bool dir, bool file) {
  drive1->setVisible(drive);
  dir1->setVisible(dir);
  file1->setVisible(file);
  // A hidden tree cannot scroll: the chosen directory comes into sight once shown.
  if (dir) dir1->scrollTo(dir1->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void RecordPanel::SetNamePanelVisible(bool visible) {
  for (QLabel* label : label1) label->setVisible(visible);
  for (int k = 1; k <= 4; ++k) text[k]->setVisible(visible);
  command1->setVisible(visible);
}

QString RecordPanel::Drive() const {
  return drive1->currentData().toString();
}

void RecordPanel::SelectDrive(const QString& path) {
  const int k = drive1->findData(QStorageInfo(path).rootPath());
  if (k >= 0) drive1->setCurrentIndex(k);
}

QString RecordPanel::DirPath() const {
  const QModelIndex current = dir1->currentIndex();
  return current.isValid() ? dir_model->filePath(current) : QString();
}

void RecordPanel::SetDirPath(const QString& path) {
  const QModelIndex index = dir_model->index(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
  if (!index.isValid()) return;
  for (QModelIndex up = index.parent(); up.isValid(); up = up.parent()) dir1->expand(up);
  dir1->setCurrentIndex(index);
  dir1->scrollTo(index, QAbstractItemView::PositionAtTop);
  SelectDrive(path);
}

QString RecordPanel::FilePath() const {
  return file_model != nullptr ? file_model->rootPath() : QString();
}

void RecordPanel::SetFilePath(const QString& path) {
  // A model of its own for each directory: it reads the directory afresh.
  QFileSystemModel* model = new QFileSystemModel(file1);
  model->setFilter(QDir::Files);
  model->setNameFilters({QStringLiteral("*.棋譜")});
  model->setNameFilterDisables(false);
  model->setReadOnly(true);
  const QModelIndex root = model->setRootPath(QDir::cleanPath(path));
  QItemSelectionModel* old_selection = file1->selectionModel();
  file1->setModel(model);
  file1->setRootIndex(root);
  delete old_selection;
  if (file_model != nullptr) file_model->deleteLater();
  file_model = model;
}

QString RecordPanel::FileName() const {
  const QModelIndex current = file1->currentIndex();
  if (!current.isValid() || current.parent() != file1->rootIndex()) return {};
  return file_model->fileName(current);
}

void RecordPanel::RefreshFiles() {
  SetFilePath(FilePath());
}
