// Batches through the program's window against ffmpeg given the same work, every process at
// the priority the program runs its encoders at (nice 19), all measured in the same run:
//  - SOUNDS sounds of 10 to 60 s (default 28) to MP3 and to OGG;
//  - VIDEOS clips of VIDEO_SECONDS (default 10 of 10 s) to MP4;
// each against ffmpeg one file after another and ffmpeg on all cores (as many at once as
// there are cores), and against SoundConverter when it is installed.
//   batch_bench [SOUNDS] [VIDEOS] [VIDEO_SECONDS]
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <deque>
#include <memory>
#include <vector>

#include "app/Tfm_main.h"
#include "core/cmdline.h"
#include "support/processes.h"
#include "support/program.h"

using namespace vc;
using namespace vc::test;

namespace {

void LowestPriority() {
    ::setpriority(PRIO_PROCESS, 0, 19);
}

bool RunFfmpeg(const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start("ffmpeg", QStringList{"-v", "error", "-y"} + args);
    return p.waitForFinished(600000) && p.exitCode() == 0;
}

// A sound of some seconds that an encoder finds as hard as music: a chord with vibrato whose
// notes change with n, a beat of filtered noise and a little hiss, as FLAC.
QString MakeSound(const QString& dir, int n, int seconds) {
    const QString path = dir + QString("/sound %1.flac").arg(n, 2, 10, QChar('0'));
    const double base = 110.0 * (1.0 + (n % 7) / 7.0);
    const QString tone =
        QString(
            "aevalsrc='0.25*sin(2*PI*(%1+3*sin(2*PI*5*t))*t)+0.12*sin(2*PI*%2*t)*(0.6+0.4*sin("
            "2*PI*0.5*t))+0.08*sin(2*PI*%3*t+sin(2*PI*%4*t))|0.22*sin(2*PI*(%1+0.5+3*sin(2*"
            "PI*4*t))*t)+0.1*sin(2*PI*%5*t)':s=44100:d=%6[tone];")
            .arg(base)
            .arg(base * 1.26)
            .arg(base * 1.5)
            .arg(base * 4)
            .arg(base * 2.52)
            .arg(seconds);
    const QString beat =
        QString(
            "anoisesrc=c=pink:a=0.5:d=%1:r=44100,volume='if(lt(mod(t,0.5),0.06),1,0.08)':"
            "eval=frame,highpass=f=200,aformat=channel_layouts=stereo[beat];")
            .arg(seconds);
    const QString graph = tone + beat + "[tone][beat]amix=inputs=2:weights=1 0.8,alimiter";
    return RunFfmpeg({"-filter_complex", graph, "-c:a", "flac", path}) ? path : QString();
}

QString MakeVideo(const QString& dir, int n, int seconds) {
    const QString path = dir + QString("/video %1.mp4").arg(n, 2, 10, QChar('0'));
    const QString d = QString::number(seconds);
    return RunFfmpeg({"-f", "lavfi", "-i", "testsrc2=size=640x480:rate=25:duration=" + d, "-f",
                      "lavfi", "-i",
                      "sine=frequency=" + QString::number(300 + 20 * n) + ":duration=" + d, "-c:v",
                      "libx264", "-preset", "veryfast", "-c:a", "aac", "-shortest", path})
               ? path
               : QString();
}

// What register.dat gives ffmpeg for an encoder command line, the output replaced.
QStringList FfmpegArguments(const std::string& commandLine, const QString& output) {
    const std::vector<std::string> args = SplitCommandLine(commandLine);
    QStringList out{"-nostdin", "-hide_banner", "-v", "error", "-y"};
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool last = i + 1 == args.size();
        const std::string next = last ? std::string() : args[i + 1];
        if (a == "-vormek") continue;
        if (a == "-ss" && next.find_first_not_of("0:.") == std::string::npos) {
            ++i;  // a zero seek is none
            continue;
        }
        if (a == "-vormin")
            out << "-i";
        else if (a == "-b")
            out << "-b:v";
        else if (a == "-ab")
            out << "-b:a";
        else if (last)
            out << output;
        else
            out << QString::fromStdString(a);
    }
    return out;
}

