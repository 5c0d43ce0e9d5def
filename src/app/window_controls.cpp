#include "app/window_controls.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <cmath>

#include "app/record_panel.h"

namespace {

QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

int Pixels(int twips) {
  return static_cast<int>(std::lround(twips / 15.0));
}

}  // namespace

WindowControls::WindowControls(QWidget& window, RecordPanel& panel)
    : window_(window), panel_(panel) {}

void WindowControls::SetCheckAction(kazeban::MenuCheck item, QAction* action) {
  checks_.insert(static_cast<int>(item), action);
}

void WindowControls::MessageOK(std::string_view title, std::string_view text) {
  if (answerBox) {
    answerBox(Q(title), Q(text), false);
    return;
  }
  QMessageBox box(QMessageBox::Warning, Q(title), Q(text), QMessageBox::NoButton, &window_);
  box.setTextFormat(Qt::PlainText);
  box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  box.exec();
}

bool WindowControls::MessageYesNo(std::string_view title, std::string_view text) {
  if (answerBox) return answerBox(Q(title), Q(text), true);
  QMessageBox box(QMessageBox::Warning, Q(title), Q(text), QMessageBox::NoButton, &window_);
  box.setTextFormat(Qt::PlainText);
  QPushButton* yes = box.addButton(QStringLiteral("はい"), QMessageBox::YesRole);
  box.addButton(QStringLiteral("いいえ"), QMessageBox::NoRole);
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
  // The outer size includes the frame the window manager adds (nothing before the
  // window is first shown).
  const QSize frame = window_.frameGeometry().size() - window_.geometry().size();
  window_.move(Pixels(left), Pixels(top));
  window_.resize(Pixels(width) - frame.width(), Pixels(height) - frame.height());
}

void WindowControls::Quit() {
  if (onQuit) {
    onQuit();
    return;
  }
  window_.hide();
  QCoreApplication::exit(0);
}
