#pragma once
// An encoder run that starts nothing: the test says what it prints and how it ends.
#include <QStringList>
#include <functional>
#include <memory>

#include "jobs/BatchRunner.h"
#include "jobs/EncoderRunner.h"

namespace vc::test {

class FakeEncoderRunner : public EncoderRunner {
  public:
    // Every fake started so far, newest last (owned by their batch).
    static std::vector<FakeEncoderRunner*>& Started() {
        static std::vector<FakeEncoderRunner*> all;
        return all;
    }
    // Next Start calls fail with this message while it is not empty.
    static QString& FailNextStarts() {
        static QString message;
        return message;
    }

    ~FakeEncoderRunner() override {
        auto& all = Started();
        all.erase(std::remove(all.begin(), all.end(), this), all.end());
    }
    // Like the real runner, a start that fails is reported from the event loop.
    void Start(const QString& line, const QString&) override {
        if (!FailNextStarts().isEmpty()) {
            ended = true;  // nothing to terminate
            const QString error = FailNextStarts();
            QMetaObject::invokeMethod(
                this, [this, error] { emit startFailed(error); }, Qt::QueuedConnection);
            return;
        }
        commandLine = line;
        Started().push_back(this);
    }
    void Suspend() override { suspended = true; }
    void Resume() override { suspended = false; }
    void Terminate() override {
        if (!ended) Finish(kTerminatedExitCode);
    }
    void Print(const QString& line) { emit lineRead(line); }
    void Finish(int exitCode) {
        ended = true;
        emit finished(exitCode);
    }

    QString commandLine;
    bool suspended = false;
    bool ended = false;
};

inline BatchRunner::RunnerFactory FakeRunners() {
    return [] { return std::make_unique<FakeEncoderRunner>(); };
}

// The newest fake run still going, or null.
inline FakeEncoderRunner* CurrentFake() {
    auto& all = FakeEncoderRunner::Started();
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        if (!(*it)->ended) return *it;
    return nullptr;
}

}  // namespace vc::test
