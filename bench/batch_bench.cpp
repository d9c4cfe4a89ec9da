// Batch overhead: the same conversion through the program's batch (probe excluded) and
// through ffmpeg directly, alternating in one run. Prints wall times and their ratio.
//   batch_bench [ROUNDS]
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <vector>

#include "app/Tfm_main.h"
#include "core/cmdline.h"
#include "support/clips.h"
#include "support/program.h"

using namespace vc;
using namespace vc::test;

namespace {
double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The encoder's arguments as ffmpeg itself takes them.
QStringList FfmpegArguments(const std::string& commandLine, const QString& output) {
    std::vector<std::string> args = SplitCommandLine(commandLine);
    QStringList out{"-nostdin", "-hide_banner", "-loglevel", "error"};
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-vormek") continue;
        if (a == "-vormin")
            out << "-i";
        else if (a == "-b")
            out << "-b:v";
        else if (a == "-ab")
            out << "-b:a";
        else if (i + 1 == args.size())
            out << output;
        else
            out << QString::fromStdString(a);
    }
    return out;
}
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    QTemporaryDir dir;
    const std::string clip =
        MakeClip(dir.path().toStdString(), "bench.mp4",
                 "-f lavfi -i testsrc2=size=640x480:rate=25:duration=20 -f lavfi "
                 "-i sine=frequency=440:duration=20 -c:v libx264 -preset veryfast "
                 "-c:a aac -shortest");
    if (clip.empty()) {
        std::fprintf(stderr, "cannot make the clip\n");
        return 1;
    }
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.SelectProfile(102);
    const QString out = dir.path() + "/out/";
    w.ed_output->setText(out);
    p.fx.fileAnswers.push_back({QString::fromStdString(clip)});
    w.AddFiles();
    WaitForAdding(w);
    if (w.Jobs().Count() != 1) {
        std::fprintf(stderr, "the clip was not added\n");
        return 1;
    }
    std::vector<double> batch, direct;
    for (int r = 0; r < rounds; ++r) {
        QDir(out).removeRecursively();
        QElapsedTimer t;
        t.start();
        w.StartBatch();
        WaitFor([&] { return !w.Converting(); }, 600000);
        batch.push_back(t.elapsed() / 1000.0);
        const QStringList args =
            FfmpegArguments(JoinCommandLine(w.CurrentInvocation()), out + "direct.avi");
        t.restart();
        QProcess ff;
        ff.start("ffmpeg", QStringList{"-y"} + args);
        ff.waitForFinished(600000);
        direct.push_back(t.elapsed() / 1000.0);
        if (ff.exitCode() != 0)
            std::fprintf(stderr, "ffmpeg: %s\n", ff.readAllStandardError().constData());
    }
    const double b = Median(batch), d = Median(direct);
    std::printf("batch (20 s clip, profile 102): %.2f s median of %d\n", b, rounds);
    std::printf("ffmpeg alone, same arguments:    %.2f s median of %d\n", d, rounds);
    std::printf("ratio batch / ffmpeg:            %.3f (target at most 1.05)\n", b / d);
    return 0;
}
