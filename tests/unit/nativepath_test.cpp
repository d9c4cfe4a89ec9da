// File names as bytes through text and back.
#include "core/nativepath.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace {

bool IsValidUtf8(const std::string& text) {
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return s.toUtf8().toStdString() == text && !s.contains(QChar::ReplacementCharacter);
}

std::string Hex(const std::string& bytes) {
    return QByteArray::fromStdString(bytes).toHex(' ').toStdString();
}

TEST(NativePath, EveryByteStringComesBackExactly) {
    const struct {
        std::string bytes;
        bool utf8;  // valid UTF-8: the text is the name itself
    } cases[] = {
        {"/home/u/Videos/clip 1.mp4", true},
        {"ünïcødé 名前 файл 🎬.mkv", true},
        {"caf\xff.mp4", false},  // Latin-1 bytes
        {"\xe9t\xe9 \xe0 la plage.avi", false},
        {"\xc0\xaf", false},                        // overlong "/"
        {"\xed\xa0\x80", false},                    // a surrogate
        {"cut \xe2\x82", false},                    // a sequence cut short
        {"\x80\xbf", false},                        // stray continuation bytes
        {"\xf4\x90\x80\x80", false},                // beyond U+10FFFF
        {"\xf4\x8f\xbe\x80 real stand-in", false},  // a name that holds a stand-in itself
        {"\xf4\x8f\xbf\xbf", false},
        {"\xf4\x8f\xbd\xbf keeps", true},  // U+10FF7F is no stand-in
    };
    for (const auto& c : cases) {
        const std::string text = vc::PathTextFromBytes(c.bytes);
        EXPECT_TRUE(IsValidUtf8(text)) << Hex(c.bytes);
        EXPECT_EQ(text == c.bytes, c.utf8) << Hex(c.bytes);
        EXPECT_EQ(vc::PathBytesFromText(text), c.bytes) << Hex(c.bytes);
        EXPECT_EQ(vc::PathFromQString(vc::PathToQString(c.bytes)), c.bytes) << Hex(c.bytes);
    }
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(vc::PathBytesFromText(vc::PathTextFromBytes(all)), all);
}

TEST(NativePath, FolderListingKeepsNamesQtLeavesOut) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    const std::vector<std::string> raw = {"b.mp4", "caf\xff.mp4", "a \xe9t\xe9.avi", "名前.mkv"};
    for (const auto& name : raw) {
        const int fd = ::open((folder + "/" + name).c_str(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        ::close(fd);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "Qt skips the other two";
    const std::vector<std::string> names = vc::ListFolderNames(folder);
    std::vector<std::string> back;
    for (const auto& n : names) back.push_back(vc::PathBytesFromText(n));
    EXPECT_EQ(back,
              (std::vector<std::string>{"a \xe9t\xe9.avi", "b.mp4", "caf\xff.mp4", "名前.mkv"}));
    for (const auto& name : raw) ::unlink((folder + "/" + name).c_str());
    EXPECT_TRUE(vc::ListFolderNames(folder + "/missing").empty());
}

}  // namespace
