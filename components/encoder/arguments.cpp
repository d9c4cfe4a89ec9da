#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <map>

#include "encoder.h"

namespace vc::encoder {

namespace {

// Encoder names of older FFmpeg releases and what the current one calls them. Used only when
// the old name is not available in this build.
const std::map<std::string, std::string>& EncoderAliases() {
    static const std::map<std::string, std::string> aliases = {
        {"libfaac", "aac"},
        {"libvo_aacenc", "aac"},
        {"libaacplus", "aac"},
        {"xvid", "libxvid"},
        {"vorbis", "libvorbis"},
        {"libamr_nb", "libopencore_amrnb"},
        {"libamr_wb", "libvo_amrwbenc"},
        {"mp3", "libmp3lame"},
        {"h264", "libx264"},
        {"x264", "libx264"},
    };
    return aliases;
}

std::string TranslateEncoder(const std::string& name) {
    // Only an old name needs FFmpeg asked (and its libraries loaded).
    const auto it = EncoderAliases().find(name);
    if (it == EncoderAliases().end() || EncoderAvailable(name)) return name;
    if (EncoderAvailable(it->second)) return it->second;
    return name;  // let ffmpeg report it
}

bool IsAudioCodecOption(const std::string& opt) {
    return opt == "-acodec" || opt == "-c:a" || opt == "-codec:a" || opt == "-c:a:0" ||
           opt == "-codec:a:0";
}

// "0", "00:00:00", "0.000", "00:00:00.00": a time that is zero.
bool IsZeroTime(const std::string& t) {
    if (t.empty()) return false;
    for (char c : t)
        if (c != '0' && c != ':' && c != '.') return false;
    return true;
}

bool IsCodecOption(const std::string& opt) {
    return opt == "-vcodec" || opt == "-acodec" || opt == "-c:v" || opt == "-c:a" ||
           opt == "-codec:v" || opt == "-codec:a";
}

}  // namespace

bool IsAmrNbEncoderName(const std::string& name) {
    return name == "libopencore_amrnb" || name == "amr_nb" || name == "libamr_nb" ||
           name == "amrnb";
}

std::string AsFileUrl(const std::string& path, bool output) {
    // "name:rest" would be taken as a protocol; an explicit file: keeps a file name a file
    // name. Inputs count as files when they exist (a lavfi graph does not); outputs when the
    // prefix names no protocol libavformat can write to.
    const auto colon = path.find(':');
    if (colon == std::string::npos || path.find('/') < colon) return path;
    if (!output) {
        struct stat sb {};
        return ::stat(path.c_str(), &sb) == 0 ? "file:" + path : path;
    }
    return IsOutputProtocol(path.substr(0, colon)) ? path : "file:" + path;
}

bool ParseArguments(const std::vector<std::string>& args, Invocation& out, std::string& error) {
    out = Invocation();
    std::vector<std::string> rest;
    bool haveInput = false;
    std::string subtitleFile;  // -vormsub: a subtitle file read as the second input
    std::string inputSeek;     // the -ss given before the input
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-vormek") continue;
        if (a == "-vormin") {
            if (i + 1 >= args.size()) {
                error = "Error: -vormin needs an input file";
                return false;
            }
            out.input = args[++i];
            out.inputs.push_back(out.input);
            haveInput = true;
            rest.push_back("-i");
            out.inputIndex = rest.size();
            rest.push_back(AsFileUrl(out.input, false));
            continue;
        }
        const bool takesValue = i + 1 < args.size();
        if (a == "-vormsub" && takesValue) {
            subtitleFile = args[++i];
            continue;
        }
        if (a == "-ss" && takesValue && !haveInput) inputSeek = args[i + 1];
        if (a == "-ss" && takesValue && IsZeroTime(args[i + 1])) {
            // A seek to the start is no seek: as an input option it would cost the first
            // fraction of a second of sound.
            ++i;
        } else if (a == "-b" && takesValue) {
            rest.push_back("-b:v");
            rest.push_back(args[++i]);
        } else if (a == "-ab" && takesValue) {
            rest.push_back("-b:a");
            rest.push_back(args[++i]);
        } else if (a == "-qscale" && takesValue) {
            rest.push_back("-q:v");
            rest.push_back(args[++i]);
        } else if (a == "-vol" && takesValue) {
            // Old volume scale: 256 is unchanged.
            rest.push_back("-af");
            rest.push_back("volume=" + args[++i] + "/256");
        } else if (a == "-sameq") {
            rest.push_back("-q:v");
            rest.push_back("1");
        } else if (IsAudioCodecOption(a) && takesValue && IsAmrNbEncoderName(args[i + 1])) {
            // Our own encoder does it; the name stays for the AMR-NB conversion to find.
            out.amrNb = true;
            rest.push_back(a);
            rest.push_back(args[++i]);
        } else if (IsCodecOption(a) && takesValue) {
            rest.push_back(a);
            rest.push_back(TranslateEncoder(args[++i]));
        } else {
            rest.push_back(a);
        }
    }
    // The probe run names only inputs (each -vormin adds two entries); anything more is a
    // conversion for ffmpeg.
    if (haveInput && rest.size() == 2 * out.inputs.size()) {
        out.probe = true;
        return true;
    }
    if (!haveInput && rest.empty()) {
        error = "Error: no input file given (use -vormin FILE)";
        return false;
    }
    // The output file is the last argument; keep a name with a colon a file name.
    if (!rest.empty() && !rest.back().empty() && rest.back()[0] != '-' &&
        !(rest.size() >= 2 && rest[rest.size() - 2] == "-i")) {
        out.output = rest.back();
        rest.back() = AsFileUrl(rest.back(), true);
    }
    if (!subtitleFile.empty() && haveInput) {
        // Right after the source, sought like it, so its times match the trimmed picture.
        std::vector<std::string> second;
        if (!inputSeek.empty() && !IsZeroTime(inputSeek)) second = {"-ss", inputSeek};
        second.push_back("-i");
        second.push_back(AsFileUrl(subtitleFile, false));
        rest.insert(rest.begin() + static_cast<std::ptrdiff_t>(out.inputIndex) + 1, second.begin(),
                    second.end());
    }
    // A subtitle kept as a track names its codec; the line's fixed -sn must not drop it.
    if (std::find(rest.begin(), rest.end(), "-c:s") != rest.end())
        rest.erase(std::remove(rest.begin(), rest.end(), "-sn"), rest.end());
    // Without sound there is nothing for the AMR-NB encoder to do.
    for (const auto& a : rest)
        if (a == "-an") out.amrNb = false;
    out.ffmpegArgs = std::move(rest);
    return true;
}

void PrintError(const std::string& message) {
    std::string line = message + "\n";
    // Unbuffered: the line must be out before the process ends, even on a signal.
    if (::write(STDOUT_FILENO, line.data(), line.size()) < 0) {
    }
}

}  // namespace vc::encoder
