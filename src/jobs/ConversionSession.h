#pragma once
// What every conversion of this run is made with, in one owner and without widgets: the
// selected profile, the four format choices, the output folder, the finish action, the folder
// Add File used last, and where the program's files and settings live. The batch, the intake
// and the snapshot read it; the windows show it and change it through it.
#include <QObject>
#include <QString>
#include <algorithm>
#include <string>
#include <vector>

#include "core/appsettings.h"
#include "core/choicebox.h"
#include "core/invocation.h"
#include "core/profilefile.h"

namespace vc {

class JobList;
struct Job;

class ConversionSession : public QObject {
    Q_OBJECT
  public:
    // What happens after a batch that ran to its end (the settings file's numbers).
    enum class FinishAction { Nothing = 0, OpenFolder = 1, ShutDown = 2 };
    Q_ENUM(FinishAction)
    // What changed, for those who show it.
    enum class Change { Profile, Formats, OutputFolder, FinishAction };
    Q_ENUM(Change)

    // The outcome of a profile switch. The switch happens in both cases; an unreadable
    // profile file leaves the new profile's choices as they were.
    struct ProfileSwitch {
        bool profileFileRead = true;
        std::vector<std::string> problems;  // for the user, in order
    };

    explicit ConversionSession(QObject* parent = nullptr);

    // ---- where things are
    // The program folder (profiles.pop, register.dat) and the product whose settings files
    // are used.
    void SetProgramDirectory(const std::string& dir);
    const std::string& ProgramDirectory() const { return programDirectory_; }
    void SetEncoderPath(const std::string& path) { encoderPath_ = path; }
    const std::string& EncoderPath() const { return encoderPath_; }
    void SetProductName(const std::string& product) { product_ = product; }
    std::string SettingsFilePath() const { return SettingsFilePathFor(product_); }
    std::string ProfileSettingsFilePath() const { return ProfileSettingsFilePathFor(product_); }

    // ---- the profile
    int ProfileId() const { return profile_.profileId; }
    const ProfileState& Profile() const { return profile_; }
    // Makes n the selected profile: the formats of the previous one are remembered, n's are
    // read from the profile file and its remembered choices taken.
    ProfileSwitch SelectProfile(int n);

    // ---- the four format choices (size, video, audio, channel) as values
    FormatBoxes Formats() { return formats_.boxes(); }
    // An editor of the choices (the settings dialog) changed them through Formats().
    void FormatsEdited();
    // Remembers the selected profile's choices in the per-profile settings; an error text
    // when they cannot be written.
    std::string RememberFormats();

    // ---- the output folder. In force: the text of the output field, which every job's run
    // takes (and makes when missing). Saved: the folder output last went to (or was chosen),
    // written to the settings file and opened by Open.
    void SetOutputFolderText(const QString& text);
    const QString& OutputFolderText() const { return outputFolderText_; }
    void SetOutputDirectory(const std::string& dir) { outputDirectory_ = dir; }
    const std::string& OutputDirectory() const { return outputDirectory_; }
    // A folder the user chose: it becomes both the saved and the folder in force.
    void ChooseOutputDirectory(std::string dir);

    // ---- what follows a batch, where Add File opens
    FinishAction Finish() const { return finish_; }
    void SetFinish(FinishAction action);
    const std::string& LastAddFolder() const { return lastAddFolder_; }
    void SetLastAddFolder(const std::string& folder) { lastAddFolder_ = folder; }

    // ---- how a batch runs. Simultaneous conversions: 0 decides by the output (see
    // JobsAtOnce), otherwise that many jobs at once.
    int SimultaneousConversions() const { return simultaneous_; }
    void SetSimultaneousConversions(int n) { simultaneous_ = std::max(0, n); }
    // Encoders run at the lowest priority (the default) or at the program's own.
    bool LowPriority() const { return lowPriority_; }
    void SetLowPriority(bool low) { lowPriority_ = low; }
    // The selected profile writes no picture.
    bool SoundOnlyOutput() const;
    // How many jobs a batch started now runs at once.
    int JobsAtOnce() const;
    // Automatic: as many as cores for sound, one for video, whose encoders use every core
    // already.
    static int JobsAtOnce(int simultaneous, bool soundOnly, int cores);

    // ---- settings file. Load takes the session's keys and returns the whole record (the
    // picker keeps its own keys); the profile is not selected by it: that is SelectProfile's.
    AppSettings LoadSettings(int defaultProfile, const std::string& defaultOutput);
    // Writes the session's keys over the record given (the other owners' keys); false when
    // the file cannot be written.
    bool SaveSettings(AppSettings others) const;

    // ---- a job under the present choices
    InvocationInputs JobInputs(const Job& job);
    InvocationResult BuildJobInvocation(const Job& job) { return BuildInvocation(JobInputs(job)); }
    // The "Output Size" column's text for a job.
    QString SizeEstimate(const Toriginalinfo& info);
    // Every row's estimate again.
    void RefreshSizeEstimates(JobList& jobs);

  signals:
    void changed(vc::ConversionSession::Change what);

  private:
    std::string programDirectory_;
    std::string encoderPath_;
    std::string product_ = "VideoConverter";
    ProfileState profile_;
    PlainFormatBoxes formats_;
    QString outputFolderText_;
    std::string outputDirectory_;
    FinishAction finish_ = FinishAction::Nothing;
    std::string lastAddFolder_;
    int simultaneous_ = 0;
    bool lowPriority_ = true;
};

}  // namespace vc
