// The skin engine with the shipped skin: forms, named objects, drawing and mouse events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWidget>
#include <string>
#include <vector>

#include "skin/skin.h"

namespace {

using skin::ISkinObject;
using skin::SkinEngine;
using skin::SkinError;
using skin::SkinRect;

QString ShippedSkin() {
    const QString built = QStringLiteral(VC_PROGRAM_DIR "/skn.skn");
    if (QFileInfo::exists(built)) return built;
    return QStringLiteral(VC_SOURCE_DIR "/data/skn.skn");
}

const char* const kMainForm = "dozadozorozirivaz";
const char* const kCutForm = "cutter";

// Every name the program binds, clicks or hovers on the main window.
const std::vector<const char*> kMainNames = {
    // bound objects
    "profilestext", "play_time", "hint", "play_bar", "di", "alltime", "playpos", "convertpos",
    "convertinfo", "filename", "filesize", "filepath", "usedtime", "resttime", "previewhint",
    // commands
    "mainclose", "profiles", "openfiles", "chapter", "ifoopen", "dvdopen", "openfolder",
    "converter", "remove", "clear", "stopconverter", "browse", "open", "help", "file", "dvdfile",
    "register", "settings", "cutter", "purchase",
    // hover names
    "audio", "subtitle", "video_size", "video_quality", "audio_quality", "channels", "stopplay"};
const std::vector<const char*> kCutNames = {
    "cut_begin_time", "cut_end_time", "cut_play_time", "cut_play_bar", "cutplaypos", "cutclose",
    "play",           "stop",         "pause",         "begin",        "end",        "hou",
    "qian",           "stopplay"};
// Objects that exist but are not shown at start.
const std::vector<const char*> kHiddenAtStart = {
    "dvdopen",       "ifoopen",       "chapter",  "audio",    "subtitle", "video_size",
    "video_quality", "audio_quality", "channels", "stopplay", "cutter",   "converter",
    "stopconverter", "play_bar",      "hint",     "di"};

QRect AreaOf(ISkinObject* o) {
    SkinRect r;
    o->placement()->GetArea(r);
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

class SkinEngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NO_THROW(engine.OpenSkinFile(ShippedSkin())) << qPrintable(ShippedSkin());
        engine.SkinWindow(&main);
        engine.SkinWindowAs(&main, kMainForm);
        engine.SkinWindow(&cut);
        engine.SkinWindowAs(&cut, kCutForm);
        main.show();
        cut.show();
        QObject::connect(&engine, &SkinEngine::OnClick,
                         [this](ISkinObject* s) { Log("click", s); });
        QObject::connect(&engine, &SkinEngine::OnMouseDown,
                         [this](ISkinObject* s, Qt::MouseButton, int, int) { Log("down", s); });
        QObject::connect(&engine, &SkinEngine::OnMouseUp,
                         [this](ISkinObject* s, Qt::MouseButton, int, int) { Log("up", s); });
        QObject::connect(&engine, &SkinEngine::OnMouseMove,
                         [this](ISkinObject* s, int, int) { Log("move", s); });
        QObject::connect(&engine, &SkinEngine::OnScrollTrack, [this](ISkinObject* s, int pos) {
            events.push_back("track:" + s->Name().toStdString() + ":" + std::to_string(pos));
        });
    }

    void Log(const char* what, ISkinObject* s) {
        events.push_back(std::string(what) + ":" + s->Name().toStdString());
    }

    ISkinObject* Main(const char* name) { return engine.WindowRoot(&main)->FindChild(name); }

    void Mouse(QWidget* window, QEvent::Type type, QPoint p,
               Qt::MouseButton button = Qt::LeftButton) {
        QWidget* surface = engine.Surface(window);
        ASSERT_NE(surface, nullptr);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton
                                      : type == QEvent::MouseMove && button == Qt::NoButton
                                          ? Qt::NoButton
                                          : Qt::MouseButtons(button);
        QMouseEvent e(type, QPointF(p), QPointF(surface->mapToGlobal(p)),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
        QApplication::sendEvent(surface, &e);
    }
    void Click(QWidget* w, QPoint p) {
        Mouse(w, QEvent::MouseButtonPress, p);
        Mouse(w, QEvent::MouseButtonRelease, p);
    }
    QColor PixelAt(QWidget* w, int x, int y) { return w->grab().toImage().pixelColor(x, y); }

    SkinEngine engine;
    QWidget main, cut;
    std::vector<std::string> events;
};

TEST_F(SkinEngineTest, FormsSizeFramelessWindowsWithTheSurfaceLowest) {
    EXPECT_EQ(main.size(), QSize(820, 562));
    EXPECT_EQ(cut.size(), QSize(618, 501));
    for (QWidget* w : {&main, &cut}) {
        EXPECT_TRUE(w->windowFlags().testFlag(Qt::FramelessWindowHint));
        QWidget* s = engine.Surface(w);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->geometry(), w->rect());
    }
    // A window that already has widgets keeps them above the surface.
    QWidget other;
    auto* child = new QWidget(&other);
    engine.SkinWindowAs(&other, kCutForm);
    const QObjectList kids = other.children();
    EXPECT_LT(kids.indexOf(engine.Surface(&other)), kids.indexOf(child));
    EXPECT_EQ(engine.WindowRoot(&other)->Name(), QString(kCutForm));
}

