#include "preview/Snapshot.h"

#include <QFileInfo>

#include "jobs/EncoderRunner.h"

namespace vc {

Snapshot::Snapshot(QObject* parent) : QObject(parent) {}

Snapshot::~Snapshot() {
    if (runner_) {
        runner_->disconnect(this);
        runner_->Terminate();
    }
}

InvocationResult Snapshot::Build(const Request& r) {
    InvocationResult out;
    const Fragment dir = PrepareOutputDirectory(r.outputFolderText);
    if (!dir.ok()) {
        out.error = dir.error;
        return out;
    }
    // The caption without leading blanks, as a plain file name.
    QString caption = QString::fromStdString(r.caption);
    while (caption.startsWith(' ')) caption.remove(0, 1);
    caption = QFileInfo(caption).fileName();
    intputrec& rec = out.rec;
    rec.encoderPath = r.encoderPath;
    rec.workingDirectory = r.programDirectory;
    // The picture as the conversion would frame it: its shape kept inside the profile's size.
    rec.sizeFragment = BuildSizeFragment(r.profile, r.boxes, r.job);
    const std::string shape = BuildShapeChain(r.profile, r.boxes, rec.sizeFragment, r.job);
    if (!shape.empty()) rec.filterFragment = " -vf " + shape;
    rec.startFragment = " -ss " + (r.at.isEmpty() ? std::string("00:00:00") : r.at.toStdString());
    rec.lengthFragment = " -t 0.01";
    rec.formatFragment = " -f image2 ";
    rec.outputFile = ChooseOutputPath(dir.text, caption.toStdString(), ".bmp");
    rec.inputFile = r.job.sourcePath;
    return out;
}

bool Snapshot::Take(const Request& r, QString* error) {
    InvocationResult built = Build(r);
    if (!built.ok()) {
        *error = QString::fromStdString(built.error);
        return false;
    }
    rec_ = built.rec;
    runner_ = std::make_unique<EncoderRunner>();
    connect(
        runner_.get(), &EncoderRunner::finished, this,
        [this](int exitCode) {
            runner_.release()->deleteLater();
            const QString out = QString::fromStdString(rec_.outputFile);
            const QFileInfo fi(out);
            emit done(exitCode == 0 && fi.exists() && fi.size() > 0, out);
        },
        Qt::QueuedConnection);
    connect(runner_.get(), &EncoderRunner::startFailed, this, [this](const QString& why) {
        runner_.release()->deleteLater();
        emit cannotStart(why.isEmpty()
                             ? tr("The snapshot cannot be taken: the encoder cannot be started.")
                             : why);
    });
    runner_->Start(QString::fromStdString(JoinCommandLine(rec_)),
                   QString::fromStdString(rec_.workingDirectory));
    return true;
}

}  // namespace vc
