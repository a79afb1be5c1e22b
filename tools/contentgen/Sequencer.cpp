#include "Sequencer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "Loudness.h"
#include "Reverb.h"
#include "Rng.h"

namespace contentgen {
namespace {
// Release and reverb tails longer than this are not heard again at the loop's start.
constexpr double TAIL_SECONDS = 4.0;
// The most a quiet piece is lifted to reach the music's loudness.
constexpr float MOST_GAIN = 2.5f;

float midi_hz(int midi) { return 440.0f * std::pow(2.0f, (midi - 69) / 12.0f); }

struct Chord {
    int root, third, fifth;  // semitones above the piece's root
};

bool parse_chord(const std::string& token, const std::vector<int>& scale, Chord& chord) {
    if (token.empty() || token[0] < '1' || token[0] > '7') return false;
    const int d = token[0] - '1';
    auto degree = [&](int i) { return scale[static_cast<std::size_t>(i % 7)] + 12 * (i / 7); };
    chord = {degree(d), degree(d + 2), degree(d + 4)};
    if (token.size() > 1 && token[1] == '+') chord.third = chord.root + 4;
    return true;
}

int chord_tone(char c, const Chord& chord) {
    switch (c) {
    case '1': return chord.root;
    case '3': return chord.third;
    case '5': return chord.fifth;
    case '8': return chord.root + 12;
    case '0': return chord.root - 12;
    default: return chord.root;
    }
}

// Walks a line of step tokens, calling `start(step, token)` for each note and extending the
// current note on every hold.
template <typename OnNote>
void walk_steps(const std::vector<std::string>& steps, std::size_t count, OnNote on_note,
                std::vector<Sequencer::Note>& out) {
    bool sounding = false;
    for (std::size_t i = 0; i < count && i < steps.size(); ++i) {
        const std::string& t = steps[i];
        if (t == "-") {
            if (sounding) out.back().length += 1.0;
        } else if (t == ".") {
            sounding = false;
        } else {
            sounding = on_note(i, t);
        }
    }
}
}

std::vector<std::string> Sequencer::tokens(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string t;
    while (in >> t) out.push_back(t);
    return out;
}

bool Sequencer::degree_semitones(const std::string& token, const std::vector<int>& scale, int& semitones) {
    if (token.empty() || token[0] < '1' || token[0] > '7' || scale.size() != 7) return false;
    semitones = scale[static_cast<std::size_t>(token[0] - '1')];
    for (std::size_t i = 1; i < token.size(); ++i) {
        switch (token[i]) {
        case '\'': semitones += 12; break;
        case ',': semitones -= 12; break;
        case '#': semitones += 1; break;
        case 'b': semitones -= 1; break;
        default: return false;
        }
    }
    return true;
}

const Section* Sequencer::section(const Composition& piece, char name) {
    for (const Section& s : piece.sections)
        if (s.name == name) return &s;
    return nullptr;
}

double Sequencer::length_seconds(const Composition& piece) {
    std::size_t bars = 0;
    for (char c : piece.form) {
        const Section* s = section(piece, c);
        if (s != nullptr) bars += tokens(s->chords).size();
    }
    return static_cast<double>(bars) * piece.bar_seconds();
}

std::vector<Sequencer::Note> Sequencer::melody_notes(const Composition& piece, bool counter) {
    std::vector<Note> notes;
    double bar_at = 0.0;
    const double step = piece.step_seconds();
    for (char c : piece.form) {
        const Section* s = section(piece, c);
        if (s == nullptr) continue;
        const std::size_t bars = tokens(s->chords).size();
        const std::vector<std::string> steps = tokens(counter ? s->counter : s->melody);
        std::vector<Note> raw;
        walk_steps(steps, bars * static_cast<std::size_t>(piece.steps_per_bar), [&](std::size_t i, const std::string& t) {
            int semi = 0;
            if (!degree_semitones(t, piece.scale, semi)) return false;
            // Notes on the beat are leant on a little.
            const bool on_beat = i % static_cast<std::size_t>(piece.steps_per_bar / piece.beats_per_bar) == 0;
            raw.push_back({static_cast<double>(i), 1.0, piece.root + semi, on_beat ? 0.9f : 0.75f});
            return true;
        }, raw);
        for (Note n : raw) {
            n.start = bar_at + n.start * step;
            n.length *= step;
            notes.push_back(n);
        }
        bar_at += static_cast<double>(bars) * piece.bar_seconds();
    }
    return notes;
}

std::vector<Sequencer::Note> Sequencer::chord_notes(const Composition& piece) {
    std::vector<Note> notes;
    double bar_at = 0.0;
    for (char c : piece.form) {
        const Section* s = section(piece, c);
        if (s == nullptr) continue;
        const std::vector<std::string> chords = tokens(s->chords);
        for (std::size_t b = 0; b < chords.size();) {
            // A chord held over several bars is sung once, not re-attacked every bar.
            std::size_t run = 1;
            while (b + run < chords.size() && chords[b + run] == chords[b]) ++run;
            Chord chord;
            if (s->pad && parse_chord(chords[b], piece.scale, chord)) {
                const double start = bar_at + static_cast<double>(b) * piece.bar_seconds();
                const double length = static_cast<double>(run) * piece.bar_seconds();
                for (int tone : {chord.root, chord.third, chord.fifth}) notes.push_back({start, length, piece.root + tone, 0.6f});
            }
            b += run;
        }
        bar_at += static_cast<double>(chords.size()) * piece.bar_seconds();
    }
    return notes;
}

std::vector<Sequencer::Note> Sequencer::pattern_notes(const Composition& piece, bool bass) {
    std::vector<Note> notes;
    double bar_at = 0.0;
    const double step = piece.step_seconds();
    for (char c : piece.form) {
        const Section* s = section(piece, c);
        if (s == nullptr) continue;
        const std::vector<std::string> chords = tokens(s->chords);
        const std::vector<std::string> steps = tokens(bass ? s->bass : s->arp);
        for (const std::string& chord_token : chords) {
            Chord chord;
            if (parse_chord(chord_token, piece.scale, chord)) {
                std::vector<Note> raw;
                walk_steps(steps, static_cast<std::size_t>(piece.steps_per_bar), [&](std::size_t i, const std::string& t) {
                    raw.push_back({static_cast<double>(i), 1.0, piece.root + chord_tone(t[0], chord), i == 0 ? 0.9f : 0.7f});
                    return true;
                }, raw);
                for (Note n : raw) {
                    n.start = bar_at + n.start * step;
                    n.length *= step;
                    notes.push_back(n);
                }
            }
            bar_at += piece.bar_seconds();
        }
    }
    return notes;
}

std::vector<Sequencer::Note> Sequencer::drum_notes(const Composition& piece) {
    std::vector<Note> notes;
    double bar_at = 0.0;
    const double step = piece.step_seconds();
    for (char c : piece.form) {
        const Section* s = section(piece, c);
        if (s == nullptr) continue;
        const std::vector<std::string> chords = tokens(s->chords);
        const std::vector<std::string> strokes = tokens(s->drums);
        for (std::size_t b = 0; b < chords.size(); ++b) {
            const bool pause = chords[b] == ".";
            for (std::size_t i = 0; !pause && i < strokes.size() && i < static_cast<std::size_t>(piece.steps_per_bar); ++i) {
                const char d = strokes[i][0];
                const double at = bar_at + static_cast<double>(i) * step;
                if (d == 'D') notes.push_back({at, step, 40, 1.0f});
                if (d == 'd') notes.push_back({at, step, 40, 0.55f});
                if (d == 'T') notes.push_back({at, step, 64, 0.8f});
                if (d == 't') notes.push_back({at, step, 64, 0.4f});
            }
            bar_at += piece.bar_seconds();
        }
    }
    return notes;
}

void Sequencer::mix_part(Wave& mix, const std::vector<Note>& notes, const Part& part, std::uint64_t seed, int octave_shift) {
    Rng rng(seed);
    std::vector<float> mono(mix.frames(), 0.0f);
    for (std::size_t k = 0; k < notes.size(); ++k) {
        const Note& n = notes[k];
        // A few milliseconds of looseness and uneven strength keep the parts from sounding mechanical.
        const double jitter = rng.range(-0.006f, 0.006f);
        const double start = std::max(0.0, n.start + jitter);
        const float velocity = n.velocity * rng.range(0.88f, 1.04f);
        const int midi = n.midi + 12 * (part.octave + octave_shift);
        const std::vector<float> sound =
            Instrument::render(part.kind, midi_hz(midi), static_cast<float>(n.length * 0.95), velocity, seed * 7919 + k);
        const std::size_t at = static_cast<std::size_t>(start * Wave::RATE);
        for (std::size_t i = 0; i < sound.size() && at + i < mono.size(); ++i) mono[at + i] += sound[i];
    }
    mix.add_mono(mono, 0, part.gain, part.pan);
}

void Sequencer::match_loudness(Wave& mix) {
    // Every piece is brought to the same loudness. Music has sharp peaks (plucks and drum
    // strokes) far above its body: they are rounded off below the ceiling.
    const float ceiling = Loudness::MUSIC_CEILING;
    mix.normalise(ceiling);
    const float rms = mix.rms();
    if (rms <= 0.0f) return;
    const float gain = std::min(Loudness::MUSIC_RMS / rms, MOST_GAIN);
    for (std::vector<float>* channel : {&mix.left, &mix.right})
        for (float& x : *channel) x = ceiling * std::tanh(x * gain / ceiling);
}

Wave Sequencer::render(const Composition& piece) {
    const double length = length_seconds(piece);
    Wave mix = Wave::of_seconds(length + TAIL_SECONDS);
    mix_part(mix, melody_notes(piece, false), piece.melody, 11, 0);
    mix_part(mix, melody_notes(piece, true), piece.counter, 23, 0);
    mix_part(mix, chord_notes(piece), piece.pad, 37, 0);
    mix_part(mix, pattern_notes(piece, true), piece.bass, 41, 0);
    mix_part(mix, pattern_notes(piece, false), piece.arp, 53, 0);
    const Part drums{Instrument::Kind::DRUM, 0, piece.drum_gain, 0.1f};
    mix_part(mix, drum_notes(piece), drums, 67, 0);
    Reverb hall(1.2f, 0.45f, 0.82f);
    hall.apply(mix, piece.reverb, 0.0);
    mix.wrap_tail(static_cast<std::size_t>(length * Wave::RATE));
    match_loudness(mix);
    return mix;
}
}