TEST_F(SkinEngineTest, EveryRequiredNameIsInItsForm) {
    ISkinObject* mainRoot = engine.WindowRoot(&main);
    ISkinObject* cutRoot = engine.WindowRoot(&cut);
    ASSERT_NE(mainRoot, nullptr);
    ASSERT_NE(cutRoot, nullptr);
    EXPECT_EQ(mainRoot->Name(), QString(kMainForm));
    for (const char* n : kMainNames) {
        ISkinObject* o = mainRoot->FindChild(n);
        ASSERT_NE(o, nullptr) << n;
        EXPECT_EQ(o->Name(), QString(n));
        EXPECT_NE(o->placement(), nullptr) << n;
        EXPECT_NE(o->caption(), nullptr) << n;
    }
    for (const char* n : kCutNames) {
        ISkinObject* o = cutRoot->FindChild(n);
        ASSERT_NE(o, nullptr) << n;
        EXPECT_EQ(o->Name(), QString(n));
    }
    EXPECT_NE(mainRoot->FindChild("play_bar")->slider(), nullptr);
    EXPECT_NE(cutRoot->FindChild("cut_play_bar")->slider(), nullptr);
    EXPECT_EQ(mainRoot->FindChild("hint")->slider(), nullptr);
    // Names are exact and belong to their own form.
    EXPECT_EQ(mainRoot->FindChild("MainClose"), nullptr);
    EXPECT_EQ(cutRoot->FindChild("mainclose"), nullptr);
    EXPECT_EQ(mainRoot->FindChild("cutclose"), nullptr);
}

TEST_F(SkinEngineTest, CaptionAreaAndSliderRoundTrip) {
    ISkinObject* text = Main("profilestext");
    text->caption()->SetText(QStringLiteral("iPod(320×240)MPEG-4 Codec(*.mp4)"));
    EXPECT_EQ(text->caption()->GetText(), QStringLiteral("iPod(320×240)MPEG-4 Codec(*.mp4)"));

    ISkinObject* fill = Main("convertpos");
    EXPECT_EQ(AreaOf(fill), QRect(QPoint(24, 512), QPoint(583, 519)));
    fill->placement()->SetArea({24, 512, 24, 520});  // an empty fill
    SkinRect r;
    fill->placement()->GetArea(r);
    EXPECT_EQ(r.left, 24);
    EXPECT_EQ(r.right, 24);
    EXPECT_EQ(r.bottom, 520);

    auto* bar = Main("play_bar")->slider();
    struct Case {
        int set, want;
    } cases[] = {{0, 0}, {5000, 5000}, {10000, 10000}, {20000, 10000}, {-5, 0}};
    for (const auto& c : cases) {
        bar->SetPosition(c.set);
        EXPECT_EQ(bar->GetPosition(), c.want) << c.set;
    }
}

TEST_F(SkinEngineTest, ClickOnTheCloseBoxReportsItsName) {
    Click(&main, AreaOf(Main("mainclose")).center());
    EXPECT_EQ(events,
              (std::vector<std::string>{"down:mainclose", "up:mainclose", "click:mainclose"}));
    // The cut window's events arrive at the same engine signals.
    events.clear();
    Click(&cut, AreaOf(engine.WindowRoot(&cut)->FindChild("cutclose")).center());
    EXPECT_EQ(events, (std::vector<std::string>{"down:cutclose", "up:cutclose", "click:cutclose"}));
}

