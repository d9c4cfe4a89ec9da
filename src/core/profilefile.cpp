#include "core/profilefile.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "core/catalogue.h"
#include "core/uilanguage.h"

namespace vc {

void SetSelectedProfile(ProfileState& state, int profileId) {
    state.profileId = profileId;
    const ProfileEntry* e = CatalogueEntry(profileId);
    if (e && e->displayName[0] != '\0') {
        state.displayName = e->displayName;
        state.extension = ProfileExtensionOf(state.displayName);
    }
}

std::vector<std::string> SplitProfileTokens(const std::string& line) {
    std::vector<std::string> tokens;
    size_t pos = 0;
    while (true) {
        const size_t blank = line.find(' ', pos);
        if (blank == std::string::npos) {
            std::string last = line.substr(pos);
            if (last.size() >= 2) tokens.push_back(std::move(last));
            break;
        }
        if (blank == pos) break;  // empty token ends the list
        tokens.push_back(line.substr(pos, blank - pos));
        pos = blank + 1;
    }
    return tokens;
}

bool OffersKeepSourceQualities(int profileId, const std::string& extension) {
    return IsGenericProfile(profileId) && !IsDiscProfile(profileId) && extension != ".mp4";
}

bool OffersKeepSourceSize(int profileId, const std::string& extension, size_t sizeCount) {
    const bool range =
        (profileId >= 1 && profileId <= 14) || (profileId >= 102 && profileId <= 111);
    return range && extension != ".mp4" && sizeCount >= 2;
}

namespace {

// Removes every entry after the five qualities.
void DropSpecialEntries(ChoiceBox& box) {
    for (int i = box.count() - 1; i >= 5; --i) box.removeItem(i);
}

// Makes the list end with exactly the given special entry (or none for nullptr), keeping the
// chosen entry when it survives.
void SetSpecialEntry(ChoiceBox& box, const char* special) {
    if (special && box.count() == 6 && box.itemText(5) == special) return;
    DropSpecialEntries(box);
    if (special) box.addItem(special);
}

void ApplySizeLine(const std::string& line, ProfileState& state, ChoiceBox& size) {
    size.clear();
    std::vector<std::string> tokens = SplitProfileTokens(line);
    for (const std::string& t : tokens) size.addItem(t);
    if (IsDiscProfile(state.profileId)) {
        size.clear();
        size.addItem("PAL");
        size.addItem("NTSC");
    }
    if (OffersKeepSourceSize(state.profileId, state.extension, static_cast<size_t>(size.count())))
        size.addItem(kKeepSourceSize);
    if (size.count() == 0) {
        size.addItem(kNoVideo);
        size.setCurrentIndex(0);
    }
}

void ApplyRateLine(const std::string& line, ProfileState& state, FormatBoxes& boxes) {
    if (IsDiscProfile(state.profileId)) {
        boxes.video->setEnabled(false);
        boxes.audio->setEnabled(false);
        boxes.channel->setEnabled(false);
        boxes.size->setEnabled(true);
        return;
    }
    boxes.video->setEnabled(true);
    boxes.audio->setEnabled(true);
    boxes.channel->setEnabled(true);
    const bool keep = OffersKeepSourceQualities(state.profileId, state.extension);
    SetSpecialEntry(*boxes.video, keep ? kKeepSourceVideo : nullptr);
    SetSpecialEntry(*boxes.audio, keep ? kKeepSourceAudio : nullptr);

    if (line == "*" && boxes.size->count() == 1) {
        state.videoRates[0] = "*";
        SetSpecialEntry(*boxes.video, kNoVideo);
        boxes.video->setCurrentIndex(boxes.video->count() - 1);
        boxes.size->setEnabled(false);
        boxes.video->setEnabled(false);
        return;
    }
    boxes.size->setEnabled(true);
    boxes.video->setEnabled(true);
    const int noVideo = boxes.video->findText(kNoVideo);
    if (noVideo >= 0) boxes.video->removeItem(noVideo);
    // The line lists "Lower Quality" first. A sixth token or more has no quality to go to
    // and is ignored.
    const std::vector<std::string> tokens = SplitProfileTokens(line);
    for (size_t i = 0; i < tokens.size() && i < 5; ++i) state.videoRates[4 - i] = tokens[i];
}

}  // namespace

GroupReadResult ApplyProfileGroup(const std::vector<std::string>& fileLines, ProfileState& state,
                                  FormatBoxes& boxes) {
    GroupReadResult result;
    const long long n = state.profileId;
    if (n < 1) {
        result.error =
            Translate("ProfileFile", "There is no profile number %1 in the profile file.")
                .arg(n)
                .toStdString();
        return result;
    }
    const size_t sizeLine = static_cast<size_t>(4 * n - 2);  // 1-based
    const size_t have = fileLines.size();
    if (have >= sizeLine) ApplySizeLine(fileLines[sizeLine - 1], state, *boxes.size);
    if (have >= sizeLine + 1) ApplyRateLine(fileLines[sizeLine], state, boxes);
    if (have >= sizeLine + 2) state.arguments = fileLines[sizeLine + 1];
    result.reach =
        have >= sizeLine + 2 ? GroupReadResult::Reach::Complete : GroupReadResult::Reach::Short;
    if (!result.complete())
        result.error = Translate("ProfileFile",
                                 "The profile file ends before the settings of profile %1 (it "
                                 "needs %2 lines and has %3).")
                           .arg(n)
                           .arg(sizeLine + 2)
                           .arg(have)
                           .toStdString();
    return result;
}

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = Translate("ProfileFile", "Cannot open the file %1: %2")
                    .arg(QString::fromStdString(path), QString::fromLocal8Bit(std::strerror(errno)))
                    .toStdString();
        return false;
    }
    lines.clear();
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
    }
    if (in.bad()) {
        error = Translate("ProfileFile", "Cannot read the file %1.")
                    .arg(QString::fromStdString(path))
                    .toStdString();
        return false;
    }
    return true;
}

GroupReadResult ReadProfileGroup(const std::string& path, ProfileState& state, FormatBoxes& boxes) {
    std::vector<std::string> lines;
    GroupReadResult result;
    if (!ReadTextLines(path, lines, result.error)) {
        result.reach = GroupReadResult::Reach::FileUnreadable;
        return result;
    }
    return ApplyProfileGroup(lines, state, boxes);
}

}  // namespace vc
