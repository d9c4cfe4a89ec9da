#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
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

namespace {

// "90", "1.5", "01:30", "00:01:30.25" as seconds; false for anything else, negatives included.
bool ReadSeconds(const std::string& text, double& seconds) {
    double total = 0;
    std::size_t from = 0;
    for (int part = 0; part < 3; ++part) {
        const std::size_t colon = text.find(':', from);
        const std::string piece = text.substr(from, colon - from);
        const bool last = colon == std::string::npos;
        // Hours and minutes are whole; only the last piece may have a fraction.
        const std::size_t digits = piece.find_first_not_of("0123456789");
        const bool wellFormed =
            !piece.empty() && digits != 0 &&
            (digits == std::string::npos ||
             (last && piece[digits] == '.' &&
              piece.find_first_not_of("0123456789", digits + 1) == std::string::npos));
        if (!wellFormed) return false;
        total = total * 60 + std::strtod(piece.c_str(), nullptr);
        if (last) {
            seconds = total;
            return true;
        }
        from = colon + 1;
    }
    return false;
}

bool ReadCount(const std::string& text, int limit, int& value) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::atoi(text.c_str());
    return value >= 1 && value <= limit;
}

}  // namespace

bool ReadBitRate(const std::string& text, std::int64_t& bps) {
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || text[0] == '-' || text[0] == '+') return false;
    if (*end == 'k' || *end == 'K') {
        value *= 1000;
        ++end;
    } else if (*end == 'M') {
        value *= 1000000;
        ++end;
    }
    if (*end != '\0' || !(value >= 1 && value <= 1e9)) return false;
    bps = std::llround(value);
    return true;
}

bool ReadAudioJob(const std::vector<std::string>& args, AudioJob& job) {
    job = AudioJob();
    if (args.size() < 2) return false;
    const std::string& output = args.back();
    std::string path;
    if (output.empty() || output[0] == '-' || !PlainFileOf(output, path)) return false;
    bool overwrite = false, noVideo = false, haveInput = false;
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-y") {
            overwrite = true;
            continue;
        }
        if (a == "-vn") {
            noVideo = true;
            continue;
        }
        if (a == "-sn" || a == "-dn") continue;
        // Every other option takes a value, which is never the output itself.
        if (i + 2 >= args.size()) return false;
        const std::string& v = args[++i];
        bool ok = true;
        if (a == "-i") {
            ok = !haveInput;
            haveInput = true;
            job.input = v;
        } else if (a == "-ss") {
            // Only as the input's option, where it seeks; as an output option ffmpeg decodes
            // up to it instead, and that stays ffmpeg's.
            ok = !haveInput && ReadSeconds(v, job.seek);
        } else if (a == "-t") {
            ok = haveInput && ReadSeconds(v, job.duration);
        } else if (a == "-b:a") {
            ok = ReadBitRate(v, job.bitRate);
        } else if (a == "-ac") {
            ok = ReadCount(v, 64, job.channels);
        } else if (a == "-ar") {
            ok = ReadCount(v, 768000, job.sampleRate);
        } else if (IsAudioCodecOption(a)) {
            ok = v != "copy" && !v.empty();
            job.encoder = v;
        } else if (a == "-f") {
            ok = !v.empty();
            job.format = v;
        } else if (a == "-map") {
            // One stream of the one input, by its number.
            const std::string number = v.rfind("0:", 0) == 0 ? v.substr(2) : std::string();
            ok = job.stream < 0 && !number.empty() && number.size() <= 6 &&
                 number.find_first_not_of("0123456789") == std::string::npos;
            job.stream = ok ? std::atoi(number.c_str()) : -1;
        } else {
            ok = false;
        }
        if (!ok) return false;
    }
    job.output = output;
    if (!haveInput || !overwrite || !noVideo || job.encoder.empty() || job.format.empty())
        return false;
    // A pipe, device or protocol may not be read twice: should the job turn out to need ffmpeg
    // after its first look, ffmpeg would miss what that look took.
    struct stat sb {};
    return PlainFileOf(job.input, path) && (::stat(path.c_str(), &sb) != 0 || S_ISREG(sb.st_mode));
}

void PrintError(const std::string& message) {
    std::string line = message + "\n";
    // Unbuffered: the line must be out before the process ends, even on a signal.
    if (::write(STDOUT_FILENO, line.data(), line.size()) < 0) {
    }
}

}  // namespace vc::encoder
