#include "core/profilefile.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

using namespace vc;

TEST(ProfileTokens, SingleBlanksEmptyTokenAndShortLastToken) {
    struct Case {
        const char* line;
        std::vector<std::string> tokens;
    } cases[] = {
        {"320x240 640x480", {"320x240", "640x480"}},
        {"320x240", {"320x240"}},
        {"*", {}},
        {"", {}},
        {"ab", {"ab"}},
        {" 320x240 640x480", {}},                      // leading blank: empty first token
        {"320x240  640x480", {"320x240"}},             // two blanks end the list
        {"320x240 640x480 ", {"320x240", "640x480"}},  // trailing blank: empty last token
        {"320x240 x", {"320x240"}},                    // last token of one character
        {"1 2 3 45", {"1", "2", "3", "45"}},           // only the last token needs two characters
        {"720x480(NTSC) 720x576(PAL)", {"720x480(NTSC)", "720x576(PAL)"}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitProfileTokens(c.line), c.tokens) << c.line;
}

TEST(ProfileOffers, KeepSourceEntriesByNumberAndExactExtension) {
    struct Case {
        int id;
        const char* ext;
        size_t sizes;
        bool qualities, size;
    } cases[] = {
        {1, ".asf", 2, true, true},     {1, ".asf", 1, true, false},
        {4, ".mp4", 3, false, false},   {5, ".mp4", 3, false, false},
        {14, ".wmv", 3, true, true},    {15, ".aac", 2, false, false},
        {27, ".mp4", 2, false, false},  {102, ".avi", 5, true, true},
        {111, ".mpg", 5, true, true},   {112, ".mpg", 2, false, false},
        {114, ".vob", 2, false, false}, {115, ".mpeg", 3, true, false},
        {118, ".mp4", 7, false, false}, {123, ".MP4", 7, true, false},
        {131, ".mkv", 9, true, false},  {132, "", 0, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OffersKeepSourceQualities(c.id, c.ext), c.qualities) << c.id;
        EXPECT_EQ(OffersKeepSourceSize(c.id, c.ext, c.sizes), c.size) << c.id;
    }
}

namespace {

// A profile file in which every group N has the arguments "args N" and, unless set, sizes
// "320x240 640x480" and rates "100 200 300 400 500".
std::vector<std::string> FileWith(std::map<int, std::pair<std::string, std::string>> groups,
                                  int count = 132) {
    std::vector<std::string> lines;
    for (int n = 1; n <= count; ++n) {
        auto it = groups.find(n);
        lines.push_back("profile " + std::to_string(n));
        lines.push_back(it == groups.end() ? "320x240 640x480" : it->second.first);
        lines.push_back(it == groups.end() ? "100 200 300 400 500" : it->second.second);
        lines.push_back("args " + std::to_string(n));
    }
    return lines;
}

std::vector<std::string> Items(const ChoiceBox& b) {
    std::vector<std::string> v;
    for (int i = 0; i < b.count(); ++i) v.push_back(b.itemText(i));
    return v;
}

const std::vector<std::string> kFive = {"Higher Quality", "High Quality", "Normal", "Low Quality",
                                        "Lower Quality"};
std::vector<std::string> FivePlus(const char* special) {
    std::vector<std::string> v = kFive;
    v.push_back(special);
    return v;
}

class ProfileGroup : public ::testing::Test {
  protected:
    void SetUp() override { InitFormatBoxes(boxes); }
    GroupReadResult Select(int id, const std::vector<std::string>& lines) {
        SetSelectedProfile(state, id);
        return ApplyProfileGroup(lines, state, boxes);
    }
    PlainFormatBoxes plain;
    FormatBoxes boxes = plain.boxes();
    ProfileState state;
};

}  // namespace

TEST_F(ProfileGroup, GenericProfileGetsSizesKeepSourceEntriesRatesInReverseAndArguments) {
    const auto lines = FileWith({{102, {"320x240 720x480(NTSC) 640x480", "11 22 33 44 55"}}});
    const GroupReadResult r = Select(102, lines);
    EXPECT_TRUE(r.complete());
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(Items(plain.size), (std::vector<std::string>{"320x240", "720x480(NTSC)", "640x480",
                                                           "The original width and height"}));
    EXPECT_EQ(Items(plain.video), FivePlus("The Original Video Quliay"));
    EXPECT_EQ(Items(plain.audio), FivePlus("The Original Audio Quliay"));
    const std::string expected[5] = {"55", "44", "33", "22", "11"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(state.videoRates[i], expected[i]) << i;
    EXPECT_EQ(state.arguments, "args 102");
    EXPECT_EQ(state.extension, ".avi");
    for (ChoiceBox* b : {boxes.size, boxes.video, boxes.audio, boxes.channel})
        EXPECT_TRUE(b->isEnabled());
}

TEST_F(ProfileGroup, AudioOnlyProfileHasOnlyNoVideoAndTheNextVideoProfileDropsIt) {
    const auto lines = FileWith({{17, {"*", "*"}}});
    state.videoRates[1] = "keep";
    Select(17, lines);
    EXPECT_EQ(Items(plain.size), std::vector<std::string>{"No Video"});
    EXPECT_EQ(plain.size.currentText(), "No Video");
    EXPECT_EQ(Items(plain.video), FivePlus("No Video"));
    EXPECT_EQ(plain.video.currentIndex(), 5);
    EXPECT_EQ(Items(plain.audio), kFive);
    EXPECT_FALSE(plain.size.isEnabled());
    EXPECT_FALSE(plain.video.isEnabled());
    EXPECT_TRUE(plain.audio.isEnabled());
    EXPECT_EQ(state.videoRates[0], "*");
    EXPECT_EQ(state.videoRates[1], "keep");

    Select(27, lines);
    EXPECT_EQ(Items(plain.video), kFive);
    EXPECT_TRUE(plain.size.isEnabled());
    EXPECT_TRUE(plain.video.isEnabled());
    EXPECT_EQ(state.videoRates[0], "500");
}

TEST_F(ProfileGroup, SwitchingFromAsfThroughMp3ToIpodLeavesNoKeepSourceEntry) {
    const auto lines = FileWith({{17, {"*", "*"}}, {27, {"320x240", "1 2 3 4 5"}}});
    Select(1, lines);
    EXPECT_EQ(Items(plain.audio), FivePlus("The Original Audio Quliay"));
    Select(17, lines);
    Select(27, lines);
    EXPECT_EQ(Items(plain.video), kFive);
    EXPECT_EQ(Items(plain.audio), kFive);
    // One size only and no keep-source size for a device profile.
    EXPECT_EQ(Items(plain.size), std::vector<std::string>{"320x240"});
}

TEST_F(ProfileGroup, DiscProfilesOfferPalAndNtscAndDisableTheQualityBoxes) {
    const auto lines = FileWith({{112, {"352x288 352x240", "junk"}}});
    state.videoRates[0] = "before";
    Select(112, lines);
    EXPECT_EQ(Items(plain.size), (std::vector<std::string>{"PAL", "NTSC"}));
    EXPECT_TRUE(plain.size.isEnabled());
    EXPECT_FALSE(plain.video.isEnabled());
    EXPECT_FALSE(plain.audio.isEnabled());
    EXPECT_FALSE(plain.channel.isEnabled());
    EXPECT_EQ(state.videoRates[0], "before");  // the rate line is not read
    EXPECT_EQ(state.arguments, "args 112");
}

TEST_F(ProfileGroup, ExactCaseMp4Comparison) {
    const auto lines = FileWith({});
    Select(118, lines);  // ".mp4"
    EXPECT_EQ(Items(plain.video), kFive);
    EXPECT_EQ(plain.size.count(), 2);
    Select(123, lines);  // ".MP4" counts as another extension
    EXPECT_EQ(Items(plain.video), FivePlus("The Original Video Quliay"));
    EXPECT_EQ(plain.size.count(), 2);  // the size entry is only for 1..14 and 102..111
}

TEST_F(ProfileGroup, SizeLineStarWithRatesGivesNoVideoSizeButAVideoProfile) {
    const auto lines = FileWith({{27, {"*", "1 2 3 4 5"}}});
    Select(27, lines);
    EXPECT_EQ(Items(plain.size), std::vector<std::string>{"No Video"});
    EXPECT_EQ(plain.size.currentIndex(), 0);
    EXPECT_TRUE(plain.video.isEnabled());
    EXPECT_EQ(state.videoRates[4], "1");
}

TEST_F(ProfileGroup, ChosenQualityEntriesSurviveAGroupThatKeepsThem) {
    const auto lines = FileWith({});
    Select(102, lines);
    plain.video.setCurrentIndex(5);  // keep-source video
    plain.audio.setCurrentIndex(1);
    Select(103, lines);
    EXPECT_EQ(plain.video.currentText(), "The Original Video Quliay");
    EXPECT_EQ(plain.audio.currentIndex(), 1);
    Select(118, lines);  // no keep-source entries: the chosen one goes away
    EXPECT_EQ(plain.video.currentIndex(), -1);
    EXPECT_EQ(plain.audio.currentIndex(), 1);
}

TEST_F(ProfileGroup, ShortFileKeepsWhatItDoesNotReachAndSaysSo) {
    Select(102, FileWith({}));
    const auto before = Items(plain.size);
    state.arguments = "old";

    // The file ends after the size line of group 10.
    auto lines = FileWith({{10, {"176x144 352x288 704x576", "9 9 9 9 9"}}}, 10);
    lines.resize(4 * 10 - 2);
    GroupReadResult r = Select(10, lines);
    EXPECT_EQ(r.reach, GroupReadResult::Reach::Short);
    EXPECT_NE(r.error.find("profile 10"), std::string::npos) << r.error;
    EXPECT_EQ(plain.size.count(), 4);  // sizes read, plus the keep-source size
    EXPECT_EQ(state.videoRates[0], "500");
    EXPECT_EQ(state.arguments, "old");

    // A file that ends before the group changes nothing.
    Select(102, FileWith({}));
    r = Select(50, FileWith({}, 3));
    EXPECT_FALSE(r.complete());
    EXPECT_EQ(Items(plain.size), before);
    EXPECT_EQ(state.arguments, "args 102");
}

TEST_F(ProfileGroup, ReadingFromDiskHandlesCrLfAndAMissingFile) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/profiles.pop";
    {
        std::ofstream out(path, std::ios::binary);
        for (const std::string& l : FileWith({{2, {"320x240 640x480", "10 20 30 40 50"}}}, 2))
            out << l << "\r\n";
    }
    SetSelectedProfile(state, 2);
    GroupReadResult r = ReadProfileGroup(path, state, boxes);
    EXPECT_TRUE(r.complete()) << r.error;
    EXPECT_EQ(plain.size.itemText(1), "640x480");
    EXPECT_EQ(state.videoRates[0], "50");  // no "\r" left on the last token
    EXPECT_EQ(state.arguments, "args 2");

    SetSelectedProfile(state, 7);
    r = ReadProfileGroup(dir.path().toStdString() + "/missing.pop", state, boxes);
    EXPECT_EQ(r.reach, GroupReadResult::Reach::FileUnreadable);
    EXPECT_NE(r.error.find("missing.pop"), std::string::npos);
    EXPECT_EQ(state.arguments, "args 2");
    EXPECT_EQ(plain.size.count(), 3);

    r = ReadProfileGroup(dir.path().toStdString(), state, boxes);  // a folder
    EXPECT_EQ(r.reach, GroupReadResult::Reach::FileUnreadable);
    EXPECT_EQ(state.arguments, "args 2");
}

TEST(SelectedProfile, BlankSlotKeepsTheNameAndExtension) {
    ProfileState s;
    SetSelectedProfile(s, 123);
    EXPECT_EQ(s.extension, ".MP4");
    SetSelectedProfile(s, 124);
    EXPECT_EQ(s.profileId, 124);
    EXPECT_EQ(s.displayName, "MP4 - H.264 Video Excellent(*.MP4)");
    EXPECT_EQ(s.extension, ".MP4");
}
