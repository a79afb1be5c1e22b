#include "SoundEffects.h"

#include <algorithm>
#include <cmath>

#include "Biquad.h"
#include "Envelope.h"
#include "Noise.h"
#include "OggWriter.h"
#include "Oscillator.h"
#include "Resonator.h"
#include "Reverb.h"
#include "Rng.h"
#include "Shaping.h"
#include "Voice.h"
#include "VoiceRecipes.h"
#include "Wander.h"

namespace contentgen {
namespace {
using Mono = Shaping::Mono;
using Kind = Biquad::Kind;
constexpr float PI = 3.14159265f;

// Finishes a mono recipe: into the stereo field, optionally into a room, edges faded.
Wave finish(const Mono& s, float pan, float wet, float room, double length) {
    Wave w;
    w.add_mono(s, 0, 1.0f, pan);
    if (wet > 0.0f) {
        Reverb reverb(room, 0.5f, 0.8f);
        reverb.apply(w, wet, 0.0);
    }
    w.resize(static_cast<std::size_t>(length * Wave::RATE));
    w.fade_edges(0.002, std::min(0.08, length * 0.2));
    w.normalise(0.7f);
    return w;
}

// Two takes of one recipe with different seeds, one a side, for a wide stereo image.
Wave finish_wide(const Mono& l, const Mono& r, float wet, float room, double length) {
    Wave w;
    w.add_mono(l, 0, 0.8f, -0.6f);
    w.add_mono(r, 0, 0.8f, 0.6f);
    if (wet > 0.0f) {
        Reverb reverb(room, 0.5f, 0.82f);
        reverb.apply(w, wet, 0.0);
    }
    w.resize(static_cast<std::size_t>(length * Wave::RATE));
    w.fade_edges(0.002, std::min(0.1, length * 0.2));
    w.normalise(0.7f);
    return w;
}

// A falling sine: the body of every thump and boom.
Mono thump(double length, float f_start, float f_end, float sweep_tau, float decay_tau) {
    Oscillator osc(Oscillator::Shape::SINE);
    return Shaping::render(length, [&](float t) {
        const float f = f_end + (f_start - f_end) * std::exp(-t / sweep_tau);
        return osc.next(f) * Envelope::strike(t, 0.002f, decay_tau);
    });
}

// Noise burst through a low-pass whose cut-off falls from `f_start` to `f_end`.
Mono dark_burst(std::uint64_t seed, double length, float f_start, float f_end, float decay_tau) {
    Noise noise(seed);
    Biquad lp;
    return Shaping::render(length, [&](float t) {
        lp.design(Kind::LOWPASS, f_end + (f_start - f_end) * std::exp(-t / (decay_tau * 0.7f)), 0.8f);
        return lp.process(noise.white()) * Envelope::strike(t, 0.002f, decay_tau);
    });
}

// Sparse random clicks, band-passed: crackle of fire, grit of stone, sparks.
Mono crackle(std::uint64_t seed, double length, float density, float centre, float decay_tau) {
    Rng rng(seed);
    Noise noise(seed + 1);
    Biquad band(Kind::BANDPASS, centre, 1.2f);
    float spark = 0.0f;
    return Shaping::render(length, [&](float t) {
        if (rng.unit() < density / Wave::RATE) spark = rng.range(0.3f, 1.0f) * (rng.unit() < 0.5f ? 1.0f : -1.0f);
        spark *= 0.93f;
        return band.process(spark + 0.05f * noise.white() * std::fabs(spark)) * std::exp(-t / decay_tau);
    });
}

void add_into(Mono& into, const Mono& part, float gain, std::size_t offset = 0) {
    if (into.size() < offset + part.size()) into.resize(offset + part.size(), 0.0f);
    for (std::size_t i = 0; i < part.size(); ++i) into[offset + i] += part[i] * gain;
}

// --- Steel ---

// a = lowest ringing mode in Hz, b = brightness 0..1, c = length.
Wave clash(std::uint64_t seed, const SoundEffects::Params& p) {
    Rng rng(seed);
    const float ratios[] = {1.0f, 1.47f, 2.09f, 2.56f, 3.18f, 3.93f, 4.71f, 5.62f};
    auto blade = [&](float detune) {
        std::vector<Resonator::Mode> modes;
        for (int i = 0; i < 8; ++i) {
            const float f = p.a * ratios[i] * detune * rng.range(0.985f, 1.015f);
            modes.push_back({f, rng.range(0.4f, 0.9f) / (1.0f + i * 0.2f), (i < 3 ? 1.0f : p.b) * rng.range(0.6f, 1.0f)});
        }
        Resonator ring(modes);
        Noise noise(rng.next());
        Biquad hp(Kind::HIGHPASS, 2500.0f, 0.7f);
        return Shaping::render(p.c, [&](float t) {
            const float hit = noise.white() * Envelope::strike(t, 0.0005f, 0.004f);
            const float scrape = hp.process(noise.white()) * Envelope::strike(t, 0.001f, 0.025f) * 0.2f;
            return ring.process(hit) * 0.3f + scrape;
        });
    };
    return finish_wide(blade(1.0f), blade(1.012f), 0.2f, 0.5f, p.c);
}

// The scrape of a blade leaving its sheath, ending in a ring. a = ring pitch, c = length.
Wave wield(std::uint64_t seed, const SoundEffects::Params& p) {
    Noise noise(seed);
    Resonator ring({{p.a, 0.5f, 1.0f}, {p.a * 1.52f, 0.4f, 0.7f}, {p.a * 2.31f, 0.3f, 0.5f}, {p.a * 3.07f, 0.2f, 0.3f}});
    Biquad band;
    const Envelope scrape({{0.0f, 0.0f}, {0.05f, 0.5f}, {0.22f, 0.9f}, {0.26f, 0.0f}});
    const Envelope sweep({{0.0f, 1800.0f}, {0.25f, 5200.0f}});
    Mono s = Shaping::render(p.c, [&](float t) {
        band.design(Kind::BANDPASS, sweep.at(t), 3.0f);
        const float rasp = band.process(noise.white()) * scrape.at(t) * (0.6f + 0.4f * std::sin(2 * PI * 90.0f * t));
        const float strike = t > 0.24f ? noise.white() * Envelope::strike(t - 0.24f, 0.0005f, 0.01f) : 0.0f;
        return rasp + ring.process(strike + rasp * 0.05f) * 0.08f;
    });
    return finish(s, 0.1f, 0.2f, 0.5f, p.c);
}

// --- Air ---

// Band-passed noise sweeping up and down as the blade passes. a = top of the sweep in Hz,
// b = pan travel, c = length.
Wave swish(std::uint64_t seed, const SoundEffects::Params& p) {
    Noise noise(seed);
    Biquad band, band2, body;
    std::size_t step = 0;
    const float len = p.c;
    Mono s = Shaping::render(len, [&](float t) {
        const float u = t / len;
        const float bell = std::sin(PI * std::pow(u, 0.6f));
        const float f = 400.0f + (p.a - 400.0f) * bell * bell;
        // Narrow bands give the edge's whistle; a broad low one the air pushed by the blade.
        if (step++ % 16 == 0) {
            band.design(Kind::BANDPASS, f, 4.5f);
            band2.design(Kind::BANDPASS, f * 1.9f, 6.0f);
            body.design(Kind::BANDPASS, f * 0.35f, 1.2f);
        }
        const float n = noise.white();
        return (band.process(n) + 0.35f * band2.process(n) + 0.5f * body.process(n)) * bell * bell * bell;
    });
    Wave w;
    // The sound travels across the field with the blade.
    const std::size_t n = s.size();
    w.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const float pan = p.b * (2.0f * static_cast<float>(i) / static_cast<float>(n) - 1.0f);
        const float angle = (pan + 1.0f) * 0.25f * PI;
        w.left[i] = s[i] * std::cos(angle);
        w.right[i] = s[i] * std::sin(angle);
    }
    w.fade_edges(0.003, 0.03);
    w.normalise(0.7f);
    return w;
}

// A short effort and the swish of cloth. c = length.
Wave jump(std::uint64_t seed, const SoundEffects::Params& p) {
    Noise noise(seed);
    Biquad band;
    Mono cloth = Shaping::render(p.c, [&](float t) {
        const float u = t / p.c;
        band.design(Kind::BANDPASS, 700.0f + 1800.0f * u, 1.2f);
        return band.process(noise.pink()) * std::sin(PI * u) * 2.0f;
    });
    Mono effort = Voice::speak(p.text, {"en+m3", 30, 20, 300});
    Shaping::trim(effort, 0.01f);
    effort = Shaping::warp(effort, 1.1f, 1.0f);
    Shaping::fit(effort, 0.0, p.c * 0.7);
    Shaping::fade(effort, 0.005, 0.05);
    Shaping::normalise(effort, 0.5f);
    add_into(cloth, effort, 1.0f);
    return finish(cloth, 0.0f, 0.1f, 0.4f, p.c);
}

// Fire launched or bursting: a whoosh rising from a low roar. a = top of the sweep, b = roar level,
// c = length.
Wave fire_whoosh(std::uint64_t seed, const SoundEffects::Params& p) {
    Noise noise(seed);
    Biquad band, lp;
    Wander flicker(seed + 7, 12.0f);
    const float len = p.c;
    Mono s = Shaping::render(len, [&](float t) {
        const float u = t / len;
        band.design(Kind::BANDPASS, 250.0f + p.a * std::sqrt(u), 1.5f);
        lp.design(Kind::LOWPASS, 500.0f + 1500.0f * (1.0f - u), 0.7f);
        const float flame = 0.4f + 1.0f * flicker.next();
        const float env = Envelope::strike(t, len * 0.15f, len * 0.35f);
        return (band.process(noise.white()) + p.b * lp.process(noise.brown()) * flame) * env;
    });
    add_into(s, crackle(seed + 3, len, 90.0f, 2500.0f, len * 0.5f), 0.5f);
    Mono l = s;
    add_into(s, crackle(seed + 5, len, 90.0f, 3000.0f, len * 0.5f), 0.5f);
    return finish_wide(l, s, 0.25f, 0.6f, len);
}

// A roaring burst of flame. c = length.
Wave flame(std::uint64_t seed, const SoundEffects::Params& p) {
    const float len = p.c;
    auto take = [&](std::uint64_t s) {
        Noise noise(s);
        Biquad lp, band;
        Wander flicker(s + 11, 9.0f);
        const Envelope shape({{0.0f, 0.0f}, {0.08f, 1.0f}, {len * 0.5f, 0.7f}, {len, 0.0f}});
        Mono m = Shaping::render(len, [&](float t) {
            lp.design(Kind::LOWPASS, 700.0f + 900.0f * shape.at(t), 0.9f);
            const float f = flicker.next();
            band.design(Kind::BANDPASS, 1000.0f + 900.0f * f, 1.0f);
            const float roar = lp.process(noise.brown() + 0.3f * noise.pink());
            return (roar * 1.5f + 0.3f * band.process(noise.white())) * shape.at(t) * (0.4f + 1.0f * f);
        });
        add_into(m, crackle(s + 2, len, 60.0f, 3200.0f, len * 0.6f), 0.6f);
        return m;
    };
    return finish_wide(take(seed), take(seed + 100), 0.2f, 0.5f, len);
}

// --- Impacts ---

// A body landing on earth. c = length.
Wave thud(std::uint64_t seed, const SoundEffects::Params& p) {
    Mono s = thump(p.c, 110.0f, 48.0f, 0.03f, 0.08f);
    add_into(s, dark_burst(seed, p.c, 1500.0f, 200.0f, 0.05f), 0.8f);
    add_into(s, crackle(seed + 1, p.c, 120.0f, 1800.0f, 0.08f), 0.3f, static_cast<std::size_t>(0.01 * Wave::RATE));
    return finish(s, 0.0f, 0.1f, 0.4f, p.c);
}

// A heavy impact on stone with grit falling. c = length.
Wave crush(std::uint64_t seed, const SoundEffects::Params& p) {
    Rng rng(seed);
    Mono s = thump(p.c, 150.0f, 42.0f, 0.04f, 0.18f);
    Noise noise(seed + 1);
    std::vector<Resonator::Mode> stone;
    for (int i = 0; i < 6; ++i) stone.push_back({rng.range(250.0f, 1400.0f), rng.range(0.05f, 0.15f), 1.0f});
    Resonator rock(stone);
    add_into(s, Shaping::render(p.c, [&](float t) { return rock.process(noise.white() * Envelope::strike(t, 0.001f, 0.01f)) * 0.15f; }), 0.8f);
    add_into(s, dark_burst(seed + 2, p.c, 4000.0f, 300.0f, 0.08f), 0.7f);
    add_into(s, crackle(seed + 3, p.c, 200.0f, 2200.0f, 0.25f), 0.5f, static_cast<std::size_t>(0.03 * Wave::RATE));
    Shaping::saturate(s, 1.5f);
    return finish(s, 0.0f, 0.3f, 0.7f, p.c);
}

// A heavy, deep hit. c = length.
Wave major_hit(std::uint64_t seed, const SoundEffects::Params& p) {
    Mono s = thump(p.c, 160.0f, 50.0f, 0.025f, 0.14f);
    add_into(s, dark_burst(seed, p.c, 2500.0f, 250.0f, 0.03f), 0.9f);
    Shaping::saturate(s, 2.2f);
    return finish(s, 0.0f, 0.2f, 0.6f, p.c);
}

// --- Weather ---

// A crack, then a rumble that rolls away in a few swells. a = swells, c = length.
Wave thunder(std::uint64_t seed, const SoundEffects::Params& p) {
    const float len = p.c;
    auto take = [&](std::uint64_t s) {
        Rng rng(s);
        Noise noise(s + 1);
        Biquad low, mid;
        Biquad hp(Kind::HIGHPASS, 1500.0f, 0.7f);
        // The clap itself first, then later echoes from the clouds, each weaker.
        std::vector<float> swell_at = {0.02f}, swell_gain = {1.0f};
        for (int i = 1; i < static_cast<int>(p.a); ++i) {
            swell_at.push_back(rng.range(0.2f, len * 0.55f));
            swell_gain.push_back(rng.range(0.35f, 0.8f));
        }
        Wander slow(s + 2, 3.0f);
        return Shaping::render(len, [&](float t) {
            float env = 0.0f;
            for (std::size_t i = 0; i < swell_at.size(); ++i) env += swell_gain[i] * Envelope::strike(t - swell_at[i], 0.08f, 0.45f);
            env *= std::exp(-t / (len * 0.5f));
            low.design(Kind::LOWPASS, 150.0f + 700.0f * std::exp(-t / 0.5f), 0.7f);
            mid.design(Kind::BANDPASS, 300.0f + 500.0f * std::exp(-t / 0.8f), 0.8f);
            const float flutter = 0.5f + 1.0f * slow.next();
            const float rumble = (low.process(noise.brown()) * 2.5f + mid.process(noise.white()) * 0.35f) * env * flutter;
            const float crack = hp.process(noise.white()) * Envelope::strike(t, 0.003f, 0.07f) * 0.5f;
            return rumble + crack;
        });
    };
    return finish_wide(take(seed), take(seed + 50), 0.5f, 1.3f, len);
}

// Seamless gusting wind with a faint whistle. c = loop length.
Wave wind(std::uint64_t seed, const SoundEffects::Params& p) {
    const double extra = 2.0;
    auto take = [&](std::uint64_t s) {
        Noise noise(s);
        Biquad band, whistle;
        Wander gust(s + 3, 0.4f), drift(s + 4, 0.25f);
        return Shaping::render(p.c + extra, [&](float) {
            const float g = gust.next();
            const float d = drift.next();
            band.design(Kind::BANDPASS, 300.0f + 900.0f * g, 0.8f);
            whistle.design(Kind::BANDPASS, 600.0f + 500.0f * d, 14.0f);
            const float n = noise.pink();
            return (band.process(n) * (0.3f + 1.4f * g) + whistle.process(noise.white()) * 0.25f * d);
        });
    };
    Wave w;
    Mono l = take(seed), r = take(seed + 77);
    // Skip the first second, while the filters settle.
    const std::size_t settle = static_cast<std::size_t>(1.0 * Wave::RATE);
    w.add_mono(Mono(l.begin() + static_cast<long>(settle), l.end()), 0, 1.0f, -0.7f);
    w.add_mono(Mono(r.begin() + static_cast<long>(settle), r.end()), 0, 1.0f, 0.7f);
    w.crossfade_loop(static_cast<std::size_t>(p.c * Wave::RATE));
    w.normalise(0.7f);
    return w;
}

// Seamless rain: a hiss of many drops with single near drops on top. c = loop length.
Wave rain(std::uint64_t seed, const SoundEffects::Params& p) {
    const double extra = 1.0;
    auto take = [&](std::uint64_t s) {
        Noise noise(s);
        Rng rng(s + 9);
        Biquad hiss_hp(Kind::HIGHPASS, 1800.0f, 0.7f), hiss_lp(Kind::LOWPASS, 5500.0f, 0.7f);
        Biquad bed(Kind::LOWPASS, 1000.0f, 0.7f);
        Wander swell(s + 10, 0.3f);
        Mono m = Shaping::render(p.c + extra, [&](float) {
            const float level = 0.7f + 0.6f * swell.next();
            return hiss_lp.process(hiss_hp.process(noise.white())) * 0.35f * level + bed.process(noise.pink()) * 0.7f;
        });
        // Individual drops: tiny rising chirps, like drops hitting puddles.
        const int drops = static_cast<int>((p.c + extra) * 60.0);
        for (int i = 0; i < drops; ++i) {
            const std::size_t at = static_cast<std::size_t>(rng.unit() * (m.size() - 800));
            const float f0 = rng.range(1500.0f, 4500.0f);
            const float gain = rng.range(0.05f, 0.3f);
            Oscillator osc(Oscillator::Shape::SINE);
            for (std::size_t k = 0; k < 600; ++k) {
                const float t = static_cast<float>(k) / Wave::RATE;
                m[at + k] += osc.next(f0 * (1.0f + 8.0f * t)) * gain * Envelope::strike(t, 0.0005f, 0.006f);
            }
        }
        return m;
    };
    Wave w;
    w.add_mono(take(seed), 0, 1.0f, -0.6f);
    w.add_mono(take(seed + 31), 0, 1.0f, 0.6f);
    w.crossfade_loop(static_cast<std::size_t>(p.c * Wave::RATE));
    w.normalise(0.7f);
    return w;
}

// --- Magic ---

// A fireball exploding. c = length.
Wave explosion(std::uint64_t seed, const SoundEffects::Params& p) {
    Mono s = thump(p.c, 120.0f, 38.0f, 0.06f, 0.25f);
    add_into(s, dark_burst(seed, p.c, 6000.0f, 250.0f, 0.18f), 1.2f);
    add_into(s, crackle(seed + 1, p.c, 150.0f, 2800.0f, 0.3f), 0.6f, static_cast<std::size_t>(0.02 * Wave::RATE));
    Shaping::saturate(s, 1.8f);
    Mono r = s;
    add_into(r, crackle(seed + 2, p.c, 150.0f, 3500.0f, 0.3f), 0.6f, static_cast<std::size_t>(0.02 * Wave::RATE));
    return finish_wide(s, r, 0.35f, 0.8f, p.c);
}

// A magical whoosh: noise sweeping up under a rising shimmer of sines. c = length.
Wave teleport(std::uint64_t seed, const SoundEffects::Params& p) {
    Noise noise(seed);
    Biquad band;
    Oscillator a(Oscillator::Shape::SINE), b(Oscillator::Shape::SINE), c(Oscillator::Shape::SINE);
    const float len = p.c;
    Mono s = Shaping::render(len, [&](float t) {
        const float u = t / len;
        const float env = std::sin(PI * u) * std::sin(PI * u);
        band.design(Kind::BANDPASS, 300.0f * std::pow(15.0f, u), 2.5f);
        const float f = 400.0f * std::pow(4.0f, u);
        const float shimmer = (a.next(f) + 0.6f * b.next(f * 1.5f) + 0.4f * c.next(f * 2.01f)) * (0.5f + 0.5f * std::sin(2 * PI * 18.0f * t));
        return band.process(noise.white()) * env * 1.2f + shimmer * env * 0.25f;
    });
    return finish(s, 0.0f, 0.5f, 1.0f, len);
}

// A rising electric hum with crackle, held while the charge builds. c = length.
Wave lightning_charge(std::uint64_t seed, const SoundEffects::Params& p) {
    Oscillator hum(Oscillator::Shape::SAW), hum2(Oscillator::Shape::SQUARE);
    Biquad lp;
    Rng rng(seed);
    Noise noise(seed + 1);
    Biquad spark_band(Kind::HIGHPASS, 2500.0f, 0.7f);
    float spark = 0.0f;
    const float len = p.c;
    Mono s = Shaping::render(len, [&](float t) {
        const float u = t / len;
        const float f = 70.0f * std::pow(3.0f, u);
        lp.design(Kind::LOWPASS, 400.0f + 3000.0f * u, 2.0f);
        const float body = lp.process(hum.next(f) + 0.5f * hum2.next(f * 1.007f)) * (0.2f + 0.8f * u);
        if (rng.unit() < (20.0f + 300.0f * u) / Wave::RATE) spark = rng.range(0.5f, 1.0f);
        spark *= 0.9f;
        return body * 0.6f + spark_band.process(noise.white() * spark) * u;
    });
    return finish(s, 0.0f, 0.15f, 0.5f, len);
}

// A sharp electric crack and a sizzle. c = length.
Wave lightning_cast(std::uint64_t seed, const SoundEffects::Params& p) {
    Noise noise(seed);
    Rng rng(seed + 1);
    Biquad hp(Kind::HIGHPASS, 1200.0f, 0.7f);
    float spark = 0.0f;
    Mono s = Shaping::render(p.c, [&](float t) {
        if (rng.unit() < 900.0f * std::exp(-t / 0.12f) / Wave::RATE) spark = rng.range(0.5f, 1.0f);
        spark *= 0.85f;
        const float crack = noise.white() * Envelope::strike(t, 0.0003f, 0.012f) * 1.5f;
        return hp.process(crack + noise.white() * spark * 0.8f);
    });
    add_into(s, thump(p.c, 140.0f, 45.0f, 0.05f, 0.15f), 0.6f);
    return finish(s, 0.0f, 0.4f, 1.0f, p.c);
}

// --- Gore ---

// A wet slice: a fast cut followed by a squelch of band-passed noise. a = cut brightness in Hz,
// b = squelch level, c = length.
Wave wet_slash(std::uint64_t seed, const SoundEffects::Params& p) {
    Noise noise(seed);
    Biquad cut, squelch, squelch2;
    Wander wobble(seed + 1, 30.0f);
    Mono s = Shaping::render(p.c, [&](float t) {
        cut.design(Kind::BANDPASS, p.a * (1.0f - 0.5f * std::min(t / 0.08f, 1.0f)), 2.0f);
        const float slice = cut.process(noise.white()) * Envelope::strike(t, 0.004f, 0.035f);
        const float w = wobble.next();
        squelch.design(Kind::BANDPASS, 250.0f + 900.0f * w, 4.0f);
        squelch2.design(Kind::BANDPASS, 600.0f + 1400.0f * w, 5.0f);
        const float wet = (squelch.process(noise.white()) + 0.6f * squelch2.process(noise.white())) *
                          Envelope::strike(t - 0.03f, 0.02f, 0.15f) * p.b;
        return slice + wet;
    });
    add_into(s, thump(p.c, 120.0f, 60.0f, 0.02f, 0.06f), 0.4f);
    return finish(s, 0.0f, 0.15f, 0.5f, p.c);
}

// Many small wet bursts at random times: splatter, splashing water. a = bursts, b = centre
// frequency, c = length.
Mono splatter(std::uint64_t seed, float count, float centre, float length, bool bubbles) {
    Rng rng(seed);
    Mono s(static_cast<std::size_t>(length * Wave::RATE), 0.0f);
    for (int i = 0; i < static_cast<int>(count); ++i) {
        const float at = std::pow(rng.unit(), 2.0f) * length * 0.7f;
        const std::size_t start = static_cast<std::size_t>(at * Wave::RATE);
        const float f = centre * rng.range(0.6f, 1.6f);
        const float gain = rng.range(0.2f, 1.0f) * std::exp(-at / (length * 0.4f));
        Noise noise(rng.next());
        Biquad band(Kind::BANDPASS, f, 3.0f);
        Oscillator osc(Oscillator::Shape::SINE);
        const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(0.05 * Wave::RATE), s.size() - start);
        for (std::size_t k = 0; k < n; ++k) {
            const float t = static_cast<float>(k) / Wave::RATE;
            const float env = Envelope::strike(t, 0.001f, 0.012f);
            const float bubble = bubbles ? osc.next(f * (1.0f + 25.0f * t)) * 0.7f : 0.0f;
            s[start + k] += (band.process(noise.white()) * 2.0f + bubble) * env * gain;
        }
    }
    return s;
}

