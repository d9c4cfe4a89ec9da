// Command dispatch of the main window: skin objects, menus and hover hints.
#include <QAction>
#include <QMenu>

#include "app/Tfm_main.h"

namespace vc {

namespace {
// Hover hints: skin object name -> language text id; any other name gives 25.
int HintIdFor(const QString& name) {
    static const std::map<QString, int> ids = {
        {"dvdopen", 1},        {"ifoopen", 2},        {"profiles", 3},       {"profilestext", 3},
        {"audio", 4},          {"subtitle", 5},       {"video_size", 6},     {"video_quality", 7},
        {"audio_quality", 8},  {"channels", 9},       {"play", 10},          {"pause", 11},
        {"stopplay", 12},      {"play_bar", 13},      {"play_time", 14},     {"chapter", 15},
        {"cutter", 16},        {"converter", 17},     {"stopconverter", 18}, {"browse", 19},
        {"open", 20},          {"openfolder", 21},    {"openfiles", 22},     {"remove", 23},
        {"clear", 24}};
    auto it = ids.find(name);
    return it == ids.end() ? 25 : it->second;
}
}  // namespace

void Tfm_main::Skin1MouseMove(skin::ISkinObject* source, int, int) {
    LanguageText(HintIdFor(source ? source->Name() : QString()));
}

void Tfm_main::PopupAt(QMenu* menu, const std::string& section) {
    layout_.Reload();
    QPoint p = mapToGlobal(QPoint(0, 0)) - (geometry().topLeft() - frameGeometry().topLeft());
    menu->popup(QPoint(p.x() + layout_.MenuLeft(section), p.y() + layout_.MenuTop(section)));
}

void Tfm_main::PopupDvdMenu() {
    QPoint p = mapToGlobal(QPoint(0, 0));
    const bool kavrin = QString::fromStdString(ExeFileName).toLower().contains("kavrin");
    pop_dvd->popup(kavrin ? QPoint(p.x() + 85, p.y() + 64) : QPoint(p.x() + 16, p.y() + 54));
}

void Tfm_main::Skin1Click(skin::ISkinObject* source) {
    if (!source) return;
    const QString n = source->Name();
    if (n == "mainclose") {
        close();
    } else if (n == "help") {
        PopupAt(zm_pop_help, "help");
    } else if (n == "file") {
        PopupAt(zm_popup_file, "file");
    } else if (n == "dvdfile") {
        PopupDvdMenu();
    } else if (n == "register") {
        PopupAt(zm_pop_tools, "Tools");
    } else if (n == "settings") {
        PopupAt(zm_pop_edit, "Edit");
    } else if (n == "purchase") {
        PopupAt(zm_pop_actions, "actions");
    }
}

void Tfm_main::Skin1MouseDown(skin::ISkinObject*, Qt::MouseButton, int, int) { ClosePicker(); }

void Tfm_main::Skin1MouseUp(skin::ISkinObject*, Qt::MouseButton, int, int) {}

void Tfm_main::Skin1ScrollTrack(skin::ISkinObject*, int) {}

}  // namespace vc
