// Preview player, cut window marks, snapshot and properties of the main window.
// Being filled in: until then these commands do nothing.
#include "app/Tfm_main.h"

namespace vc {

void Tfm_main::PlaySelectedJob() {}
void Tfm_main::StopPlayback() {}
void Tfm_main::TogglePause() {}
void Tfm_main::PreviousJob() {}
void Tfm_main::NextJob() {}
void Tfm_main::bt_cutClick() {}
void Tfm_main::CutPlay() {}
void Tfm_main::SetBeginMark() {}
void Tfm_main::SetEndMark() {}
void Tfm_main::JumpCut(int) {}
void Tfm_main::bt_imagesClick() {}
void Tfm_main::SpaceKey() {}
void Tfm_main::ShowPropertiesDialog() {}
void Tfm_main::Skin1MouseDown(skin::ISkinObject*, Qt::MouseButton, int, int) { ClosePicker(); }
void Tfm_main::Skin1MouseUp(skin::ISkinObject*, Qt::MouseButton, int, int) {}
void Tfm_main::Skin1ScrollTrack(skin::ISkinObject*, int) {}

}  // namespace vc
