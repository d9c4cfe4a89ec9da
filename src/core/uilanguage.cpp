#include "core/uilanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include "core/appinfo.h"
#include "core/inifile.h"

namespace vc {

namespace {

// Loaded once per process; the application object takes them over when it comes.
struct Translators {
    QString code = QStringLiteral("en");
    QTranslator* program = nullptr;
    QTranslator* qt = nullptr;
};

Translators& Loaded() {
    static Translators t;
    return t;
}

void InstallLoaded() {
    Translators& t = Loaded();
    if (t.program) QCoreApplication::installTranslator(t.program);
    if (t.qt) QCoreApplication::installTranslator(t.qt);
}

// Reads the program's translation of code and Qt's own; false when the program has none.
bool LoadFiles(const QString& code) {
    Translators& t = Loaded();
    if (!t.program) t.program = new QTranslator;
    if (!t.qt) t.qt = new QTranslator;
    const QString dir = QString::fromStdString(ProgramDirectory()) + "translations";
    if (!t.program->load("videoconverter_" + code, dir)) return false;
    t.code = code;
    // Qt's own texts (standard buttons, file dialogs) when the distribution ships them.
    (void)t.qt->load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}

QString EnvText(const char* name) {
    return qEnvironmentVariable(name);
}

}  // namespace

const std::vector<ShippedLanguage>& ShippedLanguages() {
    static const std::vector<ShippedLanguage> languages = {{"de", "Deutsch"},
                                                           {"fr", "Français"},
                                                           {"es", "Español"},
                                                           {"it", "Italiano"},
                                                           {"pt_BR", "Português (Brasil)"},
                                                           {"ru", "Русский"},
                                                           {"zh_CN", "简体中文"},
                                                           {"ja", "日本語"}};
    return languages;
}

QString ShippedLanguageFor(const QString& localeName) {
    // "de_DE.UTF-8@euro" -> language "de", territory "DE"
    QString name = localeName.trimmed();
    name = name.left(name.indexOf('.') < 0 ? name.size() : name.indexOf('.'));
    name = name.left(name.indexOf('@') < 0 ? name.size() : name.indexOf('@'));
    name.replace('-', '_');
    if (name.isEmpty()) return {};
    if (name == "C" || name == "POSIX") return QStringLiteral("en");
    QString language = name.section('_', 0, 0).toLower();
    const QString territory = name.section('_', 1, 1).toUpper();
    if (language == "en") return QStringLiteral("en");
    // Brazilian Portuguese also serves Portugal; Simplified Chinese serves the mainland and
    // Singapore, not the traditional script of Taiwan and Hong Kong.
    if (language == "pt") return QStringLiteral("pt_BR");
    if (language == "zh") {
        if (territory == "TW" || territory == "HK" || territory == "MO" || territory == "HANT")
            return {};
        return QStringLiteral("zh_CN");
    }
    for (const ShippedLanguage& l : ShippedLanguages())
        if (language == QLatin1String(l.code)) return language;
    return {};
}

QString SystemLanguage(const std::function<QString(const char*)>& env) {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = env(name);
        if (!locale.isEmpty()) break;
    }
    const QString localeLanguage = ShippedLanguageFor(locale);
    // As with gettext, LANGUAGE counts only outside the C locale (which is also what an
    // unset locale means).
    const QString base = locale.section('.', 0, 0).section('@', 0, 0);
    const bool cLocale = base.isEmpty() || base == "C" || base == "POSIX";
    if (!cLocale) {
        for (const QString& entry : env("LANGUAGE").split(':', Qt::SkipEmptyParts)) {
            QString code = ShippedLanguageFor(entry);
            if (!code.isEmpty()) return code;
        }
    }
    return localeLanguage.isEmpty() ? QStringLiteral("en") : localeLanguage;
}

QString EffectiveLanguage(const QString& setting, const std::function<QString(const char*)>& env) {
    if (setting == "en") return setting;
    for (const ShippedLanguage& l : ShippedLanguages())
        if (setting == QLatin1String(l.code)) return setting;
    return SystemLanguage(env);
}

QString LanguageSettingPath() {
    return QString::fromStdString(ConfigDirectory("VideoConverter")) + "interface.ini";
}

QString LoadLanguageSetting() {
    IniFile ini;
    if (!ini.Load(LanguageSettingPath().toStdString())) return {};
    return QString::fromStdString(ini.ReadString("interface", "language"));
}

bool SaveLanguageSetting(const QString& setting) {
    IniFile ini;
    if (!ini.Load(LanguageSettingPath().toStdString())) return false;
    ini.WriteString("interface", "language", setting.toStdString());
    return ini.Save();
}

void LoadTranslations() {
    const QString code = EffectiveLanguage(LoadLanguageSetting(), EnvText);
    if (QCoreApplication::instance()) {
        UseLanguage(code);
        return;
    }
    static bool routineAdded = false;
    if (code != "en") (void)LoadFiles(code);
    if (!routineAdded) {
        qAddPreRoutine(InstallLoaded);
        routineAdded = true;
    }
}

bool UseLanguage(const QString& code) {
    Translators& t = Loaded();
    if (t.program) QCoreApplication::removeTranslator(t.program);
    if (t.qt) QCoreApplication::removeTranslator(t.qt);
    t.code = QStringLiteral("en");
    if (code == "en") return true;
    if (!LoadFiles(code)) return false;
    InstallLoaded();
    return true;
}

QString CurrentLanguage() {
    return Loaded().code;
}

QString Translate(const char* context, const char* sourceText) {
    if (QCoreApplication::instance()) return QCoreApplication::translate(context, sourceText);
    const Translators& t = Loaded();
    if (t.program && t.code != "en") {
        QString text = t.program->translate(context, sourceText);
        if (!text.isEmpty()) return text;
    }
    return QString::fromUtf8(sourceText);
}

std::string LanguageFilePath(const std::string& dir, const QString& code) {
    if (code != "en" && !code.isEmpty()) {
        std::string translated = dir + "language." + code.toStdString() + ".info";
        if (QFile::exists(QString::fromStdString(translated))) return translated;
    }
    return dir + "language.info";
}

std::string LanguageFilePath() {
    return LanguageFilePath(ProgramDirectory(), CurrentLanguage());
}

QString TranslatedPicture(const QString& path) {
    const QString code = CurrentLanguage();
    const int at = path.lastIndexOf(QLatin1String("/images/"));
    if (code == "en" || at < 0) return path;
    QString translated = path;
    translated.insert(at + int(qstrlen("/images/")), "l10n/" + code + "/");
    return QFile::exists(translated) ? translated : path;
}

std::string HelpPagePath(const std::string& dir, const std::string& page, const QString& code) {
    if (code != "en" && !code.isEmpty()) {
        std::string translated = dir + "help/" + code.toStdString() + "/" + page;
        if (QFile::exists(QString::fromStdString(translated))) return translated;
    }
    return dir + "help/" + page;
}

}  // namespace vc
