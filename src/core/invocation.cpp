#include "core/invocation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/catalogue.h"
#include "core/cmdline.h"
#include "core/editions.h"
#include "core/nativepath.h"
#include "core/numeric.h"
#include "core/profilesettings.h"
#include "core/rates.h"
#include "core/timeutil.h"
#include "core/trackchoice.h"
#include "core/uilanguage.h"

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
        return Fail(Translate("Invocation",
                              "Invalid height or width \"%1\": the picture size must be two "
                              "positive whole numbers such as 320x240.")
                        .arg(QString::fromStdString(t))
                        .toStdString());
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
                return Fail(
                    Translate("Invocation", "The source video bit rate \"%1\" is not a number.")
                        .arg(QString::fromStdString(job.videoRate))
                        .toStdString());
        } else {
            const RateResult total = JobTotalRate(profile, boxes, job);
            if (!total.ok()) return Fail(total.error);
            int64_t a = 0;
            if (boxes.audio->currentText() == kKeepSourceAudio) {
                if (!ParseInt(job.audioRate, a))
                    return Fail(
                        Translate("Invocation", "The source audio bit rate \"%1\" is not a number.")
                            .arg(QString::fromStdString(job.audioRate))
                            .toStdString());
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
        return Fail(Translate("Invocation", "The profile's video bit rate \"%1\" is not a number.")
                        .arg(QString::fromStdString(rate))
                        .toStdString());
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
            return Fail(Translate("Invocation", "The source audio bit rate \"%1\" is not a number.")
                            .arg(QString::fromStdString(job.audioRate))
                            .toStdString());
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
        return Fail(
            Translate("Invocation", "Choose PAL or NTSC as the video size for this disc format.")
                .toStdString());
    f.text += " -target " + standard + target;
    return f;
}

Fragment PrepareOutputDirectory(const std::string& folderText) {
    if (folderText.empty())
        return Fail(Translate("Invocation", "No output folder is set.").toStdString());
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path folder = PathBytesFromText(folderText);
    if (!fs::is_directory(folder, ec)) {
        fs::create_directory(folder, ec);
        if (!fs::is_directory(folder, ec))
            return Fail(Translate("Invocation", "The output folder %1 cannot be created.")
                            .arg(QString::fromStdString(folderText))
                            .toStdString());
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
bool ReadRatio(const std::string& text, int64_t& a, int64_t& b) {
    const size_t colon = text.find(':');
    return colon != std::string::npos && ParseInt(text.substr(0, colon), a) &&
           ParseInt(text.substr(colon + 1), b) && a > 0 && b > 0;
}
}  // namespace

std::string ShapeFilter(const std::string& sizeFragment, const std::string& sourceSize,
                        const std::string& sampleAspect) {
    const size_t s = sizeFragment.find("-s ");
    if (s == std::string::npos) return {};
    std::string frame = sizeFragment.substr(s + 3);
    frame = frame.substr(0, frame.find(' '));
    int64_t fw = 0, fh = 0, sw = 0, sh = 0, sarNum = 1, sarDen = 1;
    if (!ReadSize(frame, fw, fh) || !ReadSize(sourceSize, sw, sh)) return {};
    if (!sampleAspect.empty() && !ReadRatio(sampleAspect, sarNum, sarDen)) sarNum = sarDen = 1;
    // The shape the source is shown at, as a fraction dw/dh.
    const double dw = static_cast<double>(sw) * static_cast<double>(sarNum);
    const double dh = static_cast<double>(sh) * static_cast<double>(sarDen);
    const double shown = dw / dh;
    const double framed = static_cast<double>(fw) / static_cast<double>(fh);
    if (std::abs(shown - framed) < 0.01 * framed) return {};
    int64_t w = fw, h = fh;
    if (shown > framed)
        h = std::llround(static_cast<double>(fw) / shown);
    else
        w = std::llround(static_cast<double>(fh) * shown);
    // Even sizes and offsets: most encoders halve the colour planes.
    w = std::clamp<int64_t>(w & ~int64_t{1}, 2, fw);
    h = std::clamp<int64_t>(h & ~int64_t{1}, 2, fh);
    const int64_t x = ((fw - w) / 2) & ~int64_t{1};
    const int64_t y = ((fh - h) / 2) & ~int64_t{1};
    return "scale=" + std::to_string(w) + ":" + std::to_string(h) + ",pad=" + std::to_string(fw) +
           ":" + std::to_string(fh) + ":" + std::to_string(x) + ":" + std::to_string(y) +
           ":black,setsar=1";
}

std::string BuildShapeChain(const ProfileState& profile, const FormatBoxes& boxes,
                            const std::string& sizeFragment, const Toriginalinfo& job) {
    if (!boxes.size->isEnabled() || IsDiscProfile(profile.profileId) ||
        boxes.size->currentText() == kKeepSourceSize)
        return {};
    return ShapeFilter(sizeFragment, job.pictureSize, job.sampleAspect);
}

std::string FilterValue(const std::string& text) {
    // Option level first (":" ends a value), then the graph level ("," ends a filter).
    std::string option, graph;
    for (char c : text) {
        if (c == '\\' || c == '\'' || c == ':') option += '\\';
        option += c;
    }
    for (char c : option) {
        if (c == '\\' || c == '\'' || c == '[' || c == ']' || c == ',' || c == ';') graph += '\\';
        graph += c;
    }
    return graph;
}

std::string BuildPictureAndTrackFragment(const InvocationInputs& in, const std::string& chain,
                                         int32_t startSeconds) {
    const Toriginalinfo& job = in.job;
    const auto sound = SoundTracks(job);
    const auto subs = Subtitles(job);
    const int chosenSub = in.choice.subtitle;
    // A sound-only output has no picture to carry a subtitle.
    const bool soundOnly = IsAudioOnlyProfile(in.profile.profileId);
    const MediaTrack* sub =
        chosenSub >= 0 && chosenSub < static_cast<int>(subs.size()) && !soundOnly
            ? subs[static_cast<size_t>(chosenSub)]
            : nullptr;
    const bool mp4 =
        KeepsSubtitleTracks(in.profile.extension) && LowerAscii(in.profile.extension) != ".mkv";
    // A picture subtitle has no text for an MP4 track: it is burned in there.
    const bool keep = sub && in.choice.subtitleAsTrack &&
                      KeepsSubtitleTracks(in.profile.extension) && !(mp4 && sub->picture);
    const bool burn = sub && !keep;
    const int soundStream = ChosenSoundStream(job, in.choice);

    std::string videoChain = chain;
    auto prepend = [&videoChain](const std::string& filter) {
        videoChain = videoChain.empty() ? filter : filter + "," + videoChain;
    };
    std::string out;
    bool complex = false;
    if (burn && sub->picture) {
        // Picture subtitles are laid over the picture of the same input, so a trim moves both.
        complex = true;
        prepend("[0:v:0][0:" + std::to_string(sub->stream) + "]overlay=eof_action=pass");
    } else if (burn) {
        std::string filter =
            "subtitles=filename=" + FilterValue(sub->stream >= 0 ? job.sourcePath : sub->file);
        if (sub->stream >= 0) filter += ":si=" + std::to_string(chosenSub);
        // After a trim the picture's times start at 0; the subtitles are timed from the
        // source's start.
        if (startSeconds > 0)
            filter = "setpts=PTS+" + std::to_string(startSeconds) + "/TB," + filter +
                     ",setpts=PTS-STARTPTS";
        prepend(filter);
    }
    const bool maps = complex || keep || sound.size() > 1;
    if (complex) {
        out += " -filter_complex " + QuoteIfBlank(videoChain + "[vout]") + " -map [vout]";
    } else {
        if (maps && !soundOnly) out += " -map 0:v:0?";
        if (!videoChain.empty()) out += " -vf " + QuoteIfBlank(videoChain);
    }
    if (maps && soundStream >= 0) out += " -map 0:" + std::to_string(soundStream);
    if (keep) {
        if (sub->stream >= 0) {
            out += " -map 0:" + std::to_string(sub->stream);
        } else {
            out += " -vormsub " + QuoteIfBlank(sub->file) + " -map 1:0";
        }
        const std::string language = sub->stream >= 0 ? std::string() : sub->language;
        if (!language.empty()) out += " -metadata:s:s:0 language=" + language;
        out += std::string(" -c:s ") + (mp4 ? "mov_text" : "copy");
    }
    return out;
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
    rec.filterFragment = BuildPictureAndTrackFragment(
        in, BuildShapeChain(in.profile, in.boxes, rec.sizeFragment, in.job), in.trim.begin);
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
    line += rec.filterFragment;
    line += " ";
    line += rec.sampleRateFragment;
    line += rec.formatFragment;
    line += " -sn ";
    line += " ";
    line += QuoteIfBlank(rec.outputFile);
    return line;
}

}  // namespace vc
