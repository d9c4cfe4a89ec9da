// Quoting and splitting: whatever a file name holds, splitting its quoted form gives it back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/cmdline.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string name(reinterpret_cast<const char*>(data), size);
    // Names never hold NUL; an empty name cannot be passed unquoted.
    for (char& c : name)
        if (c == '\0') c = '_';
    if (name.empty()) return 0;
    (void)vc::SplitCommandLine(name);
    const std::vector<std::string> args =
        vc::SplitCommandLine("enc -vormin " + vc::QuoteIfBlank(name) + " out");
    if (args.size() != 4 || args[2] != name) __builtin_trap();
    return 0;
}
