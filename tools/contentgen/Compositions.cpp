#include "Compositions.h"

namespace contentgen {
namespace {
using K = Instrument::Kind;

const std::vector<int> AEOLIAN = {0, 2, 3, 5, 7, 8, 10};
const std::vector<int> DORIAN = {0, 2, 3, 5, 7, 9, 10};
const std::vector<int> PHRYGIAN = {0, 1, 3, 5, 7, 8, 10};
const std::vector<int> HARMONIC_MINOR = {0, 2, 3, 5, 7, 8, 11};
const std::vector<int> IONIAN = {0, 2, 4, 5, 7, 9, 11};

// Title theme: D minor, a horn call over a choir, heroic but dark.
Composition ironvale() {
    Composition c;
    c.file = "Ironvale";
    c.bpm = 84;
    c.beats_per_bar = 4;
    c.steps_per_bar = 8;
    c.root = 50;
    c.scale = AEOLIAN;
    c.melody = {K::BRASS, 1, 0.9f, 0.1f};
    c.counter = {K::BOWED, 0, 0.6f, -0.4f};
    c.pad = {K::CHOIR, 0, 0.5f, 0.0f};
    c.bass = {K::BOWED, -1, 0.7f, 0.0f};
    c.arp = {K::PLUCK, 0, 0.45f, 0.45f};
    c.drum_gain = 0.8f;
    c.reverb = 0.5f;
    c.sections = {
        {'I', "1 1 6 7", "", "", "1 - - - - - - -", "1 5 8 5 3 5 8 5", "d . . . . . . .", true},
        {'A', "1 6 3 7 1 6 4 5+",
         "5 - - - 1' - 7 6 5 - 3 - 1 - - - 3 - 5 - 1' - 2' - 7 - - 6 5 - - - "
         "5 - - - 1' - 7 6 5 - 3 - 6 - 5 - 4 - 6 - 5 - 4 - 2 - 7#, - 5, - - -",
         "", "1 - - - 5 - - -", "1 5 8 5 3 5 8 5", "D . t . d . t t", true},
        {'B', "6 7 1 1 6 7 5+ 5+",
         "3' - - 2' 1' - 7 - 2' - - 1' 7 - 5 - 1' - 5 - 3 - 5 - 1' - - - - - . . "
         "3' - - 4' 5' - 4' 3' 2' - 1' - 7 - 5 - 7# - 1' - 2' - 7# - 5 - - - - - . .",
         "1 - - - - - - - 2 - - - - - - - 3 - - - - - - - 5 - - - - - - - "
         "1 - - - - - - - 2 - - - - - - - 2 - - - - - - - 7#, - - - - - - -",
         "1 - - 1 5 - 1 -", "1 5 8 5 1 5 8 5", "D . t D d . T t", true},
        {'a', "1 6 3 7 1 6 4 5+",
         "5 - - - 1' - 7 6 5 - 3 - 1 - - - 3 - 5 - 1' - 2' - 7 - - 6 5 - - - "
         "5 - - - 1' - 7 6 5 - 3 - 6 - 5 - 4 - 6 - 5 - 4 - 2 - 7#, - 5, - - -",
         "3 - - - 1 - - - 1 - - - 3 - - - 3 - - - 5 - - - 2 - - - 4 - - - "
         "3 - - - 5 - - - 1 - - - 3 - - - 4 - - - 6 - - - 5 - - - 7#, - - -",
         "1 - - 1 5 - 1 -", "1 5 8 5 3 5 8 5", "D . t . D . t t", true},
        {'C', "4 4 1 1 6 6 5+ 5+",
         "6 - - - 5 - 4 - 3 - - - 4 - - - 5 - - - 4 - 3 - 1 - - - - - - - "
         "3 - - - 4 - 5 - 6 - - - 1' - - - 7# - - - 6 - 5 - 7#, - - - - - - -",
         "", "1 - - - - - - -", "1 . 5 . 8 . 5 .", "d . . . d . . .", true},
        // The close: a cadence home to the tonic and a bar's silence in which the hall rings
        // out, so the theme ends cleanly when played once and flows into its start when looped.
        {'E', "4 5+ 1 .",
         "6 - 5 - 4 - 3 - 2 - 7#, - 5, - - - 1 - - - - - - - . . . . . . . .",
         "4 - - - - - - - 5 - - - 7#, - - - 3 - - - - - - - . . . . . . . .",
         "1 - - - 5 - - -", "1 5 8 5 3 5 8 5", "D . t . D . . .", true},
    };
    c.form = "IABaCBE";
    return c;
}

// Travelling: E dorian, a lute tune over a light drum, walking pace.
Composition track1() {
    Composition c;
    c.file = "Track1";
    c.bpm = 104;
    c.beats_per_bar = 4;
    c.steps_per_bar = 8;
    c.root = 52;
    c.scale = DORIAN;
    c.melody = {K::PLUCK, 1, 1.0f, 0.15f};
    c.counter = {K::BOWED, 0, 0.35f, -0.35f};
    c.pad = {K::CHOIR, 0, 0.3f, 0.0f};
    c.bass = {K::PLUCK, -1, 0.8f, -0.1f};
    c.arp = {K::PLUCK, 0, 0.35f, -0.5f};
    c.drum_gain = 0.55f;
    c.reverb = 0.35f;
    c.sections = {
        {'I', "1 4 1 7", "", "", "1 - - - 5 - - -", "1 3 5 8 5 3 5 3", "D . . t D . t .", true},
        {'A', "1 4 1 7 1 4 7 1",
         "5 - 3 - 1 2 3 - 4 - 6 - 5 4 3 - 5 - 1' - 7 - 5 - 4 - 3 2 2 - - - "
         "5 - 3 - 1 2 3 5 6 - 5 4 6 - 1' - 7 - 6 - 4 - 2 - 1 - - - - - . .",
         "", "1 - - - 5 - - -", "1 3 5 8 5 3 5 3", "D . . t D . t .", true},
        {'B', "3 7 4 1 3 7 4 4",
         "3' - 2' 1' 7 - 5 - 6 - 7 - 1' - 2' - 1' - - 7 6 - 5 - 5 - - - 3 - - - "
         "3' - 2' 1' 7 - 1' - 2' - 1' 7 6 - 4 - 6 - - 5 4 - 3 - 2 - - - 4 - - -",
         "3 - - - - - - - 2 - - - - - - - 3 - - - - - - - 3 - - - - - - - "
         "5 - - - - - - - 4 - - - - - - - 1 - - - - - - - 1 - - - - - - -",
         "1 - 5 - 1 - 5 -", "1 3 5 3 8 3 5 3", "D . t t D . t .", true},
    };
    c.form = "IABA";
    return c;
}

// Battle: C minor, fast, a brass call over driving drums and a bowed ostinato.
Composition track2() {
    Composition c;
    c.file = "Track2";
    c.bpm = 138;
    c.beats_per_bar = 4;
    c.steps_per_bar = 8;
    c.root = 48;
    c.scale = AEOLIAN;
    c.melody = {K::BRASS, 1, 0.9f, 0.1f};
    c.counter = {K::BRASS, 0, 0.5f, -0.3f};
    c.pad = {K::CHOIR, 0, 0.35f, 0.0f};
    // Brass, not bowed strings, for the ostinato: its quick attack keeps the eighths crisp.
    c.bass = {K::BRASS, -1, 0.6f, 0.0f};
    c.arp = {K::PLUCK, 1, 0.3f, 0.5f};
    c.drum_gain = 1.0f;
    c.reverb = 0.3f;
    c.sections = {
        {'C', "1 1 1 1", "", "", "1 1 1 1 1 1 3 1", "", "D . D t D . T T", false},
        {'A', "1 1 6 7 1 1 4 5+",
         "1' - 1' 7 1' - 5 - 6 - 5 - 3 - 5 - 6 - - 5 6 - 1' - 7 - - - 5 - - - "
         "1' - 1' 7 1' - 3' - 2' - 1' - 7 - 5 - 4 - 6 - 1' - 6 - 7# - - - 5 - - -",
         "", "1 1 1 1 1 1 3 1", "1 5 8 5 1 5 8 5", "D t t D T t D t", true},
        {'B', "4 4 1 1 6 6 5+ 5+",
         "4' - - 3' 2' - 1' - 6 - 1' - 4' - - - 3' - - 2' 1' - 5 - 1' - 3' - 5' - - - "
         "3' - 2' - 1' - 6 - 1' - 6 - 3 - 1' - 7# - - 6 5 - 2' - 7# - - - - - - -",
         "1 - - - - - - - 1 - - - - - - - 5 - - - - - - - 5 - - - - - - - "
         "3 - - - - - - - 3 - - - - - - - 2 - - - - - - - 2 - - - - - - -",
         "1 1 8 1 1 1 8 1", "1 5 8 5 1 5 8 5", "D t T D D t T T", true},
    };
    c.form = "CABCAB";
    return c;
}

// Tension: B phrygian, slow, a bowed line over a drone and a ticking pluck.
Composition track3() {
    Composition c;
    c.file = "Track3";
    c.bpm = 72;
    c.beats_per_bar = 4;
    c.steps_per_bar = 8;
    c.root = 47;
    c.scale = PHRYGIAN;
    c.melody = {K::BOWED, 1, 0.8f, 0.2f};
    c.counter = {K::PLUCK, 1, 0.5f, -0.4f};
    c.pad = {K::CHOIR, 0, 0.4f, 0.0f};
    c.bass = {K::BOWED, -1, 0.8f, 0.0f};
    c.arp = {K::PLUCK, 0, 0.4f, 0.4f};
    c.drum_gain = 0.6f;
    c.reverb = 0.6f;
    c.sections = {
        {'I', "1 1 2 1", "", "", "1 - - - - - - -", "1 . 3 . 1 . 5 .", "d . . . . . d .", true},
        {'A', "1 1 2 1 1 1 6 2",
         "5 - - - - - 6 - 5 - - - . . . . 6 - - - 5 - 2 - 1 - - - - - . . "
         "1' - - - 2' - 1' - 7 - - - 5 - - - 6 - - 5 6 - 1' - 2' - - - - - . .",
         "", "1 - - - - - - -", "1 . 3 . 1 . 5 .", "d . . . . . d .", true},
        {'B', "4 4 2 2 6 6 2 1",
         "4 - 5 - 6 - 5 - 4 - - - 2 - - - 2 - 3 - 2 - 1 - 1 - - - . . . . "
         "6 - 7 - 1' - 2' - 3' - - - 2' - - - 2' - 1' - 7 - 6 - 5 - - - - - - -",
         ". . 1 . . . 2 . . . 1 . . . 2 . . . 3 . . . 2 . . . 1 . . . 2 . "
         ". . 1' . . . 2' . . . 1' . . . 2' . . . 3' . . . 2' . . . 1' . . . 2 .",
         "1 - - - - - - -", "1 . 3 . 5 . 3 .", "D . . . d . d .", true},
    };
    c.form = "IAB";
    return c;
}

// A boss rising: G harmonic minor, heavy drums, low brass and a choir, dark and dramatic.
Composition track4() {
    Composition c;
    c.file = "Track4";
    c.bpm = 108;
    c.beats_per_bar = 4;
    c.steps_per_bar = 8;
    c.root = 43;
    c.scale = HARMONIC_MINOR;
    c.melody = {K::BRASS, 1, 0.9f, 0.0f};
    c.counter = {K::CHOIR, 1, 0.5f, -0.3f};
    c.pad = {K::CHOIR, 0, 0.5f, 0.2f};
    c.bass = {K::BRASS, 0, 0.7f, 0.0f};
    c.arp = {K::PLUCK, 1, 0.3f, 0.5f};
    c.drum_gain = 1.0f;
    c.reverb = 0.55f;
    c.sections = {
        {'I', "1 1 6 5", "", "", "1 - - 1 1 - - -", "", "D . . . D . . .", true},
        {'A', "1 6 4 5 1 6 2 5",
         "1 - - - 5 - - - 6 - - 5 3 - - - 4 - - 3 2 - 1 - 7, - - - 5, - - - "
         "1 - - - 5 - 6 - 1' - - 7 6 - 5 - 2' - - 1' 7 - 6 - 7 - - - - - - -",
         "", "1 - - 1 1 - 5 -", "1 3 5 3 1 3 5 3", "D . . D D . T .", true},
        {'a', "1 6 4 5 1 6 2 5",
         "1 - - - 5 - - - 6 - - 5 3 - - - 4 - - 3 2 - 1 - 7, - - - 5, - - - "
         "1 - - - 5 - 6 - 1' - - 7 6 - 5 - 2' - - 1' 7 - 6 - 7 - - - - - - -",
         "5 - - - - - - - 3 - - - - - - - 1 - - - - - - - 2 - - - - - - - "
         "3 - - - - - - - 3 - - - - - - - 4 - - - - - - - 2 - - - - - - -",
         "1 - - 1 1 - 5 -", "1 3 5 3 1 3 5 3", "D . t D D . T t", true},
        {'B', "6 6 4 4 1 1 5 5",
         "3' - - - 2' - 1' - 7 - - - 6 - - - 1' - - - 7 - 6 - 5 - - - 4 - - - "
         "5 - 1' - 3' - 5' - 5' - - 4' 3' - 1' - 2' - - - 7 - 2' - 5 - - - - - - -",
         "", "1 - 1 - 1 - 5 -", "1 5 8 5 1 5 8 5", "D t T D D t T T", true},
    };
    c.form = "IAaB";
    return c;
}

// A march: B flat major, brass tune over an oom-pah bass and a rim-stroke beat.
Composition track5() {
    Composition c;
    c.file = "Track5";
    c.bpm = 112;
    c.beats_per_bar = 4;
    c.steps_per_bar = 8;
    c.root = 46;
    c.scale = IONIAN;
    c.melody = {K::BRASS, 1, 0.9f, 0.1f};
    c.counter = {K::BOWED, 1, 0.45f, -0.4f};
    c.pad = {K::BOWED, 0, 0.35f, 0.0f};
    c.bass = {K::BRASS, -1, 0.8f, 0.0f};
    c.arp = {K::PLUCK, 1, 0.0f, 0.0f};
    c.drum_gain = 0.9f;
    c.reverb = 0.3f;
    c.sections = {
        {'D', "1 1 5 5", "", "", "1 . 5 . 1 . 5 .", "", "D t T t D t T T", false},
        {'A', "1 4 5 1 1 4 5 1",
         "1 - - 1 3 - 5 - 6 - 4 - 6 - 1' - 7 - 5 - 2 - 5 - 1' - - - 5 - - - "
         "1 - - 1 3 - 5 - 6 - 1' - 2' - 1' - 7 - - 2' 1' - 7 - 1' - - - - - . .",
         "", "1 . 5 . 1 . 5 .", "", "D t T t D t T t", true},
        {'B', "6 3 4 1 6 2 5 5",
         "3' - - 2' 1' - 6 - 5 - - 6 7 - 5 - 6 - - 5 4 - 6 - 5 - - - 3 - - - "
         "3' - - 2' 1' - 3' - 2' - 1' - 6 - 4 - 5 - 7 - 2' - 7 - 5 - - - - - . .",
         "1 - - - 3 - - - 7, - - - 3 - - - 1 - - - 3 - - - 1 - - - 5, - - - "
         "1 - - - 3 - - - 2 - - - 4 - - - 2 - - - 5, - - - 2 - - - 7, - - -",
         "1 . 5 . 1 . 5 .", "", "D t T t D D T t", true},
    };
    c.form = "DABAB";
    return c;
}

// A lament: A minor in three, a bowed song over a harp and a choir, no drums.
Composition track6() {
    Composition c;
    c.file = "Track6";
    c.bpm = 69;
    c.beats_per_bar = 3;
    c.steps_per_bar = 6;
    c.root = 45;
    c.scale = AEOLIAN;
    c.melody = {K::BOWED, 1, 0.9f, 0.1f};
    c.counter = {K::BOWED, 0, 0.5f, -0.4f};
    c.pad = {K::CHOIR, 0, 0.45f, 0.0f};
    c.bass = {K::BOWED, -1, 0.6f, 0.0f};
    c.arp = {K::PLUCK, 0, 0.5f, 0.4f};
    c.drum_gain = 0.4f;
    c.reverb = 0.65f;
    c.sections = {
        {'I', "1 6 4 5+", "", "", "1 - - - - -", "1 5 8 3 8 5", "", true},
        {'A', "1 6 3 7 4 1 2 5+",
         "5 - - 4 3 - 1' - - 7 6 - 5 - - 3 5 - 4 - - 2 7, - "
         "6 - - 5 4 - 3 - 2 1 3 - 2 - - 4 3 2 7#, - - - - -",
         "", "1 - - - - -", "1 5 8 3 8 5", "d . . . . .", true},
        {'B', "6 7 1 1 4 5 1 1",
         "1' - - 2' 3' - 2' - - 1' 7 - 1' - 5 - 3 - 5 - - - - - "
         "6 - - 1' 4' - 2' - 7 - 5 - 1' - - 7 5 - 1 - - - - -",
         "3 - - - - - 2 - - - - - 1 - - - - - 3 - - - - - "
         "1 - - - - - 7, - - - - - 3 - - - - - 1 - - - - -",
         "1 - - - - -", "1 5 8 3 8 5", "d . . d . .", true},
    };
    c.form = "IABA";
    return c;
}
}

const std::vector<Composition>& Compositions::all() {
    static const std::vector<Composition> pieces = {ironvale(), track1(), track2(), track3(), track4(), track5(), track6()};
    return pieces;
}
}
