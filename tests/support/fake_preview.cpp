#include "fake_preview.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <condition_variable>
#include <mutex>

namespace vc::test {

namespace {

std::mutex g_lock;
std::condition_variable g_changed;
bool g_stopped = true;

bool Stopped() {
    std::lock_guard<std::mutex> guard(g_lock);
    return g_stopped;
}

void Init(uint64_t, int32_t, int32_t) {
    std::lock_guard<std::mutex> guard(g_lock);
    g_stopped = false;
}

void SetEventFunction(void (*)(double)) {}

void Seek(int32_t) {}

void Play(const char*) {
    if (QThread::currentThread() == QCoreApplication::instance()->thread()) {
        // On the window thread, the window keeps working meanwhile (as the real library does).
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&loop] {
            if (Stopped()) loop.quit();
        });
        poll.start(5);
        if (!Stopped()) loop.exec();
        return;
    }
    std::unique_lock<std::mutex> guard(g_lock);
    g_changed.wait(guard, [] { return g_stopped; });
}

FakeTracks g_tracks;

void SetTracks(int32_t sound, int32_t subtitle, const char* file) {
    std::lock_guard<std::mutex> guard(g_lock);
    g_tracks = {sound, subtitle, file ? file : ""};
}

void Pause() {}

void Stop() {
    {
        std::lock_guard<std::mutex> guard(g_lock);
        g_stopped = true;
    }
    g_changed.notify_all();
}

}  // namespace

const PreviewFunctions& FakePreviewLibrary() {
    static const PreviewFunctions functions = [] {
        PreviewFunctions f;
        f.InitPreviewWindow = &Init;
        f.SetEventFuntion = &SetEventFunction;
        f.Seek = &Seek;
        f.Play = &Play;
        f.Pause = &Pause;
        f.Stop = &Stop;
        f.DestroyPreviewWindow = &Stop;
        f.SetTracks = &SetTracks;
        return f;
    }();
    return functions;
}

FakeTracks LastFakeTracks() {
    std::lock_guard<std::mutex> guard(g_lock);
    return g_tracks;
}

}  // namespace vc::test
