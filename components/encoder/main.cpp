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
    if (inv.probe || inv.amrNb) {
        const vc::encoder::MediaFunctions* media = vc::encoder::Media(error);
        if (!media) {
            vc::encoder::PrintError(error);
            return 1;
        }
        if (inv.amrNb) return media->runAmrConversion(inv);
        return inv.inputs.size() == 1 ? media->runProbe(inv.input) : media->runProbes(inv.inputs);
    }
    return vc::encoder::RunConversion(inv.ffmpegArgs, inv.output);
}
