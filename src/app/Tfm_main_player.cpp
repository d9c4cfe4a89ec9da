// Preview player, cut window marks and playback, snapshot and properties of the main window.
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

#include "app/Tfm_main.h"
#include "core/invocation.h"
#include "core/timeutil.h"
#include "jobs/EncoderRunner.h"
#include "preview/PreviewLibrary.h"
#include "preview/Tfm_dvdcutter.h"
#include "preview/Tfm_info.h"
#include "profiles/Tfm_set.h"

namespace vc {

namespace {

constexpr int kStatusColumn = 4;

// Where the library's position reports go: the reported position of the window whose
// playback runs. The library gives its callback no context, so it is kept here.
std::atomic<std::atomic<double>*> g_positionSink{nullptr};

// The three skin objects that show a playback.
struct DisplaySet {
    const char* time;
    const char* bar;
    const char* fill;
};
constexpr DisplaySet kMainSet{"play_time", "play_bar", "playpos"};
constexpr DisplaySet kCutSet{"cut_play_time", "cut_play_bar", "cutplaypos"};

const DisplaySet* SetOfBar(const QString& name) {
    if (name == kMainSet.bar) return &kMainSet;
    if (name == kCutSet.bar) return &kCutSet;
    return nullptr;
}

// The video panel's window for the library: only an X11 window can take the picture.
uint64_t VideoWindowOf(QWidget* panel) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return 0;
    return static_cast<uint64_t>(panel->winId());
}

// The library without a message; for calls that have nothing to report (seeks, stops).
const PreviewFunctions* LoadedLibrary() {
    return ProgramPreviewLibrary(nullptr);
}

int LowestSelectedRow(QTreeWidget* list) {
    int row = -1;
    for (QTreeWidgetItem* item : list->selectedItems()) {
        const int i = list->indexOfTopLevelItem(item);
        if (i >= 0 && (row < 0 || i < row)) row = i;
    }
    return row;
}

}  // namespace

// Blocks in Play for one main-window playback and hands the end to the window thread.
class Tfm_main::TVideoplay : public QThread {
  public:
    TVideoplay(Tfm_main* owner, const PreviewFunctions* lib, std::string path, int generation)
        : owner_(owner), lib_(lib), path_(std::move(path)), generation_(generation) {}

  protected:
    void run() override {
        lib_->Play(path_.c_str());
        // The player state belongs to the window thread; it decides there whether this
        // playback is still the current one.
        Tfm_main* owner = owner_;
        const int generation = generation_;
        QMetaObject::invokeMethod(
            owner,
            [owner, generation] {
                if (owner->playing && owner->playGeneration_ == generation) owner->StopPlayback();
            },
            Qt::QueuedConnection);
    }

  private:
    Tfm_main* owner_;
    const PreviewFunctions* lib_;
    std::string path_;
    int generation_;
};

void Tfm_main::OnPreviewPosition(double position) {
    if (std::atomic<double>* sink = g_positionSink.load()) sink->store(position);
}

void Tfm_main::WirePlayer() {
    if (playerWired_) return;
    playerWired_ = true;
    connect(play_time, &QTimer::timeout, this, &Tfm_main::play_timeTimer);
    connect(Timer1, &QTimer::timeout, this, &Tfm_main::Timer1Timer);
}

bool Tfm_main::PreviewRowValid() const {
    return previewRow >= 0 && previewRow < static_cast<int>(jobs.size()) &&
           previewRow < static_cast<int>(trims.size()) && previewRow < lv->topLevelItemCount();
}

void Tfm_main::SetPreviewStatus(const QString& text) {
    if (QTreeWidgetItem* item = lv->topLevelItem(previewRow)) item->setText(kStatusColumn, text);
}

// ---------------------------------------------------------------- main window playback

void Tfm_main::PlaySelectedJob() {
    const int row = LowestSelectedRow(lv);
    if (row < 0) return;
    if (Converting) {
        fx_->Warning(this, LanguageText(26));
        return;
    }
    if (paused) TogglePause();
    if (playing) return;
    if (row >= static_cast<int>(jobs.size()) || row >= static_cast<int>(trims.size())) return;
    std::string error;
    if (!ProgramPreviewLibrary(&error)) {
        fx_->Error(this, "The preview is not available. " + QString::fromStdString(error));
        return;
    }
    playing = true;
    UpdateCommandState();
    previousDifference = -1.0;
    pl_play->setVisible(true);
    previewRow = row;
    StartPlayback(jobs[row].sourcePath);
}