// A body bursting apart. c = length.
Wave bodyburst(std::uint64_t seed, const SoundEffects::Params& p) {
    Mono s = thump(p.c, 130.0f, 45.0f, 0.04f, 0.15f);
    add_into(s, dark_burst(seed, p.c, 2500.0f, 300.0f, 0.12f), 1.0f);
    Mono l = s;
    add_into(s, splatter(seed + 1, p.a, p.b, p.c, false), 0.8f);
    add_into(l, splatter(seed + 2, p.a, p.b, p.c, false), 0.8f);
    return finish_wide(l, s, 0.2f, 0.6f, p.c);
}

// A boss bursting: a deep boom and a long tearing hiss. c = length.
Wave deathburst(std::uint64_t seed, const SoundEffects::Params& p) {
    const float len = p.c;
    auto take = [&](std::uint64_t s) {
        Mono m = thump(len, 90.0f, 30.0f, 0.1f, 0.45f);
        add_into(m, dark_burst(s, len, 3000.0f, 150.0f, 0.3f), 1.0f);
        Noise noise(s + 1);
        Biquad hp(Kind::HIGHPASS, 2200.0f, 0.7f);
        Wander rip(s + 2, 70.0f);
        add_into(m, Shaping::render(len, [&](float t) {
            // Fast random gating of the hiss is what makes it sound torn rather than blown.
            const float tear = rip.next();
            return hp.process(noise.white()) * tear * Envelope::strike(t - 0.05f, 0.1f, len * 0.4f) * 0.6f;
        }), 1.0f);
        add_into(m, splatter(s + 3, 30.0f, 900.0f, len, false), 0.5f);
        Shaping::saturate(m, 1.6f);
        return m;
    };
    return finish_wide(take(seed), take(seed + 40), 0.45f, 1.2f, len);
}

