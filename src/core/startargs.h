#pragma once
// The program's command line: file and folder names to add, --help and --version. Read once
// before the application object exists (so --help needs no display) and once after Qt took
// its own options.
#include <QString>
#include <QStringList>
#include <string>

namespace vc {

struct StartArgs {
    enum class Mode { Run, Help, Version };
    Mode mode = Mode::Run;
    QStringList paths;    // files and folders named, absolute, in the order given
    QStringList unknown;  // options not understood: an error (exit status 2)
};

// args without the program name, names as core/nativepath.h writes them (ArgumentsAsText).
// Options end at "--"; "file:" addresses become paths; a relative path is taken from
// workingDir.
StartArgs ParseStartArgs(const QStringList& args, const QString& workingDir);

// The texts --help and --version print, for the name the program was started under.
std::string UsageText(const std::string& exeName);
// What an unknown option prints on the error output: the option named, then the usage.
std::string UnknownOptionText(const std::string& exeName, const QString& option);
// The command the user typed: the launcher names itself in $VC_COMMAND_NAME (it starts the
// program under the name that chooses the edition); else the name started under.
std::string CommandName(const std::string& startedAs);
std::string VersionText(const std::string& productName);

}  // namespace vc
