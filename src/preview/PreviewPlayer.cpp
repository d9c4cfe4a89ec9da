#include "preview/PreviewPlayer.h"

#include <QGuiApplication>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "core/nativepath.h"
#include "core/numeric.h"
#include "core/timeutil.h"
#include "core/trackchoice.h"
#include "jobs/JobList.h"
#include "preview/PreviewLibrary.h"
#include "shell/SkinDisplay.h"

namespace vc {

namespace {

// The library's callback carries no context: the player whose playback runs registers the
// position it reads here.
std::atomic<std::atomic<double>*> g_positionSink{nullptr};

// The video panel's window for the library: only an X11 window can take the picture.
uint64_t VideoWindowOf(QWidget* panel) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return 0;
    return static_cast<uint64_t>(panel->winId());
}

}  // namespace

// Blocks in Play for one playback and hands the end to the window thread.
class PreviewPlayer::TVideoplay : public QThread {
  public:
    TVideoplay(PreviewPlayer* owner, const PreviewFunctions* lib, std::string path, int generation)
        : owner_(owner), lib_(lib), path_(std::move(path)), generation_(generation) {}

  protected:
    void run() override {
        lib_->Play(path_.c_str());
        // The player state belongs to the window thread; it decides there whether this
        // playback is still the current one.
        PreviewPlayer* owner = owner_;
        const int generation = generation_;
        QMetaObject::invokeMethod(
            owner,
            [owner, generation] {
                if (owner->Playing() && owner->generation_ == generation) owner->Stop();
            },
            Qt::QueuedConnection);
    }

  private:
    PreviewPlayer* owner_;
    const PreviewFunctions* lib_;
    std::string path_;
    int generation_;
};

const PreviewPlayer::DisplaySet* PreviewPlayer::SetOfBar(const QString& name) {
    if (name == kMainSet.bar) return &kMainSet;
    if (name == kCutSet.bar) return &kCutSet;
    return nullptr;
}

PreviewPlayer::PreviewPlayer(JobList* jobs, SkinDisplay* display, QObject* parent)
    : QObject(parent), jobs_(jobs), display_(display) {
    Timer1_ = new QTimer(this);
    Timer1_->setObjectName("Timer1");
    Timer1_->setInterval(10);
    Timer1_->setSingleShot(true);
    play_time_ = new QTimer(this);
    play_time_->setObjectName("play_time");
    play_time_->setInterval(1000);
    connect(play_time_, &QTimer::timeout, this, &PreviewPlayer::play_timeTimer);
    firstReport_ = new QTimer(this);
    firstReport_->setInterval(5);
    connect(firstReport_, &QTimer::timeout, this, &PreviewPlayer::TakeFirstReport);
    connect(Timer1_, &QTimer::timeout, this, &PreviewPlayer::Timer1Timer);
}

PreviewPlayer::~PreviewPlayer() {
    videoplay_.reset();
}

void PreviewPlayer::OnPreviewPosition(double position) {
    if (std::atomic<double>* sink = g_positionSink.load()) sink->store(position);
}

const PreviewFunctions* PreviewPlayer::Library(std::string* why) const {
    return library_ ? library_ : ProgramPreviewLibrary(why);
}

void PreviewPlayer::SetState(State s) {
    if (state_ == s) return;
    state_ = s;
    emit stateChanged(s);
}

