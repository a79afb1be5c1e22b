#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "StoryWorld.h"
#include "VirtualPad.h"
#include "ai/AI.h"
#include "ai/AI_Concrete.h"
#include "app/Menu.h"
#include "core/EventSource.h"
#include "core/Events.h"
#include "core/Pads.h"

namespace {
// A player with a pad in hand: each time the game looks for input (once a frame, or again
// and again while a page waits) the next move of the script is made on the pad, then the
// game reads SDL's queue and the pads as it does in play. Once the script is played out
// the window is closed.
class PadPlayer : public EventSource {
  public:
    struct Move {
        VirtualPad::Control control;
        bool down;
    };
    PadPlayer(VirtualPad& pad, const std::vector<VirtualPad::Control>& taps) : pad(pad) {
        for (VirtualPad::Control c : taps) {
            moves.push_back({c, true});
            moves.push_back({c, false});
        }
        Events::reset();
        sdl = Events::use(this);
    }
    ~PadPlayer() override {
        Events::use(sdl);
        Events::reset();
    }
    PadPlayer(const PadPlayer&) = delete;
    PadPlayer& operator=(const PadPlayer&) = delete;

    bool poll(SDL_Event& event) override {
        if (next == moves.size()) {
            event = ScriptedEvents::close();
            return true;
        }
        const Move& m = moves[next++];
        if (m.down)
            pad.press(m.control);
        else
            pad.release(m.control);
        return sdl->poll(event);
    }
    bool wait(SDL_Event& event) override {
        while (!poll(event)) {
        }
        return true;
    }
    bool discard() override { return sdl->discard(); }
    const Uint8* keys() override { return sdl->keys(); }

  private:
    VirtualPad& pad;
    std::vector<Move> moves;
    size_t next = 0;
    EventSource* sdl = nullptr;
};

using PadTest = StoryWorld;

Agent* player(int x, bool facing_left, bool second) {
    Agent* a = new Agent(VARIANT_WHITE_CAPE, 20, Coord(x, 500), 1, facing_left);
    if (second)
        new AI_P2(a, true);
    else
        new AI_P1(a, true);
    return a;
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
    Agent* a = player(300, false, false);
    // A frame with nothing held lets the sword's release latch go.
    AI::run_all();
    Agent::run_all();
    const auto button = static_cast<VirtualPad::Control>(hold.button);
    if (hold.button >= 0)
        pad.press(button);
    else
        pad.tilt(hold.x, hold.y);
    for (int i = 0; i < 6 && a->state == IDLE; ++i) {
        AI::run_all();
        Agent::run_all();
    }
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
        Agent* one = player(300, false, false);
        Agent* two = player(500, true, true);
        AI::run_all();
        second.press(VirtualPad::A);
        for (int i = 0; i < 3; ++i) {
            AI::run_all();
            Agent::run_all();
        }
        EXPECT_EQ(two->state, SLASH);
        EXPECT_EQ(one->state, IDLE);
        second.release(VirtualPad::A);
        Agent::delete_all();
        AI::kill_all();
    }
    // Both unplugged: no pad is left to read.
    Pads::rescan();
    EXPECT_EQ(Pads::count(), 0);
    Pads::end();
}

TEST_F(PadTest, APadDrivesTheMenuAndThePages) {
    write_index("A\nB");
    write_story("A", {"A0"}, "0");
    write_story("B", {"B0", "B1", "B2"}, "1");
    write_level_file("B", "B0", "intro.txt", "Long ago");
    Story::start();
    Pads::start();
    VirtualPad pad;
    Pads::rescan();
    using C = VirtualPad;
    testing::internal::CaptureStdout();
    {
        // Next story, down to its level, back from the progress to the first level, play;
        // a button turns the intro page, Back leaves the level.
        PadPlayer hand(pad, {C::RIGHT, C::DOWN, C::LEFT, C::A, C::A, C::BACK});
        run_menu();
    }
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(occurrences(log, "Story: Starting level 'B0'"), 1) << log;
    EXPECT_EQ(occurrences(log, "Story: Starting level"), 1) << log;
    EXPECT_EQ(occurrences(log, "Open: Stories/B/B0/intro.txt"), 1) << log;
    EXPECT_EQ(occurrences(log, "Story: Level closed\n"), 1) << log;
    Pads::end();
}
