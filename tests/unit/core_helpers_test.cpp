#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <optional>
#include <vector>

#include "core/appinfo.h"
#include "core/cmdline.h"
#include "core/displayplatform.h"
#include "core/inifile.h"
#include "core/numeric.h"
#include "core/timeutil.h"

using namespace vc;

TEST(TimeHelpers, SecondsToHms) {
    struct Case {
        int32_t s;
        const char* text;
    } cases[] = {{0, "00:00:00"},        {100, "00:01:40"},     {3599, "00:59:59"},
                 {3600, "01:00:00"},     {360000, "100:00:00"}, {-5, "00:00:-05"},
                 {-3725, "-01:-02:-05"}, {59, "00:00:59"}};
    for (const auto& c : cases) EXPECT_EQ(SecondsToHms(c.s), c.text) << c.s;
}

TEST(TimeHelpers, HmsToSeconds) {
    struct Case {
        const char* text;
        int32_t s;
    } cases[] = {{"00:01:40", 100}, {"01:00:00", 3600},
                 {"00:00:00", 0},   {"100:00:00", 0},
                 {"N/A", 0},        {"", 0},
                 {"aa:00:00", 0},   {"12:34:56.78", 45296},
                 {"00:01", 0},      {"99:59:59", 359999}};
    for (const auto& c : cases) EXPECT_EQ(HmsToSeconds(c.text), c.s) << c.text;
}

TEST(TimeHelpers, RoundTripOfDurations) {
    for (int32_t s : {0, 1, 61, 3661, 86399, 359999}) EXPECT_EQ(HmsToSeconds(SecondsToHms(s)), s);
}

TEST(NumberHelpers, MulDivRoundsHalfAwayFromZero) {
    struct Case {
        int32_t a, b, d, r;
    } cases[] = {{12, 10000, 100, 1200},
                 {1, 1, 2, 1},
                 {-1, 1, 2, -1},
                 {3, 1, 2, 2},
                 {5000, 263, 10000, 132},
                 {1, 1, 3, 0},
                 {2, 1, 3, 1},
                 {2000000000, 3, 4, 1500000000},
                 {7, 5, 0, -1},
                 {-5000, 263, 10000, -132}};
    for (const auto& c : cases)
        EXPECT_EQ(MulDiv(c.a, c.b, c.d), c.r) << c.a << "*" << c.b << "/" << c.d;
}

TEST(NumberHelpers, RoundingModes) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(799.2), 799);
    EXPECT_EQ(RoundHalfAway(2.5), 3);
    EXPECT_EQ(RoundHalfAway(-2.5), -3);
}

TEST(CommandLine, QuoteIfBlankQuotesOnlyWhenNeeded) {
    EXPECT_EQ(QuoteIfBlank("/usr/bin/register.dat"), "/usr/bin/register.dat");
    EXPECT_EQ(QuoteIfBlank("/my videos/a.avi"), "\"/my videos/a.avi\"");
    EXPECT_EQ(QuoteIfBlank("a\"b"), "\"a\\\"b\"");
    EXPECT_EQ(QuoteIfBlank("dir with\\"), "\"dir with\\\\\"");
}

TEST(CommandLine, SplitFollowsWindowsRules) {
    struct Case {
        const char* line;
        std::vector<std::string> args;
    } cases[] = {
        {"a b  c", {"a", "b", "c"}},
        {"\"a b\" c", {"a b", "c"}},
        {"a\\\\\\\"b", {"a\\\"b"}},    // 3 backslashes + quote: one backslash, literal quote
        {"a\\\\\"b c\"", {"a\\b c"}},  // 2 backslashes + quote: one backslash, quote opens
        {"a\\b", {"a\\b"}},            // backslashes before other characters are literal
        {"\"\"", {""}},                // an empty quoted argument
        {"\"a\"\"b\"", {"a\"b"}},      // doubled quote inside quotes
        {"  -vormek\t-y ", {"-vormek", "-y"}},
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.args) << c.line;
}

