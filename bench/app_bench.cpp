// Figures of the program itself: start-up to the first shown window, resident memory idle and
// with 1,000 jobs, adding 100 files and a folder of FOLDER files (default 1,000) through the
// window until the last rows are painted, each against ffprobe run per file and against
// opening the files with libavformat in-process in two processes (open_files), stopping an
// add, how long the window's event loop is held up while adding and while a conversion prints
// progress, and how soon a preview has its first position.
// Runs on the display it finds (DISPLAY), else offscreen. Every reference process runs at the
// lowest priority, as the program runs its encoder.
//   app_bench [rounds] [FOLDER]
#include <sys/resource.h>
#include <unistd.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <atomic>
#include <clocale>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/MainStyle.h"
#include "app/Tfm_main.h"
#include "jobs/EncoderRunner.h"
#include "jobs/JobIntake.h"
#include "preview/PreviewLibrary.h"
#include "profiles/Tfm_dir.h"
#include "support/clips.h"
#include "support/processes.h"
#include "support/program.h"

using namespace vc;
using namespace vc::test;

namespace {
double StartupMs(const QString& config) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VC_EXIT_AFTER_SHOW", "1");
    env.insert("QT_QPA_PLATFORM", QGuiApplication::platformName());
    env.insert("XDG_CONFIG_HOME", config);
    env.insert("VC_UPDATE_HOST", "127.0.0.1:9");
    p.setProcessEnvironment(env);
    p.start(QString(VC_PROGRAM_DIR) + "/VideoConverter", {});
    p.waitForFinished(30000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const int at = out.indexOf("startup_ms ");
    return at < 0 ? -1 : out.mid(at + 11).split('\n').first().toDouble();
}

double Median(std::vector<double> v) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The longest time the event loop was held up beyond a 10 ms timer's interval.
class LoopWatch {
  public:
    LoopWatch() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout,
                         [this] { worst_ = std::max(worst_, gap_.restart() - 10); });
    }
    void Start() {
        worst_ = 0;
        gap_.start();
        timer_.start();
    }
    qint64 Stop() {
        timer_.stop();
        return worst_;
    }

  private:
    QTimer timer_;
    QElapsedTimer gap_;
    qint64 worst_ = 0;
};

// Runs the window's event loop until pred() holds (checked every millisecond) or the time is up.
bool RunUntil(const std::function<bool()>& pred, int timeoutMs) {
    QEventLoop loop;
    QTimer check;
    QElapsedTimer t;
    t.start();
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (pred() || t.elapsed() > timeoutMs) loop.quit();
    });
    check.start(1);
    if (!pred()) loop.exec();
    return pred();
}

// 100 sequential ffprobe runs at the lowest priority, as the program runs the encoder.
double SequentialFfprobeMs(const QStringList& files) {
    QElapsedTimer t;
    t.start();
    for (const QString& f : files) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.setChildProcessModifier([] { ::setpriority(PRIO_PROCESS, 0, 19); });
        p.start("ffprobe", {"-hide_banner", f});
        if (!p.waitForFinished(60000) || p.exitCode() != 0) return -1;
    }
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// Opening every file in-process with libavformat, the files split between two processes as
// the program splits them between two encoder runs on two cores.
double InProcessMs(const QStringList& files) {
    const QString tool = QCoreApplication::applicationDirPath() + "/open_files";
    QProcess halves[2];
    QElapsedTimer t;
    t.start();
    for (int h = 0; h < 2; ++h) {
        halves[h].setProcessChannelMode(QProcess::MergedChannels);
        halves[h].setChildProcessModifier([] { ::setpriority(PRIO_PROCESS, 0, 19); });
        halves[h].start(tool, {});
        QByteArray list;
        for (qsizetype i = h; i < files.size(); i += 2) list += QFile::encodeName(files[i]) + '\n';
        halves[h].write(list);
        halves[h].closeWriteChannel();
    }
    bool ok = true;
    for (QProcess& half : halves) ok = half.waitForFinished(300000) && half.exitCode() == 0 && ok;
    return ok ? static_cast<double>(t.nsecsElapsed()) / 1e6 : -1;
}

