#include <SDL.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "FighterWorld.h"
#include "VirtualPad.h"
#include "ai/AI.h"
#include "ai/AI_Concrete.h"
#include "core/Events.h"
#include "core/Pads.h"

namespace {
using PadTest = FighterWorld;

Agent* player(int x, bool second) {
    Agent* a = new Agent(VARIANT_WHITE_CAPE, 20, Coord(x, 500), 1, second);
    if (second)
        new AI_P2(a, true);
    else
        new AI_P1(a, true);
    return a;
}

void play_frames(int frames) {
    for (int i = 0; i < frames; ++i) {
        AI::run_all();
        Agent::run_all();
    }
}

// What a pad does: a button held, or the left stick held at (x, y) when there is none.
struct Hold {
    const char* what;
    int button;
    int x, y;
    AgentState reached;
};

// The state a fresh first player's fighter, facing right, reaches within a few frames
// while the pad holds.
AgentState reached(VirtualPad& pad, const Hold& hold) {
    Agent* a = player(300, false);
    play_frames(1); // with nothing held, so that the sword's release latch goes
    const auto button = static_cast<VirtualPad::Control>(hold.button);
    if (hold.button >= 0)
        pad.press(button);
    else
        pad.tilt(hold.x, hold.y);
    for (int i = 0; i < 6 && a->state == IDLE; ++i) play_frames(1);
    const AgentState s = a->state;
    if (hold.button >= 0)
        pad.release(button);
    else
        pad.tilt(0, 0);
    AI::run_all();
    Agent::delete_all();
    AI::kill_all();
    return s;
}
} // namespace

TEST_F(PadTest, PadsPluggedInDuringPlayDriveTheirPlayers) {
    Pads::start();
    EXPECT_EQ(Pads::count(), 0);
    {
        VirtualPad first;
        Pads::rescan();
        ASSERT_EQ(Pads::count(), 1);

        const int STICK = -1;
        const Hold holds[] = {
            {"d-pad forward walks", VirtualPad::RIGHT, 0, 0, WALK},
            {"d-pad backward turns", VirtualPad::LEFT, 0, 0, TURN},
            {"d-pad up jumps", VirtualPad::UP, 0, 0, JUMP},
            {"bottom button swings", VirtualPad::A, 0, 0, SLASH},
            {"stick forward walks", STICK, 30000, 0, WALK},
            {"stick up jumps", STICK, 0, -30000, JUMP},
            {"stick barely pushed does nothing", STICK, 9000, 0, IDLE},
        };
        for (const Hold& h : holds)
            EXPECT_EQ(reached(first, h), h.reached) << h.what;

        // A second pad plugged in plays the second player and nobody else.
        VirtualPad second;
        Pads::rescan();
        ASSERT_EQ(Pads::count(), 2);
        Agent* one = player(300, false);
        Agent* two = player(500, true);
        AI::run_all();
        second.press(VirtualPad::A);
        play_frames(3);
        EXPECT_TRUE(two->state == SLASH && one->state == IDLE);
        second.release(VirtualPad::A);
        Agent::delete_all();
        AI::kill_all();
    }
    // Both unplugged: no pad is left to read.
    Pads::rescan();
    EXPECT_EQ(Pads::count(), 0);
    Pads::end();
}

// Every pad's buttons press the keys of the menu and the pages, through the game's own
// event source; presses not taken yet can be dropped.
TEST_F(PadTest, PadButtonsPressTheMenuKeys) {
    Pads::start();
    VirtualPad first, second;
    Pads::rescan();
    ASSERT_EQ(Pads::count(), 2);
    Events::use(nullptr);
    const std::pair<VirtualPad::Control, SDLKey> buttons[] = {
        {VirtualPad::UP, SDLK_UP},       {VirtualPad::DOWN, SDLK_DOWN},
        {VirtualPad::LEFT, SDLK_LEFT},   {VirtualPad::RIGHT, SDLK_RIGHT},
        {VirtualPad::A, SDLK_SPACE},     {VirtualPad::B, SDLK_TAB},
        {VirtualPad::START, SDLK_PAUSE}, {VirtualPad::BACK, SDLK_ESCAPE}};
    for (VirtualPad* pad : {&first, &second})
        for (const auto& [button, key] : buttons) {
            pad->press(button);
            SDL_Event event = {};
            bool pressed = false;
            while (!pressed && Events::poll(event))
                pressed = event.type == SDL_KEYDOWN;
            EXPECT_TRUE(pressed && event.key.keysym.sym == key) << key;
            pad->release(button);
            while (Events::poll(event)) {
            }
        }
    first.press(VirtualPad::A);
    Pads::update();
    Pads::forget_presses();
    SDL_Event event;
    EXPECT_FALSE(Pads::take_press(event));
    first.release(VirtualPad::A);
    Pads::end();
}
