#include "combat/StateEntry.h"

#include <iterator>

#include "combat/Agent.h"
#include "core/Sound.h"
#include "sprites/Animation.h"

namespace {
using A = Animation;
using S = StateEntry;
const int KEEP = S::KEEPS_SPEED;
const int ROLL_SPEED = 12;

// By state number: animation, speed, fall offset, sound, flags, timer, second animation.
const StateEntry ENTRIES[] = {
    {&A::idle},                                                                      // IDLE
    {&A::walk, Agent::WALK_SPEED},                                                   // WALK
    {&A::block},                                                                     // BLOCK
    {&A::atk1, KEEP, 0, Sound::play_swish},                                          // SLASH
    {&A::atk2},                                                                      // LUNGE
    {&A::jump, KEEP, 0, Sound::play_jump},                                           // JUMP
    {&A::turning},                                                                   // TURN
    {&A::stun, KEEP, 0, Sound::play_stun, S::FORGETS_INPUTS | S::QUIET_IF_REPEATED}, // STUN
    {&A::airborn, KEEP, 1},                                                          // AIRBORNE
    {&A::landing, KEEP, 0, Sound::play_thud},                                        // LANDING
    {&A::airturn, KEEP, 1},                                                          // AIR_TURN
    {&A::airatk, KEEP, 3, Sound::play_swish},                                        // AIR_SLASH
    {&A::airblock},                                                                  // AIR_BLOCK
    {&A::airbolting, KEEP, 0, Sound::play_bolt},                                     // AIR_BOLT
    {&A::bolting, KEEP, 0, Sound::play_bolt},                                        // BOLT
    {&A::fireshield, KEEP, 0, nullptr, S::TURNS_ABOUT},                              // FIRESHIELD
    {&A::lightning, KEEP, 0, Sound::play_lightning_charge}, // LIGHTNING_CHARGE
    {}, // LIGHTNING_STRIKE: goes on from the charge's picture
    {&A::teleport, 0, 0, Sound::play_teleport, S::PUFFS},    // TELEPORT
    {&A::stomping},                                          // STOMP
    {&A::rollstart, ROLL_SPEED},                             // ROLL_START
    {&A::rolling, ROLL_SPEED},                               // ROLL
    {&A::rollend, KEEP, 0, nullptr, S::FACES_ENEMY},         // ROLL_END
    {&A::behead1, KEEP, 0, Sound::play_behead, S::DIES, 19}, // BEHEADED: spurt timer
    {&A::behead2},                                           // BEHEADED_FALL
    {&A::death1, KEEP, 0, Sound::play_death, S::DIES | S::PICKS_DEATH_VARIANT, S::KEEPS_TIMER,
     &A::death2},                                                    // DYING
    {&A::corpse1, KEEP, 0, nullptr, 0, S::KEEPS_TIMER, &A::corpse2}, // CORPSE
    {}, // REMAINS: keeps the corpse picture it was given
    {&A::twitch1, KEEP, 0, nullptr, 0, S::KEEPS_TIMER, &A::twitch2}, // TWITCH
    {&A::dismember1, KEEP, 0, Sound::play_disembowel, S::DIES, 1},   // DISMEMBERED: stage
    {&A::burn, KEEP, 0, nullptr, S::DIES},                           // BURN
    {&A::bolt_death, KEEP, 0, nullptr, S::DIES},                     // BOLT_DEATH
    {&A::fire_death, KEEP, 0, Sound::play_flame, S::DIES},           // FIRE_DEATH
    {&A::talk},                                                      // TALK
    {&A::teleport, KEEP, 0, nullptr, S::DIES},                       // GONE
};
static_assert(std::size(ENTRIES) == AGENT_STATE_COUNT, "one entry for every state");

const StateEntry NOT_A_STATE = {};
} // namespace

const StateEntry& StateEntry::of(AgentState s) {
    const int n = static_cast<int>(s);
    return n >= 0 && n < AGENT_STATE_COUNT ? ENTRIES[n] : NOT_A_STATE;
}
