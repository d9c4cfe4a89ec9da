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
    QStringList unknown;  // options not understood; ignored with a warning
};

// args without the program name, names as core/nativepath.h writes them (ArgumentsAsText).
// Options end at "--"; "file:" addresses become paths; a relative path is taken from
// workingDir.
StartArgs ParseStartArgs(const QStringList& args, const QString& workingDir);

// The texts --help and --version print, for the name the program was started under.
std::string UsageText(const std::string& exeName);
std::string VersionText(const std::string& productName);

}  // namespace vc
