// A record file named on the command line, in the real window offscreen: it opens
// exactly as reading it through the record panel does, and a bad or missing one is
// refused with the forbidden sound, leaving the fresh board as it was.
#include <QFile>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QtTest/QtTest>

#include <memory>

#include "app/kept_image.h"
#include "app/main_window.h"
#include "app/record_panel.h"
#include "app/window_controls.h"
#include "fake_sound.h"
#include "play/form.h"

class OpenFileTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    InstallFontSubstitutes();
    QVERIFY(dir_.isValid());
  }

  void aFileOpensAsThePanelReadsIt() {
    const QString path = Write("対局.棋譜", "game\r\ntop\r\nbottom\r\n 7776 -10 -10   0\r\n");

    // Through the panel: the directory chosen, the file clicked in the list.
    auto panel_window = Open();
    panel_window->item("KIFU_READ")->trigger();
    RecordPanel& panel = panel_window->panel();
    panel.dir1->setCurrentIndex(panel.dir_model->index(dir_.path()));
    const QModelIndex root = panel.file1->rootIndex();
    QTRY_COMPARE(panel.file_model->rowCount(root), 1);
    const QModelIndex entry = panel.file_model->index(0, 0, root);
    QTest::mouseClick(panel.file1->viewport(), Qt::LeftButton, {},
                      panel.file1->visualRect(entry).center());
    const QStringList panel_boxes = boxes_;
    QCOMPARE(panel_boxes.size(), 2);

    // By its path.
    auto window = Open();
    window->OpenFile(path);
    QCOMPARE(boxes_, panel_boxes);
    QCOMPARE(window->form().s.KIFU_MODE, kazeban::ON);
    QCOMPARE(window->form().s.KIFU_SAIGO, 1);
    QCOMPARE(window->keptImage().image(), panel_window->keptImage().image());
  }

  void aGameOfAnotherFormatOpensFromItsStart() {
    const QString path = Write("香落ち.kifu", "手合割：香落ち\n   1 ３四歩(33)\n");
    auto window = Open();
    window->OpenFile(path);
    QCOMPARE(window->form().s.KIFU_MODE, kazeban::ON);
    QCOMPARE(window->form().s.KIFU_SAIGO, 1);
    QCOMPARE(window->form().s.BAN[9][1], kazeban::KARA);  // the lance on 1一 is gone
  }

  void aBadOrMissingFileIsRefusedAndTheBoardStaysFresh() {
    const QString bad =
        Write("悪い.棋譜", "game\r\ntop\r\nbottom\r\n 5554 -10 -10   0\r\n");  // (5, 5) is empty
    struct Case {
      QString path, says;
    };
    const Case cases[] = {
        {bad, QStringLiteral("4行目")},
        {dir_.filePath(QStringLiteral("無い.棋譜")), QStringLiteral("見つかりません")}};
    for (const Case& c : cases) {
      auto window = Open();
      const QImage fresh = window->keptImage().image().copy();
      window->OpenFile(c.path);
      QCOMPARE(boxes_.size(), 1);
      QVERIFY2(boxes_[0].startsWith(QStringLiteral("棋譜読込|")), qPrintable(boxes_[0]));
      QVERIFY2(boxes_[0].contains(c.says), qPrintable(boxes_[0]));
      QCOMPARE(kazeban::testing::FakeSound().Count("dsPlay", window->form().handles.SND_KINSI), 1);
      QCOMPARE(window->form().s.KIFU_MODE, kazeban::OFF);
      QCOMPARE(window->keptImage().image(), fresh);
    }
  }

 private:
  // A window after start-up, its boxes recorded as "title|text" from here on.
  std::unique_ptr<MainWindow> Open() {
    kazeban::testing::ResetFakeSound();
    auto window = std::make_unique<MainWindow>(QStringLiteral("/nonexistent"));
    window->controls().answerBox = [this](const QString& title, const QString& text, bool) {
      boxes_.push_back(title + QLatin1Char('|') + text);
      return true;
    };
    window->controls().onQuit = [] {};
    window->Load();
    window->show();
    boxes_.clear();
    return window;
  }

  QString Write(const char* name, const QByteArray& bytes) {
    const QString path = dir_.filePath(QString::fromUtf8(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
    return path;
  }

  QTemporaryDir dir_;
  QStringList boxes_;
};

QTEST_MAIN(OpenFileTest)
#include "open_file_test.moc"