TEST(CommandLine, QuotedArgumentsComeBackUnchanged) {
    const std::vector<std::string> names = {"plain.avi",
                                            "with blank.avi",
                                            "double\"quote.avi",
                                            "back\\slash\\",
                                            "trail\\\\ \\",
                                            "-leading-dash.mp4",
                                            "$(rm -rf ~).avi",
                                            "`id`.mkv",
                                            "semi;colon&amp.mp3",
                                            "Ünïcödé 名前 файл.wmv",
                                            "tab\there",
                                            " lead and trail ",
                                            "\\\"",
                                            "\"",
                                            "a\\\\\"b c"};
    std::string line = "enc";
    for (const auto& n : names) line += " " + QuoteIfBlank(n);
    auto args = SplitCommandLine(line);
    ASSERT_EQ(args.size(), names.size() + 1);
    for (size_t i = 0; i < names.size(); ++i) EXPECT_EQ(args[i + 1], names[i]);
}

TEST(IniFile, ReadsCaseInsensitiveHexAndBlanks) {
    IniFile ini;
    ASSERT_TRUE(ini.LoadFromText(
        "[Profiles]\nSelcetIndex=3\n[plane]\nvideo=0\naudio=7\n[bt_set]\nLeft=0x20\nTop=$1F\n"
        "Width=yes\nHeight=\n[102]\nvideo bitrate=4\n"));
    EXPECT_EQ(ini.ReadInt("profiles", "selcetindex", 1), 3);
    EXPECT_FALSE(ini.ReadBool("PLANE", "Video", true));
    EXPECT_TRUE(ini.ReadBool("plane", "audio", false));
    EXPECT_EQ(ini.ReadInt("BT_SET", "left", 6), 32);
    EXPECT_EQ(ini.ReadInt("bt_set", "top", 6), 31);
    EXPECT_EQ(ini.ReadInt("bt_set", "width", 6), 6);
    EXPECT_EQ(ini.ReadInt("bt_set", "height", 6), 6);
    EXPECT_EQ(ini.ReadInt("bt_set", "missing", 6), 6);
    EXPECT_EQ(ini.ReadInt("102", "Video Bitrate", 2), 4);
}

TEST(IniFile, WritesAndReadsBackThroughAFile) {
    QTemporaryDir dir;
    std::string path = dir.path().toStdString() + "/sub/pro Video Converter.ini";
    {
        IniFile ini(path);
        ini.WriteInt("27", "video bitrate", 3);
        ini.WriteString("output", "path", "/home/u/My Videos/");
        ini.WriteBool("plane", "video", false);
        ASSERT_TRUE(ini.Save());
    }
    std::ifstream f(path);
    std::string text((std::istreambuf_iterator<char>(f)), {});
    EXPECT_NE(text.find("video bitrate=3"), std::string::npos) << text;
    IniFile back(path);
    EXPECT_EQ(back.ReadInt("27", "VIDEO BITRATE", 2), 3);
    EXPECT_EQ(back.ReadString("output", "path"), "/home/u/My Videos/");
    EXPECT_FALSE(back.ReadBool("plane", "video", true));
}

namespace {
std::string ReadAll(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), {});
}
}  // namespace

// A save that cannot complete leaves the old settings whole. The full disk and the read-only
// file system need a small file system of the test's own (mounting needs root); a folder
// without write access needs a user other than root. A case that cannot be set up here is
// reported as skipped.
class FailedSave : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    }
    void TearDown() override {
        ::chmod(folder.c_str(), 0755);
        if (mounted) ::umount2(folder.c_str(), MNT_DETACH);
    }
    bool MountSmallFileSystem() {
        mounted = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=16k") == 0;
        return mounted;
    }
    void SaveOld() {
        IniFile old(path);
        old.WriteInt("profiles", "SelcetIndex", 17);
        ASSERT_TRUE(old.Save());
        before = ReadAll(path);
        ASSERT_FALSE(before.empty());
    }
    void ExpectSaveFailsAndTheOldFileStays() {
        IniFile changed(path);
        for (int i = 0; i < 500; ++i)
            changed.WriteString("profile " + std::to_string(i), "size", "640x480");
        EXPECT_FALSE(changed.Save());
        EXPECT_EQ(ReadAll(path), before);
        EXPECT_EQ(IniFile(path).ReadInt("profiles", "SelcetIndex", 1), 17);
    }

    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/settings";
    const std::string path = folder + "/VideoConverter.ini";
    std::string before;
    bool mounted = false;
};

