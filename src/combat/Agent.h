#pragma once
#include <vector>

#include "combat/AgentInput.h"
#include "combat/AgentState.h"
#include "combat/ComboLog.h"
#include "core/Coord.h"
#include "sprites/Frame.h"
#include "sprites/SpriteVariant.h"
#include "world/Thing.h"

// A fighter: health, team, facing, colour variant, animation and a state machine.
// Every agent lives in Agent::agents, alive or dead, until delete_all.
class Agent : public Thing {
  public:
    static constexpr int WALK_SPEED = 8;
    static constexpr int JUMP_HEIGHT = 35;
    static constexpr int MAX_GRAV = 4;
    static constexpr int MIN_GRAV = 2;
    static constexpr int TERMINAL_VELOCITY = 20;
    static constexpr int BEHEAD_SPURT_FREQUENCY = 20;

    // get_closest filters, combined by bitwise or.
    static constexpr int F_ENEMY = 1;
    static constexpr int F_FACED = 2;
    static constexpr int F_GROUNDED = 4;

    // Owning, in creation order.
    static std::vector<Agent*> agents;
    // While true wound does nothing (speeches).
    static bool suspend_damage;

    // Appends itself to agents; starts AIRBORNE when placed above the floor.
    Agent(SpriteVariant variant, int hp, Coord pos, int team, bool facing_left);
    Agent(const Agent&) = delete;
    Agent& operator=(const Agent&) = delete;

    void run() override;
    ~Agent() override;
    virtual void set_state(AgentState s);

    void wound(int damage, AgentState death_state);
    void heal(int n);
    void set_hp(int n);
    void set_max_hp(int n);
    void enfeeble(int n);
    // Health as a fraction of max_hp; 0.0 when hp < 1.
    double get_hp() const;
    void bleed(Coord at, int a, int b);

    bool airborn() const;
    // Whether `other` is strictly in front of this agent.
    bool facing(const Agent* other) const;
    bool blocking() const;
    // `amount` in the direction the agent faces.
    int towards_facing(int amount) const;
    // The agent-sheet picture shown; -1 once the animation has ended.
    int image() const;
    // What of this agent's picture lies under a screen point: 0 nothing, 1 sword or
    // other part, 2 body. A dead agent gives 0.
    int collide(Coord point);
    // The nearest other living agent passing the F_ flags, or null.
    Agent* get_closest(int flags);

    // Runs every agent, including those created during the pass.
    static void run_all();
    static void delete_all();
    static void start();

    int hp;
    int max_hp;
    int push_speed;
    int fall_offset;
    bool frozen;
    AgentInput input;
    ComboLog log;
    AgentState state;
    SpriteVariant variant;
    int team;
    bool facing_left;
    Frame* frame;
    int frame_delay;
    int frame_counter;
    int state_timer;

  private:
    // Steps of run().
    void dissolve_water();
    void advance_animation();
    // Whether the push-apart rule applies this frame, and the x to be pushed towards.
    bool decide_push(Agent* near, int& target);
    void behave();
    void special_moves();
    void move(Agent* pushed_from, int target);
    void move_horizontally(Agent* near, int target);

    void behave_idle();
    void behave_walk();
    void behave_slash();
    void behave_lunge();
    void behave_lightning();
    void behave_stomp();
    void arrive_from_teleport();
    void turn_on_second_frame(Frame* animation);
    void start_special(AgentState s);
    // Moves the frame on without spawning attacks.
    void skip_frames(int n);

    bool at_frame_change() const;
    bool passes(const Agent* other, int flags) const;
};
