// Starts one encoder run from the command line given as its only argument, prints the run's
// process group on a line of its own and waits. Tests kill it to see what the run leaves.
#include <QCoreApplication>
#include <cstdio>

#include "jobs/EncoderRunner.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s COMMAND-LINE\n", argv[0]);
        return 2;
    }
    vc::EncoderRunner runner;
    QObject::connect(&runner, &vc::EncoderRunner::startFailed, &app, [](const QString& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        QCoreApplication::exit(1);
    });
    QObject::connect(&runner, &vc::EncoderRunner::started, &app, [&runner] {
        std::printf("%lld\n", static_cast<long long>(runner.ProcessId()));
        std::fflush(stdout);
    });
    QObject::connect(&runner, &vc::EncoderRunner::finished, &app, &QCoreApplication::exit);
    runner.Start(QString::fromLocal8Bit(argv[1]), QCoreApplication::applicationDirPath());
    return app.exec();
}
