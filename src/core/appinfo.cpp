#include "core/appinfo.h"

#include <time.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <fstream>
#include <sstream>

namespace vc {

namespace {
std::string g_exeName;
std::string g_programDir;

std::string WithSlash(std::string d) {
    if (d.empty() || d.back() != '/') d += '/';
    return d;
}
}  // namespace

void InitAppInfo(const std::string& argv0) {
    g_exeName = QFileInfo(QString::fromStdString(argv0)).fileName().toStdString();
    QString real = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (real.isEmpty()) real = QFileInfo(QString::fromStdString(argv0)).canonicalFilePath();
    g_programDir = WithSlash(QFileInfo(real).absolutePath().toStdString());
}

void SetExeFileNameForTest(const std::string& name) {
    g_exeName = name;
}
void SetProgramDirectoryForTest(const std::string& dir) {
    g_programDir = WithSlash(dir);
}

std::string StartedExeFileName() {
    return g_exeName;
}
std::string ProgramDirectory() {
    return g_programDir;
}

std::string ProductNameOf(const std::string& exe) {
    if (exe.size() > 4 && QString::fromStdString(exe).endsWith(".exe", Qt::CaseInsensitive))
        return exe.substr(0, exe.size() - 4);
    return exe;
}

std::string ConfigDirectory(const std::string& folder) {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty()) base = QDir::homePath() + "/.config";
    return WithSlash(QString(base + "/" + QString::fromStdString(folder)).toStdString());
}

double MillisecondsSinceProcessStart() {
    std::ifstream f("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(f)), {});
    const size_t close = stat.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream rest(stat.substr(close + 2));
    std::string field;
    unsigned long long startTicks = 0;
    // Field 22 of the stat line is the start time; fields after ")" begin with field 3.
    for (int i = 3; i <= 22 && rest >> field; ++i)
        if (i == 22) startTicks = std::stoull(field);
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double hz = static_cast<double>(sysconf(_SC_CLK_TCK));
    return (now.tv_sec + now.tv_nsec / 1e9 - startTicks / hz) * 1000.0;
}

}  // namespace vc