void Tfm_main::StartPlayback(const std::string& path) {
    const PreviewFunctions* lib = LoadedLibrary();
    if (!lib) return;
    WirePlayer();
    // The previous playback thread has been told to stop; let it finish before the library
    // prepares a new output.
    videoplay_.reset();
    awaitingFirstReport = true;
    g_positionSink.store(&reportedPosition);
    lib->InitPreviewWindow(VideoWindowOf(pl_play), pl_play->width(), pl_play->height());
    lib->SetEventFuntion(&Tfm_main::OnPreviewPosition);
    playedSeconds = 0;
    reportedPosition.store(0.0);
    displayFloor = 0.0;
    startOffset = 0;
    stallCount = 0;  // every playback starts without stalls
    lib->Seek(0);
    SetPreviewStatus("Play");
    fileToPlay = path;
    const int generation = ++playGeneration_;
    auto* thread = new TVideoplay(this, lib, fileToPlay, generation);
    // Releasing the thread (a new playback, or the window going away) ends a playback that
    // still runs, so that no thread outlives the window.
    std::atomic<double>* sink = &reportedPosition;
    videoplay_.reset(thread, [lib, sink](QThread* t) {
        if (t->isRunning()) lib->Stop();
        t->wait();
        lib->DestroyPreviewWindow();
        // No more reports come after DestroyPreviewWindow; forget this window's position.
        std::atomic<double>* expected = sink;
        g_positionSink.compare_exchange_strong(expected, nullptr);
        delete t;
    });
    thread->start();
    if (!thread->isRunning() && !thread->isFinished()) {
        play_time->stop();
        SetSliderPosition(kMainSet.bar, 0);
        SetPosFill(kMainSet.fill, 0);
        ShowText(kMainSet.time, "00:00:00");
        SetPreviewStatus("Stop");
        return;
    }
    play_time->start();
}

void Tfm_main::StopPlayback() {
    if (playing) {
        playing = false;
        if (const PreviewFunctions* lib = LoadedLibrary()) {
            lib->Stop();
            QThread::msleep(50);
            lib->DestroyPreviewWindow();
        }
    }
    paused = false;
    SetPreviewStatus("Stop");
    play_time->stop();
    SetSliderPosition(kMainSet.bar, 0);
    SetPosFill(kMainSet.fill, 0);
    SetPosFill(kCutSet.fill, 0);
    ShowText(kMainSet.time, "00:00:00");
    UpdateCommandState();
}

void Tfm_main::TogglePause() {
    if (!playing) return;
    paused = !paused;
    if (const PreviewFunctions* lib = LoadedLibrary()) lib->Pause();
    if (paused) {
        play_time->stop();
        SetPreviewStatus("Pause");
    } else {
        play_time->start();
        SetPreviewStatus("Play");
    }
}

void Tfm_main::Timer1Timer() {
    Timer1->stop();
    StopPlayback();
}

void Tfm_main::play_timeTimer() {
    const double position = reportedPosition.load();
    if (awaitingFirstReport && position > 0.0) {
        awaitingFirstReport = false;
        startOffset = static_cast<int>(RoundHalfEven(position));
    }
    if (!PreviewRowValid()) {
        // The job went away under the playback.
        Timer1->start();
        return;
    }
    const int length = HmsToSeconds(jobs[previewRow].durationText);
    if (length - 1 <= playedSeconds) Timer1->start();
    const double difference = position - startOffset;
    if (difference == previousDifference && previousDifference > 1.0) {
        if (stallCount < 2) {
            ++stallCount;
            return;
        }
        play_time->stop();
        StopPlayback();
        return;
    }
    previousDifference = difference;
    playedSeconds = static_cast<int>(RoundHalfEven(difference));
    if (playedSeconds < displayFloor) return;
    const DisplaySet& set = cutShown ? kCutSet : kMainSet;
    ShowText(set.time, QString::fromStdString(SecondsToHms(playedSeconds)));
    if (!dragging) {
        const int total = trims[previewRow].total;
        // A job of no known length keeps its bar at the start.
        const int v = total > 0 ? MulDiv(playedSeconds, 10000, total) : 0;
        SetSliderPosition(set.bar, v);
        SetPosFill(set.fill, v);
    }
}

void Tfm_main::SpaceKey() {
    if (playing)
        StopPlayback();
    else if (cutShown)
        CutPlay();
    else
        PlaySelectedJob();
}

void Tfm_main::PreviousJob() {
    lv->clearSelection();
    if (previewRow < 1 || previewRow - 1 >= lv->topLevelItemCount()) return;
    StopPlayback();
    --previewRow;
    QTreeWidgetItem* item = lv->topLevelItem(previewRow);
    lv->setCurrentItem(item);
    item->setSelected(true);
    lvClick();
    QThread::msleep(50);
    PlaySelectedJob();
}

void Tfm_main::NextJob() {
    lv->clearSelection();
    if (previewRow > lv->topLevelItemCount() - 2 || previewRow < -1) return;
    StopPlayback();
    ++previewRow;
    QTreeWidgetItem* item = lv->topLevelItem(previewRow);
    lv->setCurrentItem(item);
    item->setSelected(true);
    lvClick();
    QThread::msleep(50);
    PlaySelectedJob();
}

