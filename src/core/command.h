#pragma once
// The commands of the main window, one registry row each: a name for logs and tests, what
// the command may not run during (its busy rule) and when it is enabled (its enable rule).
// Keys, picture buttons, menu items and skin objects all name a Command; the main window
// holds the handlers, one for each.
#include <array>
#include <cstddef>

namespace vc {

enum class Command {
    AddFiles,
    AddFolder,
    Properties,
    RunBackground,
    Exit,
    Remove,
    Clear,
    Rename,
    CheckAll,
    UncheckAll,
    Convert,
    Pause,
    Stop,
    Settings,
    Help,
    Feedback,
    About,
    Website,
    Play,
    PlayPause,
    PlayStop,
    Previous,
    Next,
    Cut,
    Snapshot,
    OpenPicker,
    Browse,
    OpenOutput,
    SpaceToggle,
    CutPlay,
    BeginMark,
    EndMark,
    PopupFile,
    PopupEdit,
    PopupActions,
    PopupTools,
    PopupHelp,
    PopupDvd,
    CloseMain,
    CloseCut,
    JumpBack,
    JumpForward,
    CutterNote,
    MoveUp,       // the selected jobs one place up
    MoveDown,     // and down
    UndoRemoval,  // the last Remove or Clear undone
    QuitNow,      // ends the program at once, without the close question
};
// Keep this the last command above: the registry holds one row for each up to it.
inline constexpr std::size_t kCommandCount = static_cast<std::size_t>(Command::QuitNow) + 1;

// The five facts the enabled states follow.
struct CommandFacts {
    int rows = 0;
    bool selected = false;
    bool previewing = false;
    bool converting = false;
    bool adding = false;
};

// When a command is enabled: one flag for each state of the list and the player, evaluated
// in this order, the last state that holds deciding: the list is empty; it has rows and none
// is selected; a row is selected; a preview plays; a batch converts. 'adding' enables it
// while files are being added, whatever the states say.
struct EnableRule {
    bool empty, rows, selected, previewing, converting;
    bool adding = false;

    bool Holds(const CommandFacts& f) const;
};

// What a command may not run during; it is refused with the warning of the first that holds
// (a preview: language text 27, a batch: 26).
enum class Busy { Free, NotWhilePlaying, NotWhileConverting, NotWhilePlayingOrConverting };

struct CommandRow {
    Command command;
    const char* name;
    Busy busy;
    EnableRule enable;
};

const CommandRow& CommandInfo(Command c);
inline const char* CommandName(Command c) {
    return CommandInfo(c).name;
}
// Whether the command's menu item shows enabled, and so whether its keys act.
inline bool CommandEnabled(Command c, const CommandFacts& facts) {
    return CommandInfo(c).enable.Holds(facts);
}
// Every command, in registry order.
const std::array<Command, kCommandCount>& AllCommands();

// For a static_assert over a table with a row for each command: one row per command, in the
// order of the commands.
template <typename Row, std::size_t N>
constexpr bool OnePerCommandInOrder(const Row (&rows)[N]) {
    if (N != kCommandCount) return false;
    for (std::size_t i = 0; i < N; ++i)
        if (rows[i].command != static_cast<Command>(i)) return false;
    return true;
}

}  // namespace vc
