#include "app/record_exchange.h"

#include <QAction>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QRegularExpression>

#include <algorithm>

#include "app/language.h"
#include "app/main_window.h"
#include "app/record_panel.h"
#include "play/form.h"
#include "record/exchange_commands.h"

namespace {

// The date and time now, as the records write it.
std::string 今の日時() {
  return QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")).toStdString();
}

// The extension a save filter names ("CSA (*.csa)" -> "csa").
QString FilterExtension(const QString& filter) {
  const QRegularExpressionMatch m =
      QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
  return m.hasMatch() ? m.captured(1) : QStringLiteral("kif");
}

}  // namespace

RecordExchange::RecordExchange(MainWindow& window)
    : window_(window), directory_(RecordPanel::StartDirectory()) {
  openFileName = [this](const QString& caption, const QString& dir, const QString& filters,
                        QString* chosen) {
    return QFileDialog::getOpenFileName(&window_, caption, dir, filters, chosen);
  };
  saveFileName = [this](const QString& caption, const QString& dir, const QString& filters,
                        QString* chosen) {
    return QFileDialog::getSaveFileName(&window_, caption, dir, filters, chosen);
  };
}

QString RecordExchange::OpenFilters() {
  return TranslateText(
      "Dialog", QString::fromUtf8(QT_TRANSLATE_NOOP("Dialog",
                                                    "棋譜 (*.kif *.kifu *.ki2 *.ki2u *.csa *.sfen "
                                                    "*.usi *.txt *.棋譜);;すべてのファイル (*)")));
}

const QString& RecordExchange::SaveFilters() {
  static const QString filters = QStringLiteral(
      "KIF Shift_JIS (*.kif);;KIF UTF-8 (*.kifu);;CSA (*.csa);;SFEN (*.sfen);;USI (*.usi)");
  return filters;
}

void RecordExchange::AddItems(QMenu* kifu) {
  kifu->addSeparator();
  const struct {
    const char* caption;
    const char* name;
    void (RecordExchange::*handler)();
  } items[] = {
      {QT_TRANSLATE_NOOP("Menu", "取込(KIF・KI2・CSA・SFEN)…"), "KIFU_IMPORT",
       &RecordExchange::Import},
      {QT_TRANSLATE_NOOP("Menu", "書出(KIF・CSA・SFEN)…"), "KIFU_EXPORT", &RecordExchange::Export},
      {QT_TRANSLATE_NOOP("Menu", "局面をコピー(SFEN)"), "SFEN_COPY", &RecordExchange::CopyPosition},
      {QT_TRANSLATE_NOOP("Menu", "棋譜を貼付け"), "KIFU_PASTE", &RecordExchange::Paste},
      {QT_TRANSLATE_NOOP("Menu", "前回の対局"), "KIFU_LAST", &RecordExchange::LastGame},
  };
  for (const auto& item : items) {
    QAction* a = kifu->addAction(QString());
    a->setObjectName(QString::fromUtf8(item.name));
    SetSourceCaption(a, item.caption);
    a->setParent(&window_);
    const auto handler = item.handler;
    QObject::connect(a, &QAction::triggered, &window_, [this, handler] { (this->*handler)(); });
  }
}

bool RecordExchange::Free() const {
  const kazeban::Form1& f = window_.form();
  return !f.処理中 && !f.終了済;
}

void RecordExchange::Import() {
  if (!Free()) return;
  kazeban::パネル_隠す(window_.form());
  QString filter;
  const QString path = openFileName(
      TranslateText("Dialog", QString::fromUtf8(QT_TRANSLATE_NOOP("Dialog", "棋譜の取込"))),
      directory_, OpenFilters(), &filter);
  if (path.isEmpty()) return;
  directory_ = QFileInfo(path).absolutePath();
  Open(path);
}

bool RecordExchange::Open(const QString& path) {
  return kazeban::棋譜ファイル_取込(window_.form(), path.toStdString());
}

void RecordExchange::Export() {
  if (!Free()) return;
  kazeban::Form1& f = window_.form();

  // The game's name, when typed, suggests the file's. The panel stays until the game
  // is written: its boxes hold the names.
  const std::string typed = f.controls.PanelText(2);
  const QString stem = typed.empty() ? QStringLiteral("棋譜") : QString::fromStdString(typed);
  QString filter = SaveFilters().section(QStringLiteral(";;"), 0, 0);
  QString path = saveFileName(
      TranslateText("Dialog", QString::fromUtf8(QT_TRANSLATE_NOOP("Dialog", "棋譜の書出"))),
      directory_ + QLatin1Char('/') + stem + QStringLiteral(".kif"), SaveFilters(), &filter);
  if (path.isEmpty()) return;
  directory_ = QFileInfo(path).absolutePath();

  // A name without an extension takes the one of the filter chosen. The dialog asked
  // about the name typed only: a file of the name completed is not replaced unasked.
  if (QFileInfo(path).suffix().isEmpty()) {
    path += QLatin1Char('.') + FilterExtension(filter);
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
      kazeban::処理ガード guard(f);
      if (!guard) return;
      const std::string question = "「" + QFileInfo(path).fileName().toStdString() +
                                   "」はすでにあります。\n置き換えますか？";
      if (!f.controls.MessageYesNo("棋譜書出", question)) return;
    }
  }
  kazeban::棋譜_書出(f, path.toStdString(), 今の日時());
}

void RecordExchange::CopyPosition() {
  kazeban::Form1& f = window_.form();
  kazeban::処理ガード guard(f);
  if (!guard) return;
  kazeban::パネル_隠す(f);
  QGuiApplication::clipboard()->setText(QString::fromStdString(kazeban::局面_SFEN(f)));
}

void RecordExchange::Paste() {
  if (!Free()) return;
  kazeban::棋譜_貼付け(window_.form(), QGuiApplication::clipboard()->text().toStdString());
}

void RecordExchange::LastGame() {
  if (!Free()) return;
  kazeban::Form1& f = window_.form();
  // The game in progress may be the last one: all of it on the disk first.
  kazeban::記録を書き終える(f);
  const QString path = LastJournalGame(window_.journalFolder());
  if (path.isEmpty()) {
    kazeban::処理ガード guard(f);
    if (!guard) return;
    kazeban::パネル_隠す(f);
    kazeban::拒否(f, QT_TRANSLATE_NOOP("Message", "前回の対局"),
                  QT_TRANSLATE_NOOP("Message", "記録された対局がありません"));
    return;
  }
  window_.OpenFile(path);
}

QString LastJournalGame(const QString& folder) {
  if (folder.isEmpty()) return {};
  // The games' files, the one written last first; of two written in the same instant,
  // the one named later.
  QFileInfoList games =
      QDir(folder).entryInfoList({QStringLiteral("*.棋譜"), QStringLiteral("*.kif")}, QDir::Files);
  if (games.isEmpty()) return {};
  std::sort(games.begin(), games.end(), [](const QFileInfo& a, const QFileInfo& b) {
    if (a.lastModified() != b.lastModified()) return a.lastModified() > b.lastModified();
    return a.fileName() > b.fileName();
  });
  return games.front().filePath();
}

bool OpenGameRecord(MainWindow& window, const QString& path) {
  return window.exchange().Open(path);
}
