#include "core/profilesettings.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "core/inifile.h"

using namespace vc;

namespace {

class RememberedSettings : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.path().toStdString() + "/" + ProfileSettingsFileName("VideoConverter.ini");
        Fill(a);
        Fill(b);
    }
    static void Fill(PlainFormatBoxes& p) {
        FormatBoxes f = p.boxes();
        InitFormatBoxes(f);
        for (const char* s :
             {"320x240", "640x480", "720x480(NTSC)", "The original width and height"})
            p.size.addItem(s);
        p.video.addItem("The Original Video Quliay");
        p.audio.addItem("The Original Audio Quliay");
    }
    std::string FileText() const {
        std::ifstream in(path);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    QTemporaryDir dir;
    std::string path;
    PlainFormatBoxes a, b;
};

}  // namespace

TEST(ProfileSettingsTables, NamesDefaultsAndAudioOnly) {
    EXPECT_EQ(ProfileSettingsFileName("iPodConverter.ini"), "pro iPodConverter.ini");
    struct Case {
        int id;
        int size;
    } sizes[] = {{1, 0},   {2, 4},   {4, 2},   {7, 1},   {8, 2},   {14, 1},  {27, 0}, {55, 2},
                 {66, 2},  {69, 1},  {77, 1},  {85, 1},  {89, 1},  {97, 2},  {99, 4}, {100, 4},
                 {108, 4}, {110, 2}, {112, 0}, {116, 0}, {123, 2}, {125, 4}, {131, 4}};
    for (const Case& c : sizes) EXPECT_EQ(DefaultSizeIndex(c.id), c.size) << c.id;
    for (int id : {15, 20, 25, 33, 40, 45, 59, 71, 80}) EXPECT_TRUE(IsAudioOnlyProfile(id)) << id;
    for (int id : {14, 26, 27, 60, 72, 81}) EXPECT_FALSE(IsAudioOnlyProfile(id)) << id;
    for (int id : {26, 52, 67, 74, 82, 90, 98, 101, 109, 117, 124, 132, 0, -1, 133})
        EXPECT_FALSE(HasRememberedSection(id)) << id;
    for (int id : {1, 2, 13, 25, 131}) EXPECT_TRUE(HasRememberedSection(id)) << id;
}

TEST_F(RememberedSettings, StoreAndLoadRoundTripThroughTheFile) {
    a.size.setCurrentIndex(3);
    a.video.setCurrentIndex(5);
    a.audio.setCurrentIndex(0);
    a.channel.setCurrentIndex(0);
    ASSERT_EQ(StoreRememberedSettings(path, 102, a.boxes()), "");
    const std::string text = FileText();
    EXPECT_NE(text.find("[102]"), std::string::npos) << text;
    EXPECT_NE(text.find("video bitrate=5"), std::string::npos) << text;

    FormatBoxes fb = b.boxes();
    ASSERT_EQ(LoadRememberedSettings(path, 102, fb), "");
    EXPECT_EQ(b.size.currentText(), "The original width and height");
    EXPECT_EQ(b.video.currentText(), "The Original Video Quliay");
    EXPECT_EQ(b.audio.currentText(), "Higher Quality");
    EXPECT_EQ(b.channel.currentText(), "Mono");

    // Another profile's section is separate; its boxes take the defaults.
    ASSERT_EQ(LoadRememberedSettings(path, 7, fb), "");
    EXPECT_EQ(b.size.currentIndex(), 1);
    EXPECT_EQ(b.video.currentIndex(), 2);
    EXPECT_EQ(b.audio.currentIndex(), 2);
    EXPECT_EQ(b.channel.currentText(), "Stereo");
}

TEST_F(RememberedSettings, AudioOnlyProfilesKeepOnlyAudioAndChannel) {
    a.size.setCurrentIndex(2);
    a.video.setCurrentIndex(0);
    a.audio.setCurrentIndex(4);
    ASSERT_EQ(StoreRememberedSettings(path, 71, a.boxes()), "");
    IniFile ini(path);
    EXPECT_TRUE(ini.HasKey("71", "audio bitrate"));
    EXPECT_TRUE(ini.HasKey("71", "Channel"));
    EXPECT_FALSE(ini.HasKey("71", "size"));
    EXPECT_FALSE(ini.HasKey("71", "video bitrate"));

    b.size.setCurrentIndex(1);
    b.video.setCurrentIndex(3);
    FormatBoxes fb = b.boxes();
    LoadRememberedSettings(path, 71, fb);
    EXPECT_EQ(b.size.currentIndex(), 1);  // untouched
    EXPECT_EQ(b.video.currentIndex(), 3);
    EXPECT_EQ(b.audio.currentIndex(), 4);
}

TEST_F(RememberedSettings, BlankSlotsHaveNoSection) {
    ASSERT_EQ(StoreRememberedSettings(path, 26, a.boxes()), "");
    EXPECT_FALSE(IniFile(path).HasSection("26"));
    b.size.setCurrentIndex(2);
    FormatBoxes fb = b.boxes();
    LoadRememberedSettings(path, 26, fb);
    EXPECT_EQ(b.size.currentIndex(), 2);
}

TEST_F(RememberedSettings, TypedSizeOutOfRangeAndJunkValues) {
    a.size.setEditText("400x300");  // typed: no entry
    a.video.setCurrentIndex(-1);
    ASSERT_EQ(StoreRememberedSettings(path, 1, a.boxes()), "");
    IniFile ini(path);
    EXPECT_EQ(ini.ReadInt("1", "size", 99), -1);
    EXPECT_EQ(ini.ReadInt("1", "video bitrate", 99), -1);

    {
        std::ofstream out(path);
        out << "[1]\nsize=-1\nvideo bitrate=17\naudio bitrate=abc\nChannel=\n";
    }
    b.size.setCurrentIndex(1);
    FormatBoxes fb = b.boxes();
    ASSERT_EQ(LoadRememberedSettings(path, 1, fb), "");
    // The typed size's text is not kept: the profile's default size, not an empty box that
    // every job would fail on.
    EXPECT_EQ(b.size.currentIndex(), DefaultSizeIndex(1));
    EXPECT_EQ(b.size.currentText(), b.size.itemText(DefaultSizeIndex(1)));
    EXPECT_EQ(b.video.currentIndex(), -1);  // beyond the list: no chosen entry
    EXPECT_EQ(b.audio.currentIndex(), 2);   // not a number: the default
    EXPECT_EQ(b.channel.currentIndex(), 1);
}

TEST_F(RememberedSettings, UnwritableFileIsReported) {
    const std::string folderAsFile = dir.path().toStdString();
    EXPECT_NE(StoreRememberedSettings(folderAsFile, 1, a.boxes()), "");
}
