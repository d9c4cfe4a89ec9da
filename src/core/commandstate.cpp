#include "core/commandstate.h"

#include <variant>

namespace vc {

namespace {
constexpr EnableRule kRowsShown{false, true, true, false, false};
constexpr EnableRule kPreviewShown{false, false, false, true, false};
constexpr EnableRule kIdleShown{true, true, true, false, false};

// A managed item: shows its command's enable rule, or a rule of its own.
struct Item {
    const char* name;
    std::variant<Command, EnableRule> shows;
};

using C = Command;
const std::vector<Item>& Table() {
    static const std::vector<Item> items = {
        {"&Add File(A)", C::AddFiles},
        {"A&dd Folder(D)", C::AddFolder},
        {"Proper&ties(T)", C::Properties},
        {"&Remove(R)", C::Remove},
        {"Re&name(N)", C::Rename},
        {"&Clear(C)", C::Clear},
        {"Select A&ll(L)", C::CheckAll},
        {"&Unselect All(U)", C::UncheckAll},
        {"Con&vert(V)", C::Convert},
        {"&Pause(P)", C::Pause},
        {"&Stop(S)", C::Stop},
        {"bt_dvdopen", C::AddFiles},
        {"bt_ifo", C::AddFolder},
        {"bt_remove", C::Remove},
        {"bt_play", C::Play},
        {"bt_cut", C::Cut},
        {"bt_clear", C::Clear},
        // Unlike its menu item, the properties button is offered without a selection too (it
        // then says to select a job); the settings button only with rows, while the menu item
        // and Ctrl+I always open the dialog.
        {"bt_chapte", kRowsShown},
        {"bt_set", kRowsShown},
        {"bt_start", C::Convert},
        {"bt_back", C::Previous},
        {"bt_next", C::Next},
        {"bt_playstop", C::PlayStop},
        {"bt_playpause", C::PlayPause},
        // F12 takes a picture in every state; the button is offered during a preview.
        {"bt_images", kPreviewShown},
        {"Bt_Convertstop", C::Stop},
        {"bt_pause", C::Pause},
        {"play_bar", kPreviewShown},
        {"cut_play_bar", kPreviewShown},
        // The preview's hint of the idle player.
        {"previewhint", kIdleShown},
    };
    return items;
}

const EnableRule& RuleOf(const Item& item) {
    if (const Command* c = std::get_if<Command>(&item.shows)) return CommandInfo(*c).enable;
    return std::get<EnableRule>(item.shows);
}
}  // namespace

std::map<std::string, bool> ComputeCommandState(const CommandFacts& f) {
    std::map<std::string, bool> out;
    for (const Item& item : Table()) out[item.name] = RuleOf(item).Holds(f);
    return out;
}

const std::vector<std::string>& ManagedCommands() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v;
        for (const Item& item : Table()) v.emplace_back(item.name);
        return v;
    }();
    return names;
}

std::optional<Command> SkinObjectCommand(const std::string& objectName) {
    static const std::map<std::string, Command> commandOf = {
        {"profiles", C::OpenPicker}, {"openfiles", C::AddFiles}, {"openfolder", C::AddFolder},
        {"converter", C::Convert},   {"remove", C::Remove},      {"clear", C::Clear},
        {"stopconverter", C::Stop},  {"browse", C::Browse},      {"open", C::OpenOutput},
        {"play", C::CutPlay},        {"stop", C::PlayStop},      {"pause", C::PlayPause},
        {"help", C::PopupHelp},      {"file", C::PopupFile},     {"dvdfile", C::PopupDvd},
        {"register", C::PopupTools}, {"settings", C::PopupEdit}, {"purchase", C::PopupActions},
        {"begin", C::BeginMark},     {"end", C::EndMark},        {"mainclose", C::CloseMain},
        {"cutclose", C::CloseCut},   {"hou", C::JumpBack},       {"qian", C::JumpForward},
        {"cutter", C::CutterNote}};
    auto it = commandOf.find(objectName);
    if (it == commandOf.end()) return std::nullopt;
    return it->second;
}

}  // namespace vc
