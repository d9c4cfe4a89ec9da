// Operations whose full behaviour lands with the profile, settings and conversion work.
#include "app/Tfm_main.h"
#include "core/catalogue.h"
#include "core/timeutil.h"
#include "shell/PictureButton.h"

#include <QLineEdit>
#include <QStandardPaths>

namespace vc {

void Tfm_main::ClosePicker() {
    PlaceBackdrop(false, 0, 0, 0, 0);
    pl_main->hide();
    for (auto& [name, panel] : panels) panel->hide();
}

void Tfm_main::RestoreButtonPicture(int n) {
    if (n < 1 || n > kProfileCount) return;
    btim[n]->LoadPicture(QString::fromStdString(ProgramDirectory) +
                         QString("images/sub/general/%1.bmp").arg(n));
}

void Tfm_main::RestoreCategoryPicture(int) {}
void Tfm_main::LoadSettings() {
    OutputDirectory = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation).toStdString() + "/";
    ed_output->setText(QString::fromStdString(OutputDirectory));
}
void Tfm_main::SaveSettings() {}
void Tfm_main::StartupUpdateCheck() {}
void Tfm_main::SiblingLaunch() {}
void Tfm_main::StopBatch() {}

}  // namespace vc
