// Program body: reads the command line, hands file names to a window that runs already or
// creates the windows in their order, and runs the message loop; or converts without a window.
#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QTimer>
#include <clocale>
#include <cstdio>

#include "app/DesktopStart.h"
#include "app/MainStyle.h"
#include "app/OtherForms.h"
#include "app/Tfm_main.h"
#include "core/appinfo.h"
#include "core/appsettings.h"
#include "core/displayplatform.h"
#include "core/nativepath.h"
#include "core/startargs.h"
#include "core/uilanguage.h"
#include "jobs/CommandLineConversion.h"
#include "jobs/JobListStore.h"
#include "preview/Tfm_dvdcutter.h"
#include "preview/Tfm_info.h"
#include "profiles/Tfm_dir.h"
#include "profiles/Tfm_set.h"
#include "shell/InstanceChannel.h"
#include "shell/SideEffects.h"

int main(int argc, char** argv) {
    vc::InitAppInfo(argc > 0 ? argv[0] : "VideoConverter");
    vc::LoadTranslations();  // before --help prints and before any window is built
    const std::string product = vc::ProductNameOf(vc::StartedExeFileName());
    // Before the application object: --help, --version and --convert need no display.
    // Names keep their bytes (not valid UTF-8, say): QApplication::arguments() and
    // QDir::currentPath() would turn those into U+FFFD.
    const QString workingFolder = vc::CurrentFolderText();
    const vc::StartArgs early = vc::ParseStartArgs(vc::ArgumentsAsText(argc, argv), workingFolder);
    const std::string command = vc::CommandName(vc::StartedExeFileName());
    qunsetenv("VC_COMMAND_NAME");  // the launcher's word for this process, not its children
    if (!early.unknown.isEmpty()) {
        std::fputs(vc::UnknownOptionText(command, early.unknown.front()).c_str(), stderr);
        return 2;
    }
    if (early.mode != vc::StartArgs::Mode::Run) {
        const std::string text = early.mode == vc::StartArgs::Mode::Help ? vc::UsageText(command)
                                                                         : vc::VersionText(product);
        std::fputs(text.c_str(), stdout);
        return 0;
    }
    if (!early.errors.isEmpty()) {
        const QString separator = "\n" + QString::fromStdString(command) + ": ";
        std::fputs(vc::UsageErrorText(command, early.errors.join(separator)).c_str(), stderr);
        return 2;
    }
    if (early.convert) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QString::fromStdString(product));
        return vc::RunCommandLineConversion(
            {vc::StartedExeFileName(), vc::ProgramDirectory(), early.options, early.paths},
            command);
    }

    // A window of this edition runs already: it gets the names before this start builds an
    // application of its own.
    const std::string settingsFile = vc::SettingsFilePathFor(product);
    if (vc::InstanceChannel::HandOverWithoutApplication(
            vc::InstanceChannel::NameFor(QString::fromStdString(settingsFile)), early.paths))
        return 0;

    vc::ChooseDisplayPlatform();
    vc::SetApplicationAttributes();
    QApplication app(argc, argv);
    // libmpv needs the C decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QString::fromStdString(product));
    // The window's own icon, and the desktop entry docks match the window to.
    QApplication::setWindowIcon(QIcon::fromTheme(
        "videoconverter",
        QIcon(QString::fromStdString(vc::ProgramDirectory()) + "images/main/icon.png")));
    QGuiApplication::setDesktopFileName("videoconverter");
    // Qt has taken its own options out of argc and argv by now.
    const vc::StartArgs args = vc::ParseStartArgs(vc::ArgumentsAsText(argc, argv), workingFolder);
    vc::DesktopStart desktop;
    if (!desktop.Claim(settingsFile, args.paths)) return 0;
    // This is the edition's only running window now: whatever a save of an earlier run left
    // half done is no one's.
    vc::RemoveUnfinishedSaves({settingsFile, vc::ProfileSettingsFilePathFor(product),
                               vc::JobListKeeper::PathBeside(settingsFile).toStdString()});

    vc::DesktopSideEffects effects;
    vc::Tfm_main fm_main(&effects);
    vc::Tfm_dir fm_dir(&fm_main);
    vc::Tfm_about fm_about(&fm_main);
    vc::Tfm_set fm_set(&fm_main);
    vc::Tfm_show fm_show;
    vc::Tfm_info fm_info(&fm_main);
    vc::Tfm_dvdcutter fm_dvdcutter(&fm_main);
    fm_main.AttachWindows(&fm_dir, &fm_set, &fm_info, &fm_dvdcutter);
    desktop.Attach(&fm_main);
    // For the start-up benchmark: report the time to the first shown window and end.
    if (qEnvironmentVariableIsSet("VC_EXIT_AFTER_SHOW")) {
        QObject::connect(&fm_main, &vc::Tfm_main::startupFinished, &app, [&app] {
            QTimer::singleShot(0, &app, [&app] {
                std::printf("startup_ms %.1f\n", vc::MillisecondsSinceProcessStart());
                std::fflush(stdout);
                app.exit(0);
            });
        });
    }
    fm_main.show();
    return app.exec();
}
