#include "startup/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace pellumo {
namespace {

// "de_DE.UTF-8@euro" -> "de".
std::string LanguageOf(const std::string& locale) {
  return locale.substr(0, locale.find_first_of("_.@"));
}

bool Offered(const std::string& language) {
  if (language == "en") return true;
  for (const char* ours : kGameLanguages) {
    if (language == ours) return true;
  }
  return false;
}

}  // namespace

std::string DesktopLanguage(const std::function<const char*(const char*)>& getenv) {
  const auto value = [&](const char* name) {
    const char* v = getenv(name);
    return std::string(v ? v : "");
  };
  std::string locale = value("LC_ALL");
  if (locale.empty()) locale = value("LC_MESSAGES");
  if (locale.empty()) locale = value("LANG");
  if (locale.empty() || locale == "C" || locale == "POSIX" || locale.rfind("C.", 0) == 0) return "";
  std::string wanted = value("LANGUAGE") + ":" + locale;
  for (std::size_t start = 0; start <= wanted.size();) {
    const std::size_t end = std::min(wanted.find(':', start), wanted.size());
    const std::string language = LanguageOf(wanted.substr(start, end - start));
    if (Offered(language)) return language == "en" ? "" : language;
    start = end + 1;
  }
  return "";
}

Translations::Translations(const std::string& dataFolder, const std::string& language)
    : language_(language) {
  if (language.empty()) return;
  const QString lang = QString::fromStdString(language);
  // A missing file leaves that translator empty: the texts stay English.
  (void)game_.load("pellumo_" + lang, QString::fromStdString(dataFolder) + "/translations");
  (void)qt_.load("qtbase_" + lang, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void Translations::Install() {
  if (language_.empty()) return;
  QLocale::setDefault(QLocale(QString::fromStdString(language_)));
  if (!qt_.isEmpty()) QCoreApplication::installTranslator(&qt_);
  if (!game_.isEmpty()) QCoreApplication::installTranslator(&game_);
}

QString Translations::Translate(const char* context, const char* text) const {
  const QString translated = game_.translate(context, text);
  return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

}  // namespace pellumo
