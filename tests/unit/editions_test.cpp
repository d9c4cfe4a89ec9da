#include "core/editions.h"

#include <gtest/gtest.h>

using namespace vc;

TEST(Editions, PickerAndDefaultProfileFollowTheirOwnKeywordOrders) {
    struct Case {
        const char* exe;
        PickerKind kind;
        const char* panel;
        int defaultProfile;
    } cases[] = {
        {"VideoConverter", PickerKind::Full, "", 1},
        {"VideoConverter.exe", PickerKind::Full, "", 1},
        // "format" holds "rm": the rm edition.
        {"MediaFormatTool", PickerKind::ClosedOnly, "", 6},
        // Two keywords: the picker takes ipod, the default avi.
        {"iPodAviConverter", PickerKind::SinglePanel, "pl_ipod", 102},
        {"PSPVideoConverter", PickerKind::SinglePanel, "pl_psp", 53},
        {"iPhoneVideo", PickerKind::SinglePanel, "pl_iphone", 36},
        {"3GPConverter", PickerKind::SinglePanel, "pl_phone", 69},
        {"GPhoneVideo", PickerKind::SinglePanel, "pl_gphone", 41},
        {"MP3Converter", PickerKind::SinglePanel, "pl_audio1", 17},
        {"AudioExtractor", PickerKind::SinglePanel, "pl_audio1", 17},
        {"AviMaker", PickerKind::SubPanel, "pl_avi", 102},
        {"MpegMaker", PickerKind::SubPanel, "pl_mpeg", 110},
        {"Mp4Maker", PickerKind::SubPanel, "pl_mp4", 118},
        {"MkvMaker", PickerKind::SubPanel, "pl_mkv", 125},
        {"WMVMaker", PickerKind::ClosedOnly, "", 7},
        {"FLVMaker", PickerKind::ClosedOnly, "", 11},
        // psp comes before mp4 in both orders.
        {"PspMp4", PickerKind::SinglePanel, "pl_psp", 53},
        // Picker: ipod (1st) over mp3 (6th); default: mp3 (2nd) over ipod (9th).
        {"IpodMp3", PickerKind::SinglePanel, "pl_ipod", 17},
        // "iphone" holds no "ipod"; "gphone" holds no "iphone".
        {"GPhoneIPhone", PickerKind::SinglePanel, "pl_iphone", 36},
    };
    for (const Case& c : cases) {
        const PickerChoice p = PickerEdition(c.exe);
        EXPECT_EQ(p.kind, c.kind) << c.exe;
        EXPECT_EQ(p.panel, c.panel) << c.exe;
        EXPECT_EQ(DefaultProfileFor(c.exe), c.defaultProfile) << c.exe;
    }
}

TEST(Editions, BrandAndAudioEditionIgnoreCase) {
    EXPECT_TRUE(IsKavrin("KaVrInVideoConverter"));
    EXPECT_FALSE(IsKavrin("KavriVideoConverter"));
    EXPECT_EQ(EditionPanelLeft("KAVRIN iPod", 4), 88);
    EXPECT_EQ(EditionPanelLeft("iPod", 4), 4);
    EXPECT_TRUE(IsAudioEdition("Free AUDIO Converter"));
    EXPECT_TRUE(IsAudioEdition("mp3cutter"));
    EXPECT_FALSE(IsAudioEdition("VideoConverter"));
}
