// Saves pictures of the windows in typical states, for looking at them:
//   vc_screenshots OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <clocale>
#include <cstdio>

#include "app/MainStyle.h"
#include "app/Tfm_main.h"
#include "preview/Tfm_dvdcutter.h"
#include "profiles/Tfm_set.h"
#include "support/clips.h"
#include "support/program.h"

using namespace vc;
using namespace vc::test;

namespace {
void Save(QWidget* w, const QString& dir, const char* name) {
    Pump(100);
    const QString path = dir + "/" + name;
    if (!w->grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    std::printf("%s\n", qPrintable(path));
}
}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    SetApplicationAttributes();  // as the program
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QString out = argc > 1 ? argv[1] : "screenshots";
    QDir().mkpath(out);
    QTemporaryDir clips;
    const std::string a = MakeMp4H264Aac(clips.path().toStdString(), "holiday.mp4", 3);
    const std::string b = MakeAviMpeg4Mp3(clips.path().toStdString(), "concert.avi", 2);
    {
        Program p;
        p.Show();
        Tfm_main& w = *p.fm_main;
        Save(&w, out, "main-empty.png");
        p.fx.fileAnswers.push_back({QString::fromStdString(a), QString::fromStdString(b)});
        w.AddFiles();
        WaitForAdding(w);
        w.SelectProfile(102);
        Save(&w, out, "main-jobs.png");
        w.OpenPicker();
        w.Picker().PointCategory(3);
        w.Picker().PointButton(29);
        Save(&w, out, "picker-full.png");
        w.Picker().PointCategory(1);
        w.Picker().PointButton(2);
        w.Picker().PointButton(103);
        Save(&w, out, "picker-subpanel.png");
        w.Picker().Close();
        p.fm_set->adjustSize();
        Save(p.fm_set, out, "settings-dialog.png");
        Save(p.fm_dvdcutter, out, "cut-window.png");
    }
    {
        Program p("iPodVideoConverter");
        p.Show();
        p.fm_main->OpenPicker();
        p.fm_main->Picker().PointButton(28);
        Save(p.fm_main.get(), out, "picker-ipod.png");
    }
    return 0;
}