// When the job list's rows were last inserted and when its rows were painted after that.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(QTreeView* view) : view_(view) {
        view->viewport()->installEventFilter(this);
        QObject::connect(view->model(), &QAbstractItemModel::rowsInserted, this,
                         [this] { insertedAt_ = clock_.nsecsElapsed(); });
    }
    void Start() {
        clock_.start();
        insertedAt_ = paintedAt_ = -1;
    }
    // The rows inserted last have been painted; ms since Start, or -1.
    double PaintedMs() const {
        return insertedAt_ >= 0 && paintedAt_ >= insertedAt_ ? paintedAt_ / 1e6 : -1;
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == view_->viewport() && event->type() == QEvent::Paint)
            paintedAt_ = clock_.nsecsElapsed();
        return false;
    }

  private:
    QTreeView* view_;
    QElapsedTimer clock_;
    qint64 insertedAt_ = -1, paintedAt_ = -1;
};

std::atomic<qint64> g_firstReport{-1}, g_firstPastZero{-1};
QElapsedTimer g_previewClock;
void OnPosition(double position) {
    qint64 none = -1;
    const qint64 now = g_previewClock.nsecsElapsed() / 1000;
    g_firstReport.compare_exchange_strong(none, now);
    none = -1;
    if (position > 0.0) g_firstPastZero.compare_exchange_strong(none, now);
}

