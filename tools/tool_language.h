// The language of a tool's refusals, the window's: the player's choice under ｵﾌﾟｼｮﾝ,
// else the locale's (Japanese for ja, C, POSIX or none; English otherwise). The texts
// are the game's Japanese, translated as the window translates its boxes; --help stays
// English. Built without the window (no Qt), the tools speak Japanese.
#pragma once

#include <initializer_list>
#include <string>

#ifdef KAZEBAN_TRANSLATIONS
#include <QCoreApplication>

#include "app/language.h"
#endif

namespace kazeban {

class 道具の言語 {
 public:
#ifdef KAZEBAN_TRANSLATIONS
  道具の言語(int& argc, char** argv) : app_(argc, argv) {
    translations_.Install(StartLanguage());
  }
  // A whole message of the game, its parts translated in turn.
  std::string operator()(const std::string& text) const {
    return TranslateText("Message", QString::fromStdString(text)).toStdString();
  }
  // A marked text with %1, %2 … filled in.
  std::string operator()(const char* source, std::initializer_list<std::string> parts) const {
    return 埋める(QCoreApplication::translate("Message", source).toStdString(), parts);
  }

 private:
  QCoreApplication app_;
  Translations translations_;
#else
  道具の言語(int&, char**) {}
  std::string operator()(const std::string& text) const {
    return text;
  }
  std::string operator()(const char* source, std::initializer_list<std::string> parts) const {
    return 埋める(source, parts);
  }

 private:
#endif
  static std::string 埋める(std::string text, std::initializer_list<std::string> parts) {
    int n = 1;
    for (const std::string& part : parts) {
      const std::string mark = "%" + std::to_string(n++);
      const std::size_t at = text.find(mark);
      if (at != std::string::npos) text.replace(at, mark.size(), part);
    }
    return text;
  }
};

}  // namespace kazeban
