#include "preview_session.h"

#include <malloc.h>
#include <mpv/client.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QVariant>
#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <vector>

namespace vc {

namespace {

constexpr uint64_t kTimePosId = 1;

void Report(const char* what, const std::string& detail) {
    std::fprintf(stderr, "libPreview: %s%s%s\n", what, detail.empty() ? "" : ": ", detail.c_str());
}

bool EnvSet(const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr && *v != '\0';
}

// mpv refuses to start unless numbers are formatted with '.', which needs LC_NUMERIC "C".
void EnsureNumericLocale() {
    const char* current = std::setlocale(LC_NUMERIC, nullptr);
    if (current == nullptr || std::strcmp(current, "C") != 0) std::setlocale(LC_NUMERIC, "C");
}

// True when `wid` can take mpv's X11 output: the program draws through X11 (not offscreen or
// Wayland, whose window ids mean nothing to an X server) and the window exists on the display.
bool UsableX11Window(uint64_t wid) {
    if (wid == 0 || wid > UINT32_MAX || !EnvSet("DISPLAY")) return false;
    if (QCoreApplication* app = QCoreApplication::instance()) {
        const QVariant platform = app->property("platformName");
        if (platform.isValid() && platform.toString() != QLatin1String("xcb")) return false;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (connection == nullptr) return false;
    bool exists = false;
    if (xcb_connection_has_error(connection) == 0) {
        xcb_generic_error_t* error = nullptr;
        xcb_get_window_attributes_reply_t* reply = xcb_get_window_attributes_reply(
            connection, xcb_get_window_attributes(connection, static_cast<xcb_window_t>(wid)),
            &error);
        exists = reply != nullptr && error == nullptr;
        std::free(reply);
        std::free(error);
    }
    xcb_disconnect(connection);
    return exists;
}

// Every playback starts a player whose threads decode into frame-sized blocks. With glibc's
// moving mmap threshold these soon come from the heaps of the threads' malloc arenas, which
// keep what was freed: each Play/Stop added megabytes that the process never got back. A fixed
// threshold keeps such blocks in mappings of their own, returned when freed. Once per process,
// and not over a threshold the user set.
void KeepFrameBuffersOutOfTheHeap() {
    static std::once_flag once;
    std::call_once(once, [] {
        if (!EnvSet("MALLOC_MMAP_THRESHOLD_")) mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    });
}

int64_t EntryIdFromReply(const mpv_node& result) {
    if (result.format != MPV_FORMAT_NODE_MAP || result.u.list == nullptr) return -1;
    const mpv_node_list& map = *result.u.list;
    for (int i = 0; i < map.num; ++i) {
        if (std::strcmp(map.keys[i], "playlist_entry_id") == 0 &&
            map.values[i].format == MPV_FORMAT_INT64)
            return map.values[i].u.int64;
    }
    return -1;
}

}  // namespace

std::shared_ptr<PreviewSession> PreviewSession::Create(const Config& config) {
    std::shared_ptr<PreviewSession> session(new PreviewSession(config));
    if (!session->Start()) session->Close();
    return session;
}

PreviewSession::PreviewSession(const Config& config) : config_(config) {}

PreviewSession::~PreviewSession() {
    Close();
}

bool PreviewSession::Start() {
    EnsureNumericLocale();
    KeepFrameBuffersOutOfTheHeap();
    mpv_handle* h = mpv_create();
    if (h == nullptr) {
        Report("cannot create the player", "");
        return false;
    }
    auto set = [h](const char* name, const std::string& value) {
        const int rc = mpv_set_option_string(h, name, value.c_str());
        if (rc < 0) Report("option rejected", std::string(name) + "=" + value);
        return rc >= 0;
    };
    // A plain embedded player: no user configuration, scripts, key bindings or on-screen text,
    // and nothing fetched from the network.
    set("config", "no");
    set("terminal", "no");
    set("load-scripts", "no");
    set("ytdl", "no");
    set("input-default-bindings", "no");
    set("input-vo-keyboard", "no");
    set("cursor-autohide", "no");
    set("osd-level", "0");
    set("hwdec", "no");
    // A preview starts fast: none of mpv's built-in scripts, no search of the file's folder
    // for subtitles, sound tracks or cover pictures, and no subtitles (the conversion drops
    // them too), so no font scan either.
    set("load-stats-overlay", "no");
    set("load-osd-console", "no");
    set("load-auto-profiles", "no");
    set("sub-auto", "no");
    set("audio-file-auto", "no");
    set("cover-art-auto", "no");
    set("sid", "no");
    set("sub-font-provider", "none");
    // The core stays up between files; the end of each file is taken from END_FILE events.
    set("idle", "yes");
    set("keep-open", "no");
    set("force-window", "no");

    const bool window = UsableX11Window(config_.wid);
    if (config_.wid != 0 && !window) Report("no usable X11 window, playing without picture", "");
    if (window) {
        set("wid", std::to_string(config_.wid));
        // Software X11 output first: it works on every X server; a failing output falls back
        // to none so that sound and positions still run.
        set("vo", "x11,gpu,null");
        set("gpu-context", "x11egl");
    } else {
        set("vo", "null");
    }
    if (EnvSet("VC_PREVIEW_AO_NULL")) {
        set("ao", "null");
    } else {
        // The sound servers and devices themselves; SDL's output only wraps these again and
        // spends a tenth of a second failing where there is no sound device at all.
        set("ao", "pipewire,pulse,alsa,jack");
        set("audio-fallback-to-null", "yes");
    }

    if (mpv_initialize(h) < 0) {
        Report("cannot start the player", "");
        mpv_terminate_destroy(h);
        return false;
    }
    mpv_request_log_messages(h, "error");
    mpv_observe_property(h, kTimePosId, "time-pos", MPV_FORMAT_DOUBLE);
    {
        std::lock_guard lock(mutex_);
        mpv_ = h;
    }
    events_ = std::thread([this] { EventThread(); });
    return true;
}

void PreviewSession::SendLocked(std::initializer_list<const char*> args) {
    if (mpv_ == nullptr) return;
    std::vector<const char*> argv(args);
    argv.push_back(nullptr);
    mpv_command_async(mpv_, 0, argv.data());
}

void PreviewSession::FinishLocked() {
    ended_ = true;
    ended_cv_.notify_all();
    if (loop_ != nullptr) QMetaObject::invokeMethod(loop_, "quit", Qt::QueuedConnection);
}

void PreviewSession::Play(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path file = std::filesystem::absolute(path, ec);
    // Only existing regular files: an absolute path is never read by mpv as an address or a
    // protocol, and a pipe or device would block the player.
    if (path.empty() || ec || !std::filesystem::is_regular_file(file, ec) ||
        ::access(file.c_str(), R_OK) != 0) {
        Report("cannot play", "\"" + path + "\" is not a readable file");
        return;
    }

    std::unique_lock lock(mutex_);
    if (mpv_ == nullptr || closed_ || stopped_ || playing_) return;
    playing_ = true;
    ended_ = false;
    loaded_ = false;
    entry_id_ = -1;
    ++generation_;
    // A start at 0 is no seek: mpv would otherwise seek and decode its way to the start.
    const std::string start =
        pending_seek_ && *pending_seek_ > 0 ? std::to_string(*pending_seek_) : "none";
    pending_seek_.reset();
    // Asynchronous like the loadfile after it: mpv runs both in order, and nothing here waits
    // for the player's core while holding the lock that Stop needs.
    const char* start_value = start.c_str();
    mpv_set_property_async(mpv_, 0, "start", MPV_FORMAT_STRING, &start_value);
    const std::string name = file.string();
    // mpv numbers the tracks of each kind from 1, subtitle files after the file's own; a
    // file name goes in with its length, so no character of it is read as a separator.
    std::string options;
    if (tracks_) {
        options = "aid=" + (tracks_->sound > 0 ? std::to_string(tracks_->sound) : "auto");
        options += ",sid=" + (tracks_->subtitle > 0 ? std::to_string(tracks_->subtitle) : "no");
        if (!tracks_->subtitleFile.empty())
            options += ",sub-files-append=%" + std::to_string(tracks_->subtitleFile.size()) + "%" +
                       tracks_->subtitleFile;
    }
    const char* load[] = {"loadfile", name.c_str(), "replace", options.c_str(), nullptr};
    if (mpv_command_async(mpv_, generation_, load) < 0) {
        playing_ = false;
        return;
    }

    WaitForEndLocked(lock);

    // However the wait ended, nothing keeps playing once Play has returned.
    playing_ = false;
    loaded_ = false;
    SendLocked({"stop"});
}

void PreviewSession::WaitForEndLocked(std::unique_lock<std::mutex>& lock) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app != nullptr && QThread::currentThread() == app->thread()) {
        // On the GUI thread: keep its timers, clicks and paint events flowing meanwhile.
        QEventLoop loop;
        loop_ = &loop;
        if (!ended_) {
            lock.unlock();
            loop.exec();  // also returns when the application exits
            lock.lock();
        }
        loop_ = nullptr;
    } else {
        ended_cv_.wait(lock, [this] { return ended_; });
    }
}

