#pragma once
// One prepared video output, from InitPreviewWindow to DestroyPreviewWindow: its own mpv core
// and the single thread that waits for that core's events.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

struct mpv_handle;
struct mpv_event;
class QEventLoop;

namespace vc {

using PositionCallback = void (*)(double);

class PreviewSession {
  public:
    struct Config {
        uint64_t wid = 0;  // X11 window to draw into; 0 = no picture
        int32_t width = 0;
        int32_t height = 0;
        const std::atomic<PositionCallback>* callback = nullptr;
    };

    // Never fails: a session whose mpv core could not start plays nothing (Play returns at once).
    static std::shared_ptr<PreviewSession> Create(const Config& config);
    ~PreviewSession();
    PreviewSession(const PreviewSession&) = delete;
    PreviewSession& operator=(const PreviewSession&) = delete;

    void Play(const std::string& path);
    void Seek(int32_t seconds);
    void SetTracks(int32_t sound, int32_t subtitle, const std::string& subtitleFile);
    void TogglePause();
    void Stop();
    // Stops, ends the event thread and destroys the mpv core; idempotent.
    void Close();

  private:
    explicit PreviewSession(const Config& config);
    bool Start();
    void EventThread();
    void HandleEvent(const mpv_event& event);
    void FinishLocked();
    void WaitForEndLocked(std::unique_lock<std::mutex>& lock);
    void SendLocked(std::initializer_list<const char*> args);

    struct Tracks {
        int32_t sound = 0;
        int32_t subtitle = 0;
        std::string subtitleFile;
    };

    Config config_;
    std::optional<Tracks> tracks_;  // guarded by mutex_; unset: mpv picks
    mpv_handle* mpv_ = nullptr;     // guarded by mutex_; stable while the event thread runs
    std::thread events_;

    std::mutex mutex_;
    std::condition_variable ended_cv_;
    bool closed_ = false;
    bool stopped_ = false;     // Stop was called: Play refuses until the next InitPreviewWindow
    bool playing_ = false;     // a Play call is waiting
    bool ended_ = false;       // the current Play may return
    bool loaded_ = false;      // the current file is loaded, so seeks go straight to mpv
    uint64_t generation_ = 0;  // counts Play calls; tags the loadfile reply
    int64_t entry_id_ = -1;    // mpv's playlist entry of the current file
    std::optional<int32_t> pending_seek_;
    QEventLoop* loop_ = nullptr;  // the nested loop of a Play on the GUI thread
};

}  // namespace vc