// Water splashing: a burst of spray with bubbles. c = length.
Wave splash(std::uint64_t seed, const SoundEffects::Params& p) {
    Noise noise(seed);
    Biquad hp(Kind::HIGHPASS, 900.0f, 0.7f), lp(Kind::LOWPASS, 6000.0f, 0.7f);
    Mono s = Shaping::render(p.c, [&](float t) { return lp.process(hp.process(noise.white())) * Envelope::strike(t, 0.01f, 0.12f) * 0.8f; });
    Mono l = s;
    add_into(s, splatter(seed + 1, p.a, p.b, p.c, true), 0.7f);
    add_into(l, splatter(seed + 2, p.a, p.b, p.c, true), 0.7f);
    return finish_wide(l, s, 0.15f, 0.5f, p.c);
}

Wave grunt(std::uint64_t seed, const SoundEffects::Params& p) { return VoiceRecipes::grunt(seed, p); }
Wave death_cry(std::uint64_t seed, const SoundEffects::Params& p) { return VoiceRecipes::death_cry(seed, p); }
Wave scream(std::uint64_t seed, const SoundEffects::Params& p) { return VoiceRecipes::scream(seed, p); }
Wave taunt(std::uint64_t seed, const SoundEffects::Params& p) { return VoiceRecipes::taunt(seed, p); }
}

