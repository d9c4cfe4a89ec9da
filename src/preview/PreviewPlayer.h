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

    // Player state, read by the windows.
    bool playing = false;
    bool paused = false;
    bool dragging = false;
    bool cutShown = false;
    int previewRow = 0;
    bool awaitingFirstReport = false;
    std::atomic<double> reportedPosition{0.0};
    int startOffset = 0;
    int playedSeconds = 0;
    double previousDifference = -1.0;
    double displayFloor = 0.0;
    int barPosition = 0;
    int stallCount = 0;
    std::string fileToPlay;

  signals:
    // Playing started or stopped: the command state changes.
    void stateChanged();

  private:
    class TVideoplay;
    bool RowValid() const;
    void ShowStopped();
    void PlayBlocking(const PreviewFunctions* lib, int generation);

    JobList* jobs_;
    SkinDisplay* display_;
    QTimer* play_time_;
    QTimer* Timer1_;
    QTimer* firstReport_;  // polls for the first report while a playback awaits it
    // Counts playbacks, so that the end of an earlier one never stops a later one.
    int generation_ = 0;
    // The playback thread; releasing it ends a playback still running.
    std::shared_ptr<QThread> videoplay_;
};

}  // namespace vc
