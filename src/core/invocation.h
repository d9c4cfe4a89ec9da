#pragma once
// One encoder run: its files and its ready-made option fragments, each with its leading
// blank, and the joining of them into the encoder's command line.
#include <cstdint>
#include <functional>
#include <string>

#include "core/choicebox.h"
#include "core/jobrecords.h"
#include "core/profilefile.h"

namespace vc {

struct intputrec {
    std::string inputFile;
    std::string outputFile;
    std::string encoderPath;
    std::string workingDirectory;
    std::string videoRateFragment;
    std::string audioRateFragment;
    int32_t lengthSeconds = 0;
    std::string formatFragment;
    std::string sizeFragment;
    std::string sampleRateFragment;
    std::string channelFragment;
    std::string aspectFragment;
    std::string startFragment;
    std::string lengthFragment;
    std::string filterFragment;  // " -vf ..." when the picture needs reshaping; else empty
};

// A fragment, or the reason it cannot be built.
struct Fragment {
    std::string text;
    std::string error;
    bool ok() const { return error.empty(); }
};

// Below this the encoder gets this video rate instead: a generic profile's video rate is the
// total minus the audio table value, which a small picture with high-quality audio would
// otherwise drive to zero or below.
inline constexpr int64_t kMinVideoRateKbps = 32;

// " -s WxH" from the size box (text before a "(" note; the job's size for the keep-source
// entry); empty when the box is disabled or for the disc profiles.
std::string BuildSizeFragment(const ProfileState& profile, const FormatBoxes& boxes,
                              const Toriginalinfo& job);
// " -aspect 1.3333" from a size fragment; an error for a size whose width or height is not a
// positive whole number.
Fragment BuildAspectFragment(const ProfileState& profile, const FormatBoxes& boxes,
                             const std::string& sizeFragment);
// " -r 24 -b N" in bit/s.
Fragment BuildVideoRateFragment(const ProfileState& profile, const FormatBoxes& boxes,
                                const Toriginalinfo& job);
// " -ab N" in bit/s.
Fragment BuildAudioRateFragment(const ProfileState& profile, const FormatBoxes& boxes,
                                const Toriginalinfo& job);
// " -ar N " chosen by the audio rate of an audio rate fragment.
std::string BuildSampleRateFragment(const ProfileState& profile,
                                    const std::string& audioRateFragment);
// " -ac N" (" -ac 1 " for ".3gp"/".amr"). A channel box without a chosen entry gives
// stereo, its remembered default, since the encoder refuses zero channels.
std::string BuildChannelFragment(const ProfileState& profile, const FormatBoxes& boxes);
// The profile's arguments, with " -target pal-vcd " and the like for the disc profiles; an
// error for a disc profile without a TV standard in the size box.
Fragment BuildFormatFragment(const ProfileState& profile, const FormatBoxes& boxes);

// The output folder as typed: created when missing (one level) and ending with "/". An
// error when it is empty or cannot be created.
Fragment PrepareOutputDirectory(const std::string& folderText);
// Output path: the caption with its extension replaced by the profile's; "_1", "_2", ...
// after the unchanged caption while a file of that name exists.
std::string ChooseOutputPath(const std::string& outputDirectory, const std::string& caption,
                             const std::string& extension,
                             const std::function<bool(const std::string&)>& exists = {});

// Everything the encoder run of one job needs.
struct InvocationInputs {
    std::string outputFolderText;  // text of the output folder box
    std::string caption;           // the row's caption
    Toriginalinfo job;
    TrimRecord trim;
    ProfileState profile;
    FormatBoxes boxes;
    std::string encoderPath;
    std::string programDirectory;
    TrackChoice choice;
};

struct InvocationResult {
    intputrec rec;
    std::string error;  // the job cannot start; shown to the user
    bool ok() const { return error.empty(); }
};

InvocationResult BuildInvocation(const InvocationInputs& in);

// The video filter chain that keeps the source's display shape inside the frame of a size
// fragment " -s WxH": scaled to fit, centred on black bars, square pixels. Empty when the
// shapes already agree (within 1 %) or a size cannot be read. sampleAspect "a:b" (empty for
// square pixels) is the source's pixel shape.
std::string ShapeFilter(const std::string& sizeFragment, const std::string& sourceSize,
                        const std::string& sampleAspect);
// The shape chain for a profile's size; empty for the keep-source size, a disabled size box,
// the disc profiles and a picture whose shape needs nothing.
std::string BuildShapeChain(const ProfileState& profile, const FormatBoxes& boxes,
                            const std::string& sizeFragment, const Toriginalinfo& job);

// The shape chain joined with the job's sound track and subtitle choice: " -map" of the
// picture and the chosen sound track when the source has several, a subtitle burned in by
// the video filter (its times kept through a trim that starts at startSeconds) or kept as a
// track, " -vormsub FILE" naming a subtitle file for the encoder to read beside the source.
// Just " -vf CHAIN" (or nothing) for one sound track and no subtitle.
std::string BuildPictureAndTrackFragment(const InvocationInputs& in, const std::string& chain,
                                         int32_t startSeconds);
// A text as one value of a filter option, escaped for both levels of the filter syntax.
std::string FilterValue(const std::string& text);

// The length an encoder run is given: the duration text, or for an untrimmed job whose
// probed length has a fraction of a second, the next whole second.
std::string LengthText(const Toriginalinfo& job, const TrimRecord& trim);

// The command line in its fixed order, paths quoted when they need it.
std::string JoinCommandLine(const intputrec& rec);

}  // namespace vc