TEST_F(SkinEngineTest, PressMoveReleaseInOrderAndClickOnlyOnTheSameObject) {
    const QPoint files = AreaOf(Main("openfiles")).center();
    const QPoint folder = AreaOf(Main("openfolder")).center();
    Mouse(&main, QEvent::MouseButtonPress, files);
    Mouse(&main, QEvent::MouseMove, files + QPoint(3, 0));
    Mouse(&main, QEvent::MouseButtonRelease, files + QPoint(3, 0));
    EXPECT_EQ(events, (std::vector<std::string>{"down:openfiles", "move:openfiles", "up:openfiles",
                                                "click:openfiles"}));
    // Pressed on one button, released on another: no click.
    events.clear();
    Mouse(&main, QEvent::MouseButtonPress, files);
    Mouse(&main, QEvent::MouseMove, folder);
    Mouse(&main, QEvent::MouseButtonRelease, folder);
    EXPECT_EQ(events,
              (std::vector<std::string>{"down:openfiles", "move:openfolder", "up:openfolder"}));
    // A right click reports press and release but no click.
    events.clear();
    Mouse(&main, QEvent::MouseButtonPress, files, Qt::RightButton);
    Mouse(&main, QEvent::MouseButtonRelease, files, Qt::RightButton);
    EXPECT_EQ(events, (std::vector<std::string>{"down:openfiles", "up:openfiles"}));
    // The bare background reports the window root; moves without a button are reported too.
    events.clear();
    Mouse(&main, QEvent::MouseMove, QPoint(6, 462), Qt::NoButton);
    Click(&main, QPoint(6, 462));
    EXPECT_EQ(events,
              (std::vector<std::string>{"move:dozadozorozirivaz", "down:dozadozorozirivaz",
                                        "up:dozadozorozirivaz", "click:dozadozorozirivaz"}));
}

TEST_F(SkinEngineTest, HiddenObjectsTakeNoPartInHitTesting) {
    for (const char* n : {"play_bar", "converter"}) {
        ISkinObject* o = Main(n);
        const QPoint at = AreaOf(o).center();
        Click(&main, at);
        ASSERT_FALSE(events.empty());
        EXPECT_NE(events.front(), std::string("down:") + n) << "hidden " << n << " was hit";
        events.clear();
        o->placement()->SetVisible(-1);
        Click(&main, at);
        ASSERT_FALSE(events.empty());
        EXPECT_EQ(events.front(), std::string("down:") + n);
        events.clear();
        o->placement()->SetVisible(0);
        Click(&main, at);
        EXPECT_NE(events.front(), std::string("down:") + n);
        events.clear();
    }
    // Every object the skin hides at start is hidden: its area draws and hits nothing new.
    for (const char* n : kHiddenAtStart) {
        ISkinObject* o = Main(n) ? Main(n) : engine.WindowRoot(&cut)->FindChild(n);
        ASSERT_NE(o, nullptr) << n;
        const QRect a = AreaOf(o);
        if (a.isEmpty()) continue;
        QWidget* w = Main(n) ? &main : &cut;
        Click(w, a.center());
        EXPECT_NE(events.front(), std::string("down:") + n) << n;
        events.clear();
    }
}

TEST_F(SkinEngineTest, DraggingTheSliderTracksAndKeepsTheMouse) {
    ISkinObject* bar = Main("play_bar");
    bar->placement()->SetVisible(-1);
    const QRect a = AreaOf(bar);  // 520..799, width 280
    const int y = a.center().y();
    Mouse(&main, QEvent::MouseButtonPress, QPoint(a.left() + 140, y));
    Mouse(&main, QEvent::MouseMove, QPoint(a.left() + 210, y));
    Mouse(&main, QEvent::MouseMove, QPoint(900, 20));  // far outside: clamps, keeps the bar
    Mouse(&main, QEvent::MouseButtonRelease, QPoint(900, 20));
    EXPECT_EQ(events,
              (std::vector<std::string>{"down:play_bar", "track:play_bar:5000",
                                        "track:play_bar:7500", "move:play_bar",
                                        "track:play_bar:10000", "move:play_bar", "up:play_bar"}));
    EXPECT_EQ(bar->slider()->GetPosition(), 10000);
}

