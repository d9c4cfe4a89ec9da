#pragma once
// The interface language: which one the user gets (the desktop's, or the one chosen in
// Settings), the translators that carry it, and the language file that goes with it.
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace vc {

struct ShippedLanguage {
    const char* code;        // "de", "pt_BR": the suffix of the translation files
    const char* nativeName;  // the language's name for itself, as the choice shows it
};
// The languages the program ships besides English, in the order Settings lists them.
const std::vector<ShippedLanguage>& ShippedLanguages();

// The shipped language a locale or language name stands for ("de_DE.UTF-8" -> "de",
// "pt_BR" -> "pt_BR", "zh" -> "zh_CN"); "en" for English, "C" and "POSIX"; "" when the
// program has no translation for it.
QString ShippedLanguageFor(const QString& localeName);

// The desktop's language, looked up as gettext does: each entry of LANGUAGE (a colon list)
// in turn, then the first of LC_ALL, LC_MESSAGES, LANG that is set. "en" when none names a
// shipped language. `env` reads a variable (empty when unset).
QString SystemLanguage(const std::function<QString(const char*)>& env);

// The setting as stored: "" or "System" follow the desktop, "en" and the shipped codes
// choose. Anything else follows the desktop too.
QString EffectiveLanguage(const QString& setting, const std::function<QString(const char*)>& env);

// The user's choice, kept for every edition in <config>/VideoConverter/interface.ini.
QString LanguageSettingPath();
QString LoadLanguageSetting();
bool SaveLanguageSetting(const QString& setting);

// Loads the program's and Qt's translations for the user's language from the program folder
// and Qt's translations folder. Call before the application object exists (or after): they
// are installed as soon as it does, so every window is built translated.
void LoadTranslations();
// Installs the program's and Qt's translators for `code` into the running application
// ("en" removes them); false when the program's translation file is missing.
bool UseLanguage(const QString& code);
// The language in force ("en" until one is loaded).
QString CurrentLanguage();

// QCoreApplication::translate, which also works before the application object exists (for
// --help): then the loaded translators are asked directly.
QString Translate(const char* context, const char* sourceText);

// The language file for a language: "language.<code>.info" in `dir` when there is one, else
// the English "language.info".
std::string LanguageFilePath(const std::string& dir, const QString& code);
// The same for the language in force, in the program folder.
std::string LanguageFilePath();

// A help page of the program folder `dir` in a language: "help/<code>/<page>" when that page
// is translated, else the English "help/<page>".
std::string HelpPagePath(const std::string& dir, const std::string& page, const QString& code);

// A picture of the program folder's images/ drawn with the words of the language in force
// (images/l10n/<code>/...) when there is one; else the path as given.
QString TranslatedPicture(const QString& path);

}  // namespace vc