const std::vector<SoundEffects::Entry>& SoundEffects::table() {
    using T = Loudness::Tier;
    static const std::vector<Entry> entries = {
        {"clash1", clash, 101, {2350.0f, 0.6f, 0.6f, nullptr}, T::MEDIUM},
        {"clash2", clash, 102, {1980.0f, 0.45f, 0.7f, nullptr}, T::MEDIUM},
        {"clash3", clash, 103, {2700.0f, 0.75f, 0.5f, nullptr}, T::MEDIUM},
        {"oof1", grunt, 201, {28.0f, 0.85f, 0.4f, "ugh"}, T::MEDIUM},
        {"oof2", grunt, 202, {10.0f, 0.72f, 0.35f, "oof"}, T::MEDIUM},
        {"oof3", grunt, 203, {35.0f, 0.9f, 0.4f, "hugh"}, T::MEDIUM},
        {"oof4", grunt, 204, {15.0f, 0.78f, 0.45f, "argh"}, T::MEDIUM},
        {"die1", death_cry, 301, {40.0f, 0.7f, 1.3f, "aaaaaarrgh"}, T::LOUD},
        {"die2", death_cry, 302, {30.0f, 0.65f, 1.2f, "nooooooh"}, T::LOUD},
        {"die3", death_cry, 303, {45.0f, 0.72f, 1.1f, "aaaaagh"}, T::LOUD},
        {"jump", jump, 401, {0.0f, 0.0f, 0.3f, "hup"}, T::SOFT},
        {"thud", thud, 402, {0.0f, 0.0f, 0.35f, nullptr}, T::SOFT},
        {"swish1", swish, 501, {2600.0f, 0.6f, 0.28f, nullptr}, T::SOFT},
        {"swish2", swish, 502, {3200.0f, -0.7f, 0.24f, nullptr}, T::SOFT},
        {"swish3", swish, 503, {2200.0f, 0.5f, 0.33f, nullptr}, T::SOFT},
        {"thunder1", thunder, 601, {4.0f, 0.0f, 3.5f, nullptr}, T::LOUD},
        {"thunder2", thunder, 602, {6.0f, 0.0f, 4.5f, nullptr}, T::LOUD},
        {"thunder3", thunder, 603, {3.0f, 0.0f, 2.8f, nullptr}, T::LOUD},
        {"wind", wind, 701, {0.0f, 0.0f, 10.0f, nullptr}, T::AMBIENT},
        {"rain", rain, 702, {0.0f, 0.0f, 8.0f, nullptr}, T::AMBIENT},
        {"bolt_hit2", explosion, 801, {0.0f, 0.0f, 0.8f, nullptr}, T::LOUD},
        {"teleport", teleport, 802, {0.0f, 0.0f, 0.75f, nullptr}, T::MEDIUM},
        {"lightning_charge", lightning_charge, 803, {0.0f, 0.0f, 1.2f, nullptr}, T::MEDIUM},
        {"lightning_cast", lightning_cast, 804, {0.0f, 0.0f, 0.7f, nullptr}, T::LOUD},
        {"wield", wield, 805, {3100.0f, 0.0f, 0.5f, nullptr}, T::MEDIUM},
        {"firerain", fire_whoosh, 806, {1800.0f, 1.2f, 1.5f, nullptr}, T::MEDIUM},
        {"bolt_shot", fire_whoosh, 807, {2500.0f, 0.6f, 0.45f, nullptr}, T::MEDIUM},
        {"crush", crush, 808, {0.0f, 0.0f, 0.6f, nullptr}, T::LOUD},
        {"boss_taunt1", taunt, 901, {0.8f, 0.6f, 120.0f, "You cannot win."}, T::VOICE},
        {"boss_taunt2", taunt, 902, {0.78f, 0.7f, 115.0f, "Kneel before me!"}, T::VOICE},
        {"boss_taunt3", taunt, 903, {0.82f, 0.6f, 125.0f, "Your blood is mine!"}, T::VOICE},
        {"dismemb1", wet_slash, 1001, {3000.0f, 1.0f, 0.6f, nullptr}, T::MEDIUM},
        {"dismemb2", wet_slash, 1002, {2400.0f, 1.3f, 0.7f, nullptr}, T::MEDIUM},
        {"dismemb3", wet_slash, 1003, {3600.0f, 0.9f, 0.5f, nullptr}, T::MEDIUM},
        {"bodyburst", bodyburst, 1101, {40.0f, 700.0f, 0.8f, nullptr}, T::LOUD},
        {"flame", flame, 1102, {0.0f, 0.0f, 1.0f, nullptr}, T::SOFT},
        {"major_hit", major_hit, 1103, {0.0f, 0.0f, 0.5f, nullptr}, T::LOUD},
        {"child_yell", scream, 1201, {1.3f, 5.0f, 0.9f, "aaaaaaah"}, T::LOUD},
        {"woman_yell", scream, 1202, {1.05f, 3.0f, 1.0f, "aaaaaaiiiii"}, T::LOUD},
        {"deathburst", deathburst, 1301, {0.0f, 0.0f, 1.6f, nullptr}, T::LOUD},
        {"decap2", wet_slash, 1302, {5000.0f, 0.7f, 0.5f, nullptr}, T::MEDIUM},
        {"splash", splash, 1401, {45.0f, 1200.0f, 0.7f, nullptr}, T::MEDIUM},
    };
    return entries;
}

Wave SoundEffects::make(const Entry& entry) { return entry.recipe(entry.seed, entry.params); }

bool SoundEffects::write_all(const std::string& folder) {
    int serial = 1000;
    for (const Entry& entry : table()) {
        Wave wave = make(entry);
        Loudness::apply(wave, entry.tier);
        if (!OggWriter::write(folder + "/sfx/" + entry.name + ".ogg", wave, serial++, 0.4f)) return false;
    }
    return true;
}
}
