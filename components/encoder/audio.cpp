// Sound-only conversions inside register.dat: demux, decode, resample, encode and mux with
// FFmpeg's libraries, as ffmpeg would for the same arguments. Starting ffmpeg costs about a
// tenth of a second of CPU per job before it converts anything, which is most of the time of
// a short sound; a batch of them is much faster this way.
#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
#include <vorbis/vorbisenc.h>
}

#include "encoder.h"

namespace vc::encoder {

namespace {

// FFmpeg's own messages (the media dump, decoder warnings) go to standard output with ours,
// so that they keep their order in the program's log.
void LogToStdout(void* object, int level, const char* format, va_list args) {
    if (level > av_log_get_level()) return;
    static int printPrefix = 1;
    char line[1024];
    av_log_format_line2(object, level, format, args, line, sizeof line, &printPrefix);
    WriteAll(line);
}

double Now() {
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

template <typename T>
bool Listed(const T* list, T end, T value) {
    if (!list) return true;  // the encoder takes any
    for (; *list != end; ++list)
        if (*list == value) return true;
    return false;
}

// The sample format the encoder gets: the decoder's when the encoder takes it (or its planar
// or packed twin), else float, else the encoder's first; as ffmpeg's format negotiation picks
// for the usual sources.
AVSampleFormat ChooseSampleFormat(const AVCodec* encoder, AVSampleFormat decoded) {
    const AVSampleFormat* list = encoder->sample_fmts;
    if (!list) return decoded;
    for (AVSampleFormat f :
         {decoded, av_get_planar_sample_fmt(decoded), av_get_packed_sample_fmt(decoded),
          AV_SAMPLE_FMT_FLTP, AV_SAMPLE_FMT_FLT})
        if (f != AV_SAMPLE_FMT_NONE && Listed(list, AV_SAMPLE_FMT_NONE, f)) return f;
    return list[0];
}

bool LayoutListed(const AVCodec* encoder, const AVChannelLayout& layout) {
    if (!encoder->ch_layouts) return true;
    for (const AVChannelLayout* l = encoder->ch_layouts; l->nb_channels; ++l)
        if (av_channel_layout_compare(l, &layout) == 0) return true;
    return false;
}

// Vorbis through libvorbis itself. FFmpeg's wrapper of the same library takes 64 samples a
// frame, and moving those frames through libavcodec costs about a twentieth of the work;
// calling the library directly the same way gives the same sound for less. Set up as that
// wrapper sets it up for a bit rate: the managed mode with its rate management turned off,
// which is the quality mode for that average rate.
class VorbisEncoder {
  public:
    VorbisEncoder() {
        vorbis_info_init(&info_);
        vorbis_comment_init(&comment_);
    }
    ~VorbisEncoder() {
        if (started_) {
            vorbis_block_clear(&block_);
            vorbis_dsp_clear(&dsp_);
        }
        vorbis_comment_clear(&comment_);
        vorbis_info_clear(&info_);
    }
    VorbisEncoder(const VorbisEncoder&) = delete;
    VorbisEncoder& operator=(const VorbisEncoder&) = delete;

    // False when libvorbis does not take these settings.
    bool Open(int channels, int rate, std::int64_t bitRate) {
        if (vorbis_encode_setup_managed(&info_, channels, rate, -1, static_cast<long>(bitRate),
                                        -1) != 0 ||
            vorbis_encode_ctl(&info_, OV_ECTL_RATEMANAGE2_SET, nullptr) != 0 ||
            vorbis_encode_setup_init(&info_) != 0 || vorbis_analysis_init(&dsp_, &info_) != 0)
            return false;
        started_ = true;
        vorbis_block_init(&dsp_, &block_);
        ogg_packet headers[3];
        if (vorbis_analysis_headerout(&dsp_, &comment_, &headers[0], &headers[1], &headers[2]) != 0)
            return false;
        // The three headers laced as Xiph does for a muxer: their count less one, the sizes of
        // all but the last in steps of 255, then the packets.
        headers_.assign(1, '\x02');
        for (int i = 0; i < 2; ++i) {
            long size = headers[i].bytes;
            for (; size >= 255; size -= 255) headers_ += '\xff';
            headers_ += static_cast<char>(size);
        }
        for (const ogg_packet& h : headers)
            headers_.append(reinterpret_cast<const char*>(h.packet),
                            static_cast<std::size_t>(h.bytes));
        return true;
    }
    const std::string& Headers() const { return headers_; }

    // Encodes count samples of each channel's plane (none: the end) and hands out every packet
    // that is ready, with its first sample and its length; stops at the first failure of out.
    // The samples go in 64 at a time, as FFmpeg's wrapper gives them: libvorbis's choice of
    // block lengths depends on how its input arrives, and so the sound is the same as before.
    template <typename Out>
    int Encode(const uint8_t* const* planes, int count, const Out& out) {
        if (!planes) {
            vorbis_analysis_wrote(&dsp_, 0);
            return Drain(out);
        }
        constexpr int kPiece = 64;
        for (int done = 0; done < count; done += kPiece) {
            const int n = std::min(kPiece, count - done);
            float** buffer = vorbis_analysis_buffer(&dsp_, n);
            for (int c = 0; c < info_.channels; ++c)
                std::memcpy(buffer[c], reinterpret_cast<const float*>(planes[c]) + done,
                            sizeof(float) * static_cast<std::size_t>(n));
            vorbis_analysis_wrote(&dsp_, n);
            if (int status = Drain(out); status != 0) return status;
        }
        return 0;
    }

  private:
    template <typename Out>
    int Drain(const Out& out) {
        ogg_packet packet;
        while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
            vorbis_analysis(&block_, nullptr);
            vorbis_bitrate_addblock(&block_);
            while (vorbis_bitrate_flushpacket(&dsp_, &packet) == 1) {
                // A packet's granule position is where its last sample ends.
                const std::int64_t start = end_;
                end_ = std::max<std::int64_t>(end_, packet.granulepos);
                if (int status = out(packet.packet, packet.bytes, start, end_ - start); status != 0)
                    return status;
            }
        }
        return 0;
    }

    vorbis_info info_{};
    vorbis_comment comment_{};
    vorbis_dsp_state dsp_{};
    vorbis_block block_{};
    bool started_ = false;
    std::string headers_;
    std::int64_t end_ = 0;
};

class Conversion {
  public:
    explicit Conversion(const AudioJob& job) : job_(job) {}
    ~Conversion() {
        av_audio_fifo_free(fifo_);
        swr_free(&resampler_);
        av_channel_layout_uninit(&resamplerLayout_);
        av_frame_free(&frame_);
        av_frame_free(&decoded_);
        av_packet_free(&packet_);
        avcodec_free_context(&decoder_);
        avcodec_free_context(&encoder_);
        if (out_ && out_->pb && !(out_->oformat->flags & AVFMT_NOFILE)) avio_closep(&out_->pb);
        avformat_free_context(out_);
        avformat_close_input(&in_);
    }
    Conversion(const Conversion&) = delete;
    Conversion& operator=(const Conversion&) = delete;

