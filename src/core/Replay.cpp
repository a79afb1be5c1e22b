#include "core/Replay.h"

#include <array>
#include <cstdlib>

#include "core/Error.h"
#include "core/EventSource.h"
#include "core/Events.h"
#include "core/Random.h"
#include "core/ReplayReader.h"
#include "core/ReplayWriter.h"

using Kind = ReplayFormat::Kind;

namespace {
enum Mode { OFF, RECORDING, PLAYING };

Mode mode = OFF;
ReplayWriter writer;
ReplayReader reader;
EventSource* live = nullptr;
long frames_of_play = 0;
// The last clock reading, from which the next one is told.
int64_t last_clock = 0;
// Playback: the game no longer plays the recording, or the player asked to close it.
bool differed = false;
bool interrupted = false;

const uint64_t DEMO_FIRST = 1;

// Logs the first difference between the game and its recording; the playback then ends
// as a request to close the game would end it.
void differ() {
    if (differed || interrupted) return;
    differed = true;
    Error::note("Replay: The game no longer plays this recording the same way (frame " +
                std::to_string(frames_of_play) + ")");
}

// The next reading of `kind`; a recording that has none left differs from the game.
bool take(Kind kind, std::string& value) {
    if (reader.next(kind, value)) return true;
    differ();
    return false;
}

// While playing back, and neither stopped nor gone astray.
bool answering() {
    return mode == PLAYING && !differed && !interrupted;
}

// Passes the live input on and records what the game takes of it.
class RecordingEvents : public EventSource {
  public:
    bool poll(SDL_Event& event) override {
        const bool taken = live->poll(event);
        writer.add(ReplayFormat::POLL, ReplayFormat::event(taken ? &event : nullptr));
        return taken;
    }
    bool wait(SDL_Event& event) override {
        const bool taken = live->wait(event);
        // Nothing came of the wait: no event is recorded, the game closes alike.
        writer.add(ReplayFormat::WAIT, ReplayFormat::event(taken ? &event : nullptr));
        return taken;
    }
    bool discard() override {
        const bool close = live->discard();
        writer.add(ReplayFormat::DISCARD, ReplayFormat::flag(close));
        return close;
    }
    const Uint8* keys() override {
        const Uint8* state = live->keys();
        writer.add(ReplayFormat::KEYS, ReplayFormat::keys(state));
        return state;
    }
};

// Answers the game from the recording; of the live input only a request to close the
// game counts, and ends the playback.
class PlaybackEvents : public EventSource {
  public:
    bool poll(SDL_Event& event) override { return answer(ReplayFormat::POLL, event); }
    bool wait(SDL_Event& event) override { return answer(ReplayFormat::WAIT, event); }
    bool discard() override {
        if (stopped()) return true;
        std::string value;
        return !take(ReplayFormat::DISCARD, value) || ReplayFormat::flag(value);
    }
    const Uint8* keys() override {
        std::string value;
        if (stopped() || !take(ReplayFormat::KEYS, value) ||
            !ReplayFormat::keys(value, state.data()))
            state.fill(0);
        return state.data();
    }

  private:
    // The recorded event, or none; a request to close the game once the playback ends.
    static bool answer(Kind kind, SDL_Event& event) {
        std::string value;
        if (stopped() || !take(kind, value)) return close(event);
        if (value == ReplayFormat::event(nullptr)) return false;
        if (ReplayFormat::event(value, event)) return true;
        differ();
        return close(event);
    }
    // Looks at the live input for a request to close the game.
    static bool stopped() {
        SDL_Event event;
        while (!interrupted && live->poll(event))
            if (event.type == SDL_QUIT) {
                interrupted = true;
                Error::note("Replay: Stopped by a request to close the game (frame " +
                            std::to_string(frames_of_play) + ")");
            }
        return interrupted || differed;
    }
    static bool close(SDL_Event& event) {
        event = SDL_Event();
        event.type = SDL_QUIT;
        return true;
    }

    std::array<Uint8, SDLK_LAST> state{};
};

RecordingEvents recording_events;
PlaybackEvents playback_events;

// A halt ends the process without unwinding: the recording is completed on the way out,
// so that the session up to the halt can be played again.
void finish_on_halt() {
    if (mode == RECORDING) writer.finish();
}

void begin(Mode m) {
    static bool hooked = false;
    if (!hooked) hooked = at_quick_exit(finish_on_halt) == 0;
    mode = m;
    frames_of_play = 0;
    last_clock = 0;
    differed = false;
    interrupted = false;
}
} // namespace

