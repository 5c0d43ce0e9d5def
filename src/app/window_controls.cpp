#include "app/window_controls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <cmath>

#include "app/language.h"
#include "app/record_panel.h"

namespace {

QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A box's title or text in the window's language (names and paths are never translated).
QString Shown(std::string_view s) {
  return TranslateText("Message", Q(s));
}

int Pixels(int twips) {
  return static_cast<int>(std::lround(twips / 15.0));
}

// A box with two answers takes one only from its buttons: Esc and the title bar's
// close button would otherwise answer いいえ, ending the program in "再ゲーム".
class ButtonsOnlyBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->matches(QKeySequence::Cancel)) {
      event->accept();
      return;
    }
    QMessageBox::keyPressEvent(event);
  }
  void closeEvent(QCloseEvent* event) override {
    if (clickedButton() == nullptr) {
      event->ignore();
      return;
    }
    QMessageBox::closeEvent(event);
  }
};

}  // namespace

WindowControls::WindowControls(QWidget& window, RecordPanel& panel)
    : window_(window), panel_(panel) {}

void WindowControls::SetCheckAction(kazeban::MenuCheck item, QAction* action) {
  checks_.insert(static_cast<int>(item), action);
}

void WindowControls::MessageOK(std::string_view title, std::string_view text) {
  if (answerBox) {
    answerBox(Shown(title), Shown(text), false);
    return;
  }
  QMessageBox box(QMessageBox::Warning, Shown(title), Shown(text), QMessageBox::NoButton, &window_);
  box.setTextFormat(Qt::PlainText);
  box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  box.exec();
}

bool WindowControls::MessageYesNo(std::string_view title, std::string_view text) {
  if (answerBox) return answerBox(Shown(title), Shown(text), true);
  ButtonsOnlyBox box(QMessageBox::Warning, Shown(title), Shown(text), QMessageBox::NoButton,
                     &window_);
  box.setTextFormat(Qt::PlainText);
  QPushButton* yes =
      box.addButton(Shown(QT_TRANSLATE_NOOP("Message", "はい")), QMessageBox::YesRole);
  box.addButton(Shown(QT_TRANSLATE_NOOP("Message", "いいえ")), QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.exec();
  return box.clickedButton() == yes;
}

void WindowControls::SetChecked(kazeban::MenuCheck item, bool checked) {
  if (QAction* a = checks_.value(static_cast<int>(item))) a->setChecked(checked);
}

bool WindowControls::IsChecked(kazeban::MenuCheck item) const {
  const QAction* a = checks_.value(static_cast<int>(item));
  return a != nullptr && a->isChecked();
}

void WindowControls::SetListsVisible(bool drive, bool dir, bool file) {
  panel_.SetListsVisible(drive, dir, file);
}

void WindowControls::SetNamePanelVisible(bool visible) {
  panel_.SetNamePanelVisible(visible);
}

std::string WindowControls::PanelText(int box) const {
  if (box < 1 || box > 4) return {};
  return panel_.text[box]->text().toStdString();
}

void WindowControls::SetPanelText(int box, std::string_view text) {
  if (box < 1 || box > 4) return;
  panel_.text[box]->setText(Q(text));
}

std::string WindowControls::DriveListDrive() const {
  return panel_.Drive().toStdString();
}

std::string WindowControls::DirListPath() const {
  return panel_.DirPath().toStdString();
}

void WindowControls::SetDirListPath(std::string_view path) {
  panel_.SetDirPath(Q(path));
}

std::string WindowControls::FileListPath() const {
  return panel_.FilePath().toStdString();
}

void WindowControls::SetFileListPath(std::string_view path) {
  panel_.SetFilePath(Q(path));
}

std::string WindowControls::FileListFileName() const {
  return panel_.FileName().toStdString();
}

void WindowControls::RefreshFileList() {
  panel_.RefreshFiles();
}

int WindowControls::WindowTop() const {
  return window_.frameGeometry().top() * 15;
}

void WindowControls::PlaceWindow(int left, int top, int width, int height) {
  // The frame the window manager adds, as far as it is known (nothing before the window
  // is first shown).
  const QSize frame = window_.frameGeometry().size() - window_.geometry().size();
  const bool frame_known = frame.width() > 0 || frame.height() > 0;

  // The client size is settled by the first placement and kept by every later one, so
  // that start-up run again gives the same window even once the frame is known.
  if (!client_size_.isValid()) {
    client_size_ = QSize(Pixels(width) - frame.width(), Pixels(height) - frame.height());
  }
  place_ = QPoint(Pixels(left), Pixels(top));
  fit_when_framed_ = !frame_known;
  Place();
}

void WindowControls::FitWhenFramed() {
  if (!fit_when_framed_ || !window_.isVisible()) return;
  if (window_.frameGeometry() == window_.geometry()) return;  // no frame yet
  fit_when_framed_ = false;
  Place();
}

void WindowControls::Place() {
  // The designed place, moved only as far as needed to keep the client area, menu bar
  // included, on the screen's available area (a corner above or left of the screen
  // would cut off the menu's captions). A screen too small for the window gets a
  // smaller one, whose frame fits too: a window manager may push a frame back onto the
  // screen, and the client area with it.
  const QPoint corner = window_.geometry().topLeft() - window_.frameGeometry().topLeft();
  const QSize frame = window_.frameGeometry().size() - window_.geometry().size();
  QRect client(place_ + corner, client_size_);
  const QScreen* screen = window_.screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    const QRect available = screen->availableGeometry();
    client.setSize(client.size().boundedTo(available.size() - frame));
    if (client.right() > available.right()) client.moveRight(available.right());
    if (client.bottom() > available.bottom()) client.moveBottom(available.bottom());
    if (client.left() < available.left()) client.moveLeft(available.left());
    if (client.top() < available.top()) client.moveTop(available.top());
  }
  window_.move(client.topLeft() - corner);
  window_.resize(client.size());
}

void WindowControls::Quit() {
  if (onQuit) {
    onQuit();
    return;
  }
  window_.hide();
  QCoreApplication::exit(0);
}
