#pragma once
// The suite's other programs, opened when this one closes and the suite marker is present.
#include <functional>
#include <string>
#include <vector>

namespace vc {

// The program directory without its last folder name, ending in "/":
// "/opt/suite/tool/" -> "/opt/suite/". A missing final "/" is assumed. When no folder is left
// above ("/", "tool/"), the result is "" and sibling names are relative to the current
// directory.
std::string ParentFolder(const std::string& programDir);

// The fifteen sibling programs of the suite, in the order they are opened, each relative to
// the parent folder.
const std::vector<std::string>& SiblingPrograms();

// Parent folder + name of every sibling program for which exists() answers true, in list order.
std::vector<std::string> SiblingsToLaunch(const std::string& programDir,
                                          const std::function<bool(const std::string&)>& exists);

}  // namespace vc
