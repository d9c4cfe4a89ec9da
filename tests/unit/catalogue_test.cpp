#include "core/catalogue.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "core/profilefile.h"
#include "core/profilesettings.h"

using namespace vc;

// The shipped profile file matches the catalogue: a group for every number, audio-only
// groups exactly for the audio-only profiles, and enough sizes for each default size.
TEST(ShippedProfileFile, FitsTheCatalogue) {
    std::vector<std::string> lines;
    std::string error;
    ASSERT_TRUE(ReadTextLines(std::string(VC_SOURCE_DIR) + "/data/profiles.pop", lines, error))
        << error;
    ASSERT_EQ(lines.size(), 4u * kProfileCount);
    for (int id = 1; id <= kProfileCount; ++id) {
        const std::string& sizes = lines[4 * id - 3];
        const std::string& rates = lines[4 * id - 2];
        const std::string& args = lines[4 * id - 1];
        if (!HasRememberedSection(id)) continue;  // blank slot
        SCOPED_TRACE("profile " + std::to_string(id));
        const std::vector<std::string> sizeTokens = SplitProfileTokens(sizes);
        const std::vector<std::string> rateTokens = SplitProfileTokens(rates);
        if (IsAudioOnlyProfile(id)) {
            EXPECT_EQ(sizes, "*");
            EXPECT_EQ(rates, "*");
            EXPECT_NE(args.find("-vn"), std::string::npos);
            continue;
        }
        EXPECT_EQ(rateTokens.size(), 5u);
        for (const std::string& r : rateTokens)
            EXPECT_EQ(r.find_first_not_of("0123456789"), std::string::npos) << r;
        if (!IsDiscProfile(id)) {
            EXPECT_GT(static_cast<int>(sizeTokens.size()), DefaultSizeIndex(id));
            for (const std::string& s : sizeTokens) EXPECT_NE(s.find('x'), std::string::npos);
        }
        EXPECT_EQ(args.find("-vn"), std::string::npos);
        EXPECT_FALSE(args.empty());
        // The extension alone does not name every container: each group says its format.
        EXPECT_NE(args.find("-f "), std::string::npos);
    }
}

TEST(Catalogue, ExtensionsKeepTheirCase) {
    struct Case {
        int id;
        const char* ext;
    } cases[] = {{1, ".asf"},   {53, ".MP4"}, {123, ".MP4"}, {122, ".mp4"},
                 {22, ".aiff"}, {71, ".amr"}, {114, ".vob"}, {116, ".ts"}};
    for (const Case& c : cases)
        EXPECT_EQ(ProfileExtensionOf(CatalogueEntry(c.id)->displayName), c.ext) << c.id;
}
