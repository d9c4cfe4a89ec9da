#include "core/catalogue.h"

#include <QtGlobal>
#include <algorithm>

namespace vc {

namespace {
const ProfileEntry kCatalogue[kProfileCount] = {
    {1, "pl_video1", "ASF-Advanced Streaming Format(*.asf)", ButtonKind::Select, ""},
    {2, "pl_video1", "AVI-DivX Movie(*.avi)", ButtonKind::SubPanel, "pl_avi"},
    {3, "pl_video1", "AVI-XviD Movie(*.avi)", ButtonKind::SubPanel, "pl_mpeg"},
    {4, "pl_video1", "MP4-MPEG-4 Video(*.mp4)", ButtonKind::SubPanel, "pl_mp4"},
    {5, "pl_video1", "MP4-MPEG-4 AVC Video(*.mp4)", ButtonKind::SubPanel, "pl_mkv"},
    {6, "pl_video1", "RM-Real Video(*.rm)", ButtonKind::Select, ""},
    {7, "pl_video1", "WMV-Windows Media Video(*.wmv)", ButtonKind::Select, ""},
    {8, "pl_video2", "3GPP-3rd Generation Partnership Project(*.3gp)", ButtonKind::Select, ""},
    {9, "pl_video2", "3GPP2-3rd Generation Partnership Project2(*.3g2)", ButtonKind::Select, ""},
    {10, "pl_video2", "MOV-Quick Time(*.mov)", ButtonKind::Select, ""},
    {11, "pl_video2", "FLV - Flash Video Format(*.flv)", ButtonKind::Select, ""},
    {12, "pl_video2", "SWF - SWF Format(*.swf)", ButtonKind::Select, ""},
    {13, "pl_video2", "RM-Real Video(*.rm)", ButtonKind::Picture, ""},
    {14, "pl_video2", "WMV-Windows Media Video(*.wmv)", ButtonKind::Picture, ""},
    {15, "pl_audio1", "AAC-Advanced Audio Coding(*.aac)", ButtonKind::Select, ""},
    {16, "pl_audio1", "AC3-Dolby Dingtal AC-3(*.ac3)", ButtonKind::Select, ""},
    {17, "pl_audio1", "MP3-MPEG Layer-3Audio(*.mp3)", ButtonKind::Select, ""},
    {18, "pl_audio1", "OGG-Ogg Vorbis Audio(*.ogg)", ButtonKind::Select, ""},
    {19, "pl_audio1", "RA-Real Auido(*.ra)", ButtonKind::Select, ""},
    {20, "pl_audio1", "WAV-Waveform Auido(*.wav)", ButtonKind::Select, ""},
    {21, "pl_audio1", "WMA-Windows Media Audio(*.wma)", ButtonKind::Select, ""},
    {22, "pl_audio2", "AIFF-Audio Interchange File Format(*.aiff)", ButtonKind::Select, ""},
    {23, "pl_audio2", "M4A-MPEG-4 Auido(*.m4a)", ButtonKind::Select, ""},
    {24, "pl_audio2", "MP2-MPEG Layer-2 Audio(*.mp2)", ButtonKind::Select, ""},
    {25, "pl_audio2", "SUN AU Format(*.au)", ButtonKind::Select, ""},
    {26, "pl_audio2", "", ButtonKind::BlankClick, ""},
    {27, "pl_ipod", "iPod(320×240)MPEG-4 Codec(*.mp4)", ButtonKind::Select, ""},
    {28, "pl_ipod", "iPod(320×240)MPEG-4 AVC Codec(*.mp4)", ButtonKind::Select, ""},
    {29, "pl_ipod", "iPod(480×320)MPEG-4 Codec(*.mp4)", ButtonKind::Select, ""},
    {30, "pl_ipod", "iPod(480×320)MPEG-4 AVC Codec(*.mp4)", ButtonKind::Select, ""},
    {31, "pl_ipod", "iPod(640×480)MPEG-4 Codec(*.mp4)", ButtonKind::Select, ""},
    {32, "pl_ipod", "iPod(640×480)MPEG-4 AVC Codec(*.mp4)", ButtonKind::Select, ""},
    {33, "pl_ipod", "iPod Audio Format(*.mp3)", ButtonKind::Select, ""},
    {34, "pl_iphone", "iPhone(320×240)MPEG-4 Codec(*.mp4)", ButtonKind::Select, ""},
    {35, "pl_iphone", "iPhone(320×240)MPEG-4 AVC Codec(*.mp4)", ButtonKind::Select, ""},
    {36, "pl_iphone", "iPhone(480×320)MPEG-4 Codec(*.mp4)", ButtonKind::Select, ""},
    {37, "pl_iphone", "iPhone(480×320)MPEG-4 AVC Codec(*.mp4)", ButtonKind::Select, ""},
    {38, "pl_iphone", "iPhone(640×480)MPEG-4 Codec(*.mp4)", ButtonKind::Select, ""},
    {39, "pl_iphone", "iPhone(640×480)MPEG-4 AVC Codec(*.mp4)", ButtonKind::Select, ""},
    {40, "pl_iphone", "iPhone Audio Format(*.mp3)", ButtonKind::Select, ""},
    {41, "pl_gphone", "GPhone(320×240)MPEG-4 Codec(*.mp4)", ButtonKind::Select, ""},
    {42, "pl_gphone", "GPhone(320×240)H.264 Codec(*.mp4)", ButtonKind::Select, ""},
    {43, "pl_gphone", "GPhone(640×480)MPEG-4 Codec(*.mp4)", ButtonKind::Select, ""},
    {44, "pl_gphone", "GPhone(640×480)H.264 Codec(*.mp4)", ButtonKind::Select, ""},
    {45, "pl_gphone", "GPhone Audio Format(*.mp3)", ButtonKind::Select, ""},
    {46, "pl_appletv", "Apple TV MPEG-4 480P(640×480)(*.mp4)", ButtonKind::Select, ""},
    {47, "pl_appletv", "Apple TV MPEG-4 720P(1280×720)(*.mp4)", ButtonKind::Select, ""},
    {48, "pl_appletv", "Apple TV MPEG-4 (320×240)(*.mp4)", ButtonKind::Select, ""},
    {49, "pl_appletv", "Apple TV h264 480P(640×480)(*.mp4)", ButtonKind::Select, ""},
    {50, "pl_appletv", "Apple TV h264 720P(1280×720)(*.mp4)", ButtonKind::Select, ""},
    {51, "pl_appletv", "Apple TV h264(320×240)(*.mp4)", ButtonKind::Select, ""},
    {52, "pl_appletv", "", ButtonKind::BlankClick, ""},
    {53, "pl_psp", "PS3 Video(1080P)MPEG-4(*.MP4)", ButtonKind::Select, ""},
    {54, "pl_psp", "PS3 Video(720P)MPEG-4(*.MP4)", ButtonKind::Select, ""},
    {55, "pl_psp", "PS3 Video(480P)MPEG-4(*.MP4)", ButtonKind::Select, ""},
    {56, "pl_psp", "PSP-PSP MPEG-4 Video(*.mp4)", ButtonKind::Select, ""},
    {57, "pl_psp", "PSP AVC Video Format(*.mp4)", ButtonKind::Select, ""},
    {58, "pl_psp", "PSP Video(480P)MPEG-4(*.mp4)", ButtonKind::Select, ""},
    {59, "pl_psp", "PSP Audio Format(*.mp3)", ButtonKind::Select, ""},
    {60, "pl_xbox", "Xbox360 WMV Movie(*.wmv)", ButtonKind::Select, ""},
    {61, "pl_xbox", "Xbox360 WMV HDTV Video(*.wmv)", ButtonKind::Select, ""},
    {62, "pl_xbox", "Xbox360 MPEG-4 AVC Video(*.mp4)", ButtonKind::Select, ""},
    {63, "pl_xbox", "Xbox360 HD MPEG-4 AVC Video(*.mp4)", ButtonKind::Select, ""},
    {64, "pl_xbox", "Xbox360 MPEG4 Video(*.mp4)", ButtonKind::Select, ""},
    {65, "pl_xbox", "Xbox360 HD MPEG-4 Video(*.mp4)", ButtonKind::Select, ""},
    {66, "pl_xbox", "Xbox360 MCE HD MPEG2 Video(*.mpeg)", ButtonKind::Select, ""},
    {67, "pl_xbox", "", ButtonKind::BlankClick, ""},
    {68, "pl_phone", "3GPP-3rd Generation Partnership Project(*.3gp)", ButtonKind::Select, ""},
    {69, "pl_phone", "3GPP2-3rd Generation Partnership Project2(*.3g2)", ButtonKind::Select, ""},
    {70, "pl_phone", "BlackBerry 3GP Video(*.3gp)", ButtonKind::Select, ""},
    {71, "pl_phone", "BlackBerry AMR Audio(*.amr)", ButtonKind::Select, ""},
    {72, "pl_phone", "BlackBerry AVI Audio(*.avi)", ButtonKind::Select, ""},
    {73, "pl_phone", "BlackBerry MPEG-4 Video(*.mp4)", ButtonKind::Select, ""},
    {74, "pl_phone", "", ButtonKind::BlankClick, ""},
    {75, "pl_win", "Dell Axim X51 Video(*.wmv)", ButtonKind::Select, ""},
    {76, "pl_win", "General Pocket PC Video(*.wmv)", ButtonKind::Select, ""},
    {77, "pl_win", "HP iPAQ hw6500 series Video(*.wmv)", ButtonKind::Select, ""},
    {78, "pl_win", "HP iPAQ hx2000/rx3000/rx1900 series Video(*.wmv)", ButtonKind::Select, ""},
    {79, "pl_win", "HP iPAQ hx4700 series Video(*.wmv)", ButtonKind::Select, ""},
    {80, "pl_win", "WMA-Windows Media Audio(*.wma)", ButtonKind::Select, ""},
    {81, "pl_win", "WMV-Windows Media Video(*.wmv)", ButtonKind::Select, ""},
    {82, "pl_win", "", ButtonKind::BlankClick, ""},
    {83, "pl_pmp", "Archos AV500/GMini402 Video(*.avi)", ButtonKind::Select, ""},
    {84, "pl_pmp", "Archos AV700 Video(*.avi)", ButtonKind::Select, ""},
    {85, "pl_pmp", "Creative Zen Vision Video(*.avi)", ButtonKind::Select, ""},
    {86, "pl_pmp", "Zune MPEG-4 AVC Video Format(*.mp4)", ButtonKind::Select, ""},
    {87, "pl_pmp", "Zune MPEG-4 Video(*.mp4)", ButtonKind::Select, ""},
    {88, "pl_pmp", "Zune WMV-Windows Media Video(*.wmv)", ButtonKind::Select, ""},
    {89, "pl_pmp", "iRiver PMP-100 Video(*.avi)", ButtonKind::Select, ""},
    {90, "pl_pmp", "", ButtonKind::BlankClick, ""},
    {91, "pl_hd", "HD AVI Video(*.avi)", ButtonKind::Select, ""},
    {92, "pl_hd", "HD MPEG-4 Video(*.mp4)", ButtonKind::Select, ""},
    {93, "pl_hd", "HD MPEG-4 AVC Video(*.mp4)", ButtonKind::Select, ""},
    {94, "pl_hd", "HD MOV Video(*.mov)", ButtonKind::Select, ""},
    {95, "pl_hd", "HD MPEG-2 TS Video(*.ts)", ButtonKind::Select, ""},
    {96, "pl_hd", "HD MPEG2 Video(*.mpg)", ButtonKind::Select, ""},
    {97, "pl_hd", "HD WMV Video(*.wmv)", ButtonKind::Select, ""},
    {98, "pl_hd", "", ButtonKind::Blank, ""},
    {99, "pl_animation", "FLV - Flash Video Format(*.flv)", ButtonKind::Select, ""},
    {100, "pl_animation", "SWF - SWF Format(*.swf)", ButtonKind::Select, ""},
    {101, "pl_animation", "", ButtonKind::Blank, ""},
    {102, "pl_avi", "AVI - H264 Movie(*.avi)", ButtonKind::Select, ""},
    {103, "pl_avi", "AVI - DivX Movie(*.avi)", ButtonKind::Select, ""},
    {104, "pl_avi", "AVI - XviD Movie(*.avi)", ButtonKind::Select, ""},
    {105, "pl_avi", "AVI - MPEG-4 Movie(*.avi)", ButtonKind::Select, ""},
    {106, "pl_avi", "AVI - MSMPEG4 Movie(*.avi)", ButtonKind::Select, ""},
    {107, "pl_avi", "AVI - MPEG Movie(*.avi)", ButtonKind::Select, ""},
    {108, "pl_avi", "AVI - WMV Movie(*.avi)", ButtonKind::Select, ""},
    {109, "pl_avi", "", ButtonKind::Blank, ""},
    {110, "pl_mpeg", "MPEG-1 Movie(*.mpg)", ButtonKind::Select, ""},
    {111, "pl_mpeg", "MPEG-2 Movie(*.mpg)", ButtonKind::Select, ""},
    {112, "pl_mpeg", "Video CD - MPEG PS Format(*.mpg)", ButtonKind::Select, ""},
    {113, "pl_mpeg", "Super Video CD - MPEG2 PS Format(*.mpg)", ButtonKind::Select, ""},
    {114, "pl_mpeg", "DVD - MPEG2 PS Format(*.vob)", ButtonKind::Select, ""},
    {115, "pl_mpeg", "HD MPEG-2 Video(*.mpeg)", ButtonKind::Select, ""},
    {116, "pl_mpeg", "HD MPEG-2 TS Video(*.ts)", ButtonKind::Select, ""},
    {117, "pl_mpeg", "", ButtonKind::Blank, ""},
    {118, "pl_mp4", "MP4 - MPEG4 Video Mini(*.mp4)", ButtonKind::Select, ""},
    {119, "pl_mp4", "MP4 - MPEG4 Video Normal(*.mp4)", ButtonKind::Select, ""},
    {120, "pl_mp4", "MP4 - MPEG4 Video Excellent(*.mp4)", ButtonKind::Select, ""},
    {121, "pl_mp4", "MP4 - H.264 Video Mini(*.mp4)", ButtonKind::Select, ""},
    {122, "pl_mp4", "MP4 - H.264 Video Normal(*.mp4)", ButtonKind::Select, ""},
    {123, "pl_mp4", "MP4 - H.264 Video Excellent(*.MP4)", ButtonKind::Select, ""},
    {124, "pl_mp4", "", ButtonKind::Blank, ""},
    {125, "pl_mkv", "MKV - H264 Movie(*.mkv)", ButtonKind::Select, ""},
    {126, "pl_mkv", "MKV - DivX Movie(*.mkv)", ButtonKind::Select, ""},
    {127, "pl_mkv", "MKV - XviD Movie(*.mkv)", ButtonKind::Select, ""},
    {128, "pl_mkv", "MKV - MPEG-4 Movie(*.mkv)", ButtonKind::Select, ""},
    {129, "pl_mkv", "MKV - MSMPEG4 Movie(*.mkv)", ButtonKind::Select, ""},
    {130, "pl_mkv", "MKV - MPEG Movie(*.mkv)", ButtonKind::Select, ""},
    {131, "pl_mkv", "MKV - WMV Movie(*.mkv)", ButtonKind::Select, ""},
    {132, "pl_mkv", "", ButtonKind::Blank, ""},
};
}  // namespace

const ProfileEntry* CatalogueEntry(int id) {
    if (id < 1 || id > kProfileCount) return nullptr;
    return &kCatalogue[id - 1];
}

std::string ProfileExtensionOf(const std::string& name) {
    size_t star = name.find('*');
    if (star == std::string::npos || name.size() < star + 2) return {};
    return name.substr(star + 1, name.size() - 1 - (star + 1));
}

bool IsSelectableProfile(int id) {
    const ProfileEntry* e = CatalogueEntry(id);
    return e && (e->kind == ButtonKind::Select || e->kind == ButtonKind::BlankClick);
}

std::vector<int> ButtonsOnPanel(const std::string& panel) {
    std::vector<int> ids;
    for (const auto& e : kCatalogue)
        if (panel == e.panel) ids.push_back(e.id);
    if (panel == "pl_mkv") {
        auto a = std::find(ids.begin(), ids.end(), 127), b = std::find(ids.begin(), ids.end(), 128);
        if (a != ids.end() && b != ids.end()) std::iter_swap(a, b);
    }
    return ids;
}

const std::vector<Category>& Categories() {
    static const std::vector<Category> cats = {
        {1,
         "img_gvideo1",
         "video1",
         QT_TRANSLATE_NOOP("Categories", "General Video"),
         {"pl_video1", "pl_video2"}},
        {2,
         "img_audio1",
         "audio1",
         QT_TRANSLATE_NOOP("Categories", "General Audio"),
         {"pl_audio1", "pl_audio2"}},
        {3, "img_ipod", "ipod", "iPod", {"pl_ipod"}},
        {4, "img_iphone", "iphone", "iPhone", {"pl_iphone"}},
        {5, "img_gphone", "gphone", "GPhone", {"pl_gphone"}},
        {6, "img_appletv", "appletv", "Apple TV", {"pl_appletv"}},
        {7, "img_psp", "psp", "PSP / PS3", {"pl_psp"}},
        {8, "img_xbox", "xbox", "Xbox 360", {"pl_xbox"}},
        {9, "img_phone", "phone", QT_TRANSLATE_NOOP("Categories", "Mobile Phone"), {"pl_phone"}},
        {10, "img_win", "win", QT_TRANSLATE_NOOP("Categories", "Pocket PC"), {"pl_win"}},
        {11, "img_pmp", "pmp", QT_TRANSLATE_NOOP("Categories", "Media Player"), {"pl_pmp"}},
        {12, "img_hd", "hd", QT_TRANSLATE_NOOP("Categories", "HD Video"), {"pl_hd"}},
        {13,
         "img_animation",
         "animation",
         QT_TRANSLATE_NOOP("Categories", "Animation"),
         {"pl_animation"}},
    };
    return cats;
}

int CategoryOfPanel(const std::string& panel) {
    for (const auto& c : Categories())
        for (const char* p : c.panels)
            if (panel == p) return c.index;
    for (const char* s : SubPanels())
        if (panel == s) return 1;
    return 0;
}

const std::vector<const char*>& ProfilePanels() {
    static const std::vector<const char*> panels = {
        "pl_video1", "pl_video2", "pl_audio1",  "pl_audio2",    "pl_ipod",   "pl_iphone", "pl_psp",
        "pl_phone",  "pl_pmp",    "pl_appletv", "pl_animation", "pl_gphone", "pl_win",    "pl_xbox",
        "pl_hd",     "pl_avi",    "pl_mpeg",    "pl_mp4",       "pl_mkv"};
    return panels;
}

const std::vector<const char*>& SubPanels() {
    static const std::vector<const char*> subs = {"pl_avi", "pl_mpeg", "pl_mp4", "pl_mkv"};
    return subs;
}

}  // namespace vc
