// The sound generator's sequencer, its compositions and its signal building blocks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "Biquad.h"
#include "Compositions.h"
#include "Reverb.h"
#include "Rng.h"
#include "Sequencer.h"
#include "Wave.h"

using contentgen::Composition;
using contentgen::Compositions;
using contentgen::Instrument;
using contentgen::Rng;
using contentgen::Section;
using contentgen::Sequencer;
using contentgen::Wave;

namespace {
const std::vector<int> MINOR = {0, 2, 3, 5, 7, 8, 10};

// Two bars a section at 120 beats a minute in 4/4, eight steps a bar: a step is 0.25 s.
Composition tiny(const Section& section, const std::string& form) {
    Composition c;
    c.file = "tiny";
    c.bpm = 120;
    c.beats_per_bar = 4;
    c.steps_per_bar = 8;
    c.root = 57;
    c.scale = MINOR;
    c.melody = c.counter = c.pad = c.bass = c.arp = {Instrument::Kind::PLUCK, 0, 1.0f, 0.0f};
    c.drum_gain = 1.0f;
    c.reverb = 0.0f;
    c.sections = {section};
    c.form = form;
    return c;
}

int semitones(const std::string& token) {
    int s = -100;
    EXPECT_TRUE(Sequencer::degree_semitones(token, MINOR, s)) << token;
    return s;
}

std::size_t bars_of(const Section& s) { return Sequencer::tokens(s.chords).size(); }
}

TEST(Sequencer, DegreeTokensGiveSemitonesInTheMode) {
    EXPECT_EQ(semitones("1"), 0);
    EXPECT_EQ(semitones("5"), 7);
    EXPECT_EQ(semitones("3"), 3);
    EXPECT_EQ(semitones("3'"), 15);
    EXPECT_EQ(semitones("7#,"), -1);  // the raised leading note below the tonic
    EXPECT_EQ(semitones("6b''"), 31);
    int s = 0;
    EXPECT_FALSE(Sequencer::degree_semitones("8", MINOR, s));
    EXPECT_FALSE(Sequencer::degree_semitones("5x", MINOR, s));
    EXPECT_FALSE(Sequencer::degree_semitones("", MINOR, s));
}

TEST(Sequencer, HoldsLengthenNotesAndRestsEndThem) {
    const Section a{'A', "1 1", "1 - - . 5 - 3 . - - 2 - - - - -", "", "", "", "", false};
    const Composition piece = tiny(a, "AA");
    EXPECT_DOUBLE_EQ(Sequencer::length_seconds(piece), 8.0);
    const std::vector<Sequencer::Note> notes = Sequencer::melody_notes(piece, false);
    ASSERT_EQ(notes.size(), 8u);
    EXPECT_DOUBLE_EQ(notes[0].start, 0.0);
    EXPECT_DOUBLE_EQ(notes[0].length, 0.75);
    EXPECT_EQ(notes[0].midi, 57);
    EXPECT_DOUBLE_EQ(notes[1].start, 1.0);
    EXPECT_DOUBLE_EQ(notes[1].length, 0.5);
    EXPECT_EQ(notes[1].midi, 64);
    EXPECT_DOUBLE_EQ(notes[2].length, 0.25);  // a hold after a rest does not revive the note
    EXPECT_DOUBLE_EQ(notes[3].start, 2.5);
    EXPECT_DOUBLE_EQ(notes[3].length, 1.5);  // held across the bar line
    EXPECT_DOUBLE_EQ(notes[4].start, 4.0);   // the second section starts after two bars
}

