#include "core/Pads.h"

#include <sys/stat.h>

#include <cstdlib>
#include <deque>
#include <string>

#include "core/Error.h"

namespace {
// The standard layout as sdl12-compat numbers it: SDL's game-controller buttons and axes.
enum Button {
    BUTTON_A = 0,
    BUTTON_B = 1,
    BUTTON_BACK = 4,
    BUTTON_START = 6,
    DPAD_UP = 11,
    DPAD_DOWN = 12,
    DPAD_LEFT = 13,
    DPAD_RIGHT = 14,
};
enum Axis { LEFT_X = 0, LEFT_Y = 1 };

// A stick counts as pushed past half way and as let go under a quarter, so that a stick
// resting near the line does not flicker.
const int PUSHED = 16384;
const int LET_GO = 8192;

enum Control { UP, DOWN, LEFT, RIGHT, SWORD, SKIP, PAUSE, LEAVE, CONTROLS };
// The controls that play: each player's keys for them.
const int PLAYING = SWORD + 1;
const SDLKey PLAYER_KEYS[Pads::PLAYERS][PLAYING] = {
    {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_SPACE},
    {SDLK_w, SDLK_s, SDLK_a, SDLK_d, SDLK_f},
};
// The key each control presses on any pad, for the menu, the pages and the level's keys.
const SDLKey PRESS_KEYS[CONTROLS] = {SDLK_UP,    SDLK_DOWN, SDLK_LEFT,  SDLK_RIGHT,
                                     SDLK_SPACE, SDLK_TAB,  SDLK_PAUSE, SDLK_ESCAPE};

struct Pad {
    SDL_Joystick* joystick = nullptr;
    bool held[CONTROLS] = {};
};

Pad pads[Pads::PLAYERS];
int open_pads = 0;
std::deque<SDLKey> presses;
// A level takes one press a frame; presses beyond these are too old to mean anything.
const size_t MOST_WAITING = 16;

// The device folder is looked at once a second; a change is acted on once it has settled
// for a look, so that the system has finished setting the new device up.
const char* const DEVICE_FOLDER = "/dev/input";
const Uint32 LOOK_PERIOD = 1000;
bool watching = false;
Uint32 last_look = 0;
struct timespec seen_change = {};
bool settling = false;

bool button(const Pad& pad, int b) { return SDL_JoystickGetButton(pad.joystick, b) != 0; }

bool tilted(const Pad& pad, int axis, int sign, Control c) {
    const int amount = sign * SDL_JoystickGetAxis(pad.joystick, axis);
    return amount > (pad.held[c] ? LET_GO : PUSHED);
}

bool reads(const Pad& pad, Control c) {
    switch (c) {
    case UP:
        return button(pad, DPAD_UP) || tilted(pad, LEFT_Y, -1, c);
    case DOWN:
        return button(pad, DPAD_DOWN) || tilted(pad, LEFT_Y, 1, c);
    case LEFT:
        return button(pad, DPAD_LEFT) || tilted(pad, LEFT_X, -1, c);
    case RIGHT:
        return button(pad, DPAD_RIGHT) || tilted(pad, LEFT_X, 1, c);
    case SWORD:
        return button(pad, BUTTON_A);
    case SKIP:
        return button(pad, BUTTON_B);
    case PAUSE:
        return button(pad, BUTTON_START);
    case LEAVE:
        return button(pad, BUTTON_BACK);
    default:
        return false;
    }
}

void close_pads() {
    for (Pad& pad : pads) {
        if (pad.joystick) SDL_JoystickClose(pad.joystick);
        pad = Pad();
    }
    open_pads = 0;
}

bool same_time(const struct timespec& a, const struct timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}
} // namespace

void Pads::start() {
    // Every known controller in one layout; without it each model numbers its own buttons.
    setenv("SDL12COMPAT_USE_GAME_CONTROLLERS", "1", 1);
    struct stat folder;
    if (stat(DEVICE_FOLDER, &folder) == 0) seen_change = folder.st_mtim;
    last_look = SDL_GetTicks();
    watching = true;
    rescan();
}

void Pads::end() {
    watching = false;
    close_pads();
    presses.clear();
}

void Pads::rescan() {
    const int before = open_pads;
    close_pads();
    // The joystick subsystem lists the devices when it starts, and only then.
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) < 0) {
        Error::note(std::string("Pads: No joystick support: ") + SDL_GetError());
        return;
    }
    const int found = SDL_NumJoysticks();
    for (int i = 0; i < found && open_pads < PLAYERS; ++i) {
        SDL_Joystick* joystick = SDL_JoystickOpen(i);
        if (!joystick) continue;
        pads[open_pads++].joystick = joystick;
        const char* name = SDL_JoystickName(i);
        Error::note("Pads: '" + std::string(name ? name : "?") + "' plays player " +
                    std::to_string(open_pads));
    }
    if (open_pads < before) Error::note("Pads: " + std::to_string(open_pads) + " connected");
}

int Pads::count() { return open_pads; }

void Pads::update() {
    watch_devices();
    if (open_pads == 0) return;
    SDL_JoystickUpdate();
    for (int i = 0; i < open_pads; ++i) {
        Pad& pad = pads[i];
        for (int c = 0; c < CONTROLS; ++c) {
            const bool now = reads(pad, static_cast<Control>(c));
            if (now && !pad.held[c] && presses.size() < MOST_WAITING)
                presses.push_back(PRESS_KEYS[c]);
            pad.held[c] = now;
        }
    }
}

void Pads::hold_keys(Uint8* keys) {
    for (int i = 0; i < open_pads; ++i)
        for (int c = 0; c < PLAYING; ++c)
            if (pads[i].held[c]) keys[PLAYER_KEYS[i][c]] = 1;
}

bool Pads::take_press(SDL_Event& event) {
    if (presses.empty()) return false;
    event = SDL_Event();
    event.type = SDL_KEYDOWN;
    event.key.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = presses.front();
    presses.pop_front();
    return true;
}

void Pads::forget_presses() { presses.clear(); }

void Pads::watch_devices() {
    const Uint32 now = SDL_GetTicks();
    if (!watching || now - last_look < LOOK_PERIOD) return;
    last_look = now;
    struct stat folder;
    if (stat(DEVICE_FOLDER, &folder) != 0) return;
    if (!same_time(folder.st_mtim, seen_change)) {
        seen_change = folder.st_mtim;
        settling = true;
    } else if (settling) {
        settling = false;
        rescan();
    }
}
