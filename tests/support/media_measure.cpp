#include "media_measure.h"

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdint>

#include "clips.h"

namespace vc::test {

const QByteArray kFilmSubtitle = "1\n00:00:02,000 --> 00:00:03,000\nHELLO\n\n";

namespace {
QByteArray RunTool(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(120000)) return {};
    return p.readAllStandardOutput();
}
}  // namespace

std::string MakeTwoToneFilm(const std::string& dir) {
    const QString srt = QString::fromStdString(dir) + "/cue.srt";
    QFile f(srt);
    if (!f.open(QIODevice::WriteOnly) || f.write(kFilmSubtitle) != kFilmSubtitle.size()) return {};
    f.close();
    return MakeClip(
        dir, "film.mkv",
        "-f lavfi -i color=c=black:s=320x240:r=10 -f lavfi -i sine=frequency=440:sample_rate=48000 "
        "-f lavfi -i sine=frequency=1000:sample_rate=48000 -i " +
            srt.toStdString() +
            " -t 5 -map 0:v -map 1:a -map 2:a -map 3:s -c:v mpeg4 -c:a aac -c:s srt "
            "-metadata:s:a:0 language=eng -metadata:s:a:1 language=ger -metadata:s:a:1 "
            "title=Zweiton -metadata:s:s:0 language=fre -disposition:a:0 default "
            "-disposition:a:1 0");
}

double ToneOf(const std::string& path) {
    const QByteArray pcm =
        RunTool("ffmpeg", {"-v", "error", "-nostdin", "-i", QString::fromStdString(path), "-map",
                           "0:a:0", "-ac", "1", "-ar", "16000", "-f", "s16le", "-"});
    const auto* s = reinterpret_cast<const int16_t*>(pcm.constData());
    const qsizetype n = pcm.size() / 2;
    int crossings = 0;
    for (qsizetype i = 1; i < n; ++i) crossings += (s[i - 1] < 0) != (s[i] < 0);
    return n > 0 ? crossings / 2.0 / (n / 16000.0) : 0;
}

int BrightestAt(const std::string& path, double seconds) {
    const QByteArray grey =
        RunTool("ffmpeg", {"-v", "error", "-nostdin", "-ss", QString::number(seconds), "-i",
                           QString::fromStdString(path), "-frames:v", "1", "-f", "rawvideo",
                           "-pix_fmt", "gray", "-"});
    int brightest = -1;
    for (char c : grey) brightest = std::max(brightest, static_cast<int>(static_cast<uint8_t>(c)));
    return brightest;
}

}  // namespace vc::test
