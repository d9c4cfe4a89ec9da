// libPreview.so through its C interface, against the real libmpv, without a display.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <future>
#include <memory>
#include <string>
#include <thread>

#include "preview/PreviewLibrary.h"
#include "support/clips.h"

namespace vc {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

std::atomic<double> g_position{-1.0};
std::atomic<int> g_reports{0};

void OnPosition(double position) {
    g_position.store(position);
    g_reports.fetch_add(1);
}

// A Play call on a worker thread, with the moment it returned.
class WorkerPlay {
  public:
    WorkerPlay(const PreviewFunctions& lib, std::string path)
        : stop_(lib.Stop), done_(std::async(std::launch::async, [play = lib.Play, path] {
              play(path.c_str());
              return Clock::now();
          })) {}
    // Ends a playback that is still running, so that a failed test does not wait for the clip.
    ~WorkerPlay() {
        if (!done_.valid()) return;
        if (done_.wait_for(0ms) != std::future_status::ready) stop_();
        done_.wait();
    }
    // True when Play has returned within `limit`.
    bool ReturnedWithin(std::chrono::milliseconds limit) {
        return done_.wait_for(limit) == std::future_status::ready;
    }
    Clock::time_point ReturnTime() { return done_.get(); }

  private:
    StopFn stop_;
    std::future<Clock::time_point> done_;
};

class PreviewLibTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        qputenv("VC_PREVIEW_AO_NULL", "1");
        std::string error;
        loaded_ = LoadPreviewLibrary(&lib_, &error, VC_PROGRAM_DIR);
        load_error_ = error;
        dir_ = std::make_unique<QTemporaryDir>();
        const std::string dir = dir_->path().toStdString();
        clip_ = test::MakeAviMpeg4Mp3(dir, "clip.avi", 7);
        short_clip_ = test::MakeAviMpeg4Mp3(dir, "short.avi", 3);
        audio_only_ = test::MakeMp3(dir, "tone.mp3", 3);
        video_only_ = test::MakeVideoOnly(dir, "video.mp4", 3);
    }
    static void TearDownTestSuite() { dir_.reset(); }

    void SetUp() override {
        ASSERT_TRUE(loaded_) << load_error_;
        ASSERT_FALSE(clip_.empty()) << "ffmpeg could not make the test clip";
        for (const std::string* clip : {&short_clip_, &audio_only_, &video_only_})
            ASSERT_FALSE(clip->empty()) << "ffmpeg could not make the test clips";
        g_position = -1.0;
        g_reports = 0;
        lib_.InitPreviewWindow(0, 320, 240);
        lib_.SetEventFuntion(&OnPosition);
    }
    void TearDown() override {
        if (loaded_) {
            lib_.Stop();
            lib_.DestroyPreviewWindow();
        }
    }

    static PreviewFunctions lib_;
    static bool loaded_;
    static std::string load_error_;
    static std::unique_ptr<QTemporaryDir> dir_;
    static std::string clip_;
    static std::string short_clip_;
    static std::string audio_only_;
    static std::string video_only_;
};

PreviewFunctions PreviewLibTest::lib_;
bool PreviewLibTest::loaded_ = false;
std::string PreviewLibTest::load_error_;
std::unique_ptr<QTemporaryDir> PreviewLibTest::dir_;
std::string PreviewLibTest::clip_;
std::string PreviewLibTest::short_clip_;
std::string PreviewLibTest::audio_only_;
std::string PreviewLibTest::video_only_;

TEST_F(PreviewLibTest, ReportsPositionsInRealTime) {
    lib_.Seek(0);
    WorkerPlay play(lib_, clip_);
    std::this_thread::sleep_for(1500ms);
    const double position = g_position.load();
    EXPECT_GE(position, 0.6);  // mpv needs a moment to open the file
    EXPECT_LE(position, 2.5);
    EXPECT_GT(g_reports.load(), 3);
    EXPECT_FALSE(play.ReturnedWithin(0ms)) << "Play returned in the middle of the clip";
}

TEST_F(PreviewLibTest, SeekBeforePlaySetsTheStartAndSeekDuringPlayMovesIt) {
    lib_.Seek(3);
    WorkerPlay play(lib_, clip_);
    std::this_thread::sleep_for(700ms);
    EXPECT_GE(g_position.load(), 3.0);
    EXPECT_LT(g_position.load(), 4.5);

    lib_.Seek(1);
    std::this_thread::sleep_for(700ms);
    EXPECT_GE(g_position.load(), 1.0);
    EXPECT_LT(g_position.load(), 2.5);

    lib_.Seek(4);
    std::this_thread::sleep_for(700ms);
    EXPECT_GE(g_position.load(), 4.0);
    EXPECT_LT(g_position.load(), 5.5);
}

