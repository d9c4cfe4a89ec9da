#pragma once
// Which menu items and buttons show enabled, from five facts: rows in the job list, a
// selected row, a preview playing, a batch converting, files being added.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/command.h"

namespace vc {

// Menu items are named by their captions, buttons by their names, and the two seek bars and
// the preview's hint by their skin names ("play_bar", "cut_play_bar", "previewhint": true =
// shown). Each shows its command's enable rule, except where it has a row of its own.
std::map<std::string, bool> ComputeCommandState(const CommandFacts& facts);
// Every name the table manages, in table order.
const std::vector<std::string>& ManagedCommands();
// The command a click on a skin object runs, by the object's name; none for objects that
// run none.
std::optional<Command> SkinObjectCommand(const std::string& objectName);

}  // namespace vc
