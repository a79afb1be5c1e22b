#pragma once
#include <SDL.h>

#include <functional>
#include <string>
#include <vector>

#include "combat/AgentState.h"
#include "combat/ComboLog.h"

class Agent;

// Base of every controller: once per frame, before the agents run, a controller writes
// its agent's input and nothing else. Computer controllers are ordered lists of the
// primitives below; the first one that acts (returns true) decides the frame.
class AI {
  public:
    // Mode arguments of face_enemy and block_melee.
    static constexpr int DUMB = 1;
    static constexpr int SMART = 2;

    // Owning, in creation order.
    static std::vector<AI*> AI_list;
    // The keyboard, sampled once per frame by run_all.
    static const Uint8* keystates;
    // Release latch of the first player's attack key.
    static bool suspend_attack_key;

    // A listed controller is appended to AI_list, which runs and deletes it.
    AI(Agent* agent, bool listed);
    AI(const AI&) = delete;
    AI& operator=(const AI&) = delete;
    // Never touches the agent: agents may already be deleted.
    virtual ~AI();

    // Finds the nearest enemy, predicts the distance to it and clears the input. Every
    // concrete run() starts with this.
    virtual void run();

    // Pumps window events, samples the keyboard, then runs every listed controller,
    // including those appended during the pass.
    static void run_all();
    // Deletes every controller and empties the list; call after the agents are gone.
    static void kill_all();
    // The controller whose class name is `name`; an unknown name gives AI_Dummy.
    static AI* make_AI(std::string name, Agent* agent, bool listed);
    // Every name make_AI knows, in the order it compares them.
    static std::vector<std::string> controller_names();
    // Every listed controller that `which` picks is replaced, in its place in the list, by
    // a new one named `name` for the same agent; returns how many were.
    static int replace_if(const std::function<bool(const AI&)>& which, const std::string& name);
    // Hands every agent a player drives (AI_P1, AI_P2) to the computer controller `name`:
    // demos and the balance tool play the levels themselves.
    static int replace_players(const std::string& name);

    // The agent's nearest enemy, refreshed by run(); null when there is none. Not owned.
    Agent* enemy;
    // Distance to the enemy with both projected 8 frames ahead; 0 without an enemy.
    int distance;
    // The controlled agent. Not owned.
    Agent* agent;

  protected:
    // Tests and moves. Those marked "needs an enemy" must only be called while enemy is
    // non-null; those that "check" return false without one.
    bool stunned();
    void target_state(AgentState s);
    bool use_stomp();      // needs an enemy
    bool use_lightning();  // needs an enemy
    bool use_bolt();
    void use_teleport();
    bool use_shield();
    bool has_shield();
    bool safe();
    bool lightning_safe();  // needs an enemy
    bool face_enemy(int mode);  // checks
    bool cautious_advance();    // needs an enemy
    bool block_melee(int mode); // checks
    bool block_bolt(int mode = DUMB);
    bool block_firerain();
    bool block_lightning();  // needs an enemy
    bool block_teleport();   // needs an enemy
    bool block_stomp();      // checks
    bool attack_air(double threshold);  // needs an enemy
    bool attack(int range, int chance); // needs an enemy
    bool backstab();  // checks
    bool wander();
    bool maybe_run();
    bool maybe_jump();

    // Replaces the agent's whole input with the next step towards `combo`.
    void step_combo(const ComboLog& combo);
    // Steps FIREBOLT unless a bolt is already being cast.
    void bolt_step();
    // In the middle of an air slash, when a teleport cannot be stepped.
    bool air_slash_lock() const;
    // agent.x - enemy.x; needs an enemy.
    int dx() const;
    // The current, unprojected distance to the enemy; needs an enemy.
    int gap() const;

  private:
    // Frames until the agent's animation spawns its next attack; 999999 if it never does.
    static int time_to_hit(const Agent* a);
    // The primitives press `up` where an air-slash lock keeps them from teleporting.
    void teleport_or_jump();
    bool dodge_lunge(int theirs);
};
