// The window's language. The game's texts are Japanese and stay the source texts in
// the code; other languages are Qt Linguist translations compiled into the program.
// A start takes the language the player chose in the Language menu, remembered in
// the settings, or else the desktop's: Japanese for a Japanese locale and for C, POSIX
// or none, English for any other.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

enum class Language { Japanese, English };

// The language a locale's list of interface languages asks for (the first counts).
Language LocaleLanguage(const QStringList& ui_languages);

// The language of this start: the remembered choice, else the system locale's.
Language StartLanguage();

// The player's choice, kept for every later start.
void RememberLanguage(Language language);

// The translation of a text of the game under its context ("Menu", "Message",
// "Board", "Panel", "Dialog"). A message the game assembled from parts ("「棋譜.kif」の
// 3行目: …") is translated through the patterns it was made from, its parts in turn.
// Without a translation the text comes back unchanged, byte for byte.
QString TranslateText(const char* context, const QString& text);

// Makes `language` the application's: installs its translator (none for Japanese).
class Translations {
 public:
  Translations() = default;
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;
  ~Translations();

  // False when the language's translation cannot be loaded (the texts stay Japanese).
  bool Install(Language language);
  Language language() const { return language_; }

 private:
  QTranslator translator_;
  bool installed_ = false;
  Language language_ = Language::Japanese;
};
