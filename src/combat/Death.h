#pragma once

class Agent;
class Frame;

// A fighter's death after the blow, stage by stage: blood spurting from a beheaded body,
// the fall, a corpse that twitches now and then, burning away, and the remains, which
// stay still until the level ends.
class Death {
  public:
    // One frame of the dying state the agent is in (BEHEADED to FIRE_DEATH).
    static void behave(Agent& a);

  private:
    static void spurt(Agent& a);
    static void fall(Agent& a);
    static void twitch(Agent& a);
    static void bleed_out(Agent& a);
    static void become_remains(Agent& a, Frame* corpse);
};
