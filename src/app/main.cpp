// Program body: creates the windows in their order and runs the message loop.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <clocale>

#include "app/OtherForms.h"
#include "shell/SideEffects.h"
#include "app/Tfm_main.h"
#include "core/appinfo.h"
#include "preview/Tfm_dvdcutter.h"
#include "preview/Tfm_info.h"
#include "profiles/Tfm_dir.h"
#include "profiles/Tfm_set.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // libmpv needs the C decimal point.
    std::setlocale(LC_NUMERIC, "C");
    vc::InitAppInfo(argc > 0 ? argv[0] : "VideoConverter");
    QApplication::setApplicationName(QString::fromStdString(vc::ProductNameOf(vc::StartedExeFileName())));

    vc::DesktopSideEffects effects;
    vc::Tfm_main fm_main(&effects);
    vc::Tfm_dir fm_dir(&fm_main);
    vc::Tfm_about fm_about(&fm_main);
    vc::Tfm_set fm_set(&fm_main);
    vc::Tfm_show fm_show;
    vc::Tfm_info fm_info(&fm_main);
    vc::Tfm_dvdcutter fm_dvdcutter(&fm_main);
    fm_main.AttachWindows(&fm_dir, &fm_set, &fm_info, &fm_dvdcutter);
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
