// KAZEBAN: a shogi game for one person against the computer or for two people.
#include <QApplication>

#include "app/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallFontSubstitutes();
  MainWindow window(QCoreApplication::applicationDirPath() + QStringLiteral("/sounds"));
  window.Load();
  window.show();
  return app.exec();
}
