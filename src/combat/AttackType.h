#pragma once

// The kinds of attack. The numbers are stored in animation frames and used by scripts.
enum AttackType {
    ATK_NONE = 0,
    ATK_SLASH = 1,
    ATK_LUNGE = 2,
    ATK_AIR_SLASH = 3,
    ATK_FIREBOLT = 4,
    ATK_LIGHTNING = 5,
    ATK_STOMP = 6,
    ATK_FIRESHIELD = 7,
    ATK_GIBLET = 8,
    ATK_TELEKINESIS = 9,
    ATK_SUMMON = 10,
    ATK_HALO = 11,
    ATK_BLOOD_SWORD = 12,
    ATK_MOTE = 13,
    ATK_CAMPFIRE = 14,
    ATK_GORE = 15,
    ATK_HELLFIRE = 16,
    ATK_PIT = 17
};
