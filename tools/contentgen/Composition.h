#pragma once
#include <string>
#include <vector>

#include "Instrument.h"

namespace contentgen {
// A piece of music as data. Pitches are written as scale degrees of the piece's mode so the
// same notation serves every key:
//  - melody and counter: one token a step: "1".."7" a degree, followed by "'" (octave up),
//    "," (octave down), "#" or "b" (raised or lowered a semitone); "-" holds the previous
//    note one more step, "." is a rest;
//  - chords: one token a bar, the degree of the chord's root (a triad of the mode), "+" makes
//    its third major (the raised leading note of a minor key); "." is a bar of silence for
//    the chords, bass, arp and drums (melody and counter are rested by their own tokens);
//  - bass and arp: one bar, repeated every bar, tokens are tones of the bar's chord: "1" root,
//    "3" third, "5" fifth, "8" root an octave up, "0" root an octave down; "-" and "." as above;
//  - drums: one bar, repeated, one token a step: "D"/"d" deep stroke loud/soft, "T"/"t"
//    rim stroke loud/soft, "." nothing.
// An empty pattern keeps that part silent in the section.
struct Section {
    char name;
    std::string chords;
    std::string melody;
    std::string counter;
    std::string bass;
    std::string arp;
    std::string drums;
    bool pad;  // sustained chords from the pad part
};

struct Part {
    Instrument::Kind kind;
    int octave;  // octaves above the piece's root note
    float gain;
    float pan;
};

struct Composition {
    std::string file;  // name under music/, without ".ogg"
    float bpm;
    int beats_per_bar;
    int steps_per_bar;
    int root;  // MIDI note number of degree 1 in octave 0
    std::vector<int> scale;  // semitones of the seven degrees above the root
    Part melody, counter, pad, bass, arp;
    float drum_gain;
    float reverb;
    std::vector<Section> sections;
    std::string form;  // section names in playing order; the piece loops back to the start

    double bar_seconds() const { return 60.0 / bpm * beats_per_bar; }
    double step_seconds() const { return bar_seconds() / steps_per_bar; }
};
}
