#include <cstdlib>
#include <string>
#include <vector>

#include "encoder.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "-vormserve") return vc::encoder::RunServer(args[1]);
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
    // A sound-only job runs in-process when it can; without the media library, when ffmpeg is
    // named explicitly, or when the job needs more, ffmpeg does it.
    vc::encoder::AudioJob job;
    const char* namedFfmpeg = std::getenv("VC_FFMPEG");
    if ((!namedFfmpeg || !*namedFfmpeg) && vc::encoder::ReadAudioJob(inv.ffmpegArgs, job)) {
        const int served = vc::encoder::RunThroughServer(inv.ffmpegArgs);
        if (served != vc::encoder::kAudioJobNotHandled) return served;
        if (const vc::encoder::MediaFunctions* media = vc::encoder::Media(error)) {
            const int status = media->runAudioConversion(job);
            if (status != vc::encoder::kAudioJobNotHandled) return status;
        }
    }
    return vc::encoder::RunConversion(inv.ffmpegArgs, inv.output);
}
