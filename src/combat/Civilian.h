#pragma once
#include "combat/Agent.h"
#include "sprites/Sprite.h"

// A civilian: an agent shown on the floor as one still picture. It can be made to talk and
// dies at the first blow with a yell, sliding back. Civilians ignore input, gravity and
// friction; they take part in searches and hit tests like every agent.
class Civilian : public Agent {
  public:
    // The pictures (agent sheet numbers) and the manner of one kind of civilian.
    struct Looks {
        int standing;
        int talking;
        int struck;
        // Backwards from the facing, pixels per frame, once struck.
        int slide_speed;
        // Frames a struck civilian stays visible, the frame of the blow included.
        int frames_seen_after_blow;
        void (*yell)();
    };

    void run() override;
    void set_state(AgentState s) override;

    // The picture shown: the standing, talking or struck pose.
    Sprite* pose;

  protected:
    Civilian(Coord pos, int team, bool facing_left, const Looks& looks);
    // Called once a frame after the blow, with the frames counted since it (state_timer).
    virtual void after_blow(int frames);

  private:
    const Looks& looks;
};