TEST_F(PreviewLibTest, PauseHoldsThePositionAndASecondPauseResumes) {
    WorkerPlay play(lib_, clip_);
    std::this_thread::sleep_for(1000ms);
    lib_.Pause();
    std::this_thread::sleep_for(300ms);
    const double held = g_position.load();
    std::this_thread::sleep_for(1000ms);
    EXPECT_NEAR(g_position.load(), held, 0.05);
    EXPECT_FALSE(play.ReturnedWithin(0ms)) << "pausing ended the playback";

    lib_.Pause();
    std::this_thread::sleep_for(1000ms);
    EXPECT_GT(g_position.load(), held + 0.5);
}

// Stop must let a blocked Play return within 200 ms, playing or paused; the program then waits
// 50 ms and destroys the output, after which no position may be reported any more.
TEST_F(PreviewLibTest, StopMakesPlayReturnPromptly) {
    for (const bool paused : {false, true}) {
        SCOPED_TRACE(paused ? "paused" : "playing");
        lib_.InitPreviewWindow(0, 320, 240);
        WorkerPlay play(lib_, clip_);
        std::this_thread::sleep_for(1000ms);
        ASSERT_FALSE(play.ReturnedWithin(0ms));
        if (paused) {
            lib_.Pause();
            std::this_thread::sleep_for(200ms);
        }
        const Clock::time_point stop = Clock::now();
        lib_.Stop();
        ASSERT_TRUE(play.ReturnedWithin(2000ms)) << "Play did not return after Stop";
        const auto took =
            std::chrono::duration_cast<std::chrono::milliseconds>(play.ReturnTime() - stop);
        EXPECT_LT(took.count(), 200);

        std::this_thread::sleep_for(50ms);
        lib_.DestroyPreviewWindow();
        g_reports = 0;
        std::this_thread::sleep_for(300ms);
        EXPECT_EQ(g_reports.load(), 0) << "positions reported after the output was released";
    }
}

// Stepping through jobs: each playback is ended a moment after it started, sometimes before the
// playback thread reached Play, by Stop + DestroyPreviewWindow or by preparing the next output.
TEST_F(PreviewLibTest, RapidStartsAndStopsNeverLeaveAPlayBlocked) {
    const std::chrono::milliseconds delays[] = {0ms, 5ms, 30ms, 120ms, 300ms};
    for (int round = 0; round < 10; ++round) {
        SCOPED_TRACE(round);
        lib_.InitPreviewWindow(0, 320, 240);
        lib_.SetEventFuntion(&OnPosition);
        lib_.Seek(0);
        WorkerPlay play(lib_, clip_);
        std::this_thread::sleep_for(delays[round % 5]);
        if (round % 2 == 0) {
            lib_.Stop();
            std::this_thread::sleep_for(50ms);
            lib_.DestroyPreviewWindow();
        } else {
            lib_.InitPreviewWindow(0, 320, 240);
        }
        EXPECT_TRUE(play.ReturnedWithin(2000ms)) << "Play still blocked after its output ended";
    }
}

