#pragma once
// Bit-rate model: the rate tables, the total bit rate of a job under the current format
// settings, the output size estimate and the completion of probed rates.
#include <cstdint>
#include <string>

#include "core/choicebox.h"
#include "core/jobrecords.h"
#include "core/profilefile.h"

namespace vc {

// Index = quality index 0 ("Higher Quality") .. 4 ("Lower Quality").
inline constexpr int kAudioRates[5] = {320, 192, 128, 64, 32};
// Narrow-band phone audio for ".3gp" and ".amr", kbit/s.
inline constexpr double kPhoneAudioRates[5] = {12.2, 10.2, 7.4, 5.9, 4.75};
// Video factors in hundredths (kbit/s per picture line).
inline constexpr int kFactorMini[5] = {333, 213, 151, 106, 80};
inline constexpr int kFactorNormal[5] = {625, 416, 333, 213, 151};
inline constexpr int kFactorExcellent[5] = {1041, 833, 625, 416, 333};

// Fixed totals of the disc profiles.
inline constexpr int kVcdRate = 1393, kSvcdRate = 1948, kDvdRate = 3222;

// ".3gp" or ".amr", compared exactly.
bool IsPhoneAudioExtension(const std::string& extension);

// Quality index of a quality box for table look-ups: the chosen index when it is 0..4; a box
// without a chosen entry (a remembered index beyond its list) counts as "Normal" (2), the
// default of the remembered settings. A keep-source or "No Video" entry gives -1.
int QualityIndexOf(const ChoiceBox& box);

// The factor table of a generic profile (Mini, Normal or Excellent tier).
const int* VideoFactorsOf(int profileId);

struct RateResult {
    int64_t kbps = 0;
    std::string error;  // set when the rate cannot be computed; kbps is then 0
    bool ok() const { return error.empty(); }
};

// Audio part A of a job: the source's rate for "The Original Audio Quliay", the phone table
// rounded for ".3gp"/".amr" (with "The Original Audio Quliay" there, the best phone rate,
// since the format carries no more), 1500 for ".wav", else the audio table.
RateResult AudioPart(const ProfileState& profile, const FormatBoxes& boxes,
                     const Toriginalinfo& job);
// Video part V of a job.
RateResult VideoPart(const ProfileState& profile, const FormatBoxes& boxes,
                     const Toriginalinfo& job);

// Total kbit/s of a job under the current settings: fixed for the disc profiles, else V + A.
// A typed size without an "x", like one whose height is not a number, gives V = 0: the
// estimate then shows the audio alone, and the command line refuses such a size anyway.
RateResult JobTotalRate(const ProfileState& profile, const FormatBoxes& boxes,
                        const Toriginalinfo& job);

// Estimated output size, "7.09MB": rate × seconds / 8 / 1024 × 1000 / 1024, rounded to five
// significant digits and printed with two decimals. The product is taken in 64 bits so long
// jobs do not wrap into negative sizes.
std::string FormatSizeEstimate(int64_t rateKbps, int64_t seconds);
// A written file's size in the estimates' unit ("0.02MB"); under 10 KB in whole KB, rounded up,
// so that a file that holds something never reads as 0.
std::string FormatFileSize(int64_t bytes);

// Probed rates as the probe found them (kbit/s texts, possibly empty) and the picture size.
struct ProbedRates {
    std::string total;
    std::string video;
    std::string audio;
    std::string pictureSize;
};

struct CompletedRates {
    std::string video;        // decimal
    std::string audio;        // decimal
    std::string pictureSize;  // "320x240" when none was found
    std::string error;        // set when a rate needed for the completion is not a number
    bool ok() const { return error.empty(); }
};

// Fills the gaps a probe leaves: a missing video rate from total minus audio (768 with no
// rates at all), a missing audio rate from total minus video (128 with no rates), audio "0"
// as 128, no size as "320x240"; then each rate re-printed as a number (768 / 128 when it is
// none). A difference below zero is taken as 0.
CompletedRates CompleteProbedRates(const ProbedRates& probed);

}  // namespace vc
