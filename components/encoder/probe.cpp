// Probe mode: the media information in the classic console form the program parses.
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cinttypes>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
#include <libavutil/channel_layout.h>
#include <libavutil/pixdesc.h>
}

#include "encoder.h"

namespace vc::encoder {

namespace {

// A field of a stream line: the reader splits at commas, so none may appear inside.
std::string Field(std::string text) {
    for (char& c : text)
        if (c == ',') c = ' ';
    return text;
}

// A field printed before the picture size: the reader takes the first "x" after "Video:" as
// the size, so an "x" here (dnxhd, xyz12le) is written as "X".
std::string FieldBeforeSize(std::string text) {
    text = Field(std::move(text));
    for (char& c : text)
        if (c == 'x') c = 'X';
    return text;
}

std::string Printf(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string Printf(const char* fmt, ...) {
    char buf[256];
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(buf, sizeof buf, fmt, ap);
    va_end(ap);
    return buf;
}

std::string DurationText(int64_t duration) {
    if (duration == AV_NOPTS_VALUE || duration < 0) return "N/A";
    const int64_t d = duration + (duration <= INT64_MAX - 5000 ? 5000 : 0);
    int64_t secs = d / AV_TIME_BASE;
    const int64_t us = d % AV_TIME_BASE;
    const int64_t mins = secs / 60;
    secs %= 60;
    return Printf("%02" PRId64 ":%02" PRId64 ":%02" PRId64 ".%02" PRId64, mins / 60, mins % 60,
                  secs, (100 * us) / AV_TIME_BASE);
}

bool Shown(const AVStream* st) {
    const auto type = st->codecpar->codec_type;
    if (type == AVMEDIA_TYPE_AUDIO) return true;
    // Cover art of an audio file is not a video stream.
    return type == AVMEDIA_TYPE_VIDEO && !(st->disposition & AV_DISPOSITION_ATTACHED_PIC);
}

// Bit rates in bit/s for shown streams whose container names none: first from the total
// minus the others when only one is missing, else from the sizes of the first packets.
std::map<int, int64_t> EstimateMissingRates(AVFormatContext* fmt) {
    std::map<int, int64_t> rates;
    std::vector<int> missing;
    int64_t known = 0;
    for (unsigned i = 0; i < fmt->nb_streams; ++i) {
        const AVStream* st = fmt->streams[i];
        if (!Shown(st)) continue;
        if (st->codecpar->bit_rate > 0)
            known += st->codecpar->bit_rate;
        else
            missing.push_back(static_cast<int>(i));
    }
    if (missing.empty()) return rates;
    if (missing.size() == 1 && fmt->bit_rate > known) {
        rates[missing[0]] = fmt->bit_rate - known;
        return rates;
    }
    struct Span {
        int64_t bytes = 0;
        int64_t packets = 0;
        int64_t first = AV_NOPTS_VALUE;
        int64_t last = AV_NOPTS_VALUE;
    };
    // A raw stream (.h264, .m4v) has no timestamps: its frames at its frame rate tell the time.
    auto spanSeconds = [fmt](int idx, const Span& s) {
        if (s.first != AV_NOPTS_VALUE)
            return (s.last - s.first) * av_q2d(fmt->streams[idx]->time_base);
        const AVRational fps = fmt->streams[idx]->avg_frame_rate.num > 0
                                   ? fmt->streams[idx]->avg_frame_rate
                                   : fmt->streams[idx]->r_frame_rate;
        return fps.num > 0 && fps.den > 0 ? s.packets / av_q2d(fps) : 0.0;
    };
    std::map<int, Span> spans;
    for (int idx : missing) spans[idx];
    AVPacket* pkt = av_packet_alloc();
    int64_t readBytes = 0;
    // A few seconds of each stream give a usable average without reading much of the file.
    constexpr double kSeconds = 3.0;
    constexpr int64_t kMaxBytes = 16 << 20;
    for (int n = 0; n < 5000 && readBytes < kMaxBytes; ++n) {
        if (av_read_frame(fmt, pkt) < 0) break;
        readBytes += pkt->size;
        auto it = spans.find(pkt->stream_index);
        if (it != spans.end()) {
            Span& s = it->second;
            s.bytes += pkt->size;
            ++s.packets;
            const int64_t ts = pkt->pts != AV_NOPTS_VALUE ? pkt->pts : pkt->dts;
            if (ts != AV_NOPTS_VALUE) {
                const int64_t end = ts + std::max<int64_t>(pkt->duration, 0);
                if (s.first == AV_NOPTS_VALUE || ts < s.first) s.first = ts;
                if (s.last == AV_NOPTS_VALUE || end > s.last) s.last = end;
            }
        }
        av_packet_unref(pkt);
        bool enough = true;
        for (const auto& [idx, s] : spans)
            if (spanSeconds(idx, s) < kSeconds) enough = false;
        if (enough) break;
    }
    av_packet_free(&pkt);
    for (const auto& [idx, s] : spans) {
        const double seconds = spanSeconds(idx, s);
        if (seconds > 0.04) rates[idx] = static_cast<int64_t>(s.bytes * 8 / seconds);
    }
    // Whatever stayed unknown shares what the total leaves over.
    if (rates.size() < missing.size() && fmt->bit_rate > 0) {
        int64_t left = fmt->bit_rate - known;
        for (const auto& [idx, r] : rates) left -= r;
        const int64_t unknown = static_cast<int64_t>(missing.size() - rates.size());
        if (left > 0)
            for (int idx : missing)
                if (!rates.count(idx)) rates[idx] = left / unknown;
    }
    return rates;
}

bool MissingParameters(const AVFormatContext* fmt) {
    for (unsigned i = 0; i < fmt->nb_streams; ++i) {
        const AVStream* st = fmt->streams[i];
        if (!Shown(st)) continue;
        const AVCodecParameters* par = st->codecpar;
        if (par->codec_type == AVMEDIA_TYPE_VIDEO && (par->width <= 0 || par->height <= 0))
            return true;
        if (par->codec_type == AVMEDIA_TYPE_AUDIO && par->sample_rate <= 0) return true;
    }
    return false;
}

std::string RateText(int64_t bitsPerSecond) {
    if (bitsPerSecond <= 0) return "N/A kb/s";
    return Printf("%" PRId64 " kb/s", (bitsPerSecond + 500) / 1000);
}

std::string VideoLine(int index, const AVStream* st, AVFormatContext* fmt, int64_t rate) {
    const AVCodecParameters* par = st->codecpar;
    const char* pix = av_get_pix_fmt_name(static_cast<AVPixelFormat>(par->format));
    const AVRational fr = av_guess_frame_rate(fmt, const_cast<AVStream*>(st), nullptr);
    const std::string fps = fr.num > 0 && fr.den > 0 ? Printf("%.2f fps", av_q2d(fr)) : "N/A fps";
    // The reader drops a line's last character before taking the frame rate (the rest of the
    // line after the fourth comma), so the line ends with a blank that it can drop.
    return Printf("    Stream #0.%d: Video: %s, %s, %dx%d, %s, %s \n", index,
                  FieldBeforeSize(avcodec_get_name(par->codec_id)).c_str(),
                  FieldBeforeSize(pix ? pix : "unknown").c_str(), par->width, par->height,
                  RateText(rate).c_str(), Field(fps).c_str());
}

std::string AudioLine(int index, const AVStream* st, int64_t rate) {
    const AVCodecParameters* par = st->codecpar;
    char layout[128] = {};
    // Containers such as WAV leave the layout unnamed; the usual one for the count reads
    // "mono" or "stereo" instead of "1 channels".
    AVChannelLayout named{};
    if (par->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&named, par->ch_layout.nb_channels);
    else
        av_channel_layout_copy(&named, &par->ch_layout);
    const int described = av_channel_layout_describe(&named, layout, sizeof layout);
    av_channel_layout_uninit(&named);
    if (described < 0 || !layout[0])
        std::snprintf(layout, sizeof layout, "%d channels", par->ch_layout.nb_channels);
    const char* sfmt = av_get_sample_fmt_name(static_cast<AVSampleFormat>(par->format));
    return Printf("    Stream #0.%d: Audio: %s, %d Hz, %s, %s, %s\n", index,
                  Field(avcodec_get_name(par->codec_id)).c_str(), par->sample_rate,
                  Field(layout).c_str(), Field(sfmt ? sfmt : "unknown").c_str(),
                  RateText(rate).c_str());
}

// The picture's shape, on a line of its own that carries none of the markers the stream
// readers look for: "    Shape #0.0: [SAR 32:27 DAR 16:9]". Empty without a picture size.
std::string ShapeLine(int index, const AVStream* st, AVFormatContext* fmt) {
    const AVCodecParameters* par = st->codecpar;
    if (par->width <= 0 || par->height <= 0) return {};
    AVRational sar = av_guess_sample_aspect_ratio(fmt, const_cast<AVStream*>(st), nullptr);
    if (sar.num <= 0 || sar.den <= 0) sar = AVRational{1, 1};  // unnamed: square pixels
    av_reduce(&sar.num, &sar.den, sar.num, sar.den, INT_MAX);
    AVRational dar{};
    av_reduce(&dar.num, &dar.den, static_cast<int64_t>(par->width) * sar.num,
              static_cast<int64_t>(par->height) * sar.den, INT_MAX);
    return Printf("    Shape #0.%d: [SAR %d:%d DAR %d:%d]\n", index, sar.num, sar.den, dar.num,
                  dar.den);
}

// A title or path inside a track line: bytes the stream readers key on (":" of "Video:") and
// line breaks are written as %XX, so no text of the file can pose as another line.
std::string Escaped(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c == '%' || c == ':' || c == '[' || c == ']' || c < 0x20 || c == 0x7f)
            out += Printf("%%%02X", c);
        else
            out += static_cast<char>(c);
    }
    return out;
}

std::string Tag(const AVStream* st, const char* key) {
    const AVDictionaryEntry* e = av_dict_get(st->metadata, key, nullptr, 0);
    return e && e->value ? e->value : "";
}

// A token of a track line: no blanks inside, "-" for nothing.
std::string Token(std::string text) {
    for (char& c : text)
        if (c == ' ' || c == ':' || c == '[' || c == ']' || static_cast<unsigned char>(c) < 0x20)
            c = '_';
    return text.empty() ? "-" : text;
}

bool IsPictureSubtitle(AVCodecID id) {
    const AVCodecDescriptor* d = avcodec_descriptor_get(id);
    return d && (d->props & AV_CODEC_PROP_BITMAP_SUB);
}

// Every sound and subtitle stream, in a form the stream readers skip:
//   "    Track #0.1: sound eng ac3 6 default [title]"
//   "    Track #0.3: subtitle eng subrip text - [title]"
std::string TrackLine(int index, const AVStream* st) {
    const AVCodecParameters* par = st->codecpar;
    const bool sound = par->codec_type == AVMEDIA_TYPE_AUDIO;
    const std::string detail = sound ? std::to_string(par->ch_layout.nb_channels)
                                     : (IsPictureSubtitle(par->codec_id) ? "picture" : "text");
    // The title is joined on, not printed: it may be longer than Printf's buffer.
    return Printf("    Track #0.%d: %s ", index, sound ? "sound" : "subtitle") +
           Token(Tag(st, "language")) + " " + Token(avcodec_get_name(par->codec_id)) + " " +
           detail + " " + ((st->disposition & AV_DISPOSITION_DEFAULT) ? "default" : "-") + " [" +
           Escaped(Tag(st, "title")) + "]\n";
}

// The names in a folder, sorted. A run probes many files of one folder (a folder added whole):
// it lists each folder once, not once per file.
const std::vector<std::string>& FolderNames(const std::filesystem::path& folder) {
    static std::map<std::string, std::vector<std::string>> listed;
    const auto [it, fresh] = listed.try_emplace(folder.string());
    if (fresh) {
        std::error_code ec;
        for (std::filesystem::directory_iterator entry(folder, ec), end; !ec && entry != end;
             entry.increment(ec))
            it->second.push_back(entry->path().filename().string());
        std::sort(it->second.begin(), it->second.end());
    }
    return it->second;
}

// Subtitle files beside the source with its base name: "film.srt", "film.en.srt", ".ass",
// ".ssa", ".vtt"; one line each, sorted by name:
//   "    Track file: subtitle en subrip text - [/dir/film.en.srt]"
std::string SubtitleFileLines(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path source(path);
    const std::string stem = source.stem().string();
    const fs::path folder = source.has_parent_path() ? source.parent_path() : fs::path(".");
    std::vector<std::pair<std::string, std::string>> found;  // path, language
    const std::string prefix = stem + ".";
    const std::vector<std::string>& names = FolderNames(folder);
    for (auto at = std::lower_bound(names.begin(), names.end(), prefix);
         at != names.end() && at->compare(0, prefix.size(), prefix) == 0; ++at) {
        const std::string& name = *at;
        if (name.size() <= prefix.size()) continue;
        const std::string rest = name.substr(stem.size() + 1);  // "srt", "en.srt"
        const std::size_t dot = rest.rfind('.');
        std::string ext = rest.substr(dot == std::string::npos ? 0 : dot + 1);
        for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (ext != "srt" && ext != "ass" && ext != "ssa" && ext != "vtt") continue;
        std::string language = dot == std::string::npos ? "" : rest.substr(0, dot);
        if (language.size() < 2 || language.size() > 3) language.clear();
        const fs::path file = folder / name;
        if (!fs::is_regular_file(file, ec)) continue;
        found.emplace_back(file.string(), language);
    }
    std::sort(found.begin(), found.end());
    std::string out;
    for (const auto& [file, language] : found) {
        const std::string ext = file.substr(file.rfind('.') + 1);
        std::string lower = ext;
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const char* codec = lower == "srt" ? "subrip" : lower == "vtt" ? "webvtt" : "ass";
        out += "    Track file: subtitle " + Token(language) + " " + codec + " text - [" +
               Escaped(file) + "]\n";
    }
    return out;
}

}  // namespace

