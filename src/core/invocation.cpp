#include "core/invocation.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/catalogue.h"
#include "core/cmdline.h"
#include "core/editions.h"
#include "core/nativepath.h"
#include "core/numeric.h"
#include "core/rates.h"
#include "core/timeutil.h"

namespace vc {

namespace {

Fragment Fail(std::string text) {
    Fragment f;
    f.error = std::move(text);
    return f;
}

// Five significant digits, then fixed notation with the given decimals.
std::string FixedFromSignificant(double v, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.4e", v);
    std::snprintf(buf, sizeof buf, "%.*f", decimals, std::strtod(buf, nullptr));
    return buf;
}

}  // namespace

std::string BuildSizeFragment(const ProfileState& profile, const FormatBoxes& boxes,
                              const Toriginalinfo& job) {
    if (!boxes.size->isEnabled() || IsDiscProfile(profile.profileId)) return std::string();
    const std::string text = boxes.size->currentText();
    if (text == kKeepSourceSize) return " -s " + job.pictureSize;
    const size_t paren = text.find('(');
    return " -s " + (paren == std::string::npos ? text : text.substr(0, paren));
}

Fragment BuildAspectFragment(const ProfileState& profile, const FormatBoxes& boxes,
                             const std::string& sizeFragment) {
    Fragment f;
    if (!boxes.size->isEnabled() || sizeFragment.empty() || IsDiscProfile(profile.profileId))
        return f;
    const std::string t = sizeFragment.size() > 4 ? sizeFragment.substr(4) : std::string();
    const size_t x = t.find('x');
    int64_t w = 0, h = 0;
    if (x == std::string::npos || !ParseInt(t.substr(0, x), w) || !ParseInt(t.substr(x + 1), h) ||
        w <= 0 || h <= 0)
        return Fail("Invalid height or width \"" + t +
                    "\": the picture size must be two positive whole numbers such as 320x240.");
    f.text = " -aspect " + FixedFromSignificant(static_cast<double>(w) / static_cast<double>(h), 4);
    return f;
}

Fragment BuildVideoRateFragment(const ProfileState& profile, const FormatBoxes& boxes,
                                const Toriginalinfo& job) {
    Fragment f;
    const int id = profile.profileId;
    if (IsDiscProfile(id)) return f;
    int64_t kbps = 0;
    if (IsGenericProfile(id)) {
        if (boxes.video->currentText() == kKeepSourceVideo) {
            if (!ParseInt(job.videoRate, kbps))
                return Fail("The source video bit rate \"" + job.videoRate + "\" is not a number.");
        } else {
            const RateResult total = JobTotalRate(profile, boxes, job);
            if (!total.ok()) return Fail(total.error);
            int64_t a = 0;
            if (boxes.audio->currentText() == kKeepSourceAudio) {
                if (!ParseInt(job.audioRate, a))
                    return Fail("The source audio bit rate \"" + job.audioRate +
                                "\" is not a number.");
            } else {
                int q = QualityIndexOf(*boxes.audio);
                a = kAudioRates[q < 0 ? 2 : q];
            }
            kbps = total.kbps - a;
            if (kbps < kMinVideoRateKbps) kbps = kMinVideoRateKbps;
        }
        f.text = " -r 24 -b " + std::to_string(kbps * 1000);
        return f;
    }
    if (profile.videoRates[0] == "*") return f;
    int q = QualityIndexOf(*boxes.video);
    if (q < 0) q = 2;
    const std::string& rate = profile.videoRates[q];
    if (!ParseInt(rate, kbps) || kbps < 0)
        return Fail("The profile's video bit rate \"" + rate + "\" is not a number.");
    f.text = " -r 24 -b " + rate + "000";
    return f;
}

Fragment BuildAudioRateFragment(const ProfileState& profile, const FormatBoxes& boxes,
                                const Toriginalinfo& job) {
    Fragment f;
    if (IsDiscProfile(profile.profileId)) return f;
    const bool keep = boxes.audio->currentText() == kKeepSourceAudio;
    if (IsPhoneAudioExtension(profile.extension)) {
        // The phone table has no entry for the keep-source choice: its best rate is used.
        int q = keep ? 0 : QualityIndexOf(*boxes.audio);
        if (q < 0) q = 2;
        char buf[32];
        std::snprintf(buf, sizeof buf, "%g", kPhoneAudioRates[q] * 1000.0);
        f.text = std::string(" -ab ") + buf;
        return f;
    }
    int64_t kbps = 0;
    if (keep) {
        if (!ParseInt(job.audioRate, kbps))
            return Fail("The source audio bit rate \"" + job.audioRate + "\" is not a number.");
    } else {
        const int q = QualityIndexOf(*boxes.audio);
        kbps = kAudioRates[q < 0 ? 2 : q];
    }
    f.text = " -ab " + std::to_string(kbps * 1000);
    return f;
}

std::string BuildSampleRateFragment(const ProfileState& profile,
                                    const std::string& audioRateFragment) {
    if (audioRateFragment.empty() || IsDiscProfile(profile.profileId)) return std::string();
    if (IsPhoneAudioExtension(profile.extension)) return " -ar 8000 ";
    const double n =
        audioRateFragment.size() > 5 ? std::strtod(audioRateFragment.c_str() + 5, nullptr) : 0;
    if (n > 192000) return " -ar 48000 ";
    if (n > 64000) return " -ar 44100 ";
    return " -ar 22050 ";
}

std::string BuildChannelFragment(const ProfileState& profile, const FormatBoxes& boxes) {
    if (IsPhoneAudioExtension(profile.extension)) return " -ac 1 ";
    int i = boxes.channel->currentIndex();
    if (i < 0) i = 1;
    return " -ac " + std::to_string(i + 1);
}

Fragment BuildFormatFragment(const ProfileState& profile, const FormatBoxes& boxes) {
    Fragment f;
    f.text = profile.arguments;
    const char* target = nullptr;
    switch (profile.profileId) {
        case 112:
            target = "-vcd ";
            break;
        case 113:
            target = "-svcd ";
            break;
        case 114:
            target = "-dvd ";
            break;
        default:
            return f;
    }
    const std::string standard = LowerAscii(boxes.size->currentText());
    if (standard.empty() || standard.find_first_of(" \t\"") != std::string::npos)
        return Fail("Choose PAL or NTSC as the video size for this disc format.");
    f.text += " -target " + standard + target;
    return f;
}

Fragment PrepareOutputDirectory(const std::string& folderText) {
    if (folderText.empty()) return Fail("No output folder is set.");
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path folder = PathBytesFromText(folderText);
    if (!fs::is_directory(folder, ec)) {
        fs::create_directory(folder, ec);
        if (!fs::is_directory(folder, ec))
            return Fail("The output folder " + folderText + " cannot be created.");
    }
    Fragment f;
    f.text = folderText;
    if (f.text.back() != '/') f.text += '/';
    return f;
}

std::string ChooseOutputPath(const std::string& outputDirectory, const std::string& caption,
                             const std::string& extension,
                             const std::function<bool(const std::string&)>& exists) {
    auto taken = [&exists](const std::string& path) {
        if (exists) return exists(path);
        std::error_code ec;
        return std::filesystem::exists(PathBytesFromText(path), ec);
    };
    const size_t dot = caption.rfind('.');
    std::string candidate =
        outputDirectory + (dot == std::string::npos ? caption : caption.substr(0, dot)) + extension;
    for (int n = 1; taken(candidate); ++n) {
        candidate = outputDirectory;
        candidate += caption;
        candidate += "_" + std::to_string(n);
        candidate += extension;
    }
    return candidate;
}

namespace {
bool ReadSize(const std::string& text, int64_t& w, int64_t& h) {
    const size_t x = text.find('x');
    return x != std::string::npos && ParseInt(text.substr(0, x), w) &&
           ParseInt(text.substr(x + 1), h) && w > 0 && h > 0;
}
}  // namespace

std::string FitSizeFragment(const std::string& sizeFragment, const std::string& sourceSize) {
    const size_t s = sizeFragment.find("-s ");
    if (s == std::string::npos) return sizeFragment;
    std::string box = sizeFragment.substr(s + 3);
    box = box.substr(0, box.find(' '));
    int64_t bw = 0, bh = 0, sw = 0, sh = 0;
    if (!ReadSize(box, bw, bh) || !ReadSize(sourceSize, sw, sh)) return sizeFragment;
    // Width-limited or height-limited, whichever fits.
    int64_t w = bw, h = (bw * sh + sw / 2) / sw;
    if (h > bh) {
        h = bh;
        w = (bh * sw + sh / 2) / sh;
    }
    w = std::max<int64_t>(2, w & ~int64_t{1});
    h = std::max<int64_t>(2, h & ~int64_t{1});
    return " -s " + std::to_string(w) + "x" + std::to_string(h);
}

std::string LengthText(const Toriginalinfo& job, const TrimRecord& trim) {
    const bool untrimmed = trim.begin == 0 && trim.end == trim.total && trim.total > 0;
    if (!untrimmed) return job.durationText;
    // The duration text holds whole seconds, cut down: an untrimmed job is given its exact
    // length rounded up, so the end of the source is never lost.
    const std::string& exact = job.exactDuration;
    const size_t dot = exact.find('.');
    if (dot == std::string::npos || HmsToSeconds(exact.substr(0, dot)) != trim.total)
        return job.durationText;
    const std::string fraction = exact.substr(dot + 1);
    const bool whole = fraction.find_first_not_of('0') == std::string::npos;
    return whole ? job.durationText : SecondsToHms(trim.total + 1);
}

InvocationResult BuildInvocation(const InvocationInputs& in) {
    InvocationResult r;
    intputrec& rec = r.rec;
    rec.encoderPath = in.encoderPath;
    rec.workingDirectory = in.programDirectory;

    const Fragment dir = PrepareOutputDirectory(in.outputFolderText);
    if (!dir.ok()) {
        r.error = dir.error;
        return r;
    }
    rec.inputFile = in.job.sourcePath;
    rec.sizeFragment = BuildSizeFragment(in.profile, in.boxes, in.job);
    const Fragment aspect = BuildAspectFragment(in.profile, in.boxes, rec.sizeFragment);
    const Fragment video = BuildVideoRateFragment(in.profile, in.boxes, in.job);
    const Fragment audio = BuildAudioRateFragment(in.profile, in.boxes, in.job);
    const Fragment format = BuildFormatFragment(in.profile, in.boxes);
    for (const Fragment* f : {&aspect, &video, &audio, &format}) {
        if (!f->ok()) {
            r.error = f->error;
            return r;
        }
    }
    rec.aspectFragment = aspect.text;
    rec.videoRateFragment = video.text;
    rec.audioRateFragment = audio.text;
    rec.lengthSeconds = HmsToSeconds(in.job.durationText);
    rec.sampleRateFragment = BuildSampleRateFragment(in.profile, rec.audioRateFragment);
    rec.channelFragment = BuildChannelFragment(in.profile, in.boxes);
    rec.startFragment = " -ss " + SecondsToHms(in.trim.begin);
    // Without a known length the whole source is converted.
    if (IsKnownDuration(in.job.durationText))
        rec.lengthFragment = " -t " + LengthText(in.job, in.trim);
    rec.formatFragment = format.text;
    // Named last, once nothing can fail, so a refused job leaves no trace.
    rec.outputFile = ChooseOutputPath(dir.text, in.caption, in.profile.extension);
    return r;
}

std::string JoinCommandLine(const intputrec& rec) {
    std::string line;
    line += QuoteIfBlank(rec.encoderPath);
    line += " -vormek -y ";
    line += rec.startFragment;
    line += " -vormin ";
    line += QuoteIfBlank(rec.inputFile);
    line += rec.videoRateFragment;
    line += rec.audioRateFragment;
    line += rec.channelFragment;
    line += rec.aspectFragment;
    line += rec.lengthFragment;
    line += rec.sizeFragment;
    line += " ";
    line += rec.sampleRateFragment;
    line += rec.formatFragment;
    line += " -sn ";
    line += " ";
    line += QuoteIfBlank(rec.outputFile);
    return line;
}

}  // namespace vc
