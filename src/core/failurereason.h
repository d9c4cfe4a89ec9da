#pragma once
// Why an encoder run failed, in words a user understands, from the last lines it printed.
#include <string>
#include <vector>

namespace vc {

// Exit code of an encoder run that the program stopped itself.
inline constexpr int kStoppedEncoderExitCode = 99;

// A short reason such as "the disk is full" or "the source cannot be read", from the last
// lines of the encoder's console text and its exit code. Without a known cause, the last
// meaningful line (no progress, banner, media dump or blank lines); failing that, the exit
// code. Empty for exit code 0.
std::string ExplainEncoderFailure(const std::vector<std::string>& lastLines, int exitCode);

}  // namespace vc
