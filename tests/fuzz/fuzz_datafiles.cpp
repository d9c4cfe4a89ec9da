// Data files a user or an installer may have damaged: ini files (settings, layout),
// the profile file and the language file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "core/choicebox.h"
#include "core/inifile.h"
#include "core/languagefile.h"
#include "core/layoutfile.h"
#include "core/profilefile.h"
#include "core/profilesettings.h"
#include "core/rates.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string path = "/tmp/vc_fuzz_" + std::to_string(::getpid()) + ".txt";
    { std::ofstream(path, std::ios::binary) << text; }
    // Ini and layout readers.
    vc::IniFile ini;
    ini.LoadFromText(text);
    for (const auto& s : ini.Sections()) (void)ini.ReadInt(s, "left", 6);
    vc::LayoutFile layout;
    layout.Load(path);
    (void)layout.Buttons();
    (void)layout.FillWidth("Play");

    // Profile file: every group number, then the remembered settings and the rate model.
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    lines.push_back(line);
    for (int n : {1, 8, 20, 27, 71, 102, 112, 118, 123, 132}) {
        vc::PlainFormatBoxes plain;
        vc::FormatBoxes boxes = plain.boxes();
        vc::InitFormatBoxes(boxes);
        vc::ProfileState state;
        vc::SetSelectedProfile(state, n);
        vc::ApplyProfileGroup(lines, state, boxes);
        vc::LoadRememberedSettings(path, n, boxes);
        vc::Toriginalinfo job;
        job.pictureSize = "640x480";
        job.videoRate = "1200";
        job.audioRate = "128";
        (void)vc::JobTotalRate(state, boxes, job);
    }
    // Language file.
    std::string out;
    for (int id : {1, 25, 26, 37}) (void)vc::ReadLanguageLine(path, id, out);
    std::remove(path.c_str());
    return 0;
}
