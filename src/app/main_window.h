// The main window: the menu bar, the view of the kept image with the record-file
// panel, and the game's state with its operations. Every event of the window (a menu
// item, a mouse press, Esc, closing) goes to the operation of the same name.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <memory>

class QAction;
class QMenu;
class BoardView;
class EngineGame;
class KeptImage;
class RecordExchange;
class RecordPanel;
class Translations;
class WindowControls;
enum class Language;
struct Journal;

namespace kazeban {
struct Form1;
}

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `sound_folders`: where the sounds are looked for, in turn, after the current
  // directory.
  explicit MainWindow(const QStringList& sound_folders, QWidget* parent = nullptr);
  explicit MainWindow(const QString& sound_folder, QWidget* parent = nullptr)
      : MainWindow(QStringList{sound_folder}, parent) {}
  ~MainWindow() override;

  // Runs the start-up operation: sound, menus, the starting position, the placement.
  void Load();

  // Opens a game named by its path (the command line's, a file manager's): a record
  // file as reading it through the record panel would, with the same checks, boxes
  // and record mode; a KIF, KI2, CSA or SFEN file as 取込 reads it. A refused file
  // leaves the game as it was. Does nothing while another handler runs.
  void OpenFile(const QString& path);

  kazeban::Form1& form() { return *form_; }
  KeptImage& keptImage() { return *image_; }
  BoardView& view() { return *view_; }
  WindowControls& controls() { return *controls_; }
  RecordPanel& panel() { return *panel_; }
  // The 棋譜 menu's items for the other record formats, with their dialogs.
  RecordExchange& exchange() { return *exchange_; }
  // Returns once every game the journal was given is on the disk.
  void FlushJournal();
  // Where the journal keeps the games, "" when it is off.
  const QString& journalFolder() const { return journal_folder_; }
  // A menu item by its control name ("TAIKYOKU", "START", "LEVEL3", …).
  QAction* item(const QString& name) const;

  // Shows every text of the window in `language` from now on: the menus, the panel,
  // the boxes and what is drawn beside the board. The player's choice (`remember`) is
  // kept for every later start. Does nothing while another handler runs.
  void SetLanguage(Language language, bool remember);
  Language language() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenus();
  // 対局(ｴﾝｼﾞﾝ): games against a USI engine, after the designed items of 対局.
  void BuildEngineMenu(QMenu* taikyoku);
  // The record panel's lists and button to their handlers.
  void ConnectPanel();
  // The journal of the games played, when it is on.
  void OpenJournal();
  // The menus' captions in the current language.
  void Retranslate();
  QMenu* AddMenu(QMenu* parent, const char* caption, const char* name);
  QAction* AddItem(QMenu* parent, const char* caption, const char* name,
                   void (*handler)(kazeban::Form1&), bool checkable = false);

  std::unique_ptr<KeptImage> image_;
  BoardView* view_;
  std::unique_ptr<RecordPanel> panel_;
  std::unique_ptr<WindowControls> controls_;
  std::unique_ptr<Journal> journal_;  // none when the journal is off
  std::unique_ptr<kazeban::Form1> form_;
  QString journal_folder_;
  std::unique_ptr<RecordExchange> exchange_;
  std::unique_ptr<Translations> translations_;
  std::unique_ptr<EngineGame> engine_game_;
};

// Marks a menu's or an item's caption as the source text it is translated from.
void SetSourceCaption(QAction* action, const char* caption);

// Where the journal keeps the games: KAZEBAN_JOURNAL_DIR when it is set (empty: no
// journal), otherwise "KAZEBAN" in the user's documents folder.
QString JournalFolder();

// Makes the game's font name, "ＭＳ Ｐ明朝", resolve to the IPA P Mincho font.
void InstallFontSubstitutes();