bool PreviewPlayer::Start(int row, QWidget* panel, QString* error, Mode mode) {
    const Job* job = jobs_->At(row);
    if (!job || Playing()) return false;
    std::string why;
    const PreviewFunctions* lib = Library(&why);
    if (!lib) {
        if (error) *error = tr("The preview is not available. %1").arg(QString::fromStdString(why));
        return false;
    }
    // The previous playback thread has been told to stop; let it finish before the library
    // prepares a new output.
    videoplay_.reset();
    SetState(State::Playing);
    previousDifference_ = -1.0;
    panel->setVisible(true);
    previewRow_ = row;
    awaitingFirstReport_ = true;
    g_positionSink.store(&reportedPosition_);
    lib->InitPreviewWindow(VideoWindowOf(panel), panel->width(), panel->height());
    lib->SetEventFuntion(&PreviewPlayer::OnPreviewPosition);
    if (lib->SetTracks) {
        const PreviewTracks t = PreviewTracksOf(job->info, job->choice);
        lib->SetTracks(t.sound, t.subtitle, t.subtitleFile.c_str());
    }
    playedSeconds_ = 0;
    reportedPosition_.store(0.0);
    displayFloor_ = 0.0;
    startOffset_ = 0;
    stallCount_ = 0;  // every playback starts without stalls
    // The library opens the file by its bytes.
    fileToPlay_ = PathBytesFromText(job->info.sourcePath);
    const int generation = ++generation_;
    if (mode == Mode::Blocking) {
        PlayBlocking(lib, generation);
        return true;
    }
    lib->Seek(0);
    jobs_->SetPreviewStatus(previewRow_, "Play");
    auto* thread = new TVideoplay(this, lib, fileToPlay_, generation);
    // Releasing the thread (a new playback, or the player going away) ends a playback that
    // still runs, so that no thread outlives the window.
    std::atomic<double>* sink = &reportedPosition_;
    videoplay_.reset(thread, [lib, sink](QThread* t) {
        if (t->isRunning()) lib->Stop();
        t->wait();
        lib->DestroyPreviewWindow();
        // No more reports come after DestroyPreviewWindow; forget this player's position.
        std::atomic<double>* expected = sink;
        g_positionSink.compare_exchange_strong(expected, nullptr);
        delete t;
    });
    thread->start();
    if (!thread->isRunning() && !thread->isFinished()) {
        play_time_->stop();
        ShowStopped();
        jobs_->SetPreviewStatus(previewRow_, QString());
        return true;
    }
    play_time_->start();
    firstReport_->start();
    return true;
}

void PreviewPlayer::PlayBlocking(const PreviewFunctions* lib, int generation) {
    play_time_->start();
    firstReport_->start();
    QPointer<PreviewPlayer> self(this);
    // Runs a nested event loop until the playback ends or is stopped; commands keep arriving.
    lib->Play(fileToPlay_.c_str());
    if (!self) return;
    lib->DestroyPreviewWindow();
    // A stop followed by a new playback while this one was still returning: leave it alone.
    if (generation != generation_) return;
    play_time_->stop();
    display_->SetPosFill(kCutSet.fill, 0);
    display_->SetSliderPosition(kMainSet.bar, 0);
    display_->ShowText(kMainSet.time, "00:00:00");
    SetState(State::Idle);
}

void PreviewPlayer::ShowStopped() {
    display_->SetSliderPosition(kMainSet.bar, 0);
    display_->SetPosFill(kMainSet.fill, 0);
    display_->SetPosFill(kCutSet.fill, 0);
    display_->ShowText(kMainSet.time, "00:00:00");
}

void PreviewPlayer::Stop() {
    const bool wasPlaying = Playing();
    // Idle before the library lets Play return: the end of this playback, handed over by its
    // thread or by the blocking Play, must find it stopped already.
    state_ = State::Idle;
    if (wasPlaying) {
        if (const PreviewFunctions* lib = Library()) {
            // The output's release stops the playback as well and returns when it is gone;
            // nothing has to be waited for in between.
            lib->Stop();
            lib->DestroyPreviewWindow();
        }
    }
    // The row shows what its conversion did again.
    jobs_->SetPreviewStatus(previewRow_, QString());
    play_time_->stop();
    firstReport_->stop();
    ShowStopped();
    if (wasPlaying) emit stateChanged(state_);
}

void PreviewPlayer::TogglePause() {
    if (!Playing()) return;
    const bool pausing = state_ == State::Playing;
    if (const PreviewFunctions* lib = Library()) lib->Pause();
    if (pausing) {
        play_time_->stop();
        firstReport_->stop();
        jobs_->SetPreviewStatus(previewRow_, "Pause");
    } else {
        play_time_->start();
        if (awaitingFirstReport_) firstReport_->start();
        jobs_->SetPreviewStatus(previewRow_, "Play");
    }
    SetState(pausing ? State::Paused : State::Playing);
}

