#include "OggWriter.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace contentgen {
namespace {
// Owns the libvorbis and libogg encoder state for one file.
class Encoder {
public:
    Encoder() {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
    }
    ~Encoder() {
        if (started) {
            ogg_stream_clear(&stream);
            vorbis_block_clear(&block);
            vorbis_dsp_clear(&dsp);
        }
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    bool start(int serial, float quality, std::FILE* out) {
        file = out;
        if (vorbis_encode_init_vbr(&info, 2, Wave::RATE, quality) != 0) return false;
        vorbis_comment_add_tag(&comment, "ENCODER", "ironvale_contentgen");
        vorbis_analysis_init(&dsp, &info);
        vorbis_block_init(&dsp, &block);
        ogg_stream_init(&stream, serial);
        started = true;
        ogg_packet head, head_comment, head_code;
        vorbis_analysis_headerout(&dsp, &comment, &head, &head_comment, &head_code);
        ogg_stream_packetin(&stream, &head);
        ogg_stream_packetin(&stream, &head_comment);
        ogg_stream_packetin(&stream, &head_code);
        ogg_page page;
        // Audio starts on a fresh page, as decoders expect.
        while (ogg_stream_flush(&stream, &page) != 0) write_page(page);
        return true;
    }

    void feed(const Wave& wave) {
        const std::size_t chunk = 4096;
        for (std::size_t at = 0; at < wave.frames(); at += chunk) {
            const std::size_t n = std::min(chunk, wave.frames() - at);
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
            for (std::size_t i = 0; i < n; ++i) {
                buffer[0][i] = wave.left[at + i];
                buffer[1][i] = wave.right[at + i];
            }
            vorbis_analysis_wrote(&dsp, static_cast<int>(n));
            drain();
        }
        vorbis_analysis_wrote(&dsp, 0);
        drain();
    }

    bool ok() const { return !failed; }

private:
    void drain() {
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) != 0) {
                ogg_stream_packetin(&stream, &packet);
                ogg_page page;
                while (ogg_stream_pageout(&stream, &page) != 0) write_page(page);
                if (packet.e_o_s) {
                    while (ogg_stream_flush(&stream, &page) != 0) write_page(page);
                }
            }
        }
    }

    void write_page(const ogg_page& page) {
        if (std::fwrite(page.header, 1, static_cast<std::size_t>(page.header_len), file) !=
                static_cast<std::size_t>(page.header_len) ||
            std::fwrite(page.body, 1, static_cast<std::size_t>(page.body_len), file) !=
                static_cast<std::size_t>(page.body_len))
            failed = true;
    }

    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    std::FILE* file = nullptr;
    bool started = false;
    bool failed = false;
};

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
}

bool OggWriter::write(const std::string& path, const Wave& wave, int serial, float quality) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        std::fprintf(stderr, "contentgen: cannot write %s\n", path.c_str());
        return false;
    }
    Encoder encoder;
    if (!encoder.start(serial, quality, file.get())) {
        std::fprintf(stderr, "contentgen: vorbis encoder refused %s\n", path.c_str());
        return false;
    }
    encoder.feed(wave);
    if (!encoder.ok()) std::fprintf(stderr, "contentgen: write failed for %s\n", path.c_str());
    return encoder.ok();
}
}
