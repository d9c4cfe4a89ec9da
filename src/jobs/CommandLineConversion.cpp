#include "jobs/CommandLineConversion.h"

#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "core/appinfo.h"
#include "core/catalogue.h"
#include "core/editions.h"
#include "core/mediatypes.h"
#include "core/nativepath.h"
#include "core/trackchoice.h"
#include "jobs/StopSignals.h"

namespace vc {

namespace {

// The kind of a path as its bytes name it: 0 none, 1 file, 2 folder, 3 something else.
int KindOf(const QString& pathText) {
    struct stat sb {};
    if (::stat(PathFromQString(pathText).c_str(), &sb) != 0) return 0;
    if (S_ISREG(sb.st_mode)) return 1;
    return S_ISDIR(sb.st_mode) ? 2 : 3;
}

QString NameOf(const QString& pathText) {
    return QFileInfo(pathText).fileName();
}

// "no sound track 3: the file has only 2", and so on.
QString MissingTrack(const char* none, const char* one, const char* many, int asked, int has) {
    if (has > 1) return CommandLineConversion::tr(many).arg(asked).arg(has);
    return CommandLineConversion::tr(has == 0 ? none : one).arg(asked);
}

int TerminalWidth(std::FILE* f) {
    winsize size{};
    if (::ioctl(::fileno(f), TIOCGWINSZ, &size) == 0 && size.ws_col > 1) return size.ws_col;
    return 80;
}

}  // namespace

CommandLineConversion::CommandLineConversion(Setup setup, std::FILE* err, QObject* parent)
    : QObject(parent),
      setup_(std::move(setup)),
      err_(err),
      terminal_(::isatty(::fileno(err)) == 1),
      intake_(&jobs_, &session_),
      batch_(&jobs_, &session_) {
    connect(&intake_.Queue(), &ProbeQueue::answered, this, &CommandLineConversion::OnAnswers);
    connect(&intake_, &JobIntake::finished, this, &CommandLineConversion::OnAdded);
    connect(&batch_, &BatchRunner::jobStarted, this, [this](int row) {
        running_[row] = QStringLiteral("0%");
        DrawProgress();
    });
    connect(&batch_, &BatchRunner::progressed, this, [this](int row, int) {
        if (const Job* j = jobs_.At(row); j && running_.count(row)) running_[row] = j->status;
        DrawProgress();
    });
    connect(&batch_, &BatchRunner::jobEnded, this, &CommandLineConversion::OnJobEnded);
    connect(&batch_, &BatchRunner::batchEnded, this, &CommandLineConversion::OnBatchEnded);
}

QStringList CommandLineConversion::Check() {
    QStringList problems;
    for (const QString& p : setup_.paths)
        if (KindOf(p) == 0) problems << tr("there is no file or folder \"%1\".").arg(p);
    const ConvertOptions& o = setup_.options;
    if (!o.subtitleFile.isEmpty() && KindOf(o.subtitleFile) != 1)
        problems << tr("there is no subtitle file \"%1\".").arg(o.subtitleFile);
    if (const int kind = o.output.isEmpty() ? 0 : KindOf(o.output); kind != 0 && kind != 2)
        problems << tr("the output folder \"%1\" is not a folder.").arg(o.output);
    if (!problems.isEmpty()) return problems;
    files_ = ExpandMediaPaths(setup_.paths);
    if (files_.isEmpty()) problems << tr("the folders named hold no media files.");
    return problems;
}

void CommandLineConversion::Start() {
    session_.SetProgramDirectory(setup_.programDirectory);
    session_.SetProductName(ProductNameOf(setup_.exeFileName));
    const QString movies = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    const int edition = DefaultProfileFor(setup_.exeFileName);
    const AppSettings saved = session_.LoadSettings(
        edition, (movies.isEmpty() ? QDir::homePath() : movies).toStdString() + "/");
    int profile = setup_.options.profileId;
    if (profile == 0) {
        // As the window starts: a saved number that names no profile gives the edition's own.
        const ProfileEntry* e = CatalogueEntry(saved.profileId);
        profile = !e || e->displayName[0] == '\0' ? edition : saved.profileId;
    }
    const ConversionSession::ProfileSwitch selected = session_.SelectProfile(profile);
    for (const std::string& problem : selected.problems) PrintLine(QString::fromStdString(problem));
    if (!selected.profileFileRead) {
        Finish(kSomeFailed);
        return;
    }
    if (const QString& out = setup_.options.output; !out.isEmpty())
        session_.SetOutputFolderText(out.endsWith('/') ? out : out + '/');
    // Without --jobs the saved choice holds; "auto" is the session's own automatic choice.
    if (setup_.options.jobs >= 0) session_.SetSimultaneousConversions(setup_.options.jobs);
    intake_.Add(files_);
}

void CommandLineConversion::OnAnswers(const std::vector<ProbeQueue::Answer>& answers) {
    for (const ProbeQueue::Answer& a : answers) {
        QString reason;
        Job job;
        if (!a.ok) {
            reason = a.error.isEmpty() ? tr("the file cannot be read") : a.error;
            // "name: failed: Error: ..." would say it twice.
            if (reason.startsWith(QLatin1String("Error: "))) reason.remove(0, 7);
        } else if (!JobList::FromProbe(a.path, a.result, &job, &reason)) {
            reason = reason.isEmpty() ? tr("the file cannot be converted") : reason;
        } else {
            continue;
        }
        ++failedBeforeBatch_;
        PrintLine(tr("%1: failed: %2").arg(NameOf(a.path), reason));
    }
}

void CommandLineConversion::OnAdded() {
    if (done_) return;
    if (stopSignal_ != 0) {
        Finish(128 + stopSignal_);
        return;
    }
    ApplyChoices();
    if (!batch_.Start()) OnBatchEnded();
}

void CommandLineConversion::ApplyChoices() {
    const ConvertOptions& o = setup_.options;
    for (int row = 0; row < jobs_.Count(); ++row) {
        TrackChoice choice = jobs_.At(row)->choice;
        QString reason;
        if (o.audioTrack > 0) {
            const auto sound = SoundTracks(jobs_.At(row)->info);
            const int has = static_cast<int>(sound.size());
            if (o.audioTrack <= has)
                choice.sound = sound[static_cast<size_t>(o.audioTrack - 1)]->stream;
            else
                reason = MissingTrack(QT_TR_NOOP("no sound track %1: the file has none"),
                                      QT_TR_NOOP("no sound track %1: the file has only one"),
                                      QT_TR_NOOP("no sound track %1: the file has only %2"),
                                      o.audioTrack, has);
        }
        if (o.subtitle > 0) {
            const int has = static_cast<int>(Subtitles(jobs_.At(row)->info).size());
            if (o.subtitle <= has)
                choice.subtitle = o.subtitle - 1;
            else if (reason.isEmpty())
                reason = MissingTrack(QT_TR_NOOP("no subtitle %1: the file has none"),
                                      QT_TR_NOOP("no subtitle %1: the file has only one"),
                                      QT_TR_NOOP("no subtitle %1: the file has only %2"),
                                      o.subtitle, has);
        } else if (!o.subtitleFile.isEmpty()) {
            // The file may be one beside the source that the probe found already.
            const std::string file = o.subtitleFile.toStdString();
            auto subs = Subtitles(jobs_.At(row)->info);
            auto found = std::find_if(subs.begin(), subs.end(),
                                      [&file](const MediaTrack* t) { return t->file == file; });
            if (found == subs.end()) {
                MediaTrack track;
                track.kind = MediaTrack::Kind::Subtitle;
                const QString ext = QFileInfo(o.subtitleFile).suffix().toLower();
                track.codec = ext == "srt" ? "subrip" : ext == "vtt" ? "webvtt" : "ass";
                track.file = file;
                std::vector<MediaTrack> tracks = jobs_.At(row)->info.tracks;
                tracks.push_back(track);
                jobs_.SetTracks(row, std::move(tracks));
                subs = Subtitles(jobs_.At(row)->info);
                found = subs.end() - 1;
            }
            choice.subtitle = static_cast<int>(found - subs.begin());
        }
        choice.subtitleAsTrack = false;
        if (!reason.isEmpty()) {
            // Only this file fails; the others convert.
            ++failedBeforeBatch_;
            jobs_.SetChecked(row, false);
            jobs_.SetStatus(row, QStringLiteral("Error"), reason);
            PrintLine(tr("%1: failed: %2").arg(FileName(row), reason));
            continue;
        }
        jobs_.SetChoice(row, choice);
    }
}

void CommandLineConversion::OnJobEnded(int row, BatchRunner::Outcome outcome,
                                       const QString& reason) {
    const QString reached = running_.count(row) ? running_[row] : QStringLiteral("0%");
    running_.erase(row);
    switch (outcome) {
        case BatchRunner::Outcome::Finished:
            PrintLine(tr("%1: 100%, converted").arg(FileName(row)));
            break;
        case BatchRunner::Outcome::Failed:
            PrintLine(tr("%1: failed: %2").arg(FileName(row), reason));
            break;
        case BatchRunner::Outcome::Stopped:
            PrintLine(tr("%1: %2, stopped; the unfinished output was removed")
                          .arg(FileName(row), reached));
            break;
    }
}

void CommandLineConversion::OnBatchEnded() {
    if (stopSignal_ != 0) {
        Finish(128 + stopSignal_);
        return;
    }
    Finish(failedBeforeBatch_ + batch_.FailedCount() > 0 ? kSomeFailed : kAllConverted);
}

void CommandLineConversion::Interrupt(int signal) {
    if (done_ || stopSignal_ != 0) return;
    stopSignal_ = signal;
    if (intake_.Busy())
        intake_.Cancel();  // finished() follows at once
    else if (batch_.Converting())
        batch_.Stop();  // the stopped run's end follows
    else
        Finish(128 + signal);
}

void CommandLineConversion::Finish(int exitCode) {
    if (done_) return;
    done_ = true;
    ClearProgress();
    const int total = static_cast<int>(files_.size());
    const int converted = batch_.FinishedCount();
    const int failed = failedBeforeBatch_ + batch_.FailedCount();
    if (stopSignal_ != 0)
        PrintLine(tr("Stopped: %1 of %2 files converted.").arg(converted).arg(total));
    else if (failed > 0)
        PrintLine(tr("%1 of %2 files converted, %3 failed.").arg(converted).arg(total).arg(failed));
    else if (converted > 0)
        PrintLine(tr("%1 of %2 files converted into %3")
                      .arg(converted)
                      .arg(total)
                      .arg(batch_.OutputDirectory()));
    QMetaObject::invokeMethod(
        this, [this, exitCode] { emit finished(exitCode); }, Qt::QueuedConnection);
}

QString CommandLineConversion::FileName(int row) const {
    const Job* j = jobs_.At(row);
    return QStringLiteral("[%1/%2] %3")
        .arg(row + 1)
        .arg(jobs_.Count())
        .arg(j ? NameOf(QString::fromStdString(j->info.sourcePath)) : QString());
}

void CommandLineConversion::PrintLine(const QString& line) {
    ClearProgress();
    // Names keep their bytes.
    const std::string text = PathFromQString(line) + "\n";
    std::fputs(text.c_str(), err_);
    DrawProgress();
    std::fflush(err_);
}

void CommandLineConversion::DrawProgress() {
    if (!terminal_ || done_) return;
    QStringList parts;
    for (const auto& [row, reached] : running_) parts << FileName(row) + ": " + reached;
    // Wider than the terminal, the line would wrap and could no longer be drawn over.
    const QString text = parts.join(QStringLiteral("   ")).left(TerminalWidth(err_) - 1);
    if (text == drawn_) return;
    drawn_ = text;
    std::fputs(("\r\033[K" + PathFromQString(text)).c_str(), err_);
    std::fflush(err_);
}

void CommandLineConversion::ClearProgress() {
    if (!terminal_ || drawn_.isEmpty()) return;
    std::fputs("\r\033[K", err_);
    drawn_.clear();
}

int RunCommandLineConversion(CommandLineConversion::Setup setup, const std::string& commandName) {
    CommandLineConversion conversion(std::move(setup), stderr);
    if (const QStringList problems = conversion.Check(); !problems.isEmpty()) {
        const QString separator = '\n' + QString::fromStdString(commandName) + ": ";
        std::fputs(UsageErrorText(commandName, problems.join(separator)).c_str(), stderr);
        return CommandLineConversion::kUsageError;
    }
    StopSignals stops;
    QObject::connect(&stops, &StopSignals::received, &conversion,
                     &CommandLineConversion::Interrupt);
    QObject::connect(&conversion, &CommandLineConversion::finished, &conversion,
                     [](int code) { QCoreApplication::exit(code); });
    conversion.Start();
    return QCoreApplication::exec();
}

}  // namespace vc
