#pragma once
// The kinds of file the program takes in: the open dialog's filters and the extensions a
// folder is searched for.
#include <string>
#include <vector>

namespace vc {

struct OpenFilter {
    std::string label;     // "AVI Format(*.avi;)"
    std::string patterns;  // "*.avi;"
};

// The open dialog's filters in order, the first being "All Support Format".
const std::vector<OpenFilter>& OpenFilters();
// Extensions (with the dot, lower case) that adding a folder takes.
const std::vector<std::string>& FolderExtensions();
// True when a file name's extension, in any case, is one a folder is searched for.
bool IsFolderMediaName(const std::string& fileName);

}  // namespace vc
