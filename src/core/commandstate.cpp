#include "core/commandstate.h"

namespace vc {

namespace {
struct Row {
    std::vector<std::string> names;
    bool a, b, c, d, e;
};

const std::vector<Row>& Table() {
    static const std::vector<Row> rows = {
        {{"&Add File(A)", "A&dd Folder(D)"}, 1, 1, 1, 0, 0},
        {{"Proper&ties(T)", "&Remove(R)", "Re&name(N)"}, 0, 0, 1, 0, 0},
        {{"&Clear(C)", "Select A&ll(L)", "&Unselect All(U)", "Con&vert(V)"}, 0, 1, 1, 0, 0},
        {{"&Pause(P)", "&Stop(S)"}, 0, 0, 0, 0, 1},
        {{"bt_dvdopen", "bt_ifo"}, 1, 1, 1, 0, 0},
        {{"bt_remove", "bt_play", "bt_cut"}, 0, 0, 1, 0, 0},
        {{"bt_clear", "bt_chapte", "bt_set", "bt_start"}, 0, 1, 1, 0, 0},
        {{"bt_back", "bt_next", "bt_playstop", "bt_playpause", "bt_images"}, 0, 0, 0, 1, 0},
        {{"Bt_Convertstop", "bt_pause"}, 0, 0, 0, 0, 1},
        {{"play_bar", "cut_play_bar"}, 0, 0, 0, 1, 0},
        // The preview's hint of the idle player.
        {{"previewhint"}, 1, 1, 1, 0, 0},
    };
    return rows;
}

void Apply(std::map<std::string, bool>& out, bool Row::*column) {
    for (const auto& r : Table())
        for (const auto& n : r.names) out[n] = r.*column;
}
}  // namespace

std::map<std::string, bool> ComputeCommandState(const CommandFacts& f) {
    std::map<std::string, bool> out;
    // Every state that holds rewrites the whole table; the last one wins.
    if (f.rows == 0) Apply(out, &Row::a);
    if (f.rows > 0 && !f.selected) Apply(out, &Row::b);
    if (f.selected) Apply(out, &Row::c);
    if (f.previewing) Apply(out, &Row::d);
    if (f.converting) Apply(out, &Row::e);
    // A long add can be stopped like a batch.
    if (f.adding) out["Bt_Convertstop"] = out["&Stop(S)"] = true;
    return out;
}

const std::vector<std::string>& ManagedCommands() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v;
        for (const auto& r : Table()) v.insert(v.end(), r.names.begin(), r.names.end());
        return v;
    }();
    return names;
}

const char* SkinObjectCommand(const std::string& objectName) {
    static const std::map<std::string, const char*> commandOf = {
        {"profiles", "OpenPicker"}, {"openfiles", "AddFiles"}, {"openfolder", "AddFolder"},
        {"converter", "Convert"},   {"remove", "Remove"},      {"clear", "Clear"},
        {"stopconverter", "Stop"},  {"browse", "Browse"},      {"open", "OpenOutput"},
        {"play", "CutPlay"},        {"stop", "PlayStop"},      {"pause", "PlayPause"},
        {"help", "PopupHelp"},      {"file", "PopupFile"},     {"dvdfile", "PopupDvd"},
        {"register", "PopupTools"}, {"settings", "PopupEdit"}, {"purchase", "PopupActions"},
        {"begin", "BeginMark"},     {"end", "EndMark"},        {"mainclose", "CloseMain"},
        {"cutclose", "CloseCut"},   {"hou", "JumpBack"},       {"qian", "JumpForward"},
        {"cutter", "CutterNote"}};
    auto it = commandOf.find(objectName);
    return it == commandOf.end() ? nullptr : it->second;
}

}  // namespace vc