void PreviewSession::SetTracks(int32_t sound, int32_t subtitle, const std::string& subtitleFile) {
    std::lock_guard lock(mutex_);
    tracks_ = Tracks{sound, subtitle, subtitleFile};
}

void PreviewSession::Seek(int32_t seconds) {
    std::lock_guard lock(mutex_);
    if (mpv_ == nullptr || closed_ || stopped_) return;
    // mpv reads a negative absolute position as counted from the end.
    seconds = std::max<int32_t>(seconds, 0);
    if (playing_ && loaded_) {
        const std::string target = std::to_string(seconds);
        SendLocked({"seek", target.c_str(), "absolute"});
    } else {
        pending_seek_ = seconds;  // the start position, or applied once the file is loaded
    }
}

void PreviewSession::TogglePause() {
    std::lock_guard lock(mutex_);
    if (mpv_ == nullptr || closed_ || stopped_) return;
    SendLocked({"cycle", "pause"});
}

void PreviewSession::Stop() {
    std::lock_guard lock(mutex_);
    if (closed_) return;
    stopped_ = true;
    FinishLocked();
    SendLocked({"stop"});
}

void PreviewSession::Close() {
    mpv_handle* h = nullptr;
    {
        std::lock_guard lock(mutex_);
        if (closed_) return;
        closed_ = true;
        stopped_ = true;
        FinishLocked();
        h = mpv_;
    }
    if (h != nullptr) mpv_wakeup(h);
    if (events_.joinable()) {
        if (events_.get_id() == std::this_thread::get_id())
            events_.detach();
        else
            events_.join();
    }
    {
        std::lock_guard lock(mutex_);
        mpv_ = nullptr;
    }
    // Tears down the video output before the caller may destroy the window it drew into.
    if (h != nullptr) mpv_terminate_destroy(h);
    // What the player's threads freed in their arenas goes back to the system as well.
    malloc_trim(0);
}

