#include "VirtualPad.h"

#include <SDL2/SDL.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {
// Many SDL 2 functions share their names with SDL 1.2's, which this process links: those
// names lead to sdl12-compat. Every SDL 2 call therefore goes by its address in the SDL 2
// library that sdl12-compat has loaded.
void* sdl2() {
    static void* library = dlopen("libSDL2-2.0.so.0", RTLD_NOW);
    return library;
}
#define SDL2(name) (reinterpret_cast<decltype(&name)>(dlsym(sdl2(), #name)))

// In the order of VirtualPad::Control.
const SDL_GameControllerButton BUTTONS[] = {
    SDL_CONTROLLER_BUTTON_A,         SDL_CONTROLLER_BUTTON_B,
    SDL_CONTROLLER_BUTTON_START,     SDL_CONTROLLER_BUTTON_BACK,
    SDL_CONTROLLER_BUTTON_DPAD_UP,   SDL_CONTROLLER_BUTTON_DPAD_DOWN,
    SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT};
} // namespace

VirtualPad::VirtualPad() : joystick(nullptr), instance(-1) {
    if (!sdl2()) {
        ADD_FAILURE() << "SDL 2 is not loaded: " << dlerror();
        return;
    }
    // Held by the pad, the joystick subsystem outlives the game's restarts of it, which
    // would destroy a virtual device.
    SDL2(SDL_InitSubSystem)(SDL_INIT_JOYSTICK);
    // Headless, the window never has the focus that SDL 2 wants before it takes a press.
    SDL2(SDL_SetHint)(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    // Each virtual button and axis stands for SDL's game-controller button or axis of its
    // number.
    const int index =
        SDL2(SDL_JoystickAttachVirtual)(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                        SDL_CONTROLLER_BUTTON_DPAD_RIGHT + 1, 0);
    SDL_Joystick* opened = index < 0 ? nullptr : SDL2(SDL_JoystickOpen)(index);
    if (!opened) {
        ADD_FAILURE() << "no virtual joystick: " << SDL2(SDL_GetError)();
        return;
    }
    joystick = opened;
    instance = SDL2(SDL_JoystickInstanceID)(opened);
}

VirtualPad::~VirtualPad() {
    if (!joystick) return;
    SDL2(SDL_JoystickClose)(static_cast<SDL_Joystick*>(joystick));
    for (int i = 0; i < SDL2(SDL_NumJoysticks)(); ++i)
        if (SDL2(SDL_JoystickGetDeviceInstanceID)(i) == instance) {
            SDL2(SDL_JoystickDetachVirtual)(i);
            break;
        }
    SDL2(SDL_QuitSubSystem)(SDL_INIT_JOYSTICK);
}

void VirtualPad::press(Control c) {
    SDL2(SDL_JoystickSetVirtualButton)(static_cast<SDL_Joystick*>(joystick), BUTTONS[c], 1);
}

void VirtualPad::release(Control c) {
    SDL2(SDL_JoystickSetVirtualButton)(static_cast<SDL_Joystick*>(joystick), BUTTONS[c], 0);
}

void VirtualPad::tilt(int x, int y) {
    SDL_Joystick* j = static_cast<SDL_Joystick*>(joystick);
    SDL2(SDL_JoystickSetVirtualAxis)(j, SDL_CONTROLLER_AXIS_LEFTX, static_cast<Sint16>(x));
    SDL2(SDL_JoystickSetVirtualAxis)(j, SDL_CONTROLLER_AXIS_LEFTY, static_cast<Sint16>(y));
}
