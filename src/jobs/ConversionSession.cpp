#include "jobs/ConversionSession.h"

#include <QThread>

#include "core/profilesettings.h"
#include "core/rates.h"
#include "core/timeutil.h"
#include "jobs/JobList.h"

namespace vc {

ConversionSession::ConversionSession(QObject* parent) : QObject(parent) {
    FormatBoxes boxes = formats_.boxes();
    InitFormatBoxes(boxes);
    // As the dialog's boxes start: the first quality chosen until a profile chooses.
    formats_.video.setCurrentIndex(0);
    formats_.audio.setCurrentIndex(0);
}

void ConversionSession::SetProgramDirectory(const std::string& dir) {
    programDirectory_ = dir;
    encoderPath_ = dir + "register.dat";
}

ConversionSession::ProfileSwitch ConversionSession::SelectProfile(int n) {
    ProfileSwitch result;
    FormatBoxes boxes = formats_.boxes();
    result.profileFileRead =
        SwitchProfile(programDirectory_ + kProfileFileName, ProfileSettingsFilePath(),
                      profile_.profileId, n, profile_, boxes, &result.problems);
    profile_.profileId = n;
    emit changed(Change::Profile);
    emit changed(Change::Formats);
    return result;
}

void ConversionSession::FormatsEdited() {
    emit changed(Change::Formats);
}

std::string ConversionSession::RememberFormats() {
    return StoreRememberedSettings(ProfileSettingsFilePath(), profile_.profileId, formats_.boxes());
}

void ConversionSession::SetOutputFolderText(const QString& text) {
    if (text == outputFolderText_) return;
    outputFolderText_ = text;
    emit changed(Change::OutputFolder);
}

void ConversionSession::ChooseOutputDirectory(std::string dir) {
    if (dir.empty()) return;
    if (dir.back() != '/') dir += '/';
    outputDirectory_ = dir;
    SetOutputFolderText(QString::fromStdString(dir));
}

void ConversionSession::SetFinish(FinishAction action) {
    if (action == finish_) return;
    finish_ = action;
    emit changed(Change::FinishAction);
}

AppSettings ConversionSession::LoadSettings(int defaultProfile, const std::string& defaultOutput) {
    AppSettings s = LoadAppSettings(SettingsFilePath(), defaultProfile, defaultOutput);
    outputDirectory_ = s.outputPath;
    SetOutputFolderText(QString::fromStdString(s.outputPath));
    SetFinish(static_cast<FinishAction>(s.finishAction));
    lastAddFolder_ = s.lastAddFolder;
    simultaneous_ = s.simultaneous;
    lowPriority_ = s.lowPriority;
    return s;
}

bool ConversionSession::SaveSettings(AppSettings others) const {
    others.outputPath = outputDirectory_;
    others.profileId = profile_.profileId;
    others.finishAction = static_cast<int>(finish_);
    others.lastAddFolder = lastAddFolder_;
    others.simultaneous = simultaneous_;
    others.lowPriority = lowPriority_;
    return SaveAppSettings(SettingsFilePath(), others);
}

bool ConversionSession::SoundOnlyOutput() const {
    return IsAudioOnlyProfile(profile_.profileId);
}

int ConversionSession::JobsAtOnce() const {
    return JobsAtOnce(simultaneous_, SoundOnlyOutput(), QThread::idealThreadCount());
}

int ConversionSession::JobsAtOnce(int simultaneous, bool soundOnly, int cores) {
    if (simultaneous > 0) return simultaneous;
    return soundOnly ? std::max(1, cores) : 1;
}

InvocationInputs ConversionSession::JobInputs(const Job& job) {
    InvocationInputs in;
    in.outputFolderText = outputFolderText_.toStdString();
    in.caption = job.caption.toStdString();
    in.job = job.info;
    in.trim = job.trim;
    in.choice = job.choice;
    in.profile = profile_;
    in.boxes = formats_.boxes();
    in.encoderPath = encoderPath_;
    in.programDirectory = programDirectory_;
    return in;
}

QString ConversionSession::SizeEstimate(const Toriginalinfo& info) {
    return QString::fromStdString(FormatSizeEstimate(
        JobTotalRate(profile_, formats_.boxes(), info).kbps, HmsToSeconds(info.durationText)));
}

void ConversionSession::RefreshSizeEstimates(JobList& jobs) {
    for (int i = 0; i < jobs.Count(); ++i) jobs.SetSizeEstimate(i, SizeEstimate(jobs.At(i)->info));
}

}  // namespace vc
