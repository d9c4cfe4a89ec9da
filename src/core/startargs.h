#pragma once
// The program's command line: file and folder names to add, --help and --version, and
// --convert with its options, which converts the files without a window. Read once before the
// application object exists (so --help and --convert need no display) and once after Qt took
// its own options.
#include <QString>
#include <QStringList>
#include <string>

namespace vc {

// How --convert converts; what is not given comes from the edition's saved settings or the
// file itself.
struct ConvertOptions {
    int profileId = 0;   // 0: the saved profile
    QString output;      // absolute, without a final "/"; empty: the saved output folder
    int jobs = -1;       // conversions side by side; 0: automatic, -1: as saved
    int audioTrack = 0;  // the file's Nth sound track, from 1; 0: the file's default track
    // The subtitle burned in: the file's Nth subtitle (its streams, then the subtitle files
    // beside it), a subtitle file of the user's, or none (also when not given).
    int subtitle = 0;      // from 1; 0: none or a file
    QString subtitleFile;  // absolute
};

struct StartArgs {
    enum class Mode { Run, Help, Version };
    Mode mode = Mode::Run;
    bool convert = false;  // --convert: no window
    ConvertOptions options;
    QStringList paths;    // files and folders named, absolute, in the order given
    QStringList unknown;  // options not understood: an error (exit status 2)
    // Options whose value is wrong or missing, or that need --convert, each as a sentence for
    // the user: an error (exit status 2).
    QStringList errors;
};

// args without the program name, names as core/nativepath.h writes them (ArgumentsAsText).
// Options end at "--"; "file:" addresses become paths; a relative path is taken from
// workingDir.
StartArgs ParseStartArgs(const QStringList& args, const QString& workingDir);

// The texts --help and --version print, for the name the program was started under.
std::string UsageText(const std::string& exeName);
// What a wrong value or a misplaced option prints on the error output.
std::string UsageErrorText(const std::string& exeName, const QString& error);
// What an unknown option prints on the error output: the option named, then the usage.
std::string UnknownOptionText(const std::string& exeName, const QString& option);
// The command the user typed: the launcher names itself in $VC_COMMAND_NAME (it starts the
// program under the name that chooses the edition); else the name started under.
std::string CommandName(const std::string& startedAs);
std::string VersionText(const std::string& productName);

}  // namespace vc
