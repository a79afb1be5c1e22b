#pragma once
#include "sprites/AgentFrame.h"
#include "sprites/Frame.h"

// The catalogue of named animations, built once at start-up and shared read-only.
// A named animation is its first frame.
class Animation {
public:
    // Fighter animations (pictures of SpriteSheet::agent).
    static Frame* idle;
    static Frame* talk;
    static Frame* walk;
    static Frame* block;
    static Frame* atk1;
    static Frame* jump;
    static Frame* airborn;
    static Frame* landing;
    static Frame* turning;
    static Frame* airatk;
    static Frame* airblock;
    static Frame* bolting;
    static Frame* rollstart;
    static Frame* rollend;
    static Frame* rolling;
    static Frame* summoning;
    static Frame* airturn;
    static Frame* atk2;
    static Frame* stun;
    static Frame* airbolting;
    static Frame* fireshield;
    static Frame* teleport;
    static Frame* stomping;
    static Frame* burn;
    static Frame* lightning;
    static Frame* death1;
    static Frame* death2;
    static Frame* corpse1;
    static Frame* corpse2;
    static Frame* twitch1;
    static Frame* twitch2;
    static Frame* behead1;
    static Frame* behead2;
    static Frame* behead_corpse;
    static Frame* dismember1;
    static Frame* dismember2;
    static Frame* dismember3;
    static Frame* dismember_corpse;
    static Frame* bolt_death;
    static Frame* fire_death;
    static Frame* burned_corpse;

    // Effect animations (pictures of SpriteSheet::base).
    static Frame* bolt;
    static Frame* cloud;
    static Frame* fire;
    static Frame* rubble;
    static Frame* bolt_hit;
    static Frame* waterbomb;
    static Frame* deathburst;
    static Frame* hellfire;
    static Frame* leaf;

    static void start();
    // Frees every frame exactly once; no object may hold a frame afterwards.
    static void end();

    // Game frames each picture is held for the animation that starts at `first`.
    static int frame_delay(Frame* first);
    // Frames from `first` to the first one that spawns an attack, or -1 if none does.
    static int frames_til_attack(Frame* first);
};
