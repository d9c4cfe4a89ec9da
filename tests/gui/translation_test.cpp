// The interface in the user's language: a German start (menus, skin, language file, dialogs,
// Qt's own buttons, --help), the choice in Settings taking effect at the next start, and
// every caption of every window fitting its control in every shipped language.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTimer>

#include "app/OtherForms.h"
#include "app/Tfm_main.h"
#include "core/appinfo.h"
#include "core/choicebox.h"
#include "core/languagefile.h"
#include "core/startargs.h"
#include "core/uilanguage.h"
#include "jobs/ConversionSession.h"
#include "preview/Tfm_dvdcutter.h"
#include "preview/Tfm_info.h"
#include "profiles/Tfm_dir.h"
#include "profiles/Tfm_set.h"
#include "shell/SideEffects.h"
#include "skin/skin.h"
#include "skin/skinfile.h"
#include "support/program.h"

using namespace vc;
using namespace vc::test;

namespace {

// The interface in one language for the length of a test; English again afterwards.
class InLanguage {
  public:
    explicit InLanguage(const QString& code) : ok(Use(code)) {}
    ~InLanguage() { UseLanguage(QStringLiteral("en")); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;
    const bool ok;

  private:
    static bool Use(const QString& code) {
        SetProgramDirectoryForTest(VC_PROGRAM_DIR);
        return UseLanguage(code);
    }
};

QString SkinCaption(Tfm_main& w, const char* name) {
    skin::ISkinObject* o = w.Display().Engine()->WindowRoot(&w)->FindChild(name);
    return o && o->caption() ? o->caption()->GetText() : QString();
}

struct ProgramRun {
    QString out;
    int status = -1;
};

// The program itself, started with the given environment changes and arguments.
ProgramRun StartProgram(const QStringList& args, const QStringList& set, const QStringList& unset) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : unset) env.remove(name);
    for (const QString& pair : set) env.insert(pair.section('=', 0, 0), pair.section('=', 1));
    p.setProcessEnvironment(env);
    p.start(QString(VC_PROGRAM_DIR) + "/VideoConverter", args);
    ProgramRun r;
    if (!p.waitForFinished(60000)) return r;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.status = p.exitCode();
    return r;
}

const QStringList kLocaleVariables = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG",
                                      "VC_COMMAND_NAME"};

}  // namespace

