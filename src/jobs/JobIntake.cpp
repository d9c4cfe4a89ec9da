#include "jobs/JobIntake.h"

#include <QFileInfo>

#include "jobs/ConversionSession.h"

namespace vc {

JobIntake::JobIntake(JobList* jobs, ConversionSession* session, QObject* parent)
    : QObject(parent), jobs_(jobs), session_(session) {
    connect(&queue_, &ProbeQueue::answered, this, &JobIntake::OnAnswers);
    connect(&queue_, &ProbeQueue::idle, this, [this] {
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
    const int first = jobs_->Count();
    Append(std::move(ready));
    emit rowsAppended(first, jobs_->Count() - first);
}

}  // namespace vc
