#include "jobs/JobIntake.h"

#include <QFileInfo>
#include <iterator>

#include "jobs/ConversionSession.h"

namespace vc {

JobIntake::JobIntake(JobList* jobs, ConversionSession* session, QObject* parent)
    : QObject(parent), jobs_(jobs), session_(session) {
    connect(&queue_, &ProbeQueue::answered, this, &JobIntake::OnAnswers);
    appendTimer_.setSingleShot(true);
    appendTimer_.setTimerType(Qt::PreciseTimer);  // a coarse one may fire early
    connect(&appendTimer_, &QTimer::timeout, this, &JobIntake::AppendRead);
    connect(&queue_, &ProbeQueue::idle, this, [this] {
        AppendRead();
        const QStringList names = std::move(notSupported_);
        notSupported_.clear();
        emit finished(names);
    });
}

void JobIntake::Add(const QStringList& paths) {
    if (paths.isEmpty() && !Busy()) {
        // Nothing to probe: the add ends at once, but from the event loop like any other.
        QMetaObject::invokeMethod(
            this, [this] { emit finished({}); }, Qt::QueuedConnection);
        return;
    }
    if (!Busy())
        queue_.SetEncoder(QString::fromStdString(session_->EncoderPath()),
                          QString::fromStdString(session_->ProgramDirectory()));
    queue_.Add(paths);
}

void JobIntake::Append(std::vector<Job> jobs) {
    if (jobs.empty()) return;
    for (Job& j : jobs) j.sizeEstimate = session_->SizeEstimate(j.info);
    jobs_->AppendAll(std::move(jobs));
}

void JobIntake::Cancel() {
    if (!Busy()) return;
    queue_.Cancel();
    AppendRead();
    notSupported_.clear();
    emit finished({});
}

void JobIntake::OnAnswers(const std::vector<ProbeQueue::Answer>& answers) {
    std::vector<Job> ready;
    for (const ProbeQueue::Answer& a : answers) {
        Job job;
        QString why;
        if (a.ok && JobList::FromProbe(a.path, a.result, &job, &why))
            ready.push_back(std::move(job));
        else
            notSupported_ << QFileInfo(a.path).fileName();
    }
    if (ready.empty()) return;
    if (read_.empty()) {
        read_ = std::move(ready);
    } else {
        read_.insert(read_.end(), std::make_move_iterator(ready.begin()),
                     std::make_move_iterator(ready.end()));
    }
    if (appendTimer_.isActive()) return;
    const qint64 since = lastAppend_.isValid() ? lastAppend_.elapsed() : kAppendIntervalMs;
    if (since >= kAppendIntervalMs)
        AppendRead();
    else
        appendTimer_.start(static_cast<int>(kAppendIntervalMs - since));
}

void JobIntake::AppendRead() {
    appendTimer_.stop();
    if (read_.empty()) return;
    std::vector<Job> jobs = std::move(read_);
    read_.clear();
    lastAppend_.start();
    const int first = jobs_->Count();
    Append(std::move(jobs));
    emit rowsAppended(first, jobs_->Count() - first);
}

}  // namespace vc
