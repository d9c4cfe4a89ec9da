#include "core/command.h"

#include <iterator>

namespace vc {

bool EnableRule::Holds(const CommandFacts& f) const {
    bool on = false;
    if (f.rows == 0) on = empty;
    if (f.rows > 0 && !f.selected) on = rows;
    if (f.selected) on = selected;
    if (f.previewing) on = previewing;
    if (f.converting) on = converting;
    return on || (f.adding && adding);
}

namespace {

constexpr EnableRule kAlways{true, true, true, true, true};
constexpr EnableRule kIdle{true, true, true, false, false};
constexpr EnableRule kRows{false, true, true, false, false};
constexpr EnableRule kSelection{false, false, true, false, false};
constexpr EnableRule kPreview{false, false, false, true, false};
constexpr EnableRule kBatch{false, false, false, false, true};
// A long add can be stopped like a batch.
constexpr EnableRule kBatchOrAdding{false, false, false, false, true, true};

using B = Busy;
using C = Command;

// Commands without a menu item or a button of their own are always enabled: their keys and
// skin objects answer to the busy rule alone.
constexpr CommandRow kRegistry[] = {
    {C::AddFiles, "AddFiles", B::NotWhileConverting, kIdle},
    {C::AddFolder, "AddFolder", B::NotWhileConverting, kIdle},
    {C::Properties, "Properties", B::Free, kSelection},
    {C::RunBackground, "RunBackground", B::Free, kAlways},
    {C::Exit, "Exit", B::Free, kAlways},
    {C::Remove, "Remove", B::NotWhilePlayingOrConverting, kSelection},
    {C::Clear, "Clear", B::NotWhilePlayingOrConverting, kRows},
    {C::Rename, "Rename", B::Free, kSelection},
    {C::CheckAll, "CheckAll", B::Free, kRows},
    {C::UncheckAll, "UncheckAll", B::Free, kRows},
    {C::Convert, "Convert", B::NotWhilePlaying, kRows},
    {C::Pause, "Pause", B::Free, kBatch},
    {C::Stop, "Stop", B::Free, kBatchOrAdding},
    {C::Settings, "Settings", B::Free, kAlways},
    {C::Help, "Help", B::Free, kAlways},
    {C::Feedback, "Feedback", B::Free, kAlways},
    {C::About, "About", B::Free, kAlways},
    {C::Website, "Website", B::Free, kAlways},
    {C::Play, "Play", B::NotWhileConverting, kSelection},
    {C::PlayPause, "PlayPause", B::Free, kPreview},
    {C::PlayStop, "PlayStop", B::Free, kPreview},
    {C::Previous, "Previous", B::NotWhileConverting, kPreview},
    {C::Next, "Next", B::NotWhileConverting, kPreview},
    {C::Cut, "Cut", B::NotWhilePlayingOrConverting, kSelection},
    // F12 takes a picture in every state; the button only offers it during a preview. During
    // a batch it would take the batch's encoder run.
    {C::Snapshot, "Snapshot", B::NotWhileConverting, kAlways},
    {C::OpenPicker, "OpenPicker", B::NotWhileConverting, kAlways},
    {C::Browse, "Browse", B::Free, kAlways},
    {C::OpenOutput, "OpenOutput", B::Free, kAlways},
    {C::SpaceToggle, "SpaceToggle", B::NotWhileConverting, kAlways},
    {C::CutPlay, "CutPlay", B::NotWhileConverting, kAlways},
    {C::BeginMark, "BeginMark", B::Free, kAlways},
    {C::EndMark, "EndMark", B::Free, kAlways},
    {C::PopupFile, "PopupFile", B::Free, kAlways},
    {C::PopupEdit, "PopupEdit", B::Free, kAlways},
    {C::PopupActions, "PopupActions", B::Free, kAlways},
    {C::PopupTools, "PopupTools", B::Free, kAlways},
    {C::PopupHelp, "PopupHelp", B::Free, kAlways},
    {C::PopupDvd, "PopupDvd", B::Free, kAlways},
    {C::CloseMain, "CloseMain", B::Free, kAlways},
    {C::CloseCut, "CloseCut", B::Free, kAlways},
    {C::JumpBack, "JumpBack", B::Free, kAlways},
    {C::JumpForward, "JumpForward", B::Free, kAlways},
    // The cut window's picture says why it is not there during a preview or a batch.
    {C::CutterNote, "CutterNote", B::NotWhilePlayingOrConverting, kAlways},
    // Reordering during a batch would move the batch's current row.
    {C::MoveUp, "MoveUp", B::NotWhilePlayingOrConverting, kSelection},
    {C::MoveDown, "MoveDown", B::NotWhilePlayingOrConverting, kSelection},
    {C::UndoRemoval, "UndoRemoval", B::NotWhilePlayingOrConverting, kAlways},
    {C::QuitNow, "QuitNow", B::Free, kAlways},
};

static_assert(OnePerCommandInOrder(kRegistry), "one registry row for each command, in order");

}  // namespace

const CommandRow& CommandInfo(Command c) {
    return kRegistry[static_cast<std::size_t>(c)];
}

const std::array<Command, kCommandCount>& AllCommands() {
    static const std::array<Command, kCommandCount> all = [] {
        std::array<Command, kCommandCount> a{};
        for (std::size_t i = 0; i < kCommandCount; ++i) a[i] = kRegistry[i].command;
        return a;
    }();
    return all;
}

}  // namespace vc