TEST(Sequencer, ChordsHeldOverBarsSoundOnceAndPlusMakesTheThirdMajor) {
    const Section a{'A', "1 1 5+", "", "", "", "", "", true};
    const std::vector<Sequencer::Note> notes = Sequencer::chord_notes(tiny(a, "A"));
    ASSERT_EQ(notes.size(), 6u);
    EXPECT_DOUBLE_EQ(notes[0].length, 4.0);
    EXPECT_EQ(notes[0].midi, 57);
    EXPECT_EQ(notes[1].midi, 60);  // minor third
    EXPECT_EQ(notes[2].midi, 64);
    EXPECT_DOUBLE_EQ(notes[3].start, 4.0);
    EXPECT_EQ(notes[3].midi, 64);
    EXPECT_EQ(notes[4].midi, 68);  // the raised leading note
    EXPECT_EQ(notes[5].midi, 71);
    const Section silent{'A', "1 1 5+", "", "", "", "", "", false};
    EXPECT_TRUE(Sequencer::chord_notes(tiny(silent, "A")).empty());
}

TEST(Sequencer, BassAndDrumPatternsRepeatEveryBarOnTheBarsChord) {
    const Section a{'A', "1 4", "", "", "1 - 5 . 8 . 0 .", "", "D . t . T . d .", false};
    const Composition piece = tiny(a, "A");
    const std::vector<Sequencer::Note> bass = Sequencer::pattern_notes(piece, true);
    ASSERT_EQ(bass.size(), 8u);
    EXPECT_EQ(bass[0].midi, 57);
    EXPECT_DOUBLE_EQ(bass[0].length, 0.5);
    EXPECT_EQ(bass[1].midi, 64);
    EXPECT_EQ(bass[2].midi, 69);
    EXPECT_EQ(bass[3].midi, 45);
    EXPECT_DOUBLE_EQ(bass[4].start, 2.0);
    EXPECT_EQ(bass[4].midi, 62);  // the fourth degree's chord in the second bar
    const std::vector<Sequencer::Note> drums = Sequencer::drum_notes(piece);
    ASSERT_EQ(drums.size(), 8u);
    EXPECT_DOUBLE_EQ(drums[1].start, 0.5);
    EXPECT_GT(drums[0].velocity, drums[3].velocity);
    EXPECT_LT(drums[0].midi, drums[1].midi);  // deep stroke below the rim
}

TEST(Sequencer, APauseBarSilencesTheAccompaniment) {
    const Section a{'A', "1 .", "1 - - - - - - - . . . . . . . .", "", "1 . 1 . 1 . 1 .", "1 5 8 5 1 5 8 5", "D . t . D . t .", true};
    const Composition piece = tiny(a, "A");
    for (const std::vector<Sequencer::Note>& part :
         {Sequencer::chord_notes(piece), Sequencer::pattern_notes(piece, true), Sequencer::pattern_notes(piece, false), Sequencer::drum_notes(piece)}) {
        ASSERT_FALSE(part.empty());
        for (const Sequencer::Note& n : part) EXPECT_LT(n.start + n.length, 2.0 + 1e-9);
    }
    EXPECT_DOUBLE_EQ(Sequencer::length_seconds(piece), 4.0);
}

TEST(Compositions, EveryPieceIsWellFormed) {
    std::set<std::string> files;
    for (const Composition& piece : Compositions::all()) {
        SCOPED_TRACE(piece.file);
        EXPECT_TRUE(files.insert(piece.file).second) << "two pieces share a file name";
        ASSERT_EQ(piece.scale.size(), 7u);
        for (char c : piece.form) {
            bool found = false;
            for (const Section& s : piece.sections) found = found || s.name == c;
            EXPECT_TRUE(found) << "form names a missing section " << c;
        }
        for (const Section& s : piece.sections) {
            SCOPED_TRACE(std::string("section ") + s.name);
            const std::size_t steps = bars_of(s) * static_cast<std::size_t>(piece.steps_per_bar);
            for (const std::string* line : {&s.melody, &s.counter}) {
                const std::vector<std::string> tokens = Sequencer::tokens(*line);
                if (tokens.empty()) continue;
                // A line of the wrong length would drift against the harmony.
                EXPECT_EQ(tokens.size(), steps) << *line;
                for (const std::string& t : tokens) {
                    int semi = 0;
                    EXPECT_TRUE(t == "-" || t == "." || Sequencer::degree_semitones(t, piece.scale, semi)) << t;
                }
            }
            for (const std::string* bar : {&s.bass, &s.arp, &s.drums}) {
                const std::size_t n = Sequencer::tokens(*bar).size();
                EXPECT_TRUE(n == 0 || n == static_cast<std::size_t>(piece.steps_per_bar)) << *bar;
            }
            for (const std::string& chord : Sequencer::tokens(s.chords))
                EXPECT_TRUE(chord == "." || (chord.size() <= 2 && chord[0] >= '1' && chord[0] <= '7' && (chord.size() == 1 || chord[1] == '+')))
                    << chord;
        }
        EXPECT_GE(Sequencer::length_seconds(piece), piece.file == "Ironvale" ? 120.0 : 60.0);
    }
    EXPECT_EQ(files.size(), 7u);
}

