// Probe speed: register.dat against ffprobe on the same 20 short clips, in the same run.
// Prints milliseconds per file for each and their ratio (target: register.dat <= ffprobe).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// The clip makers are shared with the tests; the bench build compiles them in here.
#include "support/clips.h"

namespace {

// Runs the program to its end, output discarded; false when it could not run or failed.
bool RunQuiet(const QString& program, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForStarted(10000) || !p.waitForFinished(60000)) return false;
    p.readAll();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

double MsPerFile(const std::vector<std::string>& files, int rounds,
                 const std::function<bool(const QString&)>& probe) {
    QElapsedTimer t;
    t.start();
    int n = 0;
    for (int r = 0; r < rounds; ++r)
        for (const auto& f : files) {
            if (!probe(QString::fromStdString(f))) {
                std::fprintf(stderr, "probe failed: %s\n", f.c_str());
                return -1;
            }
            ++n;
        }
    return static_cast<double>(t.nsecsElapsed()) / 1e6 / n;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString encoder = QStringLiteral(VC_PROGRAM_DIR) + "/register.dat";
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    std::vector<std::string> files;
    for (int i = 0; i < 4; ++i) {
        const std::string n = std::to_string(i);
        files.push_back(vc::test::MakeMp4H264Aac(d, "c" + n + ".mp4", 3));
        files.push_back(vc::test::MakeAviMpeg4Mp3(d, "c" + n + ".avi", 3));
        files.push_back(vc::test::MakeMkv(d, "c" + n + ".mkv", 3));
        files.push_back(vc::test::MakeMp3(d, "c" + n + ".mp3", 3));
        files.push_back(vc::test::MakeVideoOnly(d, "c" + n + ".video.mp4", 3));
    }
    for (const auto& f : files)
        if (f.empty()) {
            std::fprintf(stderr, "could not make the test clips with ffmpeg\n");
            return 1;
        }

    // One warm-up pass each so that both start from a warm file cache.
    MsPerFile(files, 1, [&](const QString& f) {
        return RunQuiet(encoder, {"-vormek", "-vormin", f});
    });
    MsPerFile(files, 1, [&](const QString& f) { return RunQuiet("ffprobe", {"-hide_banner", f}); });

    const double ours = MsPerFile(files, rounds, [&](const QString& f) {
        return RunQuiet(encoder, {"-vormek", "-vormin", f});
    });
    const double theirs = MsPerFile(files, rounds, [&](const QString& f) {
        return RunQuiet("ffprobe", {"-hide_banner", f});
    });
    if (ours < 0 || theirs < 0) return 1;
    std::printf("probe: %zu files x %d rounds\n", files.size(), rounds);
    std::printf("probe: register.dat %.2f ms/file\n", ours);
    std::printf("probe: ffprobe      %.2f ms/file\n", theirs);
    std::printf("probe: ratio register.dat/ffprobe %.2f (target <= 1.00)\n", ours / theirs);
    return 0;
}
