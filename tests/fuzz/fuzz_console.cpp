// Console text from the encoder: line cutting, probe lines and progress lines.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/linecutter.h"
#include "core/probeparse.h"
#include "core/progress.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vc::ProbeResult result;
    size_t deliveries = 0;
    vc::LineCutter cutter([&](const std::string& line) {
        ++deliveries;
        vc::ProbeReadLine(result, line);
        const int64_t t = vc::ParseProgressSeconds(line);
        if (t < 0 || t > 100000) __builtin_trap();
    });
    // Blocks of at most 1024 bytes, as the runner hands them over.
    for (size_t off = 0; off < size; off += 1024) {
        const size_t n = size - off < 1024 ? size - off : 1024;
        cutter.Feed(reinterpret_cast<const char*>(data) + off, n);
    }
    cutter.Finish();
    if (size > 0 && deliveries == 0) __builtin_trap();  // every block delivers at least once
    return 0;
}
