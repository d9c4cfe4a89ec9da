#pragma once
// The preview player: plays one job of the list in a video panel through the preview
// library, on a playback thread of its own, and shows the position on the skin's displays
// of the main or the cut window, and "Play" or "Pause" in the job's row for as long as it
// plays. It owns the playback thread, the position the library reports, the stall rule and
// the two player timers.
#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <string>

class QThread;
class QTimer;
class QWidget;

namespace vc {

class JobList;
class SkinDisplay;
struct PreviewFunctions;

class PreviewPlayer : public QObject {
    Q_OBJECT
  public:
    // The three skin objects that show a playback.
    struct DisplaySet {
        const char* time;
        const char* bar;
        const char* fill;
    };
    static constexpr DisplaySet kMainSet{"play_time", "play_bar", "playpos"};
    static constexpr DisplaySet kCutSet{"cut_play_time", "cut_play_bar", "cutplaypos"};
    // The set a position bar belongs to, or null.
    static const DisplaySet* SetOfBar(const QString& name);
    // A black panel for the picture: a native window of its own, which the player draws into.
    static QWidget* MakeVideoPanel(QWidget* parent, const char* name);

    PreviewPlayer(JobList* jobs, SkinDisplay* display, QObject* parent = nullptr);
    ~PreviewPlayer() override;

    // Idle, or a playback started and not stopped yet, running or paused.
    enum class State { Idle, Playing, Paused };
    Q_ENUM(State)

    // The library the player plays through; null (the default) is the program folder's
    // libPreview.so. Tests hand in a stand-in.
    void SetLibrary(const PreviewFunctions* library) { library_ = library; }

    // How a playback runs: on the playback thread (the main window), or in the library's
    // Play on the window thread, which keeps the window's events flowing and returns when
    // the playback has ended (the cut window).
    enum class Mode { Thread, Blocking };
    // Plays the row's file in the panel. False with a message when the library is missing.
    bool Start(int row, QWidget* panel, QString* error, Mode mode = Mode::Thread);
    void Stop();
    void TogglePause();
    // Seeks to t seconds of the file; the display does not go below t.
    void Jump(int t);
    // Position bar dragging: starts, follows and ends a drag of a bar, by its skin name. Other
    // names start and follow nothing; any name ends a drag.
    void BeginDrag(const QString& bar);
    void DragTo(const QString& bar);
    void EndDrag(const QString& bar);
    // The job the player shows (and plays next); the windows set it when a row is chosen.
    void SetPreviewRow(int row) { previewRow_ = row; }
    // The cut window is open: the position goes to its displays instead of the main window's.
    void SetCutShown(bool shown) { cutShown_ = shown; }

    // The position tick (play_time) and the end of a file (Timer1).
    void play_timeTimer();
    // Takes the start offset as soon as the first position is reported, instead of at the
    // first tick a second later (when the playback has already run most of a second).
    void TakeFirstReport();
    void Timer1Timer();
    QTimer* PlayTimer() const { return play_time_; }
    QTimer* EndTimer() const { return Timer1_; }

    // The library's position report; runs on the library's thread and only stores it.
    static void OnPreviewPosition(double position);

    // ---- the player's state, for the windows to read
    State state() const { return state_; }
    // A playback was started and not stopped yet, paused or not.
    bool Playing() const { return state_ != State::Idle; }
    bool Paused() const { return state_ == State::Paused; }
    bool Dragging() const { return dragging_; }
    bool CutShown() const { return cutShown_; }
    int PreviewRow() const { return previewRow_; }
    // Until the first position above 0 of a playback has been reported.
    bool AwaitingFirstReport() const { return awaitingFirstReport_; }
    // The first reported position of the playback, rounded: the played time counts from it.
    int StartOffset() const { return startOffset_; }
    // While the played seconds are below it, the displays are left alone (after a seek).
    double DisplayFloor() const { return displayFloor_; }
    // Ticks that found the position standing still in this playback.
    int StallCount() const { return stallCount_; }

  signals:
    // Playing, paused or stopped: the command state changes.
    void stateChanged(vc::PreviewPlayer::State state);

  private:
    class TVideoplay;
    void SetState(State s);
    // The library to call, or null (with the reason in why, when given).
    const PreviewFunctions* Library(std::string* why = nullptr) const;
    void ShowStopped();
    void PlayBlocking(const PreviewFunctions* lib, int generation);

    JobList* jobs_;
    SkinDisplay* display_;
    const PreviewFunctions* library_ = nullptr;
    QTimer* play_time_;
    QTimer* Timer1_;
    QTimer* firstReport_;  // polls for the first report while a playback awaits it
    State state_ = State::Idle;
    bool dragging_ = false;
    bool cutShown_ = false;
    int previewRow_ = 0;
    bool awaitingFirstReport_ = false;
    std::atomic<double> reportedPosition_{0.0};
    int startOffset_ = 0;
    int playedSeconds_ = 0;
    double previousDifference_ = -1.0;
    double displayFloor_ = 0.0;
    int barPosition_ = 0;
    int stallCount_ = 0;
    std::string fileToPlay_;
    // Counts playbacks, so that the end of an earlier one never stops a later one.
    int generation_ = 0;
    // The playback thread; releasing it ends a playback still running.
    std::shared_ptr<QThread> videoplay_;
};

}  // namespace vc
