#pragma once
// The game in the desktop's language. English is the game's own language;
// German, French and Spanish come as .qm files with its data.
#include <QString>
#include <QTranslator>
#include <functional>
#include <string>

namespace pellumo {

// The languages the game is translated into, besides English.
inline constexpr const char* kGameLanguages[] = {"de", "fr", "es"};

// The language the desktop asks for, as gettext reads it: LC_ALL, else
// LC_MESSAGES, else LANG names the locale; LANGUAGE, a list by preference,
// goes first unless that locale is C or POSIX. The first one the game has
// wins; "" is English, also for any language the game does not have.
std::string DesktopLanguage(const std::function<const char*(const char*)>& getenv);

// The game's translation for one language, from dataFolder/translations,
// with Qt's own (the Yes and No of a question) from Qt's translations folder.
class Translations {
 public:
  Translations(const std::string& dataFolder, const std::string& language);
  // Installs both into the application, which must exist; also makes the
  // language the default locale.
  void Install();
  // Before the application exists: --help and the no-display message.
  QString Translate(const char* context, const char* text) const;

 private:
  std::string language_;
  QTranslator game_;
  QTranslator qt_;
};

}  // namespace pellumo
