#include <string>
#include <vector>

#include "encoder.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    vc::encoder::Invocation inv;
    std::string error;
    if (!vc::encoder::ParseArguments(args, inv, error)) {
        vc::encoder::PrintError(error);
        return 2;
    }
    if (inv.probe)
        return inv.inputs.size() == 1 ? vc::encoder::RunProbe(inv.input)
                                      : vc::encoder::RunProbes(inv.inputs);
    if (inv.amrNb) return vc::encoder::RunAmrConversion(inv);
    return vc::encoder::RunConversion(inv.ffmpegArgs, inv.output);
}
