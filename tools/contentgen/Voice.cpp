#include "Voice.h"

#include <espeak-ng/speak_lib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Wave.h"

namespace contentgen {
bool Voice::any_failed = false;

namespace {
// The system's data, never a copy in the user's home or named by ESPEAK_DATA_PATH, which the
// library would otherwise prefer.
constexpr const char* DATA_FOLDER = IRONVALE_ESPEAK_DATA;

std::vector<short>* collected = nullptr;

int collect(short* samples, int count, espeak_EVENT*) {
    if (samples != nullptr && collected != nullptr) collected->insert(collected->end(), samples, samples + count);
    return 0;
}

bool write_all(int fd, const void* data, std::size_t size) {
    const char* at = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = write(fd, at, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        at += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string read_all(int fd) {
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return bytes;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

// The child's whole life: start espeak-ng, speak, send the sample rate and the samples
// down `fd`, and leave without running the parent's exit handlers.
[[noreturn]] void speak_into(int fd, const std::string& text, const Voice::Settings& s) {
    const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, DATA_FOLDER, espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0) {
        std::fprintf(stderr, "contentgen: espeak-ng failed to initialise from %s\n", DATA_FOLDER);
        _exit(1);
    }
    if (espeak_SetVoiceByName(s.voice.c_str()) != EE_OK) {
        std::fprintf(stderr, "contentgen: espeak-ng has no voice %s\n", s.voice.c_str());
        _exit(1);
    }
    espeak_SetParameter(espeakRATE, s.rate, 0);
    espeak_SetParameter(espeakPITCH, s.pitch, 0);
    espeak_SetParameter(espeakRANGE, s.range, 0);
    espeak_SetParameter(espeakVOLUME, 100, 0);
    std::vector<short> samples;
    collected = &samples;
    espeak_SetSynthCallback(collect);
    std::srand(1);  // the C library's own starting state
    espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    espeak_Synchronize();
    const bool sent = write_all(fd, &rate, sizeof rate) &&
                      write_all(fd, samples.data(), samples.size() * sizeof(short));
    _exit(sent && !samples.empty() ? 0 : 1);
}

bool child_succeeded(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Linear-interpolating resampler, used only when espeak's rate differs from ours.
std::vector<float> resample(const std::vector<short>& in, int from, int to) {
    std::vector<float> out;
    if (in.empty()) return out;
    const double step = static_cast<double>(from) / to;
    const std::size_t n = static_cast<std::size_t>(in.size() / step);
    out.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double pos = i * step;
        const std::size_t k = static_cast<std::size_t>(pos);
        const double frac = pos - k;
        const double a = in[k];
        const double b = k + 1 < in.size() ? in[k + 1] : 0.0;
        out.push_back(static_cast<float>((a + (b - a) * frac) / 32768.0));
    }
    return out;
}
}

bool Voice::failed() { return any_failed; }

std::vector<float> Voice::speak(const std::string& text, const Settings& s) {
    int fds[2];
    if (pipe(fds) != 0) return give_up(text, std::strerror(errno));
    const pid_t child = fork();
    if (child < 0) {
        const int error = errno;
        close(fds[0]);
        close(fds[1]);
        return give_up(text, std::strerror(error));
    }
    if (child == 0) {
        close(fds[0]);
        speak_into(fds[1], text, s);
    }
    close(fds[1]);
    const std::string bytes = read_all(fds[0]);
    close(fds[0]);
    if (!child_succeeded(child) || bytes.size() <= sizeof(int)) return give_up(text, "synthesis failed");
    int rate = 0;
    std::memcpy(&rate, bytes.data(), sizeof rate);
    std::vector<short> samples((bytes.size() - sizeof rate) / sizeof(short));
    std::memcpy(samples.data(), bytes.data() + sizeof rate, samples.size() * sizeof(short));
    return resample(samples, rate, Wave::RATE);
}

std::vector<float> Voice::give_up(const std::string& text, const char* reason) {
    std::fprintf(stderr, "contentgen: espeak-ng could not speak \"%s\": %s\n", text.c_str(), reason);
    any_failed = true;
    return {};
}
}
