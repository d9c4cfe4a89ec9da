#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <fstream>

#include "core/commandstate.h"
#include "core/languagefile.h"
#include "core/layoutfile.h"

using namespace vc;

namespace {
std::string WriteFile(const QTemporaryDir& dir, const std::string& name, const std::string& text) {
    std::string path = dir.path().toStdString() + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// The sections of the controls the window cannot work without, placed.
const std::string kEssentials =
    "[bt_start]\nLeft=690\nTop=496\nWidth=110\nHeight=48\n"
    "[Bt_Convertstop]\nLeft=640\nTop=500\nWidth=40\nHeight=40\n"
    "[ed_output]\nLeft=88\nTop=453\nWidth=536\n"
    "[lv]\nLeft=12\nTop=100\nheight=296\nWidth=488\n"
    "[pl_play]\nLeft=520\nTop=108\nWidth=280\nHeight=158\n";

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> Enabled(const CommandFacts& f) {
    std::vector<std::string> on;
    for (const auto& [name, state] : ComputeCommandState(f))
        if (state) on.push_back(name);
    return on;
}
}  // namespace

TEST(CommandState, FiveStatesLastOneWins) {
    using V = std::vector<std::string>;
    struct Case {
        const char* what;
        CommandFacts facts;
        V enabled;
    } cases[] = {
        {"empty list",
         {0, false, false, false},
         {"&Add File(A)", "A&dd Folder(D)", "bt_dvdopen", "bt_ifo", "previewhint"}},
        {"rows, none selected",
         {3, false, false, false},
         {"&Add File(A)", "&Clear(C)", "A&dd Folder(D)", "Con&vert(V)", "Select A&ll(L)",
          "&Unselect All(U)", "bt_chapte", "bt_clear", "bt_dvdopen", "bt_ifo", "bt_set", "bt_start",
          "previewhint"}},
        {"a row selected",
         {3, true, false, false},
         {"&Add File(A)", "&Clear(C)", "&Remove(R)", "A&dd Folder(D)", "Con&vert(V)",
          "Proper&ties(T)", "Re&name(N)", "Select A&ll(L)", "&Unselect All(U)", "bt_chapte",
          "bt_clear", "bt_cut", "bt_dvdopen", "bt_ifo", "bt_play", "bt_remove", "bt_set",
          "bt_start", "previewhint"}},
        {"previewing",
         {3, true, true, false},
         {"bt_back", "bt_images", "bt_next", "bt_playpause", "bt_playstop", "cut_play_bar",
          "play_bar"}},
        {"converting overrides everything",
         {3, true, true, true},
         {"&Pause(P)", "&Stop(S)", "Bt_Convertstop", "bt_pause"}},
        {"converting, empty selection",
         {2, false, false, true},
         {"&Pause(P)", "&Stop(S)", "Bt_Convertstop", "bt_pause"}},
        {"adding to an empty list: Stop ends the add",
         {0, false, false, false, true},
         {"&Add File(A)", "A&dd Folder(D)", "bt_dvdopen", "bt_ifo", "&Stop(S)", "Bt_Convertstop",
          "previewhint"}},
        {"adding while converting",
         {2, true, false, true, true},
         {"&Pause(P)", "&Stop(S)", "Bt_Convertstop", "bt_pause"}},
    };
    for (auto& c : cases) {
        V got = Enabled(c.facts);
        std::sort(got.begin(), got.end());
        std::sort(c.enabled.begin(), c.enabled.end());
        EXPECT_EQ(got, c.enabled) << c.what;
        EXPECT_EQ(ComputeCommandState(c.facts).size(), ManagedCommands().size()) << c.what;
    }
}

TEST(LanguageFile, LinesByNumber) {
    QTemporaryDir dir;
    std::string text;
    for (int i = 1; i <= 10; ++i) text += "line " + std::to_string(i) + (i == 3 ? "\r\n" : "\n");
    const std::string path = WriteFile(dir, "language.info", text);
    std::string got;
    EXPECT_EQ(ReadLanguageLine(path, 1, got), LanguageLookup::Found);
    EXPECT_EQ(got, "line 1");
    EXPECT_EQ(ReadLanguageLine(path, 3, got), LanguageLookup::Found);
    EXPECT_EQ(got, "line 3") << "a CR line end is not part of the text";
    got = "unchanged";
    EXPECT_EQ(ReadLanguageLine(path, 26, got), LanguageLookup::PastEnd);
    EXPECT_EQ(got, "unchanged");
    EXPECT_EQ(ReadLanguageLine(dir.path().toStdString() + "/missing.info", 1, got),
              LanguageLookup::FileError);
}

TEST(LayoutFile, ButtonsAndValuesWithDefaults) {
    QTemporaryDir dir;
    const std::string path =
        WriteFile(dir, "Skin.ini",
                  "[bt_set]\n[BT_DVDOPEN]\n[bt_play]\nLeft=0x20\nTop=$10\nWidth=40\n"
                  "Height=abc\nVisible=2\n[bt_cut]\nVisible=yes\n[bt_remove]\nvisible=0\n"
                  "[pltop]\npltop=90\n[Play]\npos=280\n[file]\nleft=244\n" +
                      kEssentials);
    LayoutFile layout;
    ASSERT_TRUE(layout.Load(path));
    EXPECT_EQ(layout.Problem(), "");
    std::map<std::string, ButtonLayout> b;
    for (const auto& x : layout.Buttons()) b[x.name] = x;
    ASSERT_EQ(b.size(), 17u);
    // An empty section places the button at 6,6 sized 6x6 with the button's own default.
    EXPECT_EQ(b["bt_set"].left, 6);
    EXPECT_EQ(b["bt_set"].height, 6);
    EXPECT_FALSE(b["bt_set"].visible);
    EXPECT_TRUE(b["bt_dvdopen"].visible);
    EXPECT_EQ(b["bt_play"].left, 32);
    EXPECT_EQ(b["bt_play"].top, 16);
    EXPECT_EQ(b["bt_play"].width, 40);
    EXPECT_EQ(b["bt_play"].height, 6) << "a value that is not an integer reads as the default";
    EXPECT_TRUE(b["bt_play"].visible) << "any non-zero flag is true";
    EXPECT_TRUE(b["bt_cut"].visible) << "'yes' is not an integer: the default applies";
    EXPECT_FALSE(b["bt_remove"].visible);
    EXPECT_EQ(b["bt_pause"].hint, "Pause conversion") << "announced as what it does";
    EXPECT_EQ(layout.Int("pltop", "pltop", 6), 90);
    EXPECT_EQ(layout.FillWidth("Play"), 280);
    EXPECT_EQ(layout.FillWidth("convert"), 263);
    EXPECT_EQ(layout.MenuLeft("file"), 244);
    EXPECT_EQ(layout.MenuTop("file"), 64);
    EXPECT_EQ(layout.Text("Support", "web", "https://x.example/"), "https://x.example/");
}

TEST(LayoutFile, MissingFileGivesDefaults) {
    QTemporaryDir dir;
    LayoutFile layout;
    EXPECT_FALSE(layout.Load(dir.path().toStdString() + "/Skin.ini"));
    EXPECT_EQ(layout.FillWidth("Play"), 263);
    EXPECT_EQ(layout.Buttons().size(), 17u);
}

// A damaged layout file: a message that says what is wrong, and the shipped layout instead
// of buttons piled up at 6,6.
TEST(LayoutFile, DamagedFileGivesAMessageAndTheShippedLayout) {
    const std::string shippedText = ReadAll(VC_SOURCE_DIR "/data/Skin.ini");
    // The shipped file up to the line that starts with `at`.
    auto Cut = [&](const std::string& at) { return shippedText.substr(0, shippedText.find(at)); };
    ASSERT_NE(Cut("[bt_start]"), shippedText);
    LayoutFile shipped;
    ASSERT_TRUE(shipped.Load(VC_SOURCE_DIR "/data/Skin.ini"));
    EXPECT_EQ(shipped.Problem(), "") << "the shipped file reads cleanly";
    const std::vector<ButtonLayout> expected = shipped.Buttons();
    ASSERT_NE(expected[0].left, 6);

    const struct {
        const char* what;
        std::string text;
        const char* detail;
    } cases[] = {
        {"unfinished section", "[bt_dvdopen\nLeft=abc\n\x01\x02\n", "line 1"},
        {"binary data", "[bt_dvdopen]\nLeft=12\n" + std::string("\0\0\x7f\x01", 4) + "\n",
         "binary data"},
        {"cut to nothing", "", "empty"},
        {"a line that is no pair", "[bt_dvdopen]\nLeft 12\n", "line 2"},
        {"keys before any section", "Left=12\n[bt_dvdopen]\n", "line 1"},
        // Cut at a line boundary: what is there reads well, but controls have no place.
        {"cut before the Convert button", Cut("[bt_start]"), "[bt_start] of the Convert button"},
        {"cut inside the job list's section", Cut("height=296"),
         "[lv] of the job list has no height"},
        {"only some buttons", "[bt_dvdopen]\nLeft=12\n", "is missing"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const std::string path = WriteFile(dir, "Skin.ini", c.text);
        LayoutFile layout;
        EXPECT_TRUE(layout.Load(path)) << c.what;
        EXPECT_NE(layout.Problem().find("Skin.ini is damaged"), std::string::npos) << c.what;
        EXPECT_NE(layout.Problem().find(c.detail), std::string::npos) << layout.Problem();
        const std::vector<ButtonLayout> got = layout.Buttons();
        ASSERT_EQ(got.size(), expected.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].left, expected[i].left) << c.what << " " << got[i].name;
            EXPECT_EQ(got[i].top, expected[i].top) << c.what << " " << got[i].name;
            EXPECT_EQ(got[i].width, expected[i].width) << c.what << " " << got[i].name;
            EXPECT_EQ(got[i].visible, expected[i].visible) << c.what << " " << got[i].name;
        }
        EXPECT_EQ(layout.FillWidth("convert"), shipped.FillWidth("convert")) << c.what;
        EXPECT_EQ(layout.Path(), path) << c.what;
    }

    // A folder under the name cannot be read as one.
    QTemporaryDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.path() + "/Skin.ini"));
    LayoutFile folder;
    EXPECT_TRUE(folder.Load(dir.path().toStdString() + "/Skin.ini"));
    EXPECT_NE(folder.Problem().find("cannot be read"), std::string::npos) << folder.Problem();
    EXPECT_EQ(folder.Buttons()[0].left, expected[0].left);

    // Values that are not numbers are not damage: their defaults apply, without a message.
    const std::string path =
        WriteFile(dir, "plain.ini", "; ok\n\n[bt_dvdopen]\r\nLeft=abc\r\n" + kEssentials);
    LayoutFile plain;
    EXPECT_TRUE(plain.Load(path));
    EXPECT_EQ(plain.Problem(), "");
    EXPECT_EQ(plain.Buttons()[0].left, 6);
    // Nor is a file cut after the controls the window needs: the rest takes its defaults.
    LayoutFile shortened;
    EXPECT_TRUE(shortened.Load(WriteFile(dir, "short.ini", Cut("[Title]"))));
    EXPECT_EQ(shortened.Problem(), "");
    EXPECT_EQ(shortened.FillWidth("Play"), 263);
}
