// The window's controls for the game's operations: modal message boxes with the
// exclamation icon and the buttons はい/いいえ or OK, the menu's check marks, the
// record-file panel, the window's place and size, and the end of the program.
#pragma once

#include <QAction>
#include <QHash>
#include <QPoint>
#include <QSize>
#include <QWidget>

#include <functional>
#include <string>
#include <string_view>

#include "display/controls.h"

class RecordPanel;

class WindowControls : public kazeban::Controls {
 public:
  WindowControls(QWidget& window, RecordPanel& panel);

  // The menu item that carries each check mark.
  void SetCheckAction(kazeban::MenuCheck item, QAction* action);

  void MessageOK(std::string_view title, std::string_view text) override;
  bool MessageYesNo(std::string_view title, std::string_view text) override;
  void SetChecked(kazeban::MenuCheck item, bool checked) override;
  bool IsChecked(kazeban::MenuCheck item) const override;
  void SetListsVisible(bool drive, bool dir, bool file) override;
  void SetNamePanelVisible(bool visible) override;
  std::string PanelText(int box) const override;
  void SetPanelText(int box, std::string_view text) override;
  std::string DriveListDrive() const override;
  std::string DirListPath() const override;
  void SetDirListPath(std::string_view path) override;
  std::string FileListPath() const override;
  void SetFileListPath(std::string_view path) override;
  std::string FileListFileName() const override;
  void RefreshFileList() override;
  int WindowTop() const override;
  void PlaceWindow(int left, int top, int width, int height) override;
  void Quit() override;

  // Called when the window moves, is resized or shown: a placement made before the
  // window had its frame is made again once the frame is known, so that the frame does
  // not push the client area off the screen.
  void FitWhenFramed();

  // When set, message boxes are answered by this instead of being shown (title, text,
  // true for a Yes/No box; the result answers a Yes/No box). For tests.
  std::function<bool(const QString&, const QString&, bool)> answerBox;
  // When set, called instead of leaving the event loop. For tests.
  std::function<void()> onQuit;

 private:
  QWidget& window_;
  RecordPanel& panel_;
  QHash<int, QAction*> checks_;
  // Places the window at place_ with the client size client_size_, on the screen.
  void Place();

  QSize client_size_;  // the client size of the first placement
  QPoint place_;       // the designed top-left corner of the frame, in pixels
  bool fit_when_framed_ = false;
};