std::string Replay::record(const std::string& path) {
    end();
    if (!writer.open(path)) return "Replay: Cannot write the recording '" + path + "'";
    begin(RECORDING);
    writer.add(ReplayFormat::RANDOM, Random::state());
    live = Events::use(&recording_events);
    Error::note("Replay: Recording the session into '" + path + "'");
    return "";
}

std::string Replay::play(const std::string& path) {
    end();
    const std::string why = reader.load(path);
    if (!why.empty()) return why;
    std::string generator;
    if (!reader.next(ReplayFormat::RANDOM, generator) ||
        !Random::restore(generator))
        return "Replay: '" + path + "' is damaged (it holds no state of the generator)";
    begin(PLAYING);
    live = Events::use(&playback_events);
    Error::note("Replay: Playing back '" + path + "'");
    return "";
}

bool Replay::end() {
    if (mode == OFF) return true;
    Events::use(live);
    live = nullptr;
    bool faithful = true;
    if (mode == RECORDING) {
        faithful = writer.finish();
        if (!faithful) Error::note("Replay: The recording could not be written whole");
    } else {
        if (!differed && !interrupted && !reader.used_up()) differ();
        if (!differed && !interrupted) Error::note("Replay: Played to its end as recorded");
        faithful = !differed;
    }
    mode = OFF;
    return faithful;
}

bool Replay::recording() {
    return mode == RECORDING;
}

bool Replay::playing() {
    return mode == PLAYING;
}

Uint32 Replay::clock(Uint32 reading) {
    std::string value;
    if (mode == RECORDING) {
        ReplayFormat::put_signed(value, static_cast<int64_t>(reading) - last_clock);
        writer.add(ReplayFormat::CLOCK, value);
        last_clock = reading;
        return reading;
    }
    if (!answering()) return reading;
    size_t at = 0;
    int64_t step = 0;
    if (!take(ReplayFormat::CLOCK, value) || !ReplayFormat::get_signed(value, at, step)) {
        differ();
        return reading;
    }
    last_clock += step;
    return static_cast<Uint32>(last_clock);
}

namespace {
bool flag(Kind kind, bool reading) {
    if (mode == RECORDING) writer.add(kind, ReplayFormat::flag(reading));
    if (!answering()) return reading;
    std::string value;
    return take(kind, value) && ReplayFormat::flag(value);
}
} // namespace

bool Replay::speech_sounding(bool reading) {
    return flag(ReplayFormat::SPEECH, reading);
}

bool Replay::music_playing(bool reading) {
    return flag(ReplayFormat::MUSIC, reading);
}

// The choices as one number (a demo first: 1), the count of stories, then each story's
// name and progress.
void Replay::start_of_session(Start& start) {
    std::string value;
    if (mode == RECORDING) {
        ReplayFormat::put_number(value, start.demo ? DEMO_FIRST : 0);
        ReplayFormat::put_number(value, start.saves.size());
        for (const auto& save : start.saves) {
            ReplayFormat::put_text(value, save.first);
            ReplayFormat::put_signed(value, save.second);
        }
        writer.add(ReplayFormat::START, value);
        return;
    }
    if (!answering() || !take(ReplayFormat::START, value)) return;
    Start recorded;
    size_t at = 0;
    uint64_t choices = 0, stories = 0;
    bool whole = ReplayFormat::get_number(value, at, choices) &&
                 ReplayFormat::get_number(value, at, stories);
    for (uint64_t i = 0; whole && i < stories; ++i) {
        std::string name;
        int64_t progress = 0;
        whole = ReplayFormat::get_text(value, at, name) &&
                ReplayFormat::get_signed(value, at, progress);
        recorded.saves.emplace_back(name, static_cast<int>(progress));
    }
    if (!whole || at != value.size()) {
        differ();
        return;
    }
    recorded.demo = (choices & DEMO_FIRST) != 0;
    start = recorded;
}

void Replay::frame_played(uint64_t (*digest)()) {
    if (mode == OFF) return;
    ++frames_of_play;
    if (frames_of_play % DIGEST_FRAMES != 0) return;
    std::string value;
    ReplayFormat::put_number(value, static_cast<uint64_t>(frames_of_play));
    ReplayFormat::put_number(value, digest());
    if (mode == RECORDING) {
        writer.add(ReplayFormat::DIGEST, value);
        return;
    }
    std::string recorded;
    if (answering() && take(ReplayFormat::DIGEST, recorded) && recorded != value) differ();
}

long Replay::frames() {
    return frames_of_play;
}