void PreviewPlayer::Timer1Timer() {
    Timer1_->stop();
    Stop();
}

void PreviewPlayer::TakeFirstReport() {
    const double position = reportedPosition_.load();
    if (!Playing() || !awaitingFirstReport_) {
        firstReport_->stop();
    } else if (position > 0.0) {
        firstReport_->stop();
        awaitingFirstReport_ = false;
        startOffset_ = static_cast<int>(RoundHalfEven(position));
    }
}

void PreviewPlayer::play_timeTimer() {
    const double position = reportedPosition_.load();
    if (awaitingFirstReport_ && position > 0.0) {
        awaitingFirstReport_ = false;
        startOffset_ = static_cast<int>(RoundHalfEven(position));
    }
    const Job* job = jobs_->At(previewRow_);
    if (!job) {
        // The job went away under the playback.
        Timer1_->start();
        return;
    }
    const int length = HmsToSeconds(job->info.durationText);
    if (length - 1 <= playedSeconds_) Timer1_->start();
    const double difference = position - startOffset_;
    if (difference == previousDifference_ && previousDifference_ > 1.0) {
        if (stallCount_ < 2) {
            ++stallCount_;
            return;
        }
        play_time_->stop();
        Stop();
        return;
    }
    previousDifference_ = difference;
    playedSeconds_ = static_cast<int>(RoundHalfEven(difference));
    if (playedSeconds_ < displayFloor_) return;
    const DisplaySet& set = cutShown_ ? kCutSet : kMainSet;
    display_->ShowText(set.time, QString::fromStdString(SecondsToHms(playedSeconds_)));
    if (!dragging_) {
        const int total = job->trim.total;
        // A job of no known length keeps its bar at the start.
        const int v = total > 0 ? MulDiv(playedSeconds_, 10000, total) : 0;
        display_->SetSliderPosition(set.bar, v);
        display_->SetPosFill(set.fill, v);
    }
}

void PreviewPlayer::Jump(int t) {
    play_time_->stop();
    if (const PreviewFunctions* lib = Library()) lib->Seek(t);
    if (Playing()) {
        displayFloor_ = t;
        play_time_->start();
    }
}

void PreviewPlayer::BeginDrag(const QString& bar) {
    if (!SetOfBar(bar)) return;
    dragging_ = true;
    if (Playing()) play_time_->stop();
}

void PreviewPlayer::DragTo(const QString& bar) {
    const Job* job = jobs_->At(previewRow_);
    const DisplaySet* set = SetOfBar(bar);
    if (!dragging_ || !job || !set) return;
    barPosition_ = std::min(display_->SliderPosition(set->bar), 10000);
    const int length = HmsToSeconds(job->info.durationText);
    const int t = MulDiv(barPosition_, length, 10000);
    display_->ShowText(set->time, QString::fromStdString(SecondsToHms(t)));
    display_->SetPosFill(set->fill, barPosition_);
    if (Playing())
        if (const PreviewFunctions* lib = Library()) lib->Seek(t);
}

void PreviewPlayer::EndDrag(const QString& bar) {
    const Job* job = jobs_->At(previewRow_);
    const DisplaySet* set = SetOfBar(bar);
    if (Playing() && job && set) {
        barPosition_ = display_->SliderPosition(set->bar);
        const int length = HmsToSeconds(job->info.durationText);
        const int t = MulDiv(barPosition_, length, 10000) + startOffset_;
        if (const PreviewFunctions* lib = Library()) lib->Seek(t);
        displayFloor_ = t;
        play_time_->start();
        display_->SetPosFill(set->fill, barPosition_);
    }
    dragging_ = false;
}

QWidget* PreviewPlayer::MakeVideoPanel(QWidget* parent, const char* name) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setAttribute(Qt::WA_NativeWindow);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::black);
    panel->setPalette(pal);
    return panel;
}

}  // namespace vc
