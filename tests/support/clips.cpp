#include "clips.h"

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace vc::test {

std::string MakeClip(const std::string& dir, const std::string& name,
                     const std::string& ffmpegArgs) {
    const QString out = QString::fromStdString(dir + "/" + name);
    QStringList args{"-hide_banner", "-loglevel", "error", "-nostdin", "-y"};
    args += QString::fromStdString(ffmpegArgs).split(' ', Qt::SkipEmptyParts);
    args << out;
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.start("ffmpeg", args);
    if (!ffmpeg.waitForStarted(10000) || !ffmpeg.waitForFinished(120000)) return {};
    if (ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0) return {};
    return out.toStdString();
}

namespace {
std::string Secs(int seconds) {
    return " -t " + std::to_string(seconds) + " ";
}
}  // namespace

std::string MakeMp4H264Aac(const std::string& dir, const std::string& name, int seconds) {
    return MakeClip(dir, name,
                    "-f lavfi -i testsrc=size=640x480:rate=25 -f lavfi -i "
                    "sine=frequency=440:sample_rate=44100" +
                        Secs(seconds) +
                        "-pix_fmt yuv420p -c:v libx264 -preset ultrafast -b:v 600k "
                        "-c:a aac -b:a 128k -ac 2");
}

std::string MakeAviMpeg4Mp3(const std::string& dir, const std::string& name, int seconds) {
    return MakeClip(dir, name,
                    "-f lavfi -i testsrc=size=320x240:rate=25 -f lavfi -i "
                    "sine=frequency=440:sample_rate=44100" +
                        Secs(seconds) + "-c:v mpeg4 -b:v 400k -c:a libmp3lame -b:a 128k -ac 2");
}

std::string MakeMkv(const std::string& dir, const std::string& name, int seconds) {
    return MakeClip(dir, name,
                    "-f lavfi -i testsrc=size=352x288:rate=30 -f lavfi -i "
                    "sine=frequency=440:sample_rate=48000" +
                        Secs(seconds) +
                        "-pix_fmt yuv420p -c:v libx264 -preset ultrafast -c:a libvorbis -ac 1");
}

std::string MakeWav(const std::string& dir, const std::string& name, int seconds) {
    return MakeClip(dir, name,
                    "-f lavfi -i sine=frequency=440:sample_rate=22050" + Secs(seconds) +
                        "-c:a pcm_s16le -ac 1");
}

std::string MakeMp3(const std::string& dir, const std::string& name, int seconds) {
    return MakeClip(dir, name,
                    "-f lavfi -i sine=frequency=440:sample_rate=44100" + Secs(seconds) +
                        "-c:a libmp3lame -b:a 192k -ac 2");
}

std::string MakeVideoOnly(const std::string& dir, const std::string& name, int seconds) {
    return MakeClip(dir, name,
                    "-f lavfi -i testsrc=size=160x120:rate=10" + Secs(seconds) +
                        "-pix_fmt yuv420p -c:v libx264 -preset ultrafast");
}

std::vector<std::string> MakeMediaFiles(const std::string& dir, int count) {
    using Maker = std::string (*)(const std::string&, const std::string&, int);
    const std::pair<Maker, std::string> kinds[] = {{MakeMp4H264Aac, "mp4"},
                                                   {MakeAviMpeg4Mp3, "avi"},
                                                   {MakeMkv, "mkv"},
                                                   {MakeMp3, "mp3"},
                                                   {MakeVideoOnly, "video.mp4"}};
    std::vector<std::pair<std::string, std::string>> clips;  // path, extension
    for (int copy = 0; copy < 2; ++copy)
        for (const auto& [make, ext] : kinds) {
            clips.emplace_back(make(dir, "source" + std::to_string(copy) + "." + ext, 3), ext);
            if (clips.back().first.empty()) return {};
        }
    std::vector<std::string> files;
    for (int i = 0; i < count; ++i) {
        const auto& [clip, ext] = clips[static_cast<std::size_t>(i) % clips.size()];
        files.push_back(dir + "/" + std::to_string(i) + " clip." + ext);
        if (!QFile::copy(QString::fromStdString(clip), QString::fromStdString(files.back())))
            return {};
    }
    return files;
}

}  // namespace vc::test