TEST_F(PreviewLibTest, UnplayableInputReturnsQuickly) {
    const QString text = dir_->filePath("notes.mp4");
    {
        QFile f(text);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("This is not a video, only a few lines of text.\nline two\n");
    }
    const QString empty = dir_->filePath("empty.avi");
    {
        QFile f(empty);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const struct {
        const char* what;
        std::string path;
    } cases[] = {
        {"missing file", dir_->filePath("missing.mp4").toStdString()},
        {"text file", text.toStdString()},
        {"empty file", empty.toStdString()},
        {"folder", dir_->path().toStdString()},
        {"empty path", ""},
        {"address", "http://127.0.0.1:9/clip.mp4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        lib_.InitPreviewWindow(0, 320, 240);
        WorkerPlay play(lib_, c.path);
        EXPECT_TRUE(play.ReturnedWithin(2000ms));
        lib_.Stop();  // lets a wrongly running Play end before the next case
    }
    lib_.Play(nullptr);  // returns at once as well

    // The library is still usable afterwards.
    lib_.InitPreviewWindow(0, 320, 240);
    WorkerPlay play(lib_, clip_);
    std::this_thread::sleep_for(800ms);
    EXPECT_GT(g_position.load(), 0.2);
}

TEST_F(PreviewLibTest, CallsWithoutAPlaybackAreHarmless) {
    // Destroyed output: nothing plays, and a second destroy does no harm.
    lib_.DestroyPreviewWindow();
    lib_.DestroyPreviewWindow();
    lib_.Seek(10);
    lib_.Pause();
    lib_.Stop();
    {
        WorkerPlay play(lib_, clip_);
        EXPECT_TRUE(play.ReturnedWithin(1000ms)) << "Play without a prepared output";
    }
    // A Stop that comes before Play (the user stopped before the playback thread got going)
    // makes that Play return at once.
    lib_.InitPreviewWindow(0, 320, 240);
    lib_.Stop();
    {
        WorkerPlay play(lib_, clip_);
        EXPECT_TRUE(play.ReturnedWithin(1000ms)) << "Play after Stop";
    }
    // A new output plays again, unpaused and from the start.
    lib_.InitPreviewWindow(0, 320, 240);
    lib_.Pause();
    lib_.InitPreviewWindow(0, 320, 240);
    WorkerPlay play(lib_, clip_);
    std::this_thread::sleep_for(1000ms);
    EXPECT_GT(g_position.load(), 0.4);
    EXPECT_LT(g_position.load(), 2.0);

    // Only one playback at a time: a second Play returns at once and leaves the first running.
    {
        WorkerPlay second(lib_, short_clip_);
        EXPECT_TRUE(second.ReturnedWithin(1000ms));
    }
    EXPECT_FALSE(play.ReturnedWithin(0ms));
}

TEST_F(PreviewLibTest, PlayReturnsAtTheEndOfTheFile) {
    const struct {
        const char* what;
        const std::string& path;
    } cases[] = {{"video and sound", short_clip_},
                 {"sound only", audio_only_},
                 {"picture only", video_only_}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        lib_.InitPreviewWindow(0, 320, 240);
        g_position = -1.0;
        const Clock::time_point start = Clock::now();
        WorkerPlay play(lib_, c.path);
        ASSERT_TRUE(play.ReturnedWithin(8000ms)) << "Play did not return at the end of the file";
        const double took = std::chrono::duration<double>(play.ReturnTime() - start).count();
        EXPECT_GE(took, 2.0) << "Play returned before the end of the 3 s clip";
        EXPECT_GE(g_position.load(), 2.0);
        EXPECT_LE(g_position.load(), 3.5);
    }
}

// With a sound track and subtitle chosen (of the file, or a file beside it with an awkward
// name) the file still plays to its end. Which track mpv plays is not visible here.
TEST_F(PreviewLibTest, ChosenTracksStillPlayToTheEnd) {
    ASSERT_NE(lib_.SetTracks, nullptr);
    const std::string dir = dir_->path().toStdString();
    const std::string beside = dir + "/cue, a:b%3%.srt";
    for (const std::string& name : {dir + "/cue.srt", beside}) {
        QFile f(QString::fromStdString(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("1\n00:00:01,000 --> 00:00:02,000\nHELLO\n\n");
    }
    const std::string film = test::MakeClip(
        dir, "film.mkv",
        "-f lavfi -i color=c=black:s=320x240:r=10 -f lavfi -i sine=frequency=440 -f lavfi -i "
        "sine=frequency=1000 -i " +
            dir + "/cue.srt -t 3 -map 0:v -map 1:a -map 2:a -map 3:s -c:v mpeg4 -c:a mp2 -c:s srt");
    ASSERT_FALSE(film.empty()) << "ffmpeg could not make the film";
    const struct {
        int sound, subtitle;
        const char* file;
    } cases[] = {{2, 1, ""}, {1, 2, "beside"}, {0, 0, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sound);
        lib_.InitPreviewWindow(0, 320, 240);
        lib_.SetTracks(c.sound, c.subtitle, *c.file ? beside.c_str() : "");
        g_position = -1.0;
        const Clock::time_point start = Clock::now();
        WorkerPlay play(lib_, film);
        ASSERT_TRUE(play.ReturnedWithin(8000ms)) << "Play did not return at the end of the file";
        const double took = std::chrono::duration<double>(play.ReturnTime() - start).count();
        EXPECT_GE(took, 2.0) << "Play returned before the end of the 3 s film";
        EXPECT_GE(g_position.load(), 2.0);
    }
}

// On the GUI thread, Play runs the event loop: timers keep firing while it plays, and it returns
// at the end of the file.
TEST_F(PreviewLibTest, PlayOnTheGuiThreadKeepsEventsFlowingAndEndsWithTheFile) {
    ASSERT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(50);
    double position_at_tick = -1.0;
    QTimer::singleShot(1500, [&] { position_at_tick = g_position.load(); });

    QElapsedTimer clock;
    clock.start();
    lib_.Play(short_clip_.c_str());
    const qint64 took = clock.elapsed();
    timer.stop();

    EXPECT_GE(took, 2000) << "Play returned before the end of the 3 s clip";
    EXPECT_LT(took, 8000) << "Play did not return at the end of the file";
    EXPECT_GE(ticks, 20);
    EXPECT_GE(position_at_tick, 0.6);
    EXPECT_LE(position_at_tick, 2.5);
}

// The cut window's stop: Stop, 50 ms later DestroyPreviewWindow, all from inside the Play call
// on the GUI thread; Play then returns and the caller destroys the output a second time.
TEST_F(PreviewLibTest, StopFromAnEventDuringGuiThreadPlayReturnsPlay) {
    QElapsedTimer clock;
    qint64 stopped_at = -1;
    QTimer::singleShot(1000, [&] {
        stopped_at = clock.elapsed();
        lib_.Stop();
        QThread::msleep(50);
        lib_.DestroyPreviewWindow();
    });
    clock.start();
    lib_.Play(clip_.c_str());
    const qint64 returned_at = clock.elapsed();
    lib_.DestroyPreviewWindow();

    ASSERT_GE(stopped_at, 0) << "the timer never fired during Play";
    EXPECT_LT(returned_at - stopped_at, 500);
}

}  // namespace
}  // namespace vc