TEST_F(FailedSave, FullDiskKeepsTheOldFile) {
    if (!MountSmallFileSystem()) GTEST_SKIP() << "a small tmpfs cannot be mounted here";
    ASSERT_NO_FATAL_FAILURE(SaveOld());
    std::ofstream filler(folder + "/filler", std::ios::binary);
    const std::string block(1024, 'x');
    for (int i = 0; i < 64 && filler.write(block.data(), block.size()); ++i) filler.flush();
    ExpectSaveFailsAndTheOldFileStays();
}

TEST_F(FailedSave, ReadOnlyFileSystemKeepsTheOldFile) {
    if (!MountSmallFileSystem()) GTEST_SKIP() << "a small tmpfs cannot be mounted here";
    ASSERT_NO_FATAL_FAILURE(SaveOld());
    ASSERT_EQ(::mount("tmpfs", folder.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr), 0);
    ExpectSaveFailsAndTheOldFileStays();
}

TEST_F(FailedSave, FolderWithoutWriteAccessKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into any folder";
    ASSERT_NO_FATAL_FAILURE(SaveOld());
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    ExpectSaveFailsAndTheOldFileStays();
}

TEST(AppInfo, ProductNameDropsExeOnly) {
    EXPECT_EQ(ProductNameOf("Sample.exe"), "Sample");
    EXPECT_EQ(ProductNameOf("VideoConverter"), "VideoConverter");
    EXPECT_EQ(ProductNameOf("My App 2.5"), "My App 2.5");
    EXPECT_EQ(ProductNameOf("iPod.EXE"), "iPod");
}

TEST(AppInfo, ConfigDirectoryFollowsXdg) {
    qputenv("XDG_CONFIG_HOME", "/tmp/xdgtest");
    EXPECT_EQ(ConfigDirectory("VideoConverter"), "/tmp/xdgtest/VideoConverter/");
}

// In a Wayland session with an X server beside it the program runs through X11, so that the
// preview can draw; the user's own choice and sessions without X stay as they are.
TEST(DisplayPlatform, WaylandSessionsRunThroughXWaylandUnlessChosen) {
    const struct {
        const char* what;
        DisplayEnvironment env;
        std::optional<std::string> platform;
    } cases[] = {
        {"X11 session", {"", "x11", ":0", ""}, std::nullopt},
        {"Wayland session", {"wayland-0", "wayland", ":0", ""}, "xcb"},
        {"Wayland by session type only", {"", "wayland", ":1", ""}, "xcb"},
        {"platform chosen", {"wayland-0", "wayland", ":0", "wayland"}, std::nullopt},
        {"offscreen", {"", "", "", "offscreen"}, std::nullopt},
        {"Wayland without an X server", {"wayland-0", "wayland", "", ""}, std::nullopt},
        {"no session at all", {"", "", "", ""}, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(DisplayPlatformFor(c.env), c.platform) << c.what;

    // The same through this process's environment, put back afterwards.
    const char* names[] = {"WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "DISPLAY", "QT_QPA_PLATFORM"};
    std::vector<std::optional<QByteArray>> saved;
    for (const char* n : names)
        saved.push_back(qEnvironmentVariableIsSet(n) ? std::optional(qgetenv(n)) : std::nullopt);
    qputenv("WAYLAND_DISPLAY", "wayland-9");
    qputenv("DISPLAY", ":9");
    qunsetenv("QT_QPA_PLATFORM");
    ChooseDisplayPlatform();
    EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), "xcb");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ChooseDisplayPlatform();
    EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), "offscreen");
    for (std::size_t i = 0; i < saved.size(); ++i) {
        if (saved[i])
            qputenv(names[i], *saved[i]);
        else
            qunsetenv(names[i]);
    }
}