void PreviewSession::EventThread() {
    mpv_handle* h = nullptr;
    {
        std::lock_guard lock(mutex_);
        h = mpv_;
    }
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (closed_) return;
        }
        const mpv_event* event = mpv_wait_event(h, -1);
        if (event->event_id == MPV_EVENT_SHUTDOWN) return;
        HandleEvent(*event);
    }
}

void PreviewSession::HandleEvent(const mpv_event& event) {
    switch (event.event_id) {
        case MPV_EVENT_PROPERTY_CHANGE: {
            const auto* property = static_cast<const mpv_event_property*>(event.data);
            if (event.reply_userdata != kTimePosId || property->format != MPV_FORMAT_DOUBLE) return;
            const double position = *static_cast<const double*>(property->data);
            {
                std::lock_guard lock(mutex_);
                if (!playing_ || stopped_) return;
            }
            // Called without the lock, so that a slow callback never holds up Stop or Pause.
            if (PositionCallback callback = config_.callback ? config_.callback->load() : nullptr)
                callback(position);
            return;
        }
        case MPV_EVENT_START_FILE: {
            const auto* start = static_cast<const mpv_event_start_file*>(event.data);
            std::lock_guard lock(mutex_);
            if (playing_ && entry_id_ < 0) entry_id_ = start->playlist_entry_id;
            return;
        }
        case MPV_EVENT_FILE_LOADED: {
            std::lock_guard lock(mutex_);
            if (!playing_) return;
            loaded_ = true;
            if (pending_seek_) {
                const std::string target = std::to_string(*pending_seek_);
                pending_seek_.reset();
                SendLocked({"seek", target.c_str(), "absolute"});
            }
            return;
        }
        case MPV_EVENT_END_FILE: {
            const auto* end = static_cast<const mpv_event_end_file*>(event.data);
            std::lock_guard lock(mutex_);
            if (!playing_ || (entry_id_ >= 0 && end->playlist_entry_id != entry_id_)) return;
            loaded_ = false;
            FinishLocked();
            return;
        }
        case MPV_EVENT_COMMAND_REPLY: {
            if (event.reply_userdata == 0) return;
            std::lock_guard lock(mutex_);
            if (!playing_ || event.reply_userdata != generation_) return;
            if (event.error < 0) {
                Report("cannot load the file", mpv_error_string(event.error));
                FinishLocked();
                return;
            }
            const auto* reply = static_cast<const mpv_event_command*>(event.data);
            const int64_t id = EntryIdFromReply(reply->result);
            if (id >= 0) entry_id_ = id;
            return;
        }
        case MPV_EVENT_LOG_MESSAGE: {
            const auto* message = static_cast<const mpv_event_log_message*>(event.data);
            std::string text = message->text ? message->text : "";
            while (!text.empty() && text.back() == '\n') text.pop_back();
            Report(message->prefix ? message->prefix : "mpv", text);
            return;
        }
        default:
            return;
    }
}

}  // namespace vc
