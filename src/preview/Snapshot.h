#pragma once
// A snapshot: one frame of a job's source, at the time the player shows, saved by an encoder
// run as a picture in the output folder.
#include <QObject>
#include <QString>
#include <memory>

#include "core/invocation.h"

namespace vc {

class EncoderRunner;

class Snapshot : public QObject {
    Q_OBJECT
  public:
    // What a conversion of the job would take (its trim plays no part), and the time.
    struct Request : InvocationInputs {
        QString at;  // "HH:MM:SS" shown by the player
    };

    explicit Snapshot(QObject* parent = nullptr);
    ~Snapshot() override;

    // The invocation of a request: the output folder is made when missing. Its error holds
    // the reason when the folder cannot be made.
    static InvocationResult Build(const Request& r);
    // Starts the run; false with a message when the folder cannot be made. An encoder that
    // cannot be started is reported by cannotStart().
    bool Take(const Request& r, QString* error);
    bool Busy() const { return runner_ != nullptr; }
    const intputrec& Invocation() const { return rec_; }

  signals:
    // The run ended: ok when the picture was written.
    void done(bool ok, const QString& outputFile);
    // The encoder could not be started: no done() follows.
    void cannotStart(const QString& error);

  private:
    std::unique_ptr<EncoderRunner> runner_;
    intputrec rec_;
};

}  // namespace vc
