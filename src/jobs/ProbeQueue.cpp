#include "jobs/ProbeQueue.h"

#include <QThread>
#include <QTimer>
#include <algorithm>

#include "core/cmdline.h"
#include "jobs/EncoderRunner.h"

namespace vc {

struct ProbeQueue::Run {
    std::size_t lane = 0;
    EncoderRunner* runner = nullptr;  // a child of the queue; deleted from the event loop
    QTimer* limit = nullptr;          // the time the current file may take
    std::vector<std::size_t> items;
    std::size_t at = 0;  // items[at] is being probed
    ProbeResult result;
    QString lastLine;
    bool stopped = false;  // stopped by the time limit: what it prints after that is ignored
};

ProbeQueue::ProbeQueue(QObject* parent)
    : QObject(parent),
      maxRuns_(std::max(1, QThread::idealThreadCount())),
      lanes_(static_cast<std::size_t>(maxRuns_)) {}

ProbeQueue::~ProbeQueue() {
    Cancel();
}

void ProbeQueue::SetEncoder(const QString& encoderPath, const QString& programDirectory) {
    encoderPath_ = encoderPath;
    programDirectory_ = programDirectory;
}

void ProbeQueue::SetRuns(int runs) {
    maxRuns_ = std::max(1, runs);
}

void ProbeQueue::SetInputsPerRun(int inputs) {
    inputsPerRun_ = std::clamp(inputs, 1, kMaxInputsPerRun);
}

void ProbeQueue::SetInputTimeLimit(int ms) {
    timeLimitMs_ = std::max(1, ms);
}

void ProbeQueue::Add(const QStringList& paths) {
    if (paths.isEmpty()) return;
    // The number of lanes changes only between adds, never under a lane's run.
    if (items_.empty() && runs_.empty()) lanes_.assign(static_cast<std::size_t>(maxRuns_), {});
    for (const QString& path : paths) {
        lanes_[items_.size() % lanes_.size()].push_back(items_.size());
        Item item;
        item.path = path;
        items_.push_back(std::move(item));
    }
    Later(scheduled_, &ProbeQueue::Schedule);
}

void ProbeQueue::Later(bool& pending, void (ProbeQueue::*step)()) {
    if (pending) return;
    pending = true;
    const unsigned generation = generation_;
    QMetaObject::invokeMethod(
        this,
        [this, generation, &pending, step] {
            if (generation != generation_) return;  // cancelled since
            pending = false;
            (this->*step)();
        },
        Qt::QueuedConnection);
}

void ProbeQueue::Cancel() {
    ++generation_;
    for (auto& run : runs_) Forget(run.get());
    runs_.clear();
    items_.clear();
    next_ = 0;
    for (auto& lane : lanes_) lane.clear();
    scheduled_ = false;
    deliverScheduled_ = false;
}

void ProbeQueue::Forget(Run* run) {
    run->limit->stop();
    run->limit->disconnect(this);
    run->limit->deleteLater();
    EncoderRunner* runner = run->runner;
    runner->disconnect(this);
    // A runner must not be deleted inside its own signals: it goes once its run has ended.
    if (runner->IsRunning()) {
        connect(runner, &EncoderRunner::finished, runner, &QObject::deleteLater);
        connect(runner, &EncoderRunner::startFailed, runner, &QObject::deleteLater);
        runner->Terminate();
    } else {
        runner->deleteLater();
    }
}

ProbeQueue::Run* ProbeQueue::RunOfLane(std::size_t lane) const {
    for (const auto& run : runs_)
        if (run->lane == lane) return run.get();
    return nullptr;
}

void ProbeQueue::Schedule() {
    for (std::size_t lane = 0; lane < lanes_.size(); ++lane) {
        while (!RunOfLane(lane)) {
            std::deque<std::size_t>& waiting = lanes_[lane];
            if (waiting.empty()) {
                // Nothing left here: take over the later half of the longest lane, so that
                // every core keeps working when one lane was held up by a slow file.
                auto longest = std::max_element(
                    lanes_.begin(), lanes_.end(),
                    [](const auto& a, const auto& b) { return a.size() < b.size(); });
                const auto from = static_cast<std::size_t>(longest - lanes_.begin());
                if (longest->empty() || (longest->size() < 2 && !RunOfLane(from))) break;
                const auto half =
                    longest->begin() + static_cast<std::ptrdiff_t>(longest->size() / 2);
                waiting.assign(half, longest->end());
                longest->erase(half, longest->end());
            }
            std::size_t take = 0, bytes = 0;
            while (take < waiting.size() && take < static_cast<std::size_t>(inputsPerRun_)) {
                // " -vormin", quotes, and at most three bytes of UTF-8 for each unit.
                const std::size_t more =
                    12 + 3 * static_cast<std::size_t>(items_[waiting[take]].path.size());
                if (take > 0 && bytes + more > kMaxArgumentBytes) break;
                bytes += more;
                ++take;
            }
            std::vector<std::size_t> items(waiting.begin(),
                                           waiting.begin() + static_cast<std::ptrdiff_t>(take));
            waiting.erase(waiting.begin(), waiting.begin() + static_cast<std::ptrdiff_t>(take));
            StartRun(lane, std::move(items));
        }
    }
}

void ProbeQueue::StartRun(std::size_t lane, std::vector<std::size_t> items) {
    auto owned = std::make_unique<Run>();
    Run* run = owned.get();
    run->lane = lane;
    run->items = std::move(items);
    run->runner = new EncoderRunner(this);
    run->limit = new QTimer(this);
    run->limit->setSingleShot(true);
    std::string commandLine = QuoteIfBlank(encoderPath_.toStdString()) + " -vormek";
    for (std::size_t i : run->items)
        commandLine += " -vormin " + QuoteIfBlank(items_[i].path.toStdString());
    connect(run->runner, &EncoderRunner::lineRead, this,
            [this, run](const QString& line) { OnLine(run, line); });
    connect(run->runner, &EncoderRunner::finished, this,
            [this, run](int exitCode) { OnFinished(run, exitCode); });
    connect(run->runner, &EncoderRunner::startFailed, this,
            [this, run](const QString& error) { OnStartFailed(run, error); });
    connect(run->limit, &QTimer::timeout, this, [this, run] { OnTimeLimit(run); });
    runs_.push_back(std::move(owned));
    run->runner->Start(QString::fromStdString(commandLine), programDirectory_);
    run->limit->start(timeLimitMs_);
}

void ProbeQueue::OnStartFailed(Run* run, const QString& error) {
    // No encoder to ask: none of these files can be taken.
    while (run->at < run->items.size()) AnswerCurrent(*run, false, error);
    Forget(run);
    runs_.erase(
        std::find_if(runs_.begin(), runs_.end(), [run](const auto& r) { return r.get() == run; }));
    // The lane's other files get their own try (and their own answer).
    Schedule();
}

void ProbeQueue::OnLine(Run* run, const QString& line) {
    if (run->stopped || run->at >= run->items.size()) return;
    const std::string text = line.toStdString();
    int index = 0, status = 0;
    if (ParseProbeEnd(text, &index, &status)) {
        const auto end = static_cast<std::size_t>(index);
        // The same end line delivered again, whole after in part, answers nothing more.
        if (end < run->at) return;
        while (run->at < end && run->at < run->items.size()) AnswerCurrent(*run, false, QString());
        if (run->at < run->items.size()) AnswerCurrent(*run, status == 0, run->lastLine);
        return;
    }
    ProbeReadLine(run->result, text);
    // An end line delivered in part is no message of the file's.
    const QString trimmed = line.trimmed();
    if (!trimmed.isEmpty() && !text.starts_with(kProbeEndPrefix)) run->lastLine = trimmed;
}

void ProbeQueue::AnswerCurrent(Run& run, bool ok, const QString& error) {
    Item& item = items_[run.items[run.at]];
    item.done = true;
    item.answer.path = item.path;
    item.answer.ok = ok;
    item.answer.result = run.result;
    if (!ok)
        item.answer.error =
            error.isEmpty() ? tr("The encoder could not read %1").arg(item.path) : error;
    run.result.Clear();
    run.lastLine.clear();
    ++run.at;
    run.limit->start(timeLimitMs_);
    DeliverLater();
}

void ProbeQueue::OnTimeLimit(Run* run) {
    // Also a run that answered everything but does not end is stopped.
    if (!run->stopped && run->at < run->items.size())
        AnswerCurrent(
            *run, false,
            tr("The file could not be read in time: %1").arg(items_[run->items[run->at]].path));
    run->stopped = true;
    run->limit->stop();
    run->runner->Terminate();
}

void ProbeQueue::OnFinished(Run* run, int exitCode) {
    if (!run->stopped && run->at < run->items.size()) {
        Item& item = items_[run->items[run->at]];
        if (run->items.size() == 1) {
            // A run of one file prints no end line: the run's end is the file's.
            AnswerCurrent(*run, exitCode == 0, run->lastLine);
        } else if (item.retried) {
            AnswerCurrent(*run, false,
                          run->lastLine.isEmpty()
                              ? tr("The encoder ended while reading %1").arg(item.path)
                              : run->lastLine);
        } else {
            // The run died on this file (or was killed from outside): one more try.
            item.retried = true;
        }
    }
    // What the run did not answer goes back to its lane, ahead of the rest.
    std::deque<std::size_t>& lane = lanes_[run->lane];
    lane.insert(lane.begin(), run->items.begin() + static_cast<std::ptrdiff_t>(run->at),
                run->items.end());
    Forget(run);
    runs_.erase(
        std::find_if(runs_.begin(), runs_.end(), [run](const auto& r) { return r.get() == run; }));
    Schedule();
}

void ProbeQueue::DeliverLater() {
    // From the event loop: answers that arrive together are handed on together, and a
    // receiver may cancel or add without pulling a run out from under its own signal.
    Later(deliverScheduled_, &ProbeQueue::Deliver);
}

void ProbeQueue::Deliver() {
    std::vector<Answer> ready;
    while (next_ < items_.size() && items_[next_].done)
        ready.push_back(std::move(items_[next_++].answer));
    const bool all = !items_.empty() && next_ == items_.size();
    if (all) {
        items_.clear();
        next_ = 0;
    }
    const unsigned generation = generation_;
    if (!ready.empty()) emit answered(ready);
    // A receiver may have cancelled, or added files that are not answered yet.
    if (all && generation == generation_ && items_.empty()) emit idle();
}

}  // namespace vc
