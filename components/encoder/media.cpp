// libEncoderMedia.so: what register.dat does with FFmpeg's libraries and the AMR-NB encoder,
// handed over as one table of functions.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avio.h>
}

#include "encoder.h"

namespace vc::encoder {

std::string AvErrorText(int code) {
    char buf[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, buf, sizeof buf);
    return buf;
}

bool EncoderAvailable(const std::string& name) {
    return avcodec_find_encoder_by_name(name.c_str()) != nullptr;
}

bool IsOutputProtocol(const std::string& scheme) {
    void* opaque = nullptr;
    while (const char* name = avio_enum_protocols(&opaque, 1))
        if (scheme == name) return true;
    return false;
}

}  // namespace vc::encoder

extern "C" __attribute__((visibility("default"))) const vc::encoder::MediaFunctions*
vc_encoder_media_functions() {
    using namespace vc::encoder;
    static const MediaFunctions functions = {
        kMediaAbi,         &RunProbe,         &RunProbes,         &RunAmrConversion,
        &EncoderAvailable, &IsOutputProtocol, &RunAudioConversion};
    return &functions;
}
