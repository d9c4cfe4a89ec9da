// The encoder's console under load: a 10 MB line without a line end through the line cutter
// and through a real run, and how soon a run that floods its output stops. Prints figures.
//   console_bench
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <string>

#include "core/cmdline.h"
#include "core/linecutter.h"
#include "jobs/EncoderRunner.h"

namespace {

// Runs the event loop until done() and returns the longest pause between its turns in ms.
qint64 Loop(const std::function<bool()>& done, int limitMs) {
    QElapsedTimer total, tick;
    total.start();
    tick.start();
    qint64 gap = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { gap = std::max(gap, tick.restart()); });
    timer.start(5);
    while (!done() && total.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return gap;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);

    {
        std::size_t delivered = 0;
        vc::LineCutter cutter([&](const std::string& l) { delivered += l.size(); });
        const std::string block(1024, 'a');
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < 10 * 1024; ++i) cutter.Feed(block);
        cutter.Finish();
        std::printf("line cutter, 10 MB line in 1 KB blocks: %.1f ms, %.1f MB delivered\n",
                    t.nsecsElapsed() / 1e6, delivered / 1048576.0);
    }
    {
        vc::EncoderRunner runner;
        bool finished = false;
        QObject::connect(&runner, &vc::EncoderRunner::finished, [&](int) { finished = true; });
        QString error;
        QObject::connect(&runner, &vc::EncoderRunner::startFailed, [&](const QString& e) {
            error = e;
            finished = true;
        });
        QElapsedTimer t;
        t.start();
        runner.Start("/bin/sh -c \"head -c 10485760 /dev/zero | tr '\\000' a\"", "/tmp");
        const qint64 gap = Loop([&] { return finished; }, 600000);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        std::printf(
            "encoder run printing a 10 MB line: %lld ms, longest event loop pause %lld ms\n",
            static_cast<long long>(t.elapsed()), static_cast<long long>(gap));
    }
    for (const char* script : {"yes", "cat /dev/zero"}) {
        vc::EncoderRunner runner;
        bool finished = false;
        QObject::connect(&runner, &vc::EncoderRunner::finished, [&](int) { finished = true; });
        bool failed = false;
        QObject::connect(&runner, &vc::EncoderRunner::startFailed, [&] { failed = true; });
        runner.Start(QString("/bin/sh -c \"%1\"").arg(script), "/tmp");
        const qint64 gap = Loop([] { return false; }, 1000);
        if (failed) return 1;
        QElapsedTimer t;
        t.start();
        runner.Terminate();
        Loop([&] { return finished; }, 10000);
        std::printf("endless output (%s): longest event loop pause %lld ms, stop took %lld ms\n",
                    script, static_cast<long long>(gap), static_cast<long long>(t.elapsed()));
    }
    return 0;
}