    int Run() {
        // Quiet until the job is known to be ours: if ffmpeg takes it over, only its own
        // text appears.
        av_log_set_callback(LogToStdout);
        av_log_set_level(AV_LOG_QUIET);
        int status = OpenInput();
        if (status != 0) return status;
        status = Prepare();
        av_log_set_level(AV_LOG_INFO);
        if (status != 0) return status;
        status = OpenOutput();
        if (status != 0) return status;
        status = Convert();
        if (status != 0) return status;
        return Finish();
    }

  private:
    // Opens the input; 1 when it cannot be read, with ffmpeg's words for it.
    int OpenInput() {
        int err = avformat_open_input(&in_, job_.input.c_str(), nullptr, nullptr);
        if (err < 0) {
            PrintError(job_.input + ": " + AvErrorText(err));
            return 1;
        }
        err = avformat_find_stream_info(in_, nullptr);
        if (err < 0 && in_->nb_streams == 0) {
            PrintError(job_.input + ": could not find codec parameters");
            return 1;
        }
        return 0;
    }

    // Chooses the stream, the decoder and the encoder's settings. Nothing is written yet, so
    // anything ffmpeg would do differently still goes to ffmpeg.
    int Prepare() {
        if (job_.stream >= 0) {
            if (job_.stream >= static_cast<int>(in_->nb_streams) ||
                in_->streams[job_.stream]->codecpar->codec_type != AVMEDIA_TYPE_AUDIO)
                return kAudioJobNotHandled;
            stream_ = in_->streams[job_.stream];
        } else {
            for (unsigned i = 0; i < in_->nb_streams; ++i) {
                if (in_->streams[i]->codecpar->codec_type != AVMEDIA_TYPE_AUDIO) continue;
                // ffmpeg picks among several by channels and flags: its choice stays its own.
                if (stream_) return kAudioJobNotHandled;
                stream_ = in_->streams[i];
            }
            if (!stream_) {
                av_log_set_level(AV_LOG_INFO);
                av_dump_format(in_, 0, job_.input.c_str(), 0);
                PrintError("Output file #0 does not contain any stream");
                return 1;
            }
        }
        // ffmpeg carries chapters over; they stay its work.
        if (in_->nb_chapters > 0) return kAudioJobNotHandled;
        const AVCodec* decoder = avcodec_find_decoder(stream_->codecpar->codec_id);
        const AVCodec* encoder = avcodec_find_encoder_by_name(job_.encoder.c_str());
        format_ = av_guess_format(job_.format.c_str(), nullptr, nullptr);
        if (!decoder || !encoder || encoder->type != AVMEDIA_TYPE_AUDIO || !format_ ||
            (encoder->capabilities & AV_CODEC_CAP_EXPERIMENTAL) ||
            avformat_query_codec(format_, encoder->id, FF_COMPLIANCE_NORMAL) == 0)
            return kAudioJobNotHandled;

        decoder_ = avcodec_alloc_context3(decoder);
        if (!decoder_ || avcodec_parameters_to_context(decoder_, stream_->codecpar) < 0)
            return kAudioJobNotHandled;
        decoder_->pkt_timebase = stream_->time_base;
        if (avcodec_open2(decoder_, decoder, nullptr) < 0) return kAudioJobNotHandled;
        if (decoder_->sample_rate <= 0 || decoder_->ch_layout.nb_channels <= 0)
            return kAudioJobNotHandled;

        AVChannelLayout layout{};
        if (job_.channels > 0)
            av_channel_layout_default(&layout, job_.channels);
        else if (decoder_->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
            av_channel_layout_default(&layout, decoder_->ch_layout.nb_channels);
        else
            av_channel_layout_copy(&layout, &decoder_->ch_layout);
        const int rate = job_.sampleRate > 0 ? job_.sampleRate : decoder_->sample_rate;
        const bool fits =
            LayoutListed(encoder, layout) && Listed(encoder->supported_samplerates, 0, rate);
        if (!fits) {
            av_channel_layout_uninit(&layout);
            return kAudioJobNotHandled;
        }
        encoder_ = avcodec_alloc_context3(encoder);
        if (!encoder_) {
            av_channel_layout_uninit(&layout);
            return kAudioJobNotHandled;
        }
        encoder_->ch_layout = layout;  // owned by the context from here
        encoder_->sample_rate = rate;
        encoder_->sample_fmt = ChooseSampleFormat(encoder, decoder_->sample_fmt);
        encoder_->time_base = AVRational{1, rate};
        if (job_.bitRate > 0) encoder_->bit_rate = job_.bitRate;
        if (format_->flags & AVFMT_GLOBALHEADER) encoder_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        if (encoder->id == AV_CODEC_ID_VORBIS && std::string(encoder->name) == "libvorbis" &&
            job_.bitRate > 0 && encoder_->sample_fmt == AV_SAMPLE_FMT_FLTP) {
            // The context only describes the stream here; libvorbis does the encoding.
            vorbis_ = std::make_unique<VorbisEncoder>();
            if (!vorbis_->Open(encoder_->ch_layout.nb_channels, rate, job_.bitRate))
                return kAudioJobNotHandled;
            const std::string& headers = vorbis_->Headers();
            encoder_->extradata =
                static_cast<uint8_t*>(av_mallocz(headers.size() + AV_INPUT_BUFFER_PADDING_SIZE));
            if (!encoder_->extradata) return kAudioJobNotHandled;
            std::memcpy(encoder_->extradata, headers.data(), headers.size());
            encoder_->extradata_size = static_cast<int>(headers.size());
            frameSize_ = 1024;
        } else {
            if (avcodec_open2(encoder_, encoder, nullptr) < 0) return kAudioJobNotHandled;
            // Encoders that take any length of frame get ffmpeg's usual size.
            frameSize_ = (encoder->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE) ||
                                 encoder_->frame_size <= 0
                             ? 1024
                             : encoder_->frame_size;
        }
        fifo_ = av_audio_fifo_alloc(encoder_->sample_fmt, encoder_->ch_layout.nb_channels,
                                    frameSize_ * 2);
        decoded_ = av_frame_alloc();
        packet_ = av_packet_alloc();
        if (!fifo_ || !decoded_ || !packet_) return kAudioJobNotHandled;
        if (job_.duration >= 0)
            sampleLimit_ = std::llround(job_.duration * static_cast<double>(rate));
        return 0;
    }

    int OpenOutput() {
        av_dump_format(in_, 0, job_.input.c_str(), 0);
        if (avformat_alloc_output_context2(&out_, format_, nullptr, job_.output.c_str()) < 0 ||
            !out_) {
            PrintError("Error: cannot set up the output " + job_.output);
            return 1;
        }
        AVStream* st = avformat_new_stream(out_, nullptr);
        if (!st || avcodec_parameters_from_context(st->codecpar, encoder_) < 0) {
            PrintError("Error: cannot set up the output " + job_.output);
            return 1;
        }
        st->time_base = encoder_->time_base;
        // Tags travel with the sound, as ffmpeg carries them.
        av_dict_copy(&out_->metadata, in_->metadata, 0);
        av_dict_copy(&st->metadata, stream_->metadata, 0);
        av_dict_set(&out_->metadata, "encoder", LIBAVFORMAT_IDENT, 0);
        av_dict_set(&st->metadata, "encoder",
                    (std::string(LIBAVCODEC_IDENT) + " " + encoder_->codec->name).c_str(), 0);
        st->disposition = AV_DISPOSITION_DEFAULT;
        if (!(format_->flags & AVFMT_NOFILE)) {
            const int err = avio_open(&out_->pb, job_.output.c_str(), AVIO_FLAG_WRITE);
            if (err < 0) {
                PrintError(job_.output + ": " + AvErrorText(err));
                return 1;
            }
        }
        const int err = avformat_write_header(out_, nullptr);
        if (err < 0) {
            PrintError(
                "Could not write header for output file #0 (incorrect codec parameters ?): " +
                AvErrorText(err));
            return 1;
        }
        av_dump_format(out_, 0, job_.output.c_str(), 1);
        WriteAll("Stream mapping:\n  Stream #0:" + std::to_string(stream_->index) + " -> #0:0 (" +
                 decoder_->codec->name + " (native) -> " + encoder_->codec->name + ")\n");
        return 0;
    }

    int Convert() {
        if (job_.seek > 0) {
            std::int64_t ts = std::llround(job_.seek * AV_TIME_BASE);
            if (in_->start_time != AV_NOPTS_VALUE) ts += in_->start_time;
            if (avformat_seek_file(in_, -1, INT64_MIN, ts, ts, 0) < 0)
                PrintError(job_.input + ": could not seek to position " +
                           std::to_string(job_.seek));
        }
        started_ = Now();
        lastReport_ = started_;
        while (!Full()) {
            const int err = av_read_frame(in_, packet_);
            if (err == AVERROR_EOF) break;
            if (err < 0) {
                // ffmpeg ends the input there and keeps what it has.
                PrintError(job_.input + ": " + AvErrorText(err));
                break;
            }
            if (packet_->stream_index == stream_->index) {
                const int sent = avcodec_send_packet(decoder_, packet_);
                if (sent < 0 && sent != AVERROR(EAGAIN))
                    PrintError("Error while decoding stream #0:" + std::to_string(stream_->index) +
                               ": " + AvErrorText(sent));
            }
            av_packet_unref(packet_);
            if (int status = Drain(); status != 0) return status;
        }
        if (!Full()) {
            avcodec_send_packet(decoder_, nullptr);
            if (int status = Drain(); status != 0) return status;
        }
        // The resampler's last samples, then a short last frame, then the encoder's tail.
        if (resampler_ && !Full()) {
            if (int status = Resample(nullptr, 0); status != 0) return status;
        }
        if (int status = EncodeQueued(true); status != 0) return status;
        return Encode(nullptr);
    }

    // Takes every frame the decoder has ready.
    int Drain() {
        for (;;) {
            const int err = avcodec_receive_frame(decoder_, decoded_);
            if (err == AVERROR(EAGAIN) || err == AVERROR_EOF) return 0;
            if (err < 0) {
                PrintError("Error while decoding stream #0:" + std::to_string(stream_->index) +
                           ": " + AvErrorText(err));
                return 0;
            }
            const int status = TakeFrame();
            av_frame_unref(decoded_);
            if (status != 0 || Full()) return status;
        }
    }

    // Cuts what lies before the start of the output, then resamples the rest.
    int TakeFrame() {
        const double rate = decoded_->sample_rate > 0 ? decoded_->sample_rate : 1;
        double at = nextInputTime_;
        if (decoded_->best_effort_timestamp != AV_NOPTS_VALUE) {
            at = static_cast<double>(decoded_->best_effort_timestamp) * av_q2d(stream_->time_base);
            if (in_->start_time != AV_NOPTS_VALUE)
                at -= static_cast<double>(in_->start_time) / AV_TIME_BASE;
        }
        nextInputTime_ = at + decoded_->nb_samples / rate;
        int skip = 0;
        if (job_.seek > 0 && at < job_.seek)
            skip = static_cast<int>(
                std::min<double>(decoded_->nb_samples, std::llround((job_.seek - at) * rate)));
        if (skip >= decoded_->nb_samples) return 0;
        if (!ResamplerFits() && !OpenResampler()) {
            PrintError("Error: cannot convert the sound of " + job_.input);
            return 1;
        }
        const auto format = static_cast<AVSampleFormat>(decoded_->format);
        const int channels = decoded_->ch_layout.nb_channels;
        const bool planar = av_sample_fmt_is_planar(format) != 0;
        // Bytes of one sample of one plane: planar formats hold a channel a plane.
        const int step = av_get_bytes_per_sample(format) * (planar ? 1 : channels);
        std::vector<const uint8_t*> data(static_cast<std::size_t>(planar ? channels : 1));
        for (std::size_t p = 0; p < data.size(); ++p)
            data[p] = decoded_->extended_data[p] + static_cast<std::ptrdiff_t>(skip) * step;
        return Resample(data.data(), decoded_->nb_samples - skip);
    }

    bool ResamplerFits() const {
        return resampler_ && resamplerFormat_ == decoded_->format &&
               resamplerRate_ == decoded_->sample_rate &&
               av_channel_layout_compare(&resamplerLayout_, &decoded_->ch_layout) == 0;
    }

    bool OpenResampler() {
        swr_free(&resampler_);
        av_channel_layout_uninit(&resamplerLayout_);
        av_channel_layout_copy(&resamplerLayout_, &decoded_->ch_layout);
        resamplerFormat_ = decoded_->format;
        resamplerRate_ = decoded_->sample_rate;
        AVChannelLayout inLayout{};
        if (decoded_->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
            av_channel_layout_default(&inLayout, decoded_->ch_layout.nb_channels);
        else
            av_channel_layout_copy(&inLayout, &decoded_->ch_layout);
        const int err = swr_alloc_set_opts2(&resampler_, &encoder_->ch_layout, encoder_->sample_fmt,
                                            encoder_->sample_rate, &inLayout,
                                            static_cast<AVSampleFormat>(decoded_->format),
                                            decoded_->sample_rate, 0, nullptr);
        av_channel_layout_uninit(&inLayout);
        return err >= 0 && swr_init(resampler_) >= 0;
    }

    // Resamples count input samples (none: the resampler's tail) into the queue and encodes
    // whole frames from it.
    int Resample(const uint8_t** data, int count) {
        const int room = swr_get_out_samples(resampler_, count);
        if (room < 0) return 0;
        uint8_t** planes = nullptr;
        int lineSize = 0;
        if (av_samples_alloc_array_and_samples(&planes, &lineSize, encoder_->ch_layout.nb_channels,
                                               std::max(room, 1), encoder_->sample_fmt, 0) < 0)
            return OutOfMemory();
        const int made = swr_convert(resampler_, planes, room, data, count);
        const bool queued =
            made <= 0 || av_audio_fifo_write(fifo_, reinterpret_cast<void**>(planes), made) >= made;
        av_freep(&planes[0]);
        av_freep(&planes);
        return queued ? EncodeQueued(false) : OutOfMemory();
    }

    // Encodes whole frames from the queue; the short rest too when last.
    int EncodeQueued(bool last) {
        while (av_audio_fifo_size(fifo_) >= frameSize_ || (last && av_audio_fifo_size(fifo_) > 0)) {
            int count = std::min(frameSize_, av_audio_fifo_size(fifo_));
            if (sampleLimit_ >= 0)
                count = static_cast<int>(std::min<std::int64_t>(count, sampleLimit_ - samplesOut_));
            if (count <= 0) break;
            // One frame serves every call: the encoder has let go of it by the time it is
            // filled again, so nothing is allocated per frame.
            if (!frame_ || frame_->nb_samples != count) {
                av_frame_free(&frame_);
                frame_ = av_frame_alloc();
                if (!frame_) return OutOfMemory();
                frame_->nb_samples = count;
                frame_->format = encoder_->sample_fmt;
                frame_->sample_rate = encoder_->sample_rate;
                if (av_channel_layout_copy(&frame_->ch_layout, &encoder_->ch_layout) < 0 ||
                    av_frame_get_buffer(frame_, 0) < 0)
                    return OutOfMemory();
            }
            if (av_frame_make_writable(frame_) < 0 ||
                av_audio_fifo_read(fifo_, reinterpret_cast<void**>(frame_->extended_data), count) <
                    count)
                return OutOfMemory();
            frame_->pts = samplesOut_;
            samplesOut_ += count;
            if (int status = Encode(frame_); status != 0) return status;
        }
        return 0;
    }

    static int OutOfMemory() {
        PrintError("Error: out of memory");
        return 1;
    }

    bool Full() const { return sampleLimit_ >= 0 && samplesOut_ >= sampleLimit_; }

    // Sends a frame (none: the end) to the encoder and writes what comes out.
    int Encode(const AVFrame* frame) {
        int status = vorbis_ ? EncodeVorbis(frame) : EncodeWithCodec(frame);
        const double now = Now();
        if (status == 0 && now - lastReport_ >= 0.5) {
            lastReport_ = now;
            Report(false);
        }
        return status;
    }

    int EncodeWithCodec(const AVFrame* frame) {
        int err = avcodec_send_frame(encoder_, frame);
        if (err < 0 && err != AVERROR_EOF) return EncodingFailed(err);
        for (;;) {
            err = avcodec_receive_packet(encoder_, packet_);
            if (err == AVERROR(EAGAIN) || err == AVERROR_EOF) return 0;
            if (err < 0) return EncodingFailed(err);
            if (int status = WritePacket(); status != 0) return status;
        }
    }

    int EncodeVorbis(const AVFrame* frame) {
        const auto out = [this](const unsigned char* data, long bytes, std::int64_t start,
                                std::int64_t length) {
            const int err = av_new_packet(packet_, static_cast<int>(bytes));
            if (err < 0) return EncodingFailed(err);
            std::memcpy(packet_->data, data, static_cast<std::size_t>(bytes));
            packet_->pts = packet_->dts = start;
            packet_->duration = length;
            return WritePacket();
        };
        return frame ? vorbis_->Encode(frame->extended_data, frame->nb_samples, out)
                     : vorbis_->Encode(nullptr, 0, out);
    }

    static int EncodingFailed(int err) {
        PrintError("Error: the sound cannot be encoded: " + AvErrorText(err));
        return 1;
    }

    // Writes packet_, timed in samples, to the output.
    int WritePacket() {
        packet_->stream_index = 0;
        av_packet_rescale_ts(packet_, encoder_->time_base, out_->streams[0]->time_base);
        const int err = av_interleaved_write_frame(out_, packet_);
        if (err < 0) {
            PrintError("Error: the output file could not be written: " + AvErrorText(err));
            return 1;
        }
        wrotePacket_ = true;
        return 0;
    }

    // A progress line as register.dat passes ffmpeg's on: the time in seconds.
    void Report(bool last) {
        const double seconds =
            static_cast<double>(samplesOut_) / static_cast<double>(encoder_->sample_rate);
        if (out_->pb) bytesOut_ = std::max<std::int64_t>(0, avio_tell(out_->pb));
        const auto bytes = bytesOut_;
        const double elapsed = Now() - started_;
        char line[160];
        std::snprintf(line, sizeof line,
                      "size=%8.0fkB time=%.2f bitrate=%6.1fkbits/s speed=%4.3gx    %s",
                      static_cast<double>(bytes) / 1024.0, seconds,
                      seconds > 0 ? static_cast<double>(bytes) * 8 / seconds / 1000 : 0.0,
                      elapsed > 0 ? seconds / elapsed : 0.0, last ? "\n" : "\r");
        WriteAll(line);
    }

    int Finish() {
        int err = av_write_trailer(out_);
        if (out_->pb) bytesOut_ = std::max<std::int64_t>(0, avio_tell(out_->pb));
        if (err >= 0 && out_->pb && !(format_->flags & AVFMT_NOFILE)) err = avio_closep(&out_->pb);
        if (err < 0) {
            PrintError("Error: the output file could not be written completely: " +
                       AvErrorText(err));
            return 1;
        }
        Report(true);
        if (!wrotePacket_) {
            PrintError("Error: nothing was encoded: the output holds no picture and no sound");
            return 1;
        }
        return CheckOutputFile(job_.output);
    }

    const AudioJob& job_;
    AVFormatContext* in_ = nullptr;
    AVStream* stream_ = nullptr;
    const AVOutputFormat* format_ = nullptr;
    AVFormatContext* out_ = nullptr;
    AVCodecContext* decoder_ = nullptr;
    AVCodecContext* encoder_ = nullptr;
    std::unique_ptr<VorbisEncoder> vorbis_;  // encodes instead of encoder_ when set
    SwrContext* resampler_ = nullptr;
    AVChannelLayout resamplerLayout_{};
    int resamplerFormat_ = -1;
    int resamplerRate_ = 0;
    AVAudioFifo* fifo_ = nullptr;
    AVFrame* decoded_ = nullptr;
    AVFrame* frame_ = nullptr;  // what the encoder is given
    AVPacket* packet_ = nullptr;
    int frameSize_ = 1024;
    std::int64_t samplesOut_ = 0;
    std::int64_t bytesOut_ = 0;
    std::int64_t sampleLimit_ = -1;
    double nextInputTime_ = 0;
    double started_ = 0;
    double lastReport_ = 0;
    bool wrotePacket_ = false;
};

}  // namespace

int RunAudioConversion(const AudioJob& job) {
    Conversion conversion(job);
    return conversion.Run();
}

}  // namespace vc::encoder
