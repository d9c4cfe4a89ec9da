#pragma once
// Short media clips made with FFmpeg's lavfi sources, for tests and benchmarks.
// Every maker writes into dir (which must exist), returns the full path of the clip, and
// returns an empty text when ffmpeg failed (the test should then fail with that path).
#include <string>
#include <vector>

namespace vc::test {

// Runs `ffmpeg -y <ffmpegArgs> <dir>/<name>` (arguments split at blanks; no shell) and
// returns the output path, or "" when ffmpeg failed.
std::string MakeClip(const std::string& dir, const std::string& name,
                     const std::string& ffmpegArgs);

// Ready-made clips. Video clips are 640x480 at 25 fps unless said otherwise; audio is a sine.
std::string MakeMp4H264Aac(const std::string& dir, const std::string& name = "clip.mp4",
                           int seconds = 4);  // H.264 + AAC 44100 Hz stereo
std::string MakeAviMpeg4Mp3(const std::string& dir, const std::string& name = "clip.avi",
                            int seconds = 4);  // MPEG-4 320x240 + MP3 44100 Hz stereo
std::string MakeMkv(const std::string& dir, const std::string& name = "clip.mkv",
                    int seconds = 4);  // H.264 352x288 30 fps + Vorbis 48000 Hz mono
std::string MakeWav(const std::string& dir, const std::string& name = "clip.wav",
                    int seconds = 3);  // PCM 16-bit 22050 Hz mono
std::string MakeMp3(const std::string& dir, const std::string& name = "clip.mp3",
                    int seconds = 3);  // MP3 192 kb/s 44100 Hz stereo
std::string MakeVideoOnly(const std::string& dir, const std::string& name = "video.mp4",
                          int seconds = 3);  // H.264 160x120 10 fps, no audio

// `count` distinct files for adding in bulk: copies of ten clips of five kinds (MP4, AVI, MKV,
// MP3, video-only MP4, 3 s each), named "<i> clip.<ext>". Empty when ffmpeg failed.
std::vector<std::string> MakeMediaFiles(const std::string& dir, int count);

}  // namespace vc::test
