#pragma once
// Where the program lives and what it is called.
#include <string>

namespace vc {

// Remembers argv[0] (the name the program was started under) and the real executable's
// folder. Call once from main; tests may override both.
void InitAppInfo(const std::string& argv0);
void SetExeFileNameForTest(const std::string& name);
void SetProgramDirectoryForTest(const std::string& dir);

// The file name the program was started under, without folder ("iPodVideoConverter").
std::string StartedExeFileName();
// Folder of the real executable (symlinks resolved), ending with "/".
std::string ProgramDirectory();

// The file name without a final ".exe", else the whole name.
std::string ProductNameOf(const std::string& exeFileName);
// The settings folder: $XDG_CONFIG_HOME (default ~/.config) + "/" + folder + "/".
std::string ConfigDirectory(const std::string& folder);

// Milliseconds since this process started (from the kernel's start time).
double MillisecondsSinceProcessStart();

}  // namespace vc