TEST_F(SkinEngineTest, DrawsFillsOverTheirCurrentAreaAndNeverOverflowsCaptions) {
    const QImage before = main.grab().toImage();
    EXPECT_EQ(before.pixelColor(6, 462), QColor(0x1d, 0x21, 0x27));   // window background
    EXPECT_EQ(before.pixelColor(30, 436), QColor(0x2d, 0x33, 0x3d));  // profile row

    ISkinObject* fill = Main("convertpos");
    fill->placement()->SetArea({24, 512, 124, 520});
    fill->placement()->Refresh();
    Main("filename")->caption()->SetText(QString(200, QLatin1Char('W')));
    const QImage after = main.grab().toImage();
    const QColor track(0x2d, 0x33, 0x3d);
    EXPECT_NE(after.pixelColor(70, 516), track);   // inside the fill
    EXPECT_EQ(after.pixelColor(300, 516), track);  // beyond it: the bare track
    // The caption ends at 230; the next four columns keep the panel colour.
    const QColor panel(0x25, 0x2a, 0x32);
    for (int x = 230; x < 234; ++x)
        for (int y = 490; y < 508; ++y) ASSERT_EQ(after.pixelColor(x, y), panel) << x << "," << y;

    EXPECT_TRUE(after.save(QStringLiteral("/tmp/skin_main_test.png")));
    EXPECT_TRUE(cut.grab().save(QStringLiteral("/tmp/skin_cut_test.png")));
}

TEST(SkinFileErrors, MalformedLinesNameTheirLineAndKeepTheLoadedSkin) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString head = QStringLiteral("color accent #3d9bf4\nform f 100 50\n");
    struct Case {
        const char* body;  // third line onwards
        int line;
        const char* about;
    } cases[] = {
        {"gizmo a 0,0,10,10\n", 3, "unknown keyword"},
        {"button a 0,0,10\n", 3, "rectangle"},
        {"button a 10,0,0,10\n", 3, "rectangle"},
        {"text a 0,0,10,10 text=\"open\n", 3, "unterminated"},
        {"text a 0,0,10,10 fill=#12\n", 3, "colour"},
        {"text a 0,0,10,10\ntext b 0,0,5,5 font=big\n", 4, "whole number"},
        {"text a 0,0,10,10\nbutton a 0,0,5,5\n", 4, "twice"},
        {"text a 0,0,10,10 style=nothere\n", 3, "unknown style"},
        {"text a 0,0,10,10 visible=maybe\n", 3, "1 or 0"},
    };
    SkinEngine engine;
    const QString good = dir.filePath(QStringLiteral("good.skn"));
    {
        QFile f(good);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(
            "form f 100 50\n# unknown keys are skipped\ntext a 0,0,10,10 sparkle=yes\n"));
    }
    ASSERT_NO_THROW(engine.OpenSkinFile(good));
    for (const auto& c : cases) {
        const QString path = dir.filePath(QStringLiteral("bad.skn"));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write((head + QString::fromUtf8(c.body)).toUtf8());
        f.close();
        try {
            engine.OpenSkinFile(path);
            ADD_FAILURE() << "no error for: " << c.body;
        } catch (const SkinError& e) {
            const std::string msg = e.what();
            EXPECT_NE(msg.find("line " + std::to_string(c.line) + ":"), std::string::npos) << msg;
            EXPECT_NE(msg.find(c.about), std::string::npos) << msg;
        }
    }
    // The good skin stays loaded after the failures.
    QWidget w;
    ASSERT_NO_THROW(engine.SkinWindowAs(&w, QStringLiteral("f")));
    EXPECT_EQ(w.size(), QSize(100, 50));
    EXPECT_NE(engine.WindowRoot(&w)->FindChild(QStringLiteral("a")), nullptr);
    EXPECT_THROW(engine.SkinWindowAs(&w, QStringLiteral("nosuchform")), SkinError);
}

TEST(SkinFileErrors, MissingOrEmptyFilesRaiseSkinError) {
    QTemporaryDir dir;
    SkinEngine engine;
    EXPECT_THROW(engine.OpenSkinFile(dir.filePath(QStringLiteral("absent.skn"))), SkinError);
    EXPECT_THROW(engine.OpenSkinFile(dir.path()), SkinError);  // a folder, not a file
    const QString empty = dir.filePath(QStringLiteral("empty.skn"));
    QFile f(empty);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("# nothing but a comment\n");
    f.close();
    EXPECT_THROW(engine.OpenSkinFile(empty), SkinError);
    // Nothing loaded: skinning a window is refused with the engine's error, not a crash.
    QWidget w;
    EXPECT_THROW(engine.SkinWindowAs(&w, QStringLiteral("cutter")), SkinError);
    EXPECT_EQ(engine.WindowRoot(&w), nullptr);
}

}  // namespace
