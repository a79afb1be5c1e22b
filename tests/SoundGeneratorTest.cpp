// The sound generator's sequencer, its compositions and its signal building blocks.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "Compositions.h"
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
                EXPECT_TRUE(chord.size() <= 2 && chord[0] >= '1' && chord[0] <= '7' && (chord.size() == 1 || chord[1] == '+')) << chord;
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
