#include "sprites/Animation.h"

#include <vector>

Frame* Animation::idle = nullptr;
Frame* Animation::talk = nullptr;
Frame* Animation::walk = nullptr;
Frame* Animation::block = nullptr;
Frame* Animation::atk1 = nullptr;
Frame* Animation::jump = nullptr;
Frame* Animation::airborn = nullptr;
Frame* Animation::landing = nullptr;
Frame* Animation::turning = nullptr;
Frame* Animation::airatk = nullptr;
Frame* Animation::airblock = nullptr;
Frame* Animation::bolting = nullptr;
Frame* Animation::rollstart = nullptr;
Frame* Animation::rollend = nullptr;
Frame* Animation::rolling = nullptr;
Frame* Animation::summoning = nullptr;
Frame* Animation::airturn = nullptr;
Frame* Animation::atk2 = nullptr;
Frame* Animation::stun = nullptr;
Frame* Animation::airbolting = nullptr;
Frame* Animation::fireshield = nullptr;
Frame* Animation::teleport = nullptr;
Frame* Animation::stomping = nullptr;
Frame* Animation::burn = nullptr;
Frame* Animation::lightning = nullptr;
Frame* Animation::death1 = nullptr;
Frame* Animation::death2 = nullptr;
Frame* Animation::corpse1 = nullptr;
Frame* Animation::corpse2 = nullptr;
Frame* Animation::twitch1 = nullptr;
Frame* Animation::twitch2 = nullptr;
Frame* Animation::behead1 = nullptr;
Frame* Animation::behead2 = nullptr;
Frame* Animation::behead_corpse = nullptr;
Frame* Animation::dismember1 = nullptr;
Frame* Animation::dismember2 = nullptr;
Frame* Animation::dismember3 = nullptr;
Frame* Animation::dismember_corpse = nullptr;
Frame* Animation::bolt_death = nullptr;
Frame* Animation::fire_death = nullptr;
Frame* Animation::burned_corpse = nullptr;
Frame* Animation::bolt = nullptr;
Frame* Animation::cloud = nullptr;
Frame* Animation::fire = nullptr;
Frame* Animation::rubble = nullptr;
Frame* Animation::bolt_hit = nullptr;
Frame* Animation::waterbomb = nullptr;
Frame* Animation::deathburst = nullptr;
Frame* Animation::hellfire = nullptr;
Frame* Animation::leaf = nullptr;