TEST(Wave, CrossfadedLoopRunsFromItsEndIntoItsStart) {
    // A tone whose period does not divide the loop: cut plainly, its ends would not meet.
    Wave w(3000);
    for (std::size_t i = 0; i < w.frames(); ++i) w.left[i] = w.right[i] = std::sin(static_cast<float>(i) * 0.05f);
    w.crossfade_loop(2000);
    ASSERT_EQ(w.frames(), 2000u);
    EXPECT_NEAR(w.left.front(), std::sin(2000.0f * 0.05f), 0.01f);
    EXPECT_LT(std::fabs(w.left.front() - w.left.back()), 0.06f);
}

TEST(Wave, WrappedTailsSoundAtTheStartOfTheLoop) {
    Wave w(10);
    w.left[1] = 0.5f;
    w.left[7] = 0.25f;  // a release ringing past the loop's end
    w.right[9] = 1.0f;
    w.wrap_tail(6);
    ASSERT_EQ(w.frames(), 6u);
    EXPECT_FLOAT_EQ(w.left[1], 0.75f);
    EXPECT_FLOAT_EQ(w.right[3], 1.0f);
}

TEST(Wave, MonoIsPannedWithConstantPowerAndNormalised) {
    Wave w;
    w.add_mono({1.0f, -0.5f}, 3, 1.0f, 0.0f);
    ASSERT_EQ(w.frames(), 5u);
    EXPECT_NEAR(w.left[3], 1.0f, 1e-5f);
    EXPECT_NEAR(w.right[3], 1.0f, 1e-5f);
    w.add_mono({1.0f}, 0, 1.0f, -1.0f);
    EXPECT_NEAR(w.left[0], 1.41421f, 1e-4f);
    EXPECT_NEAR(w.right[0], 0.0f, 1e-5f);
    w.normalise(0.5f);
    EXPECT_NEAR(w.peak(), 0.5f, 1e-6f);
}

TEST(Rng, SeedsReplayTheirSequenceAndStayInRange) {
    Rng a(42), b(42), c(43);
    bool differs = false;
    for (int i = 0; i < 1000; ++i) {
        const float x = a.unit();
        EXPECT_EQ(x, b.unit());
        differs = differs || x != c.unit();
        EXPECT_GE(x, 0.0f);
        EXPECT_LT(x, 1.0f);
        const int k = a.below(7);
        b.below(7);
        EXPECT_GE(k, 0);
        EXPECT_LT(k, 7);
    }
    EXPECT_TRUE(differs);
}

namespace {
// Period of a steady tone by autocorrelation, in samples, searched between the given lags.
int period_of(const std::vector<float>& s, std::size_t from, std::size_t length, int min_lag, int max_lag) {
    int best = 0;
    double best_score = -1e30;
    for (int lag = min_lag; lag <= max_lag; ++lag) {
        double score = 0.0;
        for (std::size_t i = from; i < from + length; ++i) score += s[i] * s[i + static_cast<std::size_t>(lag)];
        if (score > best_score) {
            best_score = score;
            best = lag;
        }
    }
    return best;
}

float tone_level(contentgen::Biquad filter, float freq) {
    float level = 0.0f;
    for (int i = 0; i < Wave::RATE / 2; ++i) {
        const float y = filter.process(std::sin(6.2831853f * freq * static_cast<float>(i) / Wave::RATE));
        if (i > Wave::RATE / 4) level = std::max(level, std::fabs(y));
    }
    return level;
}
}

