#include "core/siblings.h"

#include <gtest/gtest.h>

#include <set>

using namespace vc;

TEST(Siblings, ParentFolderDropsTheLastFolderName) {
    const struct {
        const char* dir;
        const char* parent;
    } cases[] = {
        {"/opt/suite/tool/", "/opt/suite/"},
        {"/opt/suite/tool", "/opt/suite/"},  // final "/" assumed
        {"/tool/", "/"},
        {"/", ""},  // the root: siblings are looked for in the current directory
        {"tool/", ""},
        {"a/b/", "a/"},
        {"", ""},
        {"/with space/Video Converter/", "/with space/"},
    };
    for (const auto& c : cases) EXPECT_EQ(ParentFolder(c.dir), c.parent) << c.dir;
}

TEST(Siblings, FifteenDistinctNames) {
    const auto& names = SiblingPrograms();
    ASSERT_EQ(names.size(), 15u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 15u);
    for (const auto& n : names) {
        EXPECT_FALSE(n.empty());
        EXPECT_NE(n.front(), '/') << n;  // relative to the parent folder
    }
}

TEST(Siblings, OnlyThosePresentInListOrder) {
    const auto& names = SiblingPrograms();
    const std::string parent = "/opt/suite/";
    // Present: the 12th, the 2nd and the 7th; asked in a different order than listed.
    const std::set<std::string> present = {parent + names[11], parent + names[1], parent + names[6],
                                           "/opt/suite/tool/" + names[0]};
    std::vector<std::string> asked;
    const auto found = SiblingsToLaunch("/opt/suite/tool/", [&](const std::string& p) {
        asked.push_back(p);
        return present.count(p) != 0;
    });
    EXPECT_EQ(found,
              (std::vector<std::string>{parent + names[1], parent + names[6], parent + names[11]}));
    EXPECT_EQ(asked.size(), 15u);  // every sibling is looked for
}

TEST(Siblings, RootLooksInTheCurrentDirectory) {
    const auto found = SiblingsToLaunch("/", [](const std::string& p) { return p.front() != '/'; });
    EXPECT_EQ(found, SiblingPrograms());
    EXPECT_TRUE(SiblingsToLaunch("/opt/x/", nullptr).empty());
}