// Runs every argument list through ffmpeg at the lowest priority, `parallel` at a time;
// seconds, or -1 when one failed.
double FfmpegRuns(const std::vector<QStringList>& work, int parallel) {
    QElapsedTimer t;
    t.start();
    std::deque<QStringList> waiting(work.begin(), work.end());
    std::vector<std::unique_ptr<QProcess>> running;
    bool failed = false;
    while (!waiting.empty() || !running.empty()) {
        while (!waiting.empty() && static_cast<int>(running.size()) < parallel) {
            auto p = std::make_unique<QProcess>();
            p->setProcessChannelMode(QProcess::MergedChannels);
            p->setChildProcessModifier(LowestPriority);
            p->start("ffmpeg", waiting.front());
            waiting.pop_front();
            running.push_back(std::move(p));
        }
        running.front()->waitForFinished(600000);
        for (auto it = running.begin(); it != running.end();) {
            if ((*it)->state() == QProcess::NotRunning) {
                failed = failed || (*it)->exitCode() != 0;
                if ((*it)->exitCode() != 0)
                    std::fprintf(stderr, "ffmpeg: %s\n", (*it)->readAll().constData());
                it = running.erase(it);
            } else {
                (*it)->waitForFinished(1);
                ++it;
            }
        }
    }
    return failed ? -1 : static_cast<double>(t.nsecsElapsed()) / 1e9;
}

// SoundConverter's batch mode over the same files, at the lowest priority, as many at once as
// it chooses (one per core); -1 when it failed.
double SoundConverter(const QString& program, const QStringList& files, const QStringList& format,
                      const QString& outDir) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setChildProcessModifier(LowestPriority);
    QElapsedTimer t;
    t.start();
    p.start(program,
            QStringList{"-b"} + files + format + QStringList{"-e", "overwrite", "-o", outDir});
    const bool ok = p.waitForFinished(1800000) && p.exitCode() == 0;
    if (!ok) std::fprintf(stderr, "soundconverter: %s\n", p.readAll().constData());
    return ok ? static_cast<double>(t.nsecsElapsed()) / 1e9 : -1;
}

qint64 FolderBytes(const QString& folder) {
    qint64 bytes = 0;
    for (const QFileInfo& f : QDir(folder).entryInfoList(QDir::Files)) bytes += f.size();
    return bytes;
}