// The preview library alone, without a window: Play to its first position reports (ms).
void LibraryFirstPosition(const std::string& clip, int rounds, std::vector<double>& first,
                          std::vector<double>& pastZero) {
    PreviewFunctions lib;
    std::string error;
    if (!LoadPreviewLibrary(&lib, &error, VC_PROGRAM_DIR "/")) {
        std::printf("preview library: %s\n", error.c_str());
        return;
    }
    for (int r = 0; r < rounds; ++r) {
        g_firstReport = -1;
        g_firstPastZero = -1;
        lib.InitPreviewWindow(0, 320, 240);
        lib.SetEventFuntion(&OnPosition);
        lib.Seek(0);
        g_previewClock.start();
        std::thread play([&] { lib.Play(clip.c_str()); });
        while (g_firstPastZero < 0 && g_previewClock.elapsed() < 5000)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        lib.Stop();
        play.join();
        lib.DestroyPreviewWindow();
        if (g_firstReport >= 0) first.push_back(g_firstReport / 1000.0);
        if (g_firstPastZero >= 0) pastZero.push_back(g_firstPastZero / 1000.0);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    SetApplicationAttributes();  // as the program
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int folderFiles = argc > 2 ? std::max(100, std::atoi(argv[2])) : 1000;
    std::printf("platform: %s%s\n", qPrintable(QGuiApplication::platformName()),
                qEnvironmentVariableIsEmpty("DISPLAY")
                    ? ""
                    : qPrintable(" on display " + qEnvironmentVariable("DISPLAY")));
    QTemporaryDir dir, config;
    const std::string d = dir.path().toStdString();

    std::vector<double> starts;
    for (int i = 0; i < 5; ++i) starts.push_back(StartupMs(config.path()));
    std::printf("start-up to the first shown window: %.0f ms median of 5 (target under 500)\n",
                Median(starts));

    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    JobIntake* intake = w.findChild<JobIntake*>();
    std::printf("resident memory, idle: %ld KB\n", ResidentKb());

    QDir(dir.path()).mkpath("hundred");
    const std::vector<std::string> made = MakeMediaFiles(d + "/hundred", 100);
    if (made.empty()) {
        std::fprintf(stderr, "could not make the clips with ffmpeg\n");
        return 1;
    }
    QStringList hundred;
    for (const auto& f : made) hundred << QString::fromStdString(f);

    // Adding 100 files through the window until the last rows are painted, against ffprobe
    // per file and against libavformat in-process in two processes.
    bool added = false;
    QObject::connect(intake, &JobIntake::finished, [&] { added = true; });
    LoopWatch watch;
    PaintWatch paints(w.lv);
    std::vector<double> adds, references, inProcess, delays;
    int rows = 0;
    for (int r = 0; r < rounds + 1; ++r) {  // the first round warms the file cache
        w.Jobs().Clear();
        Pump(50);
        added = false;
        p.fx.fileAnswers.push_back(hundred);
        watch.Start();
        paints.Start();
        w.AddFiles();
        RunUntil([&] { return added && paints.PaintedMs() >= 0; }, 120000);
        const double ms = paints.PaintedMs();
        const qint64 worst = watch.Stop();
        rows = w.Jobs().Count();
        const double reference = SequentialFfprobeMs(hundred);
        const double direct = InProcessMs(hundred);
        if (r == 0) continue;
        adds.push_back(ms);
        delays.push_back(static_cast<double>(worst));
        references.push_back(reference);
        inProcess.push_back(direct);
    }
    std::printf(
        "adding 100 files through the window until painted: %.0f ms (%d rows); ffprobe per "
        "file: %.0f ms, ratio %.3f (target <= 0.25); libavformat in-process, 2 processes: "
        "%.0f ms, ratio %.2f; medians of %d\n",
        Median(adds), rows, Median(references), Median(adds) / Median(references),
        Median(inProcess), Median(adds) / Median(inProcess), rounds);
    std::printf("event loop while adding 100 files: longest delay %.0f ms (target under 50)\n",
                *std::max_element(delays.begin(), delays.end()));

    // A folder of 1,000 files (links to the 100), added whole, then added again and stopped.
    QDir(dir.path()).mkpath("thousand");
    QStringList thousand;
    for (int i = 0; i < folderFiles; ++i) {
        thousand
            << dir.path() +
                   QString("/thousand/%1 clip.%2").arg(i).arg(QFileInfo(hundred[i % 100]).suffix());
        QFile::link(hundred[i % 100], thousand.back());
    }
    p.fx.onDialog = [&](QDialog* dialog) {
        if (dialog == p.fm_dir) p.fm_dir->ChosenDirectory = d + "/thousand";
        return int(QDialog::Accepted);
    };
    std::vector<double> folderAdds, folderDirect, firstRows, windowCpu, probeCpu, directCpu;
    qint64 folderDelay = 0;
    int folderRows = 0;
    QElapsedTimer t;
    for (int r = 0; r < rounds; ++r) {
        w.Jobs().Clear();
        Pump(50);
        added = false;
        watch.Start();
        paints.Start();
        t.start();
        const double selfBefore = CpuSeconds(RUSAGE_SELF);
        const double childrenBefore = CpuSeconds(RUSAGE_CHILDREN);
        w.AddFolder();
        RunUntil([&] { return w.Jobs().Count() > 0; }, 60000);
        firstRows.push_back(static_cast<double>(t.elapsed()));
        RunUntil([&] { return added && paints.PaintedMs() >= 0; }, 300000);
        folderAdds.push_back(paints.PaintedMs());
        folderDelay = std::max(folderDelay, watch.Stop());
        folderRows = w.Jobs().Count();
        // The probe runs have been waited for once the add is over.
        windowCpu.push_back(CpuSeconds(RUSAGE_SELF) - selfBefore);
        probeCpu.push_back(CpuSeconds(RUSAGE_CHILDREN) - childrenBefore);
        const double directBefore = CpuSeconds(RUSAGE_CHILDREN);
        folderDirect.push_back(InProcessMs(thousand));
        directCpu.push_back(CpuSeconds(RUSAGE_CHILDREN) - directBefore);
    }
    // ffprobe per file over the whole folder takes minutes: measured over its first 100
    // files and scaled, unless VC_BENCH_FFPROBE_ALL is set.
    const bool probeAll = qEnvironmentVariableIsSet("VC_BENCH_FFPROBE_ALL");
    const double folderFfprobe =
        probeAll ? SequentialFfprobeMs(thousand)
                 : SequentialFfprobeMs(thousand.mid(0, 100)) * folderFiles / 100.0;
    std::printf(
        "adding a folder of %d files until painted: %.0f ms (%d rows), first row after %.0f ms; "
        "libavformat in-process, 2 processes: %.0f ms, ratio %.2f (target <= 1.2); ffprobe per "
        "file: %.0f ms%s, ratio %.3f; longest event loop delay %lld ms; medians of %d\n",
        folderFiles, Median(folderAdds), folderRows, Median(firstRows), Median(folderDirect),
        Median(folderAdds) / Median(folderDirect), folderFfprobe,
        probeAll ? "" : " (100 measured, scaled)", Median(folderAdds) / folderFfprobe, folderDelay,
        rounds);
    std::printf(
        "adding that folder, CPU: the window %.2f s and its probe runs %.2f s; libavformat "
        "in-process %.2f s; medians of %d\n",
        Median(windowCpu), Median(probeCpu), Median(directCpu), rounds);
    w.Jobs().Clear();
    added = false;
    w.AddFolder();
    RunUntil([&] { return w.Jobs().Count() >= 200; }, 60000);
    t.restart();
    w.RunCommand(Command::Stop);
    const qint64 stopMs = t.elapsed();
    const int kept = w.Jobs().Count();
    Pump(500);
    std::printf("Stop during that add: returned after %lld ms, %d rows kept, %d rows came later\n",
                stopMs, kept, w.Jobs().Count() - kept);

    const Toriginalinfo info = w.Jobs().At(0)->info;
    const TrimRecord trim = w.Jobs().At(0)->trim;
    while (w.Jobs().Count() < 1000) w.AppendJob("copy", info, trim);
    t.restart();
    w.RefreshSizeEstimates();
    const qint64 refresh = t.elapsed();
    Pump(100);
    std::printf("resident memory, 1000 jobs: %ld KB; size estimates of 1000 rows: %lld ms\n",
                ResidentKb(), refresh);

    // The preview: Play to the first position, in the library alone and through the window.
    const std::string longClip =
        MakeClip(d, "long.mp4",
                 "-f lavfi -i testsrc2=size=640x480:rate=25:duration=20 -f lavfi "
                 "-i sine=duration=20 -c:v libx264 -preset veryfast -c:a aac -shortest");
    std::vector<double> first, pastZero, window;
    LibraryFirstPosition(longClip, 10, first, pastZero);
    w.Jobs().Clear();
    p.fx.fileAnswers.push_back({QString::fromStdString(longClip)});
    w.AddFiles();
    WaitForAdding(w);
    for (int r = 0; r < 10; ++r) {
        w.lv->clearSelection();
        w.SelectRow(0);
        t.restart();
        w.PlaySelectedJob();
        RunUntil([&] { return !w.Player().AwaitingFirstReport(); }, 5000);
        window.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        w.StopPlayback();
        Pump(100);
    }
    std::printf(
        "preview, library alone: Play to the first position %.0f ms, to the first past "
        "0 s %.0f ms (medians of 10)\n",
        Median(first), Median(pastZero));
    std::printf(
        "preview, window: Play to the player's first position %.0f ms, median of 10 "
        "(target under 100; sound: %s)\n",
        Median(window),
        qEnvironmentVariableIsEmpty("VC_PREVIEW_AO_NULL") ? "the system's" : "none");

    // Event loop delay: a 10 ms timer during a conversion; the largest gap beyond its interval.
    w.SelectProfile(102);
    w.ed_output->setText(dir.path() + "/out");
    int lines = 0;
    watch.Start();
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
    std::printf(
        "event loop during a conversion (%d progress deliveries): longest delay %lld ms "
        "(target under 50)\n",
        lines, watch.Stop());
    return 0;
}
