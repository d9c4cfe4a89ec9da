// The reference for adding files: opens each file named on standard input (one path a line)
// in-process with libavformat, as a program that links FFmpeg would, and reads its streams.
// Prints how many it could read.
//   open_files < LIST
#include <cstdio>
#include <iostream>
#include <string>

extern "C" {
#include <libavformat/avformat.h>
}

int main() {
    av_log_set_level(AV_LOG_QUIET);
    int read = 0, failed = 0;
    for (std::string path; std::getline(std::cin, path);) {
        AVFormatContext* fmt = nullptr;
        if (avformat_open_input(&fmt, path.c_str(), nullptr, nullptr) == 0 &&
            avformat_find_stream_info(fmt, nullptr) >= 0)
            ++read;
        else
            ++failed;
        avformat_close_input(&fmt);
    }
    std::printf("%d read, %d failed\n", read, failed);
    return failed == 0 ? 0 : 1;
}