// ---------------------------------------------------------------- position bars

void Tfm_main::Skin1MouseDown(skin::ISkinObject* source, Qt::MouseButton, int, int) {
    CommitRename();
    ClosePicker();
    if (Converting || !source || !SetOfBar(source->Name())) return;
    dragging = true;
    if (playing) play_time->stop();
}

void Tfm_main::Skin1ScrollTrack(skin::ISkinObject* source, int) {
    if (!dragging || !source || lv->topLevelItemCount() == 0 || !PreviewRowValid()) return;
    const DisplaySet* set = SetOfBar(source->Name());
    if (!set) return;
    barPosition = std::min(SliderPosition(set->bar), 10000);
    const int length = HmsToSeconds(jobs[previewRow].durationText);
    const int t = MulDiv(barPosition, length, 10000);
    ShowText(set->time, QString::fromStdString(SecondsToHms(t)));
    SetPosFill(set->fill, barPosition);
    if (playing)
        if (const PreviewFunctions* lib = LoadedLibrary()) lib->Seek(t);
}

void Tfm_main::Skin1MouseUp(skin::ISkinObject* source, Qt::MouseButton, int, int) {
    const DisplaySet* set = source ? SetOfBar(source->Name()) : nullptr;
    if (!Converting && set && playing && PreviewRowValid()) {
        barPosition = SliderPosition(set->bar);
        const int length = HmsToSeconds(jobs[previewRow].durationText);
        const int t = MulDiv(barPosition, length, 10000) + startOffset;
        if (const PreviewFunctions* lib = LoadedLibrary()) lib->Seek(t);
        displayFloor = t;
        play_time->start();
        SetPosFill(set->fill, barPosition);
    }
    dragging = false;
}

// ---------------------------------------------------------------- cut window

void Tfm_main::bt_cutClick() {
    if (playing) {
        fx_->Warning(this, LanguageText(27));
        return;
    }
    if (Converting) {
        fx_->Warning(this, LanguageText(26));
        return;
    }
    if (!fm_dvdcutter_) return;
    fm_dvdcutter_->FormShow();
    fx_->ExecDialog(fm_dvdcutter_);
    // Every way of closing runs the close step once; this covers a dialog that ended without
    // being closed through the window.
    fm_dvdcutter_->FormClose();
}

void Tfm_main::CutPlay() {
    if (!fm_dvdcutter_) return;
    const int row = fm_dvdcutter_->SelectedRow();
    if (row < 0) return;
    if (Converting) {
        fx_->Warning(this, LanguageText(26));
        return;
    }
    if (paused) TogglePause();
    if (playing) return;
    if (row >= static_cast<int>(jobs.size()) || row >= static_cast<int>(trims.size())) return;
    std::string error;
    const PreviewFunctions* lib = ProgramPreviewLibrary(&error);
    if (!lib) {
        fx_->Error(fm_dvdcutter_, "The preview is not available. " + QString::fromStdString(error));
        return;
    }
    WirePlayer();
    videoplay_.reset();
    playing = true;
    QWidget* panel = fm_dvdcutter_->pl_play;
    panel->setVisible(true);
    previewRow = row;
    awaitingFirstReport = true;
    g_positionSink.store(&reportedPosition);
    lib->InitPreviewWindow(VideoWindowOf(panel), panel->width(), panel->height());
    lib->SetEventFuntion(&Tfm_main::OnPreviewPosition);
    playedSeconds = 0;
    play_time->start();
    reportedPosition.store(0.0);
    displayFloor = 0.0;
    startOffset = 0;
    stallCount = 0;  // every playback starts without stalls
    previousDifference = -1.0;
    UpdateCommandState();
    const int generation = ++playGeneration_;
    const std::string path = jobs[row].sourcePath;

    // Runs a nested event loop until the playback ends or is stopped; commands keep arriving.
    QPointer<Tfm_main> self(this);
    lib->Play(path.c_str());
    if (!self) return;

    lib->DestroyPreviewWindow();
    // A stop followed by a new playback while this one was still returning: leave it alone.
    if (generation != playGeneration_) return;
    play_time->stop();
    SetPosFill(kCutSet.fill, 0);
    SetSliderPosition(kMainSet.bar, 0);
    ShowText(kMainSet.time, "00:00:00");
    playing = false;
    paused = false;
    UpdateCommandState();
}

namespace {
bool MarkOrderRefused(Tfm_main* w, bool begin, int32_t t, const TrimRecord& trim) {
    if (begin && t > trim.end) {
        w->effects()->Warning(w->fm_dvdcutter(), "The begin time cannot be after the end time.");
        return true;
    }
    if (!begin && t < trim.begin) {
        w->effects()->Warning(w->fm_dvdcutter(), "The end time cannot be before the begin time.");
        return true;
    }
    return false;
}
}  // namespace

