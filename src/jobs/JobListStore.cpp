#include "jobs/JobListStore.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTimer>

#include "jobs/BatchRunner.h"
#include "jobs/JobList.h"

namespace vc::JobListStore {

namespace {
QString S(const std::string& s) {
    return QString::fromStdString(s);
}
std::string T(const QJsonValue& v) {
    return v.toString().toStdString();
}

QJsonArray TracksToJson(const std::vector<MediaTrack>& tracks) {
    QJsonArray out;
    for (const MediaTrack& t : tracks)
        out.append(QJsonObject{{"subtitle", t.kind == MediaTrack::Kind::Subtitle},
                               {"stream", t.stream},
                               {"language", S(t.language)},
                               {"codec", S(t.codec)},
                               {"channels", t.channels},
                               {"picture", t.picture},
                               {"default", t.isDefault},
                               {"title", S(t.title)},
                               {"file", S(t.file)}});
    return out;
}

std::vector<MediaTrack> TracksFromJson(const QJsonArray& rows) {
    std::vector<MediaTrack> out;
    for (const auto& v : rows) {
        const QJsonObject o = v.toObject();
        MediaTrack t;
        t.kind =
            o.value("subtitle").toBool() ? MediaTrack::Kind::Subtitle : MediaTrack::Kind::Sound;
        t.stream = o.value("stream").toInt(-1);
        t.language = T(o.value("language"));
        t.codec = T(o.value("codec"));
        t.channels = o.value("channels").toInt();
        t.picture = o.value("picture").toBool();
        t.isDefault = o.value("default").toBool();
        t.title = T(o.value("title"));
        t.file = T(o.value("file"));
        out.push_back(std::move(t));
    }
    return out;
}
}  // namespace

bool Save(const QString& path, const JobList& jobs, const QStringList& runningOutputs) {
    QJsonArray rows;
    for (int i = 0; i < jobs.Count(); ++i) {
        const Job* j = jobs.At(i);
        const Toriginalinfo& f = j->info;
        rows.append(QJsonObject{{"caption", j->caption},
                                {"checked", j->checked},
                                {"status", j->status},
                                {"source", S(f.sourcePath)},
                                {"size", S(f.pictureSize)},
                                {"duration", S(f.durationText)},
                                {"exact", S(f.exactDuration)},
                                {"videoRate", S(f.videoRate)},
                                {"audioRate", S(f.audioRate)},
                                {"videoFormat", S(f.videoFormat)},
                                {"audioFormat", S(f.audioFormat)},
                                {"sampleRate", S(f.sampleRate)},
                                {"channels", S(f.channels)},
                                {"frameRate", S(f.frameRate)},
                                {"sampleAspect", S(f.sampleAspect)},
                                {"tracks", TracksToJson(f.tracks)},
                                {"soundTrack", j->choice.sound},
                                {"subtitle", j->choice.subtitle},
                                {"subtitleAsTrack", j->choice.subtitleAsTrack},
                                {"total", j->trim.total},
                                {"begin", j->trim.begin},
                                {"end", j->trim.end}});
    }
    const QJsonObject doc{{"jobs", rows}, {"running", QJsonArray::fromStringList(runningOutputs)}};
    // Written beside and renamed over: a crash while saving leaves the previous list whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(QJsonDocument(doc).toJson(QJsonDocument::Compact));
    return file.commit();
}

bool Restore(const QString& path, JobList& jobs) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QJsonDocument doc = QJsonDocument::fromJson(file.read(64 * 1024 * 1024));
    if (!doc.isObject() || !doc.object().value("jobs").isArray()) return false;
    // One output in a text from lists kept when a single job ran at a time.
    const QJsonValue runningValue = doc.object().value("running");
    QStringList running;
    if (runningValue.isString())
        running << runningValue.toString();
    else
        for (const auto& v : runningValue.toArray()) running << v.toString();
    const QJsonArray rows = doc.object().value("jobs").toArray();
    for (const auto& v : rows) {
        const QJsonObject o = v.toObject();
        Job j;
        j.caption = o.value("caption").toString();
        j.checked = o.value("checked").toBool(true);
        j.status = o.value("status").toString("Status");
        // A job that was being converted did not finish.
        if (j.status.endsWith('%')) j.status = "Stop";
        Toriginalinfo& f = j.info;
        f.sourcePath = T(o.value("source"));
        f.pictureSize = T(o.value("size"));
        f.durationText = T(o.value("duration"));
        f.exactDuration = T(o.value("exact"));
        f.videoRate = T(o.value("videoRate"));
        f.audioRate = T(o.value("audioRate"));
        f.videoFormat = T(o.value("videoFormat"));
        f.audioFormat = T(o.value("audioFormat"));
        f.sampleRate = T(o.value("sampleRate"));
        f.channels = T(o.value("channels"));
        f.frameRate = T(o.value("frameRate"));
        // Absent from older lists: square pixels, no tracks known, the source's default sound.
        f.sampleAspect = T(o.value("sampleAspect"));
        f.tracks = TracksFromJson(o.value("tracks").toArray());
        j.choice.sound = o.value("soundTrack").toInt(-1);
        j.choice.subtitle = o.value("subtitle").toInt(-1);
        j.choice.subtitleAsTrack = o.value("subtitleAsTrack").toBool();
        j.trim = {o.value("total").toInt(), o.value("begin").toInt(), o.value("end").toInt()};
        if (f.sourcePath.empty()) continue;
        jobs.Append(std::move(j));
    }
    for (const QString& output : running)
        if (!output.isEmpty()) QFile::remove(output);
    return true;
}

}  // namespace vc::JobListStore

namespace vc {

JobListKeeper::JobListKeeper(JobList* jobs, BatchRunner* batch, QString path, QObject* parent)
    : QObject(parent), jobs_(jobs), batch_(batch), path_(std::move(path)) {
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &JobListKeeper::SaveNow);
    // At most one write a second, also while progress changes a row many times a second; a
    // restarted timer would never fire during a batch.
    auto later = [this] {
        if (!restoring_ && !timer_->isActive()) timer_->start();
    };
    connect(jobs_, &QAbstractItemModel::rowsInserted, this, later);
    connect(jobs_, &QAbstractItemModel::rowsRemoved, this, later);
    connect(jobs_, &QAbstractItemModel::rowsMoved, this, later);
    connect(jobs_, &QAbstractItemModel::modelReset, this, later);
    connect(jobs_, &QAbstractItemModel::dataChanged, this, later);
    connect(batch_, &BatchRunner::jobStarted, this, later);
}

bool JobListKeeper::LeftBehind() const {
    return QFile::exists(path_);
}

bool JobListKeeper::Restore() {
    restoring_ = true;
    const bool ok = JobListStore::Restore(path_, *jobs_);
    restoring_ = false;
    SaveNow();
    return ok;
}

void JobListKeeper::Discard() {
    timer_->stop();
    QFile::remove(path_);
}

bool JobListKeeper::SaveNow() {
    timer_->stop();
    return JobListStore::Save(path_, *jobs_,
                              batch_->Converting() ? batch_->RunningOutputs() : QStringList());
}

QString JobListKeeper::PathBeside(const std::string& settingsFile) {
    QString path = QString::fromStdString(settingsFile);
    if (path.endsWith(".ini")) path.chop(4);
    return path + " jobs.json";
}

}  // namespace vc
