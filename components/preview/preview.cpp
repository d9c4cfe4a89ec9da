// The exported C functions: they route every call to the current session.
#include "preview/preview.h"

#include <atomic>
#include <memory>
#include <mutex>

#include "preview_session.h"

namespace {

std::atomic<vc::PositionCallback> g_callback{nullptr};

// Serialises creating and closing sessions; g_mutex only guards the pointer, so that Stop and
// Pause from another thread never wait for a session being torn down.
std::mutex g_lifecycle;
std::mutex g_mutex;
std::shared_ptr<vc::PreviewSession> g_session;

std::shared_ptr<vc::PreviewSession> Current() {
    std::lock_guard lock(g_mutex);
    return g_session;
}

std::shared_ptr<vc::PreviewSession> TakeCurrent() {
    std::lock_guard lock(g_mutex);
    return std::move(g_session);
}

}  // namespace

extern "C" {

PREVIEW_API void InitPreviewWindow(uint64_t wid, int32_t width, int32_t height) {
    std::lock_guard lifecycle(g_lifecycle);
    if (auto old = TakeCurrent()) old->Close();
    vc::PreviewSession::Config config;
    config.wid = wid;
    config.width = width;
    config.height = height;
    config.callback = &g_callback;
    auto session = vc::PreviewSession::Create(config);
    std::lock_guard lock(g_mutex);
    g_session = std::move(session);
}

PREVIEW_API void SetEventFuntion(void (*callback)(double position)) {
    g_callback.store(callback);
}

PREVIEW_API void Seek(int32_t seconds) {
    if (auto session = Current()) session->Seek(seconds);
}

PREVIEW_API void Play(const char* path) {
    // The session stays alive for the whole call even if DestroyPreviewWindow runs meanwhile.
    if (auto session = Current()) session->Play(path != nullptr ? path : "");
}

PREVIEW_API void SetTracks(int32_t sound, int32_t subtitle, const char* subtitleFile) {
    if (auto session = Current())
        session->SetTracks(sound, subtitle, subtitleFile != nullptr ? subtitleFile : "");
}

PREVIEW_API void Pause(void) {
    if (auto session = Current()) session->TogglePause();
}

PREVIEW_API void Stop(void) {
    if (auto session = Current()) session->Stop();
}

PREVIEW_API void DestroyPreviewWindow(void) {
    std::lock_guard lifecycle(g_lifecycle);
    if (auto session = TakeCurrent()) session->Close();
}

}  // extern "C"
