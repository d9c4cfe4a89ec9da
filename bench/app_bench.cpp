// Figures of the program itself: start-up to the first shown window, resident memory idle and
// with 1,000 jobs, adding 100 files (the probe per file), and how long the window's event loop
// is held up while a conversion prints progress.
//   app_bench
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/Tfm_main.h"
#include "jobs/EncoderRunner.h"
#include "support/clips.h"
#include "support/program.h"

using namespace vc;
using namespace vc::test;

namespace {
long RssKb() {
    std::ifstream f("/proc/self/status");
    std::string key;
    long value = 0;
    while (f >> key) {
        if (key == "VmRSS:") {
            f >> value;
            return value;
        }
        std::getline(f, key);
    }
    return -1;
}

double StartupMs(const QString& config) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VC_EXIT_AFTER_SHOW", "1");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", config);
    env.insert("VC_UPDATE_HOST", "127.0.0.1:9");
    p.setProcessEnvironment(env);
    p.start(QString(VC_PROGRAM_DIR) + "/VideoConverter", {});
    p.waitForFinished(30000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const int at = out.indexOf("startup_ms ");
    return at < 0 ? -1 : out.mid(at + 11).split('\n').first().toDouble();
}
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QTemporaryDir dir, config;

    std::vector<double> starts;
    for (int i = 0; i < 5; ++i) starts.push_back(StartupMs(config.path()));
    std::sort(starts.begin(), starts.end());
    std::printf("start-up to the first shown window: %.0f ms median of 5 (target under 500)\n",
                starts[2]);

    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    std::printf("resident memory, idle: %ld KB\n", RssKb());

    QStringList files;
    for (int i = 0; i < 10; ++i) {
        const std::string clip =
            MakeMp4H264Aac(dir.path().toStdString(), "clip" + std::to_string(i) + ".mp4", 2);
        for (int k = 0; k < 10; ++k) files << QString::fromStdString(clip);
    }
    QElapsedTimer t;
    t.start();
    p.fx.fileAnswers.push_back(files);
    w.AddFiles();
    const double addMs = t.elapsed();
    std::printf("adding 100 files: %.0f ms, %.1f ms per file (%d rows)\n", addMs, addMs / 100.0,
                w.Jobs().Count());

    const Toriginalinfo info = w.Jobs().At(0)->info;
    const TrimRecord trim = w.Jobs().At(0)->trim;
    while (w.Jobs().Count() < 1000) w.AppendJob("copy", info, trim);
    t.restart();
    w.RefreshSizeEstimates();
    const qint64 refresh = t.elapsed();
    Pump(100);
    std::printf("resident memory, 1000 jobs: %ld KB; size estimates of 1000 rows: %lld ms\n",
                RssKb(), refresh);

    // Event loop delay: a 10 ms timer during a conversion; the largest gap beyond its interval.
    w.Jobs().Clear();
    const std::string longClip =
        MakeClip(dir.path().toStdString(), "long.mp4",
                 "-f lavfi -i testsrc2=size=640x480:rate=25:duration=20 -f lavfi "
                 "-i sine=duration=20 -c:v libx264 -preset veryfast -c:a aac -shortest");
    p.fx.fileAnswers.push_back({QString::fromStdString(longClip)});
    w.AddFiles();
    w.SelectProfile(102);
    w.ed_output->setText(dir.path() + "/out");
    QElapsedTimer gap;
    qint64 worst = 0;
    QTimer probe;
    probe.setInterval(10);
    QObject::connect(&probe, &QTimer::timeout,
                     [&] { worst = std::max(worst, gap.restart() - 10); });
    gap.start();
    probe.start();
    int lines = 0;
    w.StartBatch();
    QObject::connect(w.Batch().Runner(), &EncoderRunner::lineRead, [&] { ++lines; });
    // The window's own kind of loop, not a polling one, so the figure is what a user feels.
    QEventLoop loop;
    QTimer done;
    QObject::connect(&done, &QTimer::timeout, [&] {
        if (!w.Converting()) loop.quit();
    });
    done.start(50);
    loop.exec();
    probe.stop();
    std::printf(
        "event loop during a conversion (%d progress deliveries): longest delay %lld ms "
        "(target under 50)\n",
        lines, worst);
    return 0;
}
