#include "sprites/AgentFrame.h"

#include "sprites/SpriteSheet.h"

AgentFrame::AgentFrame(int sprite, Frame* next) : AgentFrame(sprite, ATK_NONE, next) {}

AgentFrame::AgentFrame(int sprite, AttackType type, Frame* next)
    : Frame(sprite, next), attack_type(type) {}

Frame* AgentFrame::get_next(Thing* thing, bool flipped) {
    if (!next) return nullptr;
    // Agent chains hold only agent frames.
    static_cast<AgentFrame*>(next)->make_attacks(nullptr, flipped);
    (void)thing;
    return next;
}

void AgentFrame::draw(Thing* thing, SpriteVariant variant, bool flipped, int shift) {
    SpriteSheet::agent[sprite_index + shift]->draw(thing->pos, variant, flipped);
}

void AgentFrame::draw(Thing* thing, bool flipped) {
    SpriteSheet::agent[sprite_index]->draw(thing->pos, flipped);
}

// STUB until Agent and Attack exist: the frame-counter check and the creation of one
// Attack per position of attack_positions join with those classes.
void AgentFrame::make_attacks(Agent* agent, bool flipped) {
    if (attack_type == ATK_NONE) return;
    (void)agent;
    (void)flipped;
}

std::vector<Coord> AgentFrame::attack_positions(Coord agent_pos, bool flipped) const {
    const AgentSprite* pose = SpriteSheet::agent[sprite_index];
    const Coord anchor = pose->flip_offset(pose->offset, flipped);
    std::vector<Coord> positions;
    positions.reserve(pose->specials.size());
    for (const Coord& p : pose->specials) {
        const Coord point = pose->flip_offset(p, flipped);
        positions.emplace_back(agent_pos.x - (anchor.x - point.x), agent_pos.y - (anchor.y - point.y));
    }
    return positions;
}
