#pragma once
// A stand-in for the player, installed for its lifetime: answers the game from a list of
// events at once, without threads or timing. Each poll takes the next event (the game takes
// at most one a frame); a wait takes the next one too, or a request to close the window
// once the list is used up, so that a forgotten key ends the test instead of hanging it.
// Discarding drops nothing: this player presses its keys only when the game listens.
// A test may look on, or answer, at every poll through `each_poll`.
#include <SDL.h>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "core/EventSource.h"
#include "core/Events.h"

class ScriptedEvents : public EventSource {
  public:
    explicit ScriptedEvents(std::vector<SDL_Event> events)
        : events(std::move(events)), keyboard(SDLK_LAST, 0) {
        Events::reset();
        previous = Events::use(this);
    }
    ScriptedEvents(std::initializer_list<SDLKey> keys) : ScriptedEvents(presses(keys)) {}
    ~ScriptedEvents() override {
        Events::use(previous);
        Events::reset();
    }
    ScriptedEvents(const ScriptedEvents&) = delete;
    ScriptedEvents& operator=(const ScriptedEvents&) = delete;

    bool poll(SDL_Event& event) override {
        if (each_poll && each_poll(event)) return true;
        if (next == events.size()) return false;
        event = events[next++];
        return true;
    }
    bool wait(SDL_Event& event) override {
        if (!poll(event)) event = close();
        return true;
    }
    bool discard() override { return false; }
    const Uint8* keys() override { return keyboard.data(); }

    bool used_up() const { return next == events.size(); }

    // Called first at every poll; true answers the poll with the event it set.
    std::function<bool(SDL_Event&)> each_poll;

    static SDL_Event key(SDLKey sym) {
        SDL_Event e = {};
        e.type = SDL_KEYDOWN;
        e.key.type = SDL_KEYDOWN;
        e.key.state = SDL_PRESSED;
        e.key.keysym.sym = sym;
        return e;
    }
    static SDL_Event close() {
        SDL_Event e = {};
        e.type = SDL_QUIT;
        return e;
    }
    static std::vector<SDL_Event> presses(std::initializer_list<SDLKey> keys) {
        std::vector<SDL_Event> list;
        for (SDLKey k : keys)
            list.push_back(key(k));
        return list;
    }

  private:
    std::vector<SDL_Event> events;
    size_t next = 0;
    std::vector<Uint8> keyboard;
    EventSource* previous = nullptr;
};
