// Probe speed, everything measured side by side in the same run:
//  - one file: a register.dat run against an ffprobe run on the same 20 short clips;
//  - 100 files: ProbeQueue (several inputs per register.dat run, one run per core) against
//    100 sequential ffprobe runs and 100 sequential register.dat runs on the same files.
// Every process runs at the lowest priority, as the program runs the encoder.
//   probe_bench [rounds]
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "jobs/ProbeQueue.h"
#include "support/clips.h"

namespace {

// Runs the program to its end, output discarded; false when it could not run or failed.
bool RunQuiet(const QString& program, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setChildProcessModifier([] { ::setpriority(PRIO_PROCESS, 0, 19); });
    p.start(program, args);
    if (!p.waitForStarted(10000) || !p.waitForFinished(60000)) return false;
    p.readAll();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Milliseconds for probing every file once with `probe`; -1 when one failed.
double Sequential(const std::vector<std::string>& files,
                  const std::function<bool(const QString&)>& probe) {
    QElapsedTimer t;
    t.start();
    for (const auto& f : files)
        if (!probe(QString::fromStdString(f))) {
            std::fprintf(stderr, "probe failed: %s\n", f.c_str());
            return -1;
        }
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// Milliseconds until the queue has answered every file; -1 when one was not read.
double Queued(const QString& encoder, const std::vector<std::string>& files) {
    vc::ProbeQueue queue;
    queue.SetEncoder(encoder, QCoreApplication::applicationDirPath());
    bool failed = false;
    QEventLoop loop;
    QObject::connect(&queue, &vc::ProbeQueue::answered, [&](const auto& answers) {
        for (const auto& a : answers) failed = failed || !a.ok;
    });
    QObject::connect(&queue, &vc::ProbeQueue::idle, &loop, &QEventLoop::quit);
    QStringList paths;
    for (const auto& f : files) paths << QString::fromStdString(f);
    QElapsedTimer t;
    t.start();
    queue.Add(paths);
    loop.exec();
    return failed ? -1 : static_cast<double>(t.nsecsElapsed()) / 1e6;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString encoder = QStringLiteral(VC_PROGRAM_DIR) + "/register.dat";
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    auto ours = [&](const QString& f) { return RunQuiet(encoder, {"-vormek", "-vormin", f}); };
    auto ffprobe = [](const QString& f) { return RunQuiet("ffprobe", {"-hide_banner", f}); };

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
    const std::vector<std::string> hundred = vc::test::MakeMediaFiles(d, 100);
    if (hundred.empty() ||
        std::any_of(files.begin(), files.end(), [](auto& f) { return f.empty(); })) {
        std::fprintf(stderr, "could not make the test clips with ffmpeg\n");
        return 1;
    }

    // A warm-up pass each, so that all start from a warm file cache.
    Sequential(files, ours);
    Sequential(files, ffprobe);
    Queued(encoder, hundred);

    std::vector<double> one, oneRef;
    for (int r = 0; r < rounds; ++r) {
        one.push_back(Sequential(files, ours) / static_cast<double>(files.size()));
        oneRef.push_back(Sequential(files, ffprobe) / static_cast<double>(files.size()));
    }
    std::vector<double> queued, singles, reference;
    for (int r = 0; r < rounds; ++r) {
        queued.push_back(Queued(encoder, hundred));
        reference.push_back(Sequential(hundred, ffprobe));
        singles.push_back(Sequential(hundred, ours));
    }
    for (const auto* v : {&one, &oneRef, &queued, &singles, &reference})
        if (*std::min_element(v->begin(), v->end()) < 0) return 1;

    std::printf("probe: %zu files x %d rounds, medians, every process at the lowest priority\n",
                files.size(), rounds);
    std::printf(
        "probe: one file per run: register.dat %.1f ms/file, ffprobe %.1f ms/file, ratio "
        "%.2f (target <= 1.00)\n",
        Median(one), Median(oneRef), Median(one) / Median(oneRef));
    std::printf("probe: 100 files, ProbeQueue (%d runs side by side): %.0f ms\n",
                std::max(1, QThread::idealThreadCount()), Median(queued));
    std::printf("probe: 100 files, one register.dat run per file, one after the other: %.0f ms\n",
                Median(singles));
    std::printf("probe: 100 files, one ffprobe run per file, one after the other: %.0f ms\n",
                Median(reference));
    std::printf("probe: ratio ProbeQueue / sequential ffprobe %.2f (target <= 0.25)\n",
                Median(queued) / Median(reference));
    return 0;
}