namespace {
enum Sheet { AGENT, BASE };
enum Ending { STOPS, LOOPS };

// One picture of a chain and the attack its frame spawns.
struct Picture {
    int sprite;
    AttackType attack;
    // Implicit, so that the table can write a plain number for a frame without attack.
    Picture(int sprite) : sprite(sprite), attack(ATK_NONE) {}
    Picture(int sprite, AttackType attack) : sprite(sprite), attack(attack) {}
};

struct Entry {
    Frame** animation;
    Sheet sheet;
    std::vector<Picture> pictures;
    Ending ending;
};

const std::vector<Entry>& catalogue() {
    static const std::vector<Entry> entries = {
        {&Animation::idle, AGENT, {0, 8, 9, 8}, STOPS},
        {&Animation::talk, AGENT, {90, 91, 92, 91}, LOOPS},
        {&Animation::walk, AGENT, {1, 2, 3, 4, 5, 6}, LOOPS},
        {&Animation::block, AGENT, {11, 10}, STOPS},
        {&Animation::atk1, AGENT, {12, 124, 125, 13, {14, ATK_SLASH}, 13, 12}, STOPS},
        {&Animation::jump, AGENT, {1, 15, 12}, STOPS},
        {&Animation::airborn, AGENT, {16}, LOOPS},
        {&Animation::landing, AGENT, {15, 1}, STOPS},
        {&Animation::turning, AGENT, {18, 18}, STOPS},
        {&Animation::airatk, AGENT, {19, 20, {21, ATK_AIR_SLASH}}, STOPS},
        {&Animation::airblock, AGENT, {54, 55}, STOPS},
        {&Animation::bolting, AGENT, {25, 26, 27, 28, {29, ATK_FIREBOLT}, 15}, STOPS},
        {&Animation::rollstart, AGENT, {7, 30, 31, 32}, STOPS},
        {&Animation::rollend, AGENT, {32, 31, 30, 7}, STOPS},
        {&Animation::rolling, AGENT, {33, 34, 35}, STOPS},
        {&Animation::summoning, AGENT, {97, 96, {95, ATK_SUMMON}}, STOPS},
        {&Animation::airturn, AGENT, {36, 36}, STOPS},
        {&Animation::atk2, AGENT, {10, 38, 39, 40, 41, 42, 126, 43, 44, {45, ATK_LUNGE}, 46, 47},
         STOPS},
        {&Animation::stun, AGENT, {7}, STOPS},
        {&Animation::airbolting, AGENT, {58, 59, 60, 61, {62, ATK_FIREBOLT}, 15}, STOPS},
        {&Animation::fireshield, AGENT, {64, 65, {66, ATK_FIRESHIELD}, 67, 68, 69}, STOPS},
        {&Animation::teleport, AGENT, {70}, STOPS},
        {&Animation::stomping, AGENT, {37, 22, 23, {71, ATK_SLASH}}, STOPS},
        {&Animation::burn, AGENT, {80, 81, 82, 83, 84, 85, 86, 87, 88}, STOPS},
        {&Animation::lightning, AGENT, {12, 13, {119, ATK_LIGHTNING}, 13, 12}, STOPS},
        {&Animation::death1, AGENT, {72, 73, 74, 75, 76}, STOPS},
        {&Animation::death2, AGENT, {30, 31, 32, 33, 34, 35}, STOPS},
        {&Animation::corpse1, AGENT, {109}, LOOPS},
        {&Animation::corpse2, AGENT, {98}, LOOPS},
        {&Animation::twitch1, AGENT, {77, 78}, STOPS},
        {&Animation::twitch2, AGENT, {99, 100, 101}, STOPS},
        {&Animation::behead1, AGENT, {48}, STOPS},
        {&Animation::behead2, AGENT, {49, 50, 51, 52, 53}, STOPS},
        {&Animation::behead_corpse, AGENT, {79}, LOOPS},
        {&Animation::dismember1, AGENT, {102, 103}, STOPS},
        {&Animation::dismember2, AGENT, {104, 105}, STOPS},
        {&Animation::dismember3, AGENT, {106, 107, 108}, STOPS},
        {&Animation::dismember_corpse, AGENT, {108}, LOOPS},
        {&Animation::bolt_death, AGENT, {110, 111, 112, 113, 114}, STOPS},
        {&Animation::fire_death, AGENT, {116, 117, 118, 113, 114}, STOPS},
        {&Animation::burned_corpse, AGENT, {115}, LOOPS},
        {&Animation::bolt, BASE, {1, 2, 3, 4}, LOOPS},
        {&Animation::cloud, BASE, {5, 6, 7, 8, 9, 10}, STOPS},
        {&Animation::fire, BASE, {11, 12, 13, 14, 15, 16}, STOPS},
        {&Animation::rubble, BASE, {17, 18, 19, 20}, LOOPS},
        {&Animation::bolt_hit, BASE, {22, 23, 24, 25, 26, 27}, STOPS},
        {&Animation::waterbomb, BASE, {41, 42, 43, 44, 45}, STOPS},
        {&Animation::deathburst, BASE, {46, 47, 48, 49}, STOPS},
        {&Animation::hellfire, BASE, {50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61}, STOPS},
        {&Animation::leaf, BASE, {66, 67, 68, 69}, LOOPS},
    };
    return entries;
}

// Built from the last picture backwards, so that each frame is made with its successor.
Frame* build(const Entry& entry) {
    Frame* first = nullptr;
    for (auto p = entry.pictures.rbegin(); p != entry.pictures.rend(); ++p) {
        if (entry.sheet == AGENT)
            first = new AgentFrame(p->sprite, p->attack, first);
        else
            first = new Frame(p->sprite, first);
    }
    if (entry.ending == LOOPS) first->loop();
    return first;
}

// Collected before anything is freed, so that the walk never reads a freed frame.
std::vector<Frame*> chain_of(Frame* first) {
    std::vector<Frame*> frames;
    for (Frame* f = first; f; f = f->next) {
        frames.push_back(f);
        if (f->next == first) break;
    }
    return frames;
}
} // namespace

void Animation::start() {
    end();
    for (const Entry& entry : catalogue()) *entry.animation = build(entry);
}

void Animation::end() {
    for (const Entry& entry : catalogue()) {
        for (Frame* f : chain_of(*entry.animation)) delete f;
        *entry.animation = nullptr;
    }
}

int Animation::frame_delay(Frame* first) {
    if (!first) return 4;
    if (first == behead1) return 80;
    if (first == teleport) return 50;
    if (first == stun) return 5;
    if (first == idle || first == talk) return 10;
    if (first == behead2 || first == dismember1 || first == dismember3) return 8;
    if (first == block || first == airblock || first == turning || first == airatk ||
        first == death1 || first == burn)
        return 5;
    if (first == stomping || first == rollstart || first == rollend) return 3;
    if (first == jump || first == bolting) return 2;
    if (first == twitch1 || first == dismember2) return 1;
    return 4;
}

int Animation::frames_til_attack(Frame* first) {
    int n = 0;
    for (Frame* f = first; f; f = f->peek_next(), ++n) {
        if (n > 0 && f == first) return -1;
        // Only agent frames carry an attack type.
        const AgentFrame* posed = dynamic_cast<const AgentFrame*>(f);
        if (posed && posed->attack_type != ATK_NONE) return n;
    }
    return -1;
}
