#include "core/uilanguage.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <map>

using namespace vc;

TEST(UiLanguage, LocaleNamesMapToTheShippedLanguages) {
    const std::pair<const char*, const char*> cases[] = {
        {"de_DE.UTF-8", "de"},
        {"de_AT", "de"},
        {"fr_CA.utf8", "fr"},
        {"es_MX", "es"},
        {"it_IT@euro", "it"},
        {"pt_BR.UTF-8", "pt_BR"},
        {"pt_PT", "pt_BR"},
        {"ru_RU.KOI8-R", "ru"},
        {"zh_CN.GB18030", "zh_CN"},
        {"zh_SG", "zh_CN"},
        {"zh", "zh_CN"},
        {"zh_TW.UTF-8", ""},
        {"zh_HK", ""},
        {"ja_JP.eucJP", "ja"},
        {"en_GB.UTF-8", "en"},
        {"C", "en"},
        {"C.UTF-8", "en"},
        {"POSIX", "en"},
        {"nl_NL", ""},
        {"", ""},
        {"de-DE", "de"},
    };
    for (const auto& [locale, code] : cases)
        EXPECT_EQ(ShippedLanguageFor(locale).toStdString(), code) << locale;
}

TEST(UiLanguage, TheDesktopsLanguageFollowsGettextsOrder) {
    using Env = std::map<std::string, QString>;
    const std::pair<Env, const char*> cases[] = {
        {{}, "en"},
        {{{"LANG", "de_DE.UTF-8"}}, "de"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, "fr"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR"}, {"LC_ALL", "ru_RU.UTF-8"}}, "ru"},
        // LANGUAGE comes first, its first entry with a translation wins.
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "nl:ja:fr"}}, "ja"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "nl"}}, "de"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_US:de"}}, "en"},
        {{{"LANG", "sv_SE.UTF-8"}, {"LANGUAGE", "pt_BR"}}, "pt_BR"},
        // Under the C locale LANGUAGE does not count, as with gettext.
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "de"}}, "en"},
        {{{"LANGUAGE", "de"}}, "en"},
        {{{"LANG", "sv_SE.UTF-8"}}, "en"},
        {{{"LC_ALL", "zh_CN.UTF-8"}, {"LANG", "C"}}, "zh_CN"},
    };
    for (const auto& [env, code] : cases) {
        auto read = [&env = env](const char* name) {
            auto it = env.find(name);
            return it == env.end() ? QString() : it->second;
        };
        QString shown;
        for (const auto& [k, v] : env) shown += QString::fromStdString(k) + "=" + v + " ";
        EXPECT_EQ(SystemLanguage(read).toStdString(), code) << shown.toStdString();
    }
}

TEST(UiLanguage, TheSettingChoosesUnlessItIsSystemOrUnknown) {
    auto german = [](const char* name) {
        return QString(name) == QLatin1String("LANG") ? QStringLiteral("de_DE.UTF-8") : QString();
    };
    EXPECT_EQ(EffectiveLanguage("", german), "de");
    EXPECT_EQ(EffectiveLanguage("System", german), "de");
    EXPECT_EQ(EffectiveLanguage("xx", german), "de");
    EXPECT_EQ(EffectiveLanguage("en", german), "en");
    EXPECT_EQ(EffectiveLanguage("ja", german), "ja");
    EXPECT_EQ(EffectiveLanguage("pt_BR", german), "pt_BR");
}

TEST(UiLanguage, TheSettingIsKeptForTheNextStart) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    EXPECT_EQ(LoadLanguageSetting(), "") << "no file: the desktop's language";
    EXPECT_TRUE(SaveLanguageSetting("fr"));
    EXPECT_EQ(LoadLanguageSetting(), "fr");
    EXPECT_TRUE(QFile::exists(config.path() + "/VideoConverter/interface.ini"));
    EXPECT_TRUE(SaveLanguageSetting(""));
    EXPECT_EQ(LoadLanguageSetting(), "");
    qputenv("XDG_CONFIG_HOME", old);
}

// The language file and help pages of a language when it has them; English otherwise.
TEST(UiLanguage, TranslatedFilesFallBackToEnglish) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string d = dir.path().toStdString() + "/";
    QFile(dir.path() + "/language.de.info").open(QIODevice::WriteOnly);
    QDir().mkpath(dir.path() + "/help/de");
    QFile(dir.path() + "/help/de/index.html").open(QIODevice::WriteOnly);
    EXPECT_EQ(LanguageFilePath(d, "de"), d + "language.de.info");
    EXPECT_EQ(LanguageFilePath(d, "fr"), d + "language.info");
    EXPECT_EQ(LanguageFilePath(d, "en"), d + "language.info");
    EXPECT_EQ(HelpPagePath(d, "index.html", "de"), d + "help/de/index.html");
    EXPECT_EQ(HelpPagePath(d, "adding.html", "de"), d + "help/adding.html");
    EXPECT_EQ(HelpPagePath(d, "index.html", "ja"), d + "help/index.html");
}
