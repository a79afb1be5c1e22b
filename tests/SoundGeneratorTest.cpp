// The sound generator: its sequencer's timing, its pieces and its voices' independence, which
// the decoded files alone cannot show.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "Compositions.h"
#include "Sequencer.h"
#include "SoundEffects.h"
#include "StoryLines.h"
#include "Wave.h"

using contentgen::Composition;
using contentgen::Compositions;
using contentgen::Section;
using contentgen::Sequencer;
using contentgen::SoundEffects;
using contentgen::StoryLines;
using contentgen::Wave;

TEST(Sequencer, HoldsLengthenNotesAndRestsEndThem) {
    // Two bars at 120 beats a minute in 4/4, eight steps a bar: a step is 0.25 s.
    Composition c{};
    c.bpm = 120, c.beats_per_bar = 4, c.steps_per_bar = 8, c.root = 57;
    c.scale = {0, 2, 3, 5, 7, 8, 10};
    c.sections = {{'A', "1 1", "1 - - . 5 - 3 . - - 7#, - - - - -", "", "", "", "", false}};
    c.form = "AA";
    EXPECT_DOUBLE_EQ(Sequencer::length_seconds(c), 8.0);
    const std::vector<Sequencer::Note> notes = Sequencer::melody_notes(c, false);
    ASSERT_EQ(notes.size(), 8u);
    EXPECT_TRUE(notes[0].start == 0.0 && notes[0].length == 0.75 && notes[0].midi == 57);
    EXPECT_TRUE(notes[1].start == 1.0 && notes[1].length == 0.5 && notes[1].midi == 64);
    EXPECT_DOUBLE_EQ(notes[2].length, 0.25); // a hold after a rest does not revive the note
    // Held across the bar line; the raised leading note below the tonic.
    EXPECT_TRUE(notes[3].start == 2.5 && notes[3].length == 1.5 && notes[3].midi == 56);
    EXPECT_DOUBLE_EQ(notes[4].start, 4.0); // the second section starts after two bars
}

TEST(Compositions, EveryPieceIsWellFormed) {
    for (const Composition& piece : Compositions::all()) {
        SCOPED_TRACE(piece.file);
        ASSERT_EQ(piece.scale.size(), 7u);
        for (char c : piece.form)
            EXPECT_TRUE(std::any_of(piece.sections.begin(), piece.sections.end(),
                                    [c](const Section& s) { return s.name == c; }))
                << "form names a missing section " << c;
        const std::size_t bar = static_cast<std::size_t>(piece.steps_per_bar);
        for (const Section& s : piece.sections) {
            SCOPED_TRACE(std::string("section ") + s.name);
            for (const std::string* line : {&s.melody, &s.counter}) {
                const std::vector<std::string> tokens = Sequencer::tokens(*line);
                // A line of the wrong length would drift against the harmony.
                EXPECT_TRUE(tokens.empty() ||
                            tokens.size() == Sequencer::tokens(s.chords).size() * bar)
                    << *line;
                int semitones = 0;
                for (const std::string& t : tokens)
                    EXPECT_TRUE(t == "-" || t == "." ||
                                Sequencer::degree_semitones(t, piece.scale, semitones))
                        << t;
            }
            for (const std::string* pattern : {&s.bass, &s.arp, &s.drums}) {
                const std::size_t n = Sequencer::tokens(*pattern).size();
                EXPECT_TRUE(n == 0 || n == bar) << *pattern;
            }
        }
    }
}

// espeak-ng keeps state from one synthesis to the next and draws the female voices' breath from
// rand(): a voice must come out the same after other voices and whatever rand() was at.
TEST(Voice, ASoundIsTheSameAfterOtherVoicesAndAnyStateOfRand) {
    const auto make = [](const std::string& name) {
        for (const SoundEffects::Entry& entry : SoundEffects::table())
            if (entry.name == name) return SoundEffects::make(entry);
        ADD_FAILURE() << "no sound " << name;
        return Wave();
    };
    const Wave first = make("woman_yell");
    make("child_yell");
    make("die1");
    std::srand(7);
    const Wave again = make("woman_yell");
    ASSERT_GT(first.peak(), 0.5f);
    EXPECT_TRUE(first.left == again.left && first.right == again.right);
}

// A story's lines file is written by hand: every line must name a sound inside one of the
// story's level folders, a known speaker and some words, or the build stops and says where.
TEST(StoryLines, TakesWellFormedLinesAndRefusesTheRestByLine) {
    const struct {
        const char* line;
        const char* error;  // empty: the line is taken
    } cases[] = {
        {"Village Duel/taunt.ogg | sellsword | Your head, farmer.", ""},
        {"  Hell Mouth/a b.ogg|master|So. ", ""},
        {"/ a comment | hero | words", ""},
        {"Village Duel/taunt.ogg | hero", "expected"},
        {"taunt.ogg | hero | Hello.", "Level folder/name.ogg"},
        {"../escape.ogg | hero | Hello.", "must lie in a level folder"},
        {"Village Duel/../../x.ogg | hero | Hello.", "Level folder/name.ogg"},
        {"Village Duel/taunt.wav | hero | Hello.", "must end in .ogg"},
        {"Village Duel/taunt.ogg | nobody | Hello.", "no speaker is called \"nobody\""},
        {"Village Duel/taunt.ogg | hero | ", "no words"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> errors;
        const auto lines = StoryLines::parse(std::string("\n") + c.line + "\n", errors);
        if (*c.error == 0) {
            EXPECT_TRUE(errors.empty()) << c.line << ": " << (errors.empty() ? "" : errors[0]);
            continue;
        }
        ASSERT_EQ(errors.size(), 1u) << c.line;
        EXPECT_EQ(errors[0].rfind("2: ", 0), 0u) << errors[0];
        EXPECT_NE(errors[0].find(c.error), std::string::npos) << errors[0];
        EXPECT_TRUE(lines.empty());
    }
    std::vector<std::string> errors;
    const auto twice = StoryLines::parse("A/x.ogg | hero | One.\nA/x.ogg | king | Two.\n", errors);
    ASSERT_EQ(twice.size(), 1u);
    EXPECT_EQ(twice[0].speaker, "hero");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("2: A/x.ogg is spoken twice"), std::string::npos);
}