void Tfm_main::SetBeginMark() {
    if (previewRow < 0 || previewRow >= static_cast<int>(trims.size())) return;
    const QString text = SkinText(kCutSet.time);
    const int32_t t = HmsToSeconds(text.toStdString());
    // A range that ends before it begins would reach the encoder as a negative length.
    if (MarkOrderRefused(this, true, t, trims[previewRow])) return;
    trims[previewRow].begin = t;
    ShowText("cut_begin_time", text);
    if (fm_dvdcutter_)
        if (QTreeWidgetItem* item = fm_dvdcutter_->lv->topLevelItem(previewRow))
            item->setText(1, text);
}

void Tfm_main::SetEndMark() {
    if (previewRow < 0 || previewRow >= static_cast<int>(trims.size())) return;
    const QString text = SkinText(kCutSet.time);
    const int32_t t = HmsToSeconds(text.toStdString());
    if (MarkOrderRefused(this, false, t, trims[previewRow])) return;
    trims[previewRow].end = t;
    ShowText("cut_end_time", text);
    if (fm_dvdcutter_)
        if (QTreeWidgetItem* item = fm_dvdcutter_->lv->topLevelItem(previewRow))
            item->setText(2, text);
}

void Tfm_main::JumpCut(int deltaSeconds) {
    const int t = HmsToSeconds(SkinText(kCutSet.time).toStdString());
    const int target = t + deltaSeconds;
    if (deltaSeconds < 0 && target <= 0) return;
    if (deltaSeconds > 0) {
        if (previewRow < 0 || previewRow >= static_cast<int>(trims.size())) return;
        if (target >= trims[previewRow].total) return;
    }
    play_time->stop();
    if (const PreviewFunctions* lib = LoadedLibrary()) lib->Seek(target);
    if (playing) {
        displayFloor = target;
        play_time->start();
    }
}

// ---------------------------------------------------------------- snapshot

void Tfm_main::bt_imagesClick() {
    const int rows = lv->topLevelItemCount();
    if (rows == 0 || jobs.empty()) {
        fx_->Information(
            this, "Add a file to the job list first: a snapshot is taken from the previewed file.");
        return;
    }
    if (Converting) {
        // The snapshot would take the batch's encoder run.
        fx_->Warning(this, LanguageText(26));
        return;
    }
    if (EncoderRunning) {
        fx_->Information(
            this, "The previous snapshot is still being saved. Please try again in a moment.");
        return;
    }
    const int row = PreviewRowValid() ? previewRow : 0;

    const Fragment dir = PrepareOutputDirectory(ed_output->text().toStdString());
    if (!dir.ok()) {
        fx_->Error(this, QString::fromStdString(dir.error));
        return;
    }
    OutputDirectory = dir.text;
    // The caption without leading blanks, as a plain file name.
    QString caption = lv->topLevelItem(row)->text(0);
    while (caption.startsWith(' ')) caption.remove(0, 1);
    caption = QFileInfo(caption).fileName();
    const std::string output = ChooseOutputPath(OutputDirectory, caption.toStdString(), ".bmp");

    JobIndex = row;
    const std::string size = BuildSizeFragment(profile, fm_set_->Boxes(), jobs[row]);
    QString at = SkinText(kMainSet.time);
    if (at.isEmpty()) at = "00:00:00";

    intputrec r;
    r.encoderPath = EncoderPath;
    r.workingDirectory = ProgramDirectory;
    r.sizeFragment = size;
    r.startFragment = " -ss " + at.toStdString();
    r.lengthFragment = " -t 0.01";
    r.formatFragment = " -f image2 ";
    r.outputFile = output;
    r.inputFile = jobs[row].sourcePath;
    CurrentInvocation = r;
    JobIndex = rows;
    if (!LaunchEncoder(CurrentInvocation)) {
        fx_->Error(this, "The snapshot cannot be taken: the encoder cannot be started.");
        return;
    }
    // A failed run leaves no picture; say so instead of nothing.
    if (EncoderRunner* runner = currentRunner()) {
        connect(runner, &EncoderRunner::finished, this, [this, output](int exitCode) {
            if (exitCode != 0 && exitCode != EncoderRunner::kTerminatedExitCode)
                fx_->Warning(this, "The snapshot " + QString::fromStdString(output) +
                                       " could not be saved.");
        });
    }
}

// ---------------------------------------------------------------- properties

void Tfm_main::ShowPropertiesDialog() {
    const int row = LowestSelectedRow(lv);
    if (row < 0 || row >= static_cast<int>(jobs.size()) || !fm_info_) return;
    fm_info_->FormShow(jobs[row]);
    fx_->ExecDialog(fm_info_);
}

}  // namespace vc
