#include "SpeakerVoices.h"

#include <cmath>

#include "Biquad.h"
#include "Loudness.h"
#include "Reverb.h"
#include "Shaping.h"

namespace contentgen {
namespace {
using Mono = Shaping::Mono;

// Breath noise that follows the voice's loudness: husk for the old, rasp for the cruel.
void add_breath(Mono& s, std::uint64_t seed, float level) {
    Shaping::add_breath(s, seed, level, 2000.0f, 0.6f, 25.0f);
}

// A second take a little slower under the first: two throats speaking as one.
void thicken(Mono& s, float level) {
    const Mono twin = Shaping::warp(s, 0.955f, 0.955f);
    s.resize(twin.size(), 0.0f);
    for (std::size_t i = 0; i < twin.size(); ++i) s[i] += twin[i] * level;
}
}

const std::vector<SpeakerVoices::Speaker>& SpeakerVoices::all() {
    // name, {voice, pitch, range, rate}, speed, low cut, high cut, drive, twin, breath, room, wet
    static const std::vector<Speaker> speakers = {
        // The hero: a young, steady voice, close to the listener.
        {"hero", {"en+m3", 52, 45, 150}, 0.97f, 90.0f, 5500.0f, 1.2f, 0.0f, 0.08f, 0.5f, 0.10f},
        // Sell-swords and bandits: low, rough, in no hurry.
        {"sellsword", {"en+m7", 32, 35, 145}, 0.9f, 110.0f, 3600.0f, 2.2f, 0.0f, 0.3f, 0.5f, 0.08f},
        // Peasants and raiders: quick and coarse.
        {"raider", {"en+m2", 58, 60, 170}, 1.0f, 150.0f, 3400.0f, 2.4f, 0.0f, 0.25f, 0.5f, 0.08f},
        // The Baron's captain: a barked order.
        {"captain", {"en+m6", 40, 50, 150}, 0.93f, 120.0f, 4200.0f, 1.8f, 0.0f, 0.15f, 0.7f, 0.12f},
        // The war-mage: soft and sing-song, with an echo that is not the room's.
        {"mage", {"en+m4", 62, 75, 130}, 0.95f, 140.0f, 6000.0f, 1.0f, 0.25f, 0.2f, 1.0f, 0.3f},
        // The master of the wasteland: deep and doubled.
        {"master", {"en+m1", 12, 30, 120}, 0.8f, 60.0f, 3000.0f, 1.8f, 0.5f, 0.25f, 1.3f, 0.42f},
        // A townswoman, frightened.
        {"woman", {"en+f2", 70, 80, 170}, 1.02f, 180.0f, 6500.0f, 1.3f, 0.0f, 0.1f, 0.6f, 0.12f},
        // The reeve who leads the raiders: a big man shouting.
        {"reeve", {"en+m5", 25, 55, 140}, 0.87f, 90.0f, 3200.0f, 2.6f, 0.0f, 0.3f, 0.6f, 0.1f},
        // The hag of the fen: a croak with bubbles of breath, off across the water.
        {"hag", {"en+croak", 80, 90, 120}, 0.88f, 160.0f, 4000.0f, 1.6f, 0.0f, 0.5f, 0.9f, 0.35f},
        // The abbot: old and slow, under a high vault.
        {"abbot", {"en+m2", 35, 40, 120}, 0.94f, 100.0f, 4500.0f, 1.1f, 0.0f, 0.3f, 1.2f, 0.45f},
        // Brother Osric, the turncoat: mild, then not.
        {"brother", {"en+m4", 55, 55, 150}, 0.98f, 120.0f, 5000.0f, 1.2f, 0.0f, 0.1f, 1.1f, 0.35f},
        // The herald of the tourney: bright, carrying over a crowd.
        {"herald", {"en+m5", 60, 85, 155}, 1.0f, 220.0f, 5500.0f, 1.5f, 0.0f, 0.05f, 1.1f, 0.25f},
        // The Black Knight, through the slot of his helm.
        {"knight", {"en+m1", 22, 30, 130}, 0.86f, 160.0f, 2400.0f, 1.6f, 0.0f, 0.2f, 0.3f, 0.15f},
        // The shade: a whisper with two mouths, far off and near at once.
        {"shade", {"en+whisper", 45, 50, 130}, 0.9f, 150.0f, 5000.0f, 1.2f, 0.45f, 0.3f, 1.4f, 0.55f},
        // The Headless King: the deepest voice of all, doubled, in his own hall.
        {"king", {"en+m1", 0, 25, 110}, 0.74f, 50.0f, 2800.0f, 2.0f, 0.6f, 0.3f, 1.4f, 0.5f},
    };
    return speakers;
}

const SpeakerVoices::Speaker* SpeakerVoices::find(const std::string& name) {
    for (const Speaker& s : all())
        if (name == s.name) return &s;
    return nullptr;
}

Wave SpeakerVoices::say(const Speaker& speaker, const std::string& words, std::uint64_t seed) {
    Mono s = Voice::speak(words, speaker.voice);
    if (s.empty()) return {};
    Shaping::trim(s, 0.01f);
    if (speaker.speed != 1.0f) s = Shaping::warp(s, speaker.speed, speaker.speed);
    if (speaker.twin > 0.0f) thicken(s, speaker.twin);
    if (speaker.breath > 0.0f) add_breath(s, seed, speaker.breath);
    Shaping::filter(s, Biquad::Kind::HIGHPASS, speaker.low_cut, 0.7f);
    Shaping::filter(s, Biquad::Kind::LOWPASS, speaker.high_cut, 0.7f);
    // Presence: the band where words are understood, lifted a little for every voice.
    Shaping::filter(s, Biquad::Kind::PEAK, 2500.0f, 1.0f, 3.0f);
    Shaping::normalise(s, 0.9f);
    if (speaker.drive > 1.0f) Shaping::saturate(s, speaker.drive);
    Shaping::fade(s, 0.004, 0.03);
    Wave w;
    w.add_mono(s, 0, 1.0f, 0.0f);
    if (speaker.wet > 0.0f) {
        Reverb room(speaker.room, 0.45f, 0.8f);
        room.apply(w, speaker.wet, 0.4);
    }
    w.fade_edges(0.004, 0.25);
    // Words are as loud as every other voice of the game, whatever the character's shaping.
    Loudness::apply(w, Loudness::Tier::VOICE);
    return w;
}
}
