#pragma once
#include <cstddef>
#include <vector>

namespace contentgen {
// A stereo sound in floating point, full scale = 1.0.
class Wave {
public:
    static constexpr int RATE = 22050;

    Wave() = default;
    explicit Wave(std::size_t frames);
    static Wave of_seconds(double seconds);

    std::size_t frames() const { return left.size(); }
    double seconds() const { return static_cast<double>(frames()) / RATE; }
    void resize(std::size_t frames);

    // Adds a mono signal at `offset` frames, placed in the stereo field by `pan` (-1 left .. 1 right).
    void add_mono(const std::vector<float>& mono, std::size_t offset, float gain, float pan);
    // Adds another stereo wave at `offset` frames.
    void add(const Wave& other, std::size_t offset, float gain);

    float peak() const;
    float rms() const;
    // Scales so that the largest sample magnitude is `target`.
    void normalise(float target);
    void scale(float gain);
    // Short fades so that the sound starts and ends at silence (no click).
    void fade_edges(double in_seconds, double out_seconds);
    // Makes the wave loop seamlessly: the part after `length` frames is cross-faded into
    // the start, then the wave is cut to `length` (the sound must be longer than that).
    void crossfade_loop(std::size_t length);
    // Makes the wave loop seamlessly by folding everything after `length` frames (release and
    // reverb tails) back onto the start, as if the piece had been playing before.
    void wrap_tail(std::size_t length);

    std::vector<float> left;
    std::vector<float> right;
};
}
