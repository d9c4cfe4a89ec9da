#include "program.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QThread>
#include <fstream>

#include "app/OtherForms.h"
#include "app/Tfm_main.h"
#include "core/appinfo.h"
#include "fake_preview.h"
#include "fake_runner.h"
#include "jobs/JobIntake.h"
#include "preview/Tfm_dvdcutter.h"
#include "preview/Tfm_info.h"
#include "profiles/Tfm_dir.h"
#include "profiles/Tfm_set.h"

namespace vc::test {

ProgramFolder::ProgramFolder() {
    QDir src(VC_PROGRAM_DIR);
    for (const QString& e : src.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
        QFile::link(src.filePath(e), dir_.path() + "/" + e);
}

void ProgramFolder::Remove(const std::string& name) {
    QFile::remove(QString::fromStdString(Path() + name));
}

void ProgramFolder::Write(const std::string& name, const std::string& text) {
    Remove(name);
    std::ofstream(Path() + name, std::ios::binary) << text;
}

Program::Program(const std::string& exeName, const std::string& programDir,
                 const std::string& config) {
    if (config.empty()) {
        ownConfig_ = std::make_unique<QTemporaryDir>();
        configHome = ownConfig_->path().toStdString();
    } else {
        configHome = config;
    }
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(configHome));
    // The first-start notice fetch goes to a closed local port: tests never reach the network.
    if (qEnvironmentVariableIsEmpty("VC_UPDATE_HOST")) qputenv("VC_UPDATE_HOST", "127.0.0.1:9");
    SetExeFileNameForTest(exeName);
    SetProgramDirectoryForTest(programDir.empty() ? std::string(VC_PROGRAM_DIR) : programDir);
    fm_main = std::make_unique<Tfm_main>(&fx);
    fm_dir = new Tfm_dir(fm_main.get());
    fm_about = new Tfm_about(fm_main.get());
    fm_set = new Tfm_set(fm_main.get());
    fm_show = new Tfm_show(fm_main.get());
    fm_info = new Tfm_info(fm_main.get());
    fm_dvdcutter = new Tfm_dvdcutter(fm_main.get());
    fm_main->AttachWindows(fm_dir, fm_set, fm_info, fm_dvdcutter);
}

Program::~Program() {
    fm_main.reset();
}

void Program::Show() {
    fm_main->show();
    Pump();
}

bool Program::Close() {
    bool closed = fm_main->close();
    Pump();
    return closed;
}

Toriginalinfo TenSecondClip(const std::string& sourcePath) {
    Toriginalinfo info;
    info.sourcePath = sourcePath;
    info.pictureSize = "320x240";
    info.durationText = "00:00:10";
    info.videoRate = "500";
    info.audioRate = "128";
    return info;
}

void HoldBatch(Tfm_main& w) {
    w.Batch().SetRunnerFactory(FakeRunners());
    if (w.Jobs().Count() == 0) {
        w.AppendJob("held", TenSecondClip("/nonexistent/held.mp4"), TrimRecord{10, 0, 10});
    }
    w.Jobs().SetChecked(0, true);
    // The batch makes its output folder: keep it out of the user's videos.
    static QTemporaryDir out;
    const QString saved = w.ed_output->text();
    w.ed_output->setText(out.path() + "/");
    w.StartBatch();
    w.ed_output->setText(saved);
}

void ReleaseBatch(Tfm_main& w) {
    w.StopBatch();
    WaitFor([&] { return w.Batch().state() == BatchRunner::State::Idle; }, 2000);
}

void HoldPreview(Tfm_main& w) {
    w.Player().SetLibrary(&FakePreviewLibrary());
    if (w.Jobs().Count() == 0) {
        w.AppendJob("held", TenSecondClip("/nonexistent/held.mp4"), TrimRecord{10, 0, 10});
    }
    QString error;
    w.Player().Start(0, w.pl_play, &error);
}

void ReleasePreview(Tfm_main& w) {
    w.StopPlayback();
    w.Player().SetLibrary(nullptr);
}

bool WaitForAdding(Tfm_main& w, int timeoutMs) {
    JobIntake* intake = w.findChild<JobIntake*>();
    if (!intake) return false;
    bool done = false;
    const auto c = QObject::connect(intake, &JobIntake::finished, [&] { done = true; });
    // The add ends inside the step that makes the queue idle; an empty add ends queued.
    const bool ok = WaitFor([&] { return done || !intake->Busy(); }, timeoutMs);
    QObject::disconnect(c);
    Pump();
    return ok;
}

void Pump(int ms) {
    QElapsedTimer t;
    t.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (ms > 0) QThread::msleep(2);
    } while (t.elapsed() < ms);
}

bool WaitFor(const std::function<bool()>& pred, int timeoutMs) {
    QElapsedTimer t;
    t.start();
    while (!pred()) {
        if (t.elapsed() > timeoutMs) return pred();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}

}  // namespace vc::test