TEST(Instrument, PitchedInstrumentsSoundAtTheirNote) {
    for (Instrument::Kind kind : {Instrument::Kind::PLUCK, Instrument::Kind::BOWED, Instrument::Kind::BRASS, Instrument::Kind::CHOIR}) {
        for (float freq : {110.0f, 220.0f, 440.0f}) {
            const std::vector<float> s = Instrument::render(kind, freq, 1.0f, 0.8f, 3);
            ASSERT_GT(s.size(), static_cast<std::size_t>(Wave::RATE * 0.6));
            const float expected = Wave::RATE / freq;
            // Search from just above half the period, so the octave below cannot win.
            const int found = period_of(s, Wave::RATE / 5, 2048, static_cast<int>(expected * 0.6f), static_cast<int>(expected * 1.5f));
            EXPECT_NEAR(found, expected, expected * 0.03f + 1.0f) << "kind " << static_cast<int>(kind) << " at " << freq << " Hz";
        }
    }
}

TEST(Instrument, NotesStartFromSilenceAndDieAway) {
    for (Instrument::Kind kind : {Instrument::Kind::PLUCK, Instrument::Kind::BOWED, Instrument::Kind::BRASS, Instrument::Kind::CHOIR,
                                  Instrument::Kind::DRUM}) {
        const std::vector<float> s = Instrument::render(kind, 196.0f, 0.5f, 1.0f, 9);
        ASSERT_FALSE(s.empty());
        EXPECT_LT(std::fabs(s.front()), 0.05f) << static_cast<int>(kind);
        EXPECT_LT(std::fabs(s.back()), 0.01f) << static_cast<int>(kind);
        float peak = 0.0f;
        for (float x : s) peak = std::max(peak, std::fabs(x));
        EXPECT_GT(peak, 0.1f) << static_cast<int>(kind);
    }
}

TEST(Biquad, FiltersPassTheirBandAndStopTheRest) {
    using contentgen::Biquad;
    const Biquad low(Biquad::Kind::LOWPASS, 500.0f, 0.7f);
    EXPECT_GT(tone_level(low, 100.0f), 0.9f);
    EXPECT_LT(tone_level(low, 5000.0f), 0.02f);
    const Biquad high(Biquad::Kind::HIGHPASS, 2000.0f, 0.7f);
    EXPECT_LT(tone_level(high, 200.0f), 0.02f);
    EXPECT_GT(tone_level(high, 8000.0f), 0.9f);
    const Biquad band(Biquad::Kind::BANDPASS, 1000.0f, 4.0f);
    EXPECT_GT(tone_level(band, 1000.0f), 0.9f);
    EXPECT_LT(tone_level(band, 250.0f), 0.1f);
    EXPECT_LT(tone_level(band, 4000.0f), 0.1f);
}

TEST(Reverb, AClickRingsOnAndFades) {
    Wave w(100);
    w.left[0] = w.right[0] = 1.0f;
    contentgen::Reverb room(1.0f, 0.5f, 0.8f);
    room.apply(w, 1.0f, 2.0);
    ASSERT_EQ(w.frames(), 100u + 2 * Wave::RATE);
    auto energy = [&](std::size_t from, std::size_t to) {
        double e = 0.0;
        for (std::size_t i = from; i < to; ++i) e += w.left[i] * w.left[i] + w.right[i] * w.right[i];
        return e;
    };
    const std::size_t tenth = Wave::RATE / 10;
    EXPECT_GT(energy(tenth, 2 * tenth), 0.0);
    EXPECT_LT(energy(15 * tenth, 16 * tenth), energy(tenth, 2 * tenth) * 0.1);
    EXPECT_NE(w.left[3 * tenth], w.right[3 * tenth]);  // the two sides differ: a wide room
}
