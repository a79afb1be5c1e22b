#include "level/GameDigest.h"

#include <vector>

#include "combat/Agent.h"
#include "combat/Attack.h"
#include "core/Random.h"

namespace {
// FNV-1a, 64 bits.
const uint64_t OFFSET = 14695981039346656037ULL;
const uint64_t PRIME = 1099511628211ULL;

void mix(uint64_t& digest, int64_t n) {
    for (int byte = 0; byte < 8; ++byte) {
        digest = (digest ^ static_cast<uint64_t>((n >> (8 * byte)) & 0xFF)) * PRIME;
    }
}
} // namespace

uint64_t GameDigest::of_play() {
    uint64_t digest = OFFSET;
    mix(digest, static_cast<int64_t>(Agent::agents.size()));
    for (const Agent* a : Agent::agents) {
        for (int n :
             {a->pos.x, a->pos.y, a->vel.x, a->vel.y, static_cast<int>(a->state), a->hp, a->max_hp,
              a->team, static_cast<int>(a->alive), static_cast<int>(a->facing_left)})
            mix(digest, n);
    }
    int64_t attacks = 0;
    Attack::DB.each([&attacks](Thing*) { ++attacks; });
    mix(digest, attacks);
    for (unsigned char byte : Random::state())
        mix(digest, byte);
    return digest;
}
