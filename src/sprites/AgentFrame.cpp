#include "sprites/AgentFrame.h"

#include "combat/Agent.h"
#include "combat/Attack.h"
#include "sprites/SpriteSheet.h"

namespace {
// flip_offset mirrors a point at or right of the centre line to w - x, which is where an
// attack point must go; a point left of it would be thrown to 3x - w, outside the pose
// (that rule is meant for drawing anchors), so such a point is mirrored to w - x too.
Coord mirrored_point(const AgentSprite* pose, Coord p, bool flipped) {
    if (!flipped || static_cast<int>(p.x - pose->w() * 0.5) >= 0)
        return pose->flip_offset(p, flipped);
    return Coord(pose->w() - p.x, p.y);
}
} // namespace

AgentFrame::AgentFrame(int sprite, Frame* next) : AgentFrame(sprite, ATK_NONE, next) {}

AgentFrame::AgentFrame(int sprite, AttackType type, Frame* next)
    : Frame(sprite, next), attack_type(type) {}

Frame* AgentFrame::get_next(Thing* thing, bool flipped) {
    if (!next) return nullptr;
    // Agent chains hold only agent frames; only fighters spawn attacks.
    static_cast<AgentFrame*>(next)->make_attacks(dynamic_cast<Agent*>(thing), flipped);
    return next;
}

void AgentFrame::draw(Thing* thing, SpriteVariant variant, bool flipped, int shift) {
    SpriteSheet::agent[sprite_index + shift]->draw(thing->pos, variant, flipped);
}

void AgentFrame::draw(Thing* thing, bool flipped) {
    SpriteSheet::agent[sprite_index]->draw(thing->pos, flipped);
}

void AgentFrame::make_attacks(Agent* agent, bool flipped) {
    if (attack_type == ATK_NONE || !agent) return;
    // Frames entered other than by the animation's own clock spawn nothing.
    if (agent->frame_counter % agent->frame_delay != 0) return;
    for (const Coord& at : attack_positions(agent->pos, flipped))
        new Attack(attack_type, agent, at);
}

std::vector<Coord> AgentFrame::attack_positions(Coord agent_pos, bool flipped) const {
    const AgentSprite* pose = SpriteSheet::agent[sprite_index];
    const Coord anchor = pose->flip_offset(pose->offset, flipped);
    std::vector<Coord> positions;
    positions.reserve(pose->specials.size());
    for (const Coord& p : pose->specials) {
        const Coord point = mirrored_point(pose, p, flipped);
        positions.emplace_back(agent_pos.x - (anchor.x - point.x),
                               agent_pos.y - (anchor.y - point.y));
    }
    return positions;
}
