// Operations whose full behaviour lands with the profile, settings and conversion work.
#include "app/Tfm_main.h"
#include "core/catalogue.h"
#include "core/timeutil.h"
#include "shell/PictureButton.h"

#include <QLineEdit>
#include <QStandardPaths>

namespace vc {

void Tfm_main::StartupUpdateCheck() {}
void Tfm_main::SiblingLaunch() {}

}  // namespace vc