struct Batch {
    const char* what;
    int profile;
    const char* extension;
    // SoundConverter's options for the profile's format and rate; empty for video.
    QStringList soundConverter;
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const int sounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 28;
    const int videos = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    const int videoSeconds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 10;
    const int cores = std::max(1, QThread::idealThreadCount());
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("sounds");
    QDir(dir.path()).mkpath("videos");
    QStringList soundFiles, videoFiles;
    int soundSeconds = 0;
    for (int i = 0; i < sounds; ++i) {
        const int seconds = 10 + (i * 19) % 51;  // 10 to 60 s, spread
        soundSeconds += seconds;
        soundFiles << MakeSound(dir.path() + "/sounds", i, seconds);
    }
    for (int i = 0; i < videos; ++i)
        videoFiles << MakeVideo(dir.path() + "/videos", i, videoSeconds);
    if (soundFiles.contains(QString()) || videoFiles.contains(QString())) {
        std::fprintf(stderr, "cannot make the test files with ffmpeg\n");
        return 1;
    }
    const QString soundConverter = QStandardPaths::findExecutable("soundconverter");
    std::printf(
        "batch: %d sounds (%d s in all), %d videos of %d s, %d cores, every process at "
        "nice 19; SoundConverter %s\n",
        sounds, soundSeconds, videos, videoSeconds, cores,
        soundConverter.isEmpty() ? "not installed: skipped" : "installed");

    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    const Batch batches[] = {
        // 128 kbit/s constant for MP3 as the profile; quality 0.4 is Vorbis's mode for about
        // 128 kbit/s on average, the profile's rate.
        {"sounds to MP3", 17, "mp3", {"-f", "mp3", "-m", "cbr", "-q", "128"}},
        {"sounds to OGG", 18, "ogg", {"-f", "ogg", "-q", "0.4"}},
        {"videos to MP4", 5, "mp4", {}},
    };
    int status = 0;
    for (const Batch& b : batches) {
        const bool sound = !b.soundConverter.isEmpty();
        const QStringList& files = sound ? soundFiles : videoFiles;
        w.Jobs().Clear();
        w.SelectProfile(b.profile);
        const QString out = dir.path() + "/out-" + b.extension + "/";
        QDir(out).removeRecursively();
        w.ed_output->setText(out);
        p.fx.fileAnswers.push_back(files);
        w.AddFiles();
        WaitForAdding(w);
        if (w.Jobs().Count() != files.size()) {
            std::fprintf(stderr, "%s: %d of %lld files were added\n", b.what, w.Jobs().Count(),
                         static_cast<long long>(files.size()));
            return 1;
        }
        // The same work for ffmpeg: each job's command line as the batch would build it.
        std::vector<QStringList> work;
        const QString refOut = dir.path() + "/ref-" + b.extension + "/";
        QDir().mkpath(refOut);
        for (int i = 0; i < w.Jobs().Count(); ++i) {
            const InvocationResult r = w.Session().BuildJobInvocation(*w.Jobs().At(i));
            if (!r.ok()) {
                std::fprintf(stderr, "%s: %s\n", b.what, r.error.c_str());
                return 1;
            }
            work.push_back(FfmpegArguments(JoinCommandLine(r.rec),
                                           refOut + QString::number(i) + "." + b.extension));
        }
        QElapsedTimer t;
        t.start();
        const double selfBefore = CpuSeconds(RUSAGE_SELF);
        const double childrenBefore = CpuSeconds(RUSAGE_CHILDREN);
        w.StartBatch();
        WaitFor([&] { return !w.Converting(); }, 3600000);
        const double ours = static_cast<double>(t.nsecsElapsed()) / 1e9;
        // The encoder server ends with the batch; only then is its CPU counted as ours.
        WaitFor([] { return UnwaitedChildCount(static_cast<int>(::getpid())) == 0; }, 10000);
        const double oursWindowCpu = CpuSeconds(RUSAGE_SELF) - selfBefore;
        const double oursEncoderCpu = CpuSeconds(RUSAGE_CHILDREN) - childrenBefore;
        const auto written = QDir(out).entryList(QDir::Files).size();
        const double refChildrenBefore = CpuSeconds(RUSAGE_CHILDREN);
        const double inRow = FfmpegRuns(work, 1);
        const double inRowCpu = CpuSeconds(RUSAGE_CHILDREN) - refChildrenBefore;
        const double allCoresBefore = CpuSeconds(RUSAGE_CHILDREN);
        const double allCores = FfmpegRuns(work, cores);
        const double allCoresCpu = CpuSeconds(RUSAGE_CHILDREN) - allCoresBefore;
        if (written != files.size() || inRow < 0 || allCores < 0) {
            std::fprintf(stderr, "%s: the program wrote %lld of %lld files, or ffmpeg failed\n",
                         b.what, static_cast<long long>(written),
                         static_cast<long long>(files.size()));
            status = 1;
            continue;
        }
        std::printf(
            "batch %s: program %.2f s; ffmpeg in a row %.2f s, ratio %.2f; ffmpeg on %d "
            "cores %.2f s, ratio %.2f\n",
            b.what, ours, inRow, ours / inRow, cores, allCores, ours / allCores);
        // Jobs side by side cost more CPU each than one at a time when the cores share their
        // caches, so the program's side-by-side batch compares best with ffmpeg on all cores.
        std::printf(
            "batch %s: CPU: program's encoders %.2f s and window %.2f s, ffmpeg in a row "
            "%.2f s: %.0f ms more per job; ffmpeg on %d cores %.2f s: %.0f ms more per job\n",
            b.what, oursEncoderCpu, oursWindowCpu, inRowCpu,
            (oursEncoderCpu + oursWindowCpu - inRowCpu) * 1000 / static_cast<double>(files.size()),
            cores, allCoresCpu,
            (oursEncoderCpu + oursWindowCpu - allCoresCpu) * 1000 /
                static_cast<double>(files.size()));
        if (sound && !soundConverter.isEmpty()) {
            const QString scOut = dir.path() + "/sc-" + b.extension;
            QDir().mkpath(scOut);
            const double scChildrenBefore = CpuSeconds(RUSAGE_CHILDREN);
            const double sc = SoundConverter(soundConverter, files, b.soundConverter, scOut);
            if (sc > 0)
                std::printf(
                    "batch %s: SoundConverter %.2f s, ratio program / it %.2f; its CPU %.2f s; "
                    "output %lld KB, the program's %lld KB\n",
                    b.what, sc, ours / sc, CpuSeconds(RUSAGE_CHILDREN) - scChildrenBefore,
                    FolderBytes(scOut) / 1024, FolderBytes(out) / 1024);
            else
                status = 1;
        }
        std::printf("batch %s: first job's command line: %s\n", b.what,
                    work.front().join(' ').toLocal8Bit().constData());
        std::fflush(stdout);  // each batch's figures as soon as they are known
    }
    return status;
}