TEST(Translation, AGermanStartShowsMenusSkinListAndLanguageFileInGerman) {
    InLanguage de("de");
    ASSERT_TRUE(de.ok) << "the German translation is built into the program folder";
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    EXPECT_EQ(w.windowTitle(), "Videokonverter");
    EXPECT_EQ(w.AddFiles2->text(), "Datei &hinzufügen");
    EXPECT_EQ(w.Convert2->text(), "&Konvertieren");
    EXPECT_EQ(w.About1->text(), "Über VideoConverter");
    // Items are still found by the English caption they were made with.
    EXPECT_EQ(w.menuItem("Con&vert(V)"), w.Convert2);
    EXPECT_EQ(SkinCaption(w, "file"), "Datei");
    EXPECT_EQ(SkinCaption(w, "browse"), "Wählen…");
    EXPECT_EQ(w.Jobs().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Titel");
    EXPECT_EQ(w.LanguageText(26),
              "Eine Konvertierung läuft. Stoppen Sie sie zuerst oder warten Sie, bis sie "
              "fertig ist.");
    w.LanguageText(25);
    EXPECT_EQ(w.Display().Text("hint"), "Willkommen bei VideoConverter.");
    EXPECT_EQ(p.fm_set->windowTitle(), "Einstellungen");
    EXPECT_EQ(p.fm_set->cb_videobitrate->itemText(0), "Sehr hohe Qualität");
}

// The boxes show translated entries; what the session and the conversion read stays English.
TEST(Translation, TranslatedFormatBoxesHandTheEnglishEntryToTheSession) {
    InLanguage de("de");
    ASSERT_TRUE(de.ok);
    Program p;
    p.Show();
    Tfm_set& set = *p.fm_set;
    set.cb_videobitrate->setCurrentIndex(0);
    set.cb_channel->setCurrentIndex(0);
    const FormatBoxes f = p.fm_main->Session().Formats();
    EXPECT_EQ(f.video->currentText(), kQualityNames[0]);
    EXPECT_EQ(f.channel->currentText(), kChannelNames[0]);
    // A profile that keeps the source's size offers it translated, and it passes the check.
    const int keep = set.cb_size->findText("Originalbreite und -höhe");
    if (keep >= 0) {
        set.cb_size->setCurrentIndex(keep);
        EXPECT_EQ(set.CheckSize(), 0);
    }
    set.cb_size->setEditText("abc");
    EXPECT_EQ(set.CheckSize(), 2);
    ASSERT_FALSE(p.fx.messages.empty());
    EXPECT_EQ(p.fx.messages.back().text,
              "Ungültige Höhe oder Breite. Bitte erneut eingeben oder aus der Liste wählen.");
}

TEST(Translation, AGermanMessageBoxHasQtsGermanButtons) {
    InLanguage de("de");
    ASSERT_TRUE(de.ok);
    DesktopSideEffects fx;
    QStringList buttons;
    QString title;
    QTimer watch;
    watch.setInterval(20);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        watch.stop();
        title = box->windowTitle();
        for (QAbstractButton* b : box->buttons()) buttons << b->text();
        box->button(QMessageBox::No)->click();
    });
    watch.start();
    EXPECT_FALSE(fx.Confirm(nullptr, "Alle Dateien aus der Auftragsliste entfernen?"));
    buttons.sort();
    EXPECT_EQ(buttons.join('|'), "&Ja|&Nein");
    EXPECT_EQ(title, "Videokonverter");
}

TEST(Translation, HelpIsPrintedInTheLanguageOfTheDesktopOrOfTheSettings) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    const QString home = "XDG_CONFIG_HOME=" + config.path();
    const ProgramRun german =
        StartProgram({"--help"}, {home, "LANG=de_DE.UTF-8", "LANGUAGE=de"}, kLocaleVariables);
    EXPECT_EQ(german.status, 0);
    EXPECT_TRUE(german.out.startsWith("Aufruf: VideoConverter [OPTION]... [DATEI|ORDNER]...\n"))
        << german.out.toStdString();
    EXPECT_TRUE(german.out.contains("  -h, --help     diese Hilfe anzeigen und beenden\n"));

    // English stays the text it always was, byte for byte.
    const ProgramRun english = StartProgram({"--help"}, {home, "LANG=C"}, kLocaleVariables);
    EXPECT_EQ(english.out.toStdString(), UsageText("VideoConverter"));

    // The choice made in Settings wins over the desktop's language at the next start.
    QFile ini(config.path() + "/VideoConverter/interface.ini");
    ASSERT_TRUE(QDir().mkpath(config.path() + "/VideoConverter"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[interface]\nlanguage=ru\n");
    ini.close();
    const ProgramRun russian =
        StartProgram({"--help"}, {home, "LANG=de_DE.UTF-8"}, kLocaleVariables);
    EXPECT_TRUE(russian.out.startsWith("Использование: VideoConverter"))
        << russian.out.toStdString();
}

TEST(Translation, TheSettingsDialogStoresTheLanguageForTheNextStart) {
    Program p;
    p.Show();
    Tfm_set& set = *p.fm_set;
    set.show();
    Pump();
    EXPECT_EQ(set.cb_language->currentIndex(), 0) << "System until the user chooses";
    EXPECT_EQ(set.cb_language->itemText(0), "System");
    const int japanese = set.cb_language->findData(QStringLiteral("ja"));
    ASSERT_GE(japanese, 0);
    EXPECT_EQ(set.cb_language->itemText(japanese), "日本語");
    set.cb_language->setCurrentIndex(japanese);
    set.Button1Click();
    EXPECT_EQ(LoadLanguageSetting(), "ja");
    EXPECT_EQ(CurrentLanguage(), "en") << "nothing changes before the next start";
    set.show();
    Pump();
    EXPECT_EQ(set.cb_language->currentIndex(), japanese);
    set.cb_language->setCurrentIndex(0);
    set.Button1Click();
    EXPECT_EQ(LoadLanguageSetting(), "");
}

namespace {

// Captions wider than their control, as "window/object: text".
void CollectCutOff(QWidget* top, QStringList& cutOff) {
    const QString where = top->objectName() + "/";
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(top)) continue;
        const QString name =
            where + (w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName());
        if (auto* l = qobject_cast<QLabel*>(w)) {
            if (l->wordWrap() || l->text().isEmpty()) continue;
            if (l->fontMetrics().horizontalAdvance(l->text()) > l->contentsRect().width())
                cutOff << name + ": " + l->text();
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            QString text = b->text();
            text.remove('&');
            if (text.isEmpty()) continue;
            // The room the style leaves the caption inside the button.
            QStyleOptionButton option;
            option.initFrom(b);
            option.text = b->text();
            const QStyle::SubElement contents =
                qobject_cast<QRadioButton*>(b) ? QStyle::SE_RadioButtonContents
                : qobject_cast<QCheckBox*>(b)  ? QStyle::SE_CheckBoxContents
                                               : QStyle::SE_PushButtonContents;
            const QRect room = b->style()->subElementRect(contents, &option, b);
            if (b->fontMetrics().horizontalAdvance(text) > room.width())
                cutOff << name + ": " + b->text();
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            // The title sits inside the frame, inset on both sides.
            if (g->fontMetrics().horizontalAdvance(g->title()) + 24 > g->width())
                cutOff << name + ": " + g->title();
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < c->count(); ++i) {
                const int room = c->width() - 32;  // the arrow and the frame
                if (c->fontMetrics().horizontalAdvance(c->itemText(i)) > room)
                    cutOff << name + ": " + c->itemText(i);
            }
        }
    }
}

}  // namespace

