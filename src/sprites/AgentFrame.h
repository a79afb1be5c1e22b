#pragma once
#include <vector>

#include "combat/AttackType.h"
#include "core/Coord.h"
#include "sprites/Frame.h"

class Agent;

// A fighter pose in an animation; entering a frame with an attack type spawns one
// attack at every attack point of its pose.
class AgentFrame : public Frame {
public:
    AgentFrame(int sprite, Frame* next);
    AgentFrame(int sprite, AttackType type, Frame* next);

    // Advances to `next`, spawning the attacks of the frame entered.
    Frame* get_next(Thing* thing, bool flipped) override;
    void draw(Thing* thing, SpriteVariant variant, bool flipped, int shift) override;
    void draw(Thing* thing, bool flipped) override;

    void make_attacks(Agent* agent, bool flipped);
    // Where this pose's attack points lie on the screen for a fighter standing at
    // `agent_pos`, facing left when `flipped`, in the order the points are stored.
    std::vector<Coord> attack_positions(Coord agent_pos, bool flipped) const;

    AttackType attack_type;
};
