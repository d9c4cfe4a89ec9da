#pragma once
// Which commands are enabled, from five facts: rows in the job list, a selected row,
// a preview playing, a batch converting, files being added.
#include <map>
#include <string>
#include <vector>

namespace vc {

struct CommandFacts {
    int rows = 0;
    bool selected = false;
    bool previewing = false;
    bool converting = false;
    bool adding = false;
};

// Menu items are named by their captions, buttons by their names, and the two seek bars and
// the preview's hint by their skin names ("play_bar", "cut_play_bar", "previewhint": true =
// shown).
std::map<std::string, bool> ComputeCommandState(const CommandFacts& facts);
// Every name the table manages, in table order.
const std::vector<std::string>& ManagedCommands();
// The command a click on a skin object runs, by the object's name; nullptr for objects that
// run none.
const char* SkinObjectCommand(const std::string& objectName);

}  // namespace vc
