#include "core/rates.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/catalogue.h"
#include "core/numeric.h"

namespace vc {

bool IsPhoneAudioExtension(const std::string& extension) {
    return extension == ".3gp" || extension == ".amr";
}

int QualityIndexOf(const ChoiceBox& box) {
    const int i = box.currentIndex();
    if (i >= 0 && i <= 4) return i;
    if (i < 0) return 2;
    return -1;
}

const int* VideoFactorsOf(int profileId) {
    if (profileId == 118 || profileId == 121) return kFactorMini;
    if (profileId == 120 || profileId == 123) return kFactorExcellent;
    return kFactorNormal;
}

namespace {

RateResult Error(std::string text) {
    RateResult r;
    r.error = std::move(text);
    return r;
}

bool ParseRate(const std::string& text, int64_t& out) {
    return ParseInt(text, out);
}

// Height of a size text: after the first "x", up to a "(" or the end. False when the text has
// no "x" or the height is no number.
bool HeightOf(const std::string& size, int64_t& height) {
    const size_t x = size.find('x');
    if (x == std::string::npos) return false;
    std::string h = size.substr(x + 1);
    const size_t paren = h.find('(');
    if (paren != std::string::npos) h.resize(paren);
    return ParseInt(h, height);
}

// n × factor/100 rounded to the nearest integer, halves to even, computed exactly.
int64_t ScaleHalfEven(int64_t n, int factorHundredths) {
    const int64_t p = n * factorHundredths;
    int64_t q = p / 100;
    int64_t r = p % 100;
    if (r < 0) {
        r += 100;
        --q;
    }
    if (r > 50 || (r == 50 && (q % 2 != 0))) ++q;
    return q;
}

}  // namespace

RateResult AudioPart(const ProfileState& profile, const FormatBoxes& boxes,
                     const Toriginalinfo& job) {
    RateResult r;
    if (profile.extension == ".wav") {
        r.kbps = 1500;
        return r;
    }
    const bool keep = boxes.audio->currentText() == kKeepSourceAudio;
    if (IsPhoneAudioExtension(profile.extension)) {
        int q = keep ? 0 : QualityIndexOf(*boxes.audio);
        if (q < 0) q = 2;
        r.kbps = RoundHalfEven(kPhoneAudioRates[q]);
        return r;
    }
    if (keep) {
        if (!ParseRate(job.audioRate, r.kbps))
            return Error("The source audio bit rate \"" + job.audioRate + "\" is not a number.");
        return r;
    }
    int q = QualityIndexOf(*boxes.audio);
    if (q < 0) q = 2;
    r.kbps = kAudioRates[q];
    return r;
}

RateResult VideoPart(const ProfileState& profile, const FormatBoxes& boxes,
                     const Toriginalinfo& job) {
    RateResult r;
    const int id = profile.profileId;
    if (IsGenericProfile(id)) {
        if (boxes.video->currentText() == kKeepSourceVideo) {
            if (!ParseRate(job.videoRate, r.kbps))
                return Error("The source video bit rate \"" + job.videoRate +
                             "\" is not a number.");
            return r;
        }
        int64_t height = 0;
        if (boxes.size->currentText() == kKeepSourceSize) {
            if (!HeightOf(job.pictureSize, height))
                return Error("The source picture size \"" + job.pictureSize + "\" is not a size.");
        } else if (!HeightOf(boxes.size->currentText(), height)) {
            return r;  // typed text that is no size: no video part
        }
        int q = QualityIndexOf(*boxes.video);
        if (q < 0) q = 2;
        r.kbps = ScaleHalfEven(height, VideoFactorsOf(id)[q]);
        return r;
    }
    if (profile.videoRates[0] == "*") return r;
    int q = QualityIndexOf(*boxes.video);
    if (q < 0) q = 2;
    if (!ParseRate(profile.videoRates[q], r.kbps))
        return Error("The profile's video bit rate \"" + profile.videoRates[q] +
                     "\" is not a number.");
    return r;
}

RateResult JobTotalRate(const ProfileState& profile, const FormatBoxes& boxes,
                        const Toriginalinfo& job) {
    RateResult r;
    switch (profile.profileId) {
        case 112:
            r.kbps = kVcdRate;
            return r;
        case 113:
            r.kbps = kSvcdRate;
            return r;
        case 114:
            r.kbps = kDvdRate;
            return r;
        default:
            break;
    }
    RateResult v = VideoPart(profile, boxes, job);
    if (!v.ok()) return v;
    RateResult a = AudioPart(profile, boxes, job);
    if (!a.ok()) return a;
    r.kbps = v.kbps + a.kbps;
    return r;
}

std::string FormatSizeEstimate(int64_t rateKbps, int64_t seconds) {
    const double m = static_cast<double>(rateKbps * seconds) / 8.0 / 1024.0 * 1000.0 / 1024.0;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.4e", m);  // five significant digits
    const double rounded = std::strtod(buf, nullptr);
    std::snprintf(buf, sizeof buf, "%.2fMB", rounded);
    return buf;
}

std::string FormatFileSize(int64_t bytes) {
    char buf[64];
    if (bytes < 10 * 1024)
        std::snprintf(buf, sizeof buf, "%lldKB", static_cast<long long>((bytes + 1023) / 1024));
    else
        std::snprintf(buf, sizeof buf, "%.2fMB", static_cast<double>(bytes) / (1024.0 * 1024.0));
    return buf;
}

CompletedRates CompleteProbedRates(const ProbedRates& probed) {
    CompletedRates out;
    std::string video = probed.video, audio = probed.audio;
    auto need = [&out](const std::string& text, const char* what, int64_t& v) {
        if (ParseInt(text, v)) return true;
        if (out.error.empty())
            out.error =
                std::string("The probed ") + what + " bit rate \"" + text + "\" is not a number.";
        return false;
    };
    auto diff = [](int64_t a, int64_t b) { return std::to_string(a > b ? a - b : 0); };
    if (video.empty()) {
        if (probed.total.empty()) {
            video = "768";
        } else if (audio.empty()) {
            video = probed.total;
        } else {
            int64_t t = 0, a = 0;
            if (need(probed.total, "total", t) && need(audio, "audio", a)) video = diff(t, a);
        }
    }
    if (audio.empty()) {
        if (probed.total.empty()) {
            audio = "128";
        } else {
            int64_t t = 0, v = 0;
            if (need(probed.total, "total", t) && need(video, "video", v)) audio = diff(t, v);
        }
    }
    if (audio == "0") audio = "128";
    if (!out.ok()) return out;
    int64_t v = 0, a = 0;
    out.video = ParseInt(video, v) ? std::to_string(v) : "768";
    out.audio = ParseInt(audio, a) ? std::to_string(a) : "128";
    out.pictureSize = probed.pictureSize.empty() ? "320x240" : probed.pictureSize;
    return out;
}

}  // namespace vc