int RunProbe(const std::string& path) {
    av_log_set_level(AV_LOG_QUIET);
    struct stat sb {};
    if (::stat(path.c_str(), &sb) != 0) {
        PrintError("Error: the input file does not exist or cannot be reached");
        return 1;
    }
    if (!S_ISREG(sb.st_mode)) {
        PrintError("Error: the input is not a regular file");
        return 1;
    }
    if (sb.st_size == 0) {
        PrintError("Error: the input file is empty");
        return 1;
    }

    AVFormatContext* fmt = nullptr;
    // A short look is enough for common files; when it leaves a stream without its picture
    // size or sample rate (a stream that starts late), look again as far as FFmpeg would.
    const char* const looks[][2] = {{"2000000", "2000000"}, {"5000000", "5000000"}};
    for (const auto& look : looks) {
        AVDictionary* opts = nullptr;
        av_dict_set(&opts, "probesize", look[0], 0);
        av_dict_set(&opts, "analyzeduration", look[1], 0);
        int err = avformat_open_input(&fmt, AsFileUrl(path, false).c_str(), nullptr, &opts);
        av_dict_free(&opts);
        if (err < 0) {
            PrintError("Error: cannot read the input file: " + AvErrorText(err));
            return 1;
        }
        err = avformat_find_stream_info(fmt, nullptr);
        if (err < 0) {
            PrintError("Error: cannot read the streams of the input file: " + AvErrorText(err));
            avformat_close_input(&fmt);
            return 1;
        }
        if (&look == &looks[1] || !MissingParameters(fmt)) break;
        avformat_close_input(&fmt);
    }
    bool any = false;
    for (unsigned i = 0; i < fmt->nb_streams; ++i) any = any || Shown(fmt->streams[i]);
    if (!any) {
        PrintError("Error: the input file holds no audio or video stream");
        avformat_close_input(&fmt);
        return 1;
    }

    int64_t total = fmt->bit_rate;
    if (total <= 0 && fmt->duration > 0 && sb.st_size > 0)
        total = static_cast<int64_t>(sb.st_size * 8.0 * AV_TIME_BASE / fmt->duration);
    fmt->bit_rate = total;
    const auto estimates = EstimateMissingRates(fmt);

    std::string out = Printf("Input #0, %s:\n", fmt->iformat->name);
    // The shape, the tracks and the subtitle files come first, so that the lines the readers
    // take keep their order and the answer still ends with its last stream line.
    for (unsigned i = 0; i < fmt->nb_streams; ++i) {
        const AVStream* st = fmt->streams[i];
        const auto type = st->codecpar->codec_type;
        if (type == AVMEDIA_TYPE_VIDEO && Shown(st))
            out += ShapeLine(static_cast<int>(i), st, fmt);
        else if (type == AVMEDIA_TYPE_AUDIO || type == AVMEDIA_TYPE_SUBTITLE)
            out += TrackLine(static_cast<int>(i), st);
    }
    out += SubtitleFileLines(path);
    const int64_t start = fmt->start_time == AV_NOPTS_VALUE ? 0 : fmt->start_time;
    out += "  Duration: " + DurationText(fmt->duration) +
           Printf(", start: %s%" PRId64 ".%06" PRId64, start < 0 ? "-" : "",
                  static_cast<int64_t>(std::llabs(start) / AV_TIME_BASE),
                  static_cast<int64_t>(std::llabs(start) % AV_TIME_BASE)) +
           ", bitrate: " + (total > 0 ? Printf("%" PRId64 " kb/s", (total + 500) / 1000) : "N/A") +
           "\n";
    for (unsigned i = 0; i < fmt->nb_streams; ++i) {
        const AVStream* st = fmt->streams[i];
        if (!Shown(st)) continue;
        int64_t rate = st->codecpar->bit_rate;
        if (rate <= 0) {
            const auto it = estimates.find(static_cast<int>(i));
            if (it != estimates.end()) rate = it->second;
        }
        if (st->codecpar->codec_type == AVMEDIA_TYPE_VIDEO)
            out += VideoLine(static_cast<int>(i), st, fmt, rate);
        else
            out += AudioLine(static_cast<int>(i), st, rate);
    }
    avformat_close_input(&fmt);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return 0;
}

int RunProbes(const std::vector<std::string>& paths) {
    int status = 0;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const int rc = RunProbe(paths[i]);
        if (rc != 0) status = 1;
        // RunProbe has flushed its lines, so the end line follows them.
        WriteAll(Printf("[[probe-end %zu %d]]\n", i, rc));
    }
    return status;
}

}  // namespace vc::encoder