// Every caption at the design size: the widgets of every window, the skin's words, the
// job list's headers and each hint of the language file in the hint line.
TEST(Translation, EveryCaptionFitsItsControlInEveryLanguage) {
    QStringList codes{"en"};
    for (const ShippedLanguage& l : ShippedLanguages()) codes << QString::fromLatin1(l.code);
    for (const QString& code : codes) {
        InLanguage language(code);
        ASSERT_TRUE(language.ok) << code.toStdString();
        Program p;
        p.Show();
        QList<QWidget*> windows{p.fm_main.get(), p.fm_set, p.fm_dir, p.fm_info, p.fm_dvdcutter};
        for (QWidget* w : windows) w->show();
        Pump(50);
        QStringList cutOff;
        for (QWidget* w : windows) CollectCutOff(w, cutOff);

        QFile file(QString(VC_PROGRAM_DIR) + "/skn.skn");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const skin::SkinFile skin =
            skin::ParseSkin(QString::fromUtf8(file.readAll()), file.fileName());
        const skin::ObjectDef* hint = nullptr;
        for (const skin::FormDef& form : skin.forms) {
            for (const skin::ObjectDef& d : form.objects) {
                if (d.name == "hint") hint = &d;
                if (!d.visible || d.text.isEmpty()) continue;
                if (!skin::CaptionFits(d, d.text)) cutOff << "skin/" + d.name + ": " + d.text;
            }
        }
        ASSERT_NE(hint, nullptr);
        for (int id = 1; id <= kWelcomeHintId; ++id) {
            std::string line;
            ASSERT_EQ(ReadLanguageLine(LanguageFilePath(), id, line), LanguageLookup::Found);
            QString text = QString::fromStdString(line);
            if (id == kWelcomeHintId) text += " VideoConverter.";
            if (!skin::CaptionFits(*hint, text)) cutOff << QString("hint %1: %2").arg(id).arg(text);
        }
        for (QWidget* w : windows) w->hide();
        EXPECT_TRUE(cutOff.isEmpty())
            << code.toStdString() << ":\n  " << cutOff.join("\n  ").toStdString();
    }
}
