#pragma once
#include "ai/AI.h"

// A boss beheaded at its entrance that rises again headless under a red sky, while the
// level cannot be won, and then fights amid lightning, blood swords and blood peasants.
class AI_Boss2 : public AI {
  public:
    AI_Boss2(Agent* agent, bool listed);
    void run() override;

  protected:
    static constexpr int RISEN = 339;
    static constexpr int RESTORED = 340;
    static constexpr int STORM = 341;
    // The sky is grey again once the fall reaches this stage.
    static constexpr int FALLEN = 680;
    static constexpr int MUSIC_STAGE = 200;
    static constexpr int BOSS_TRACK = 4;

    // 0 entrance, 1 to 339 rising, 340 restored, 341 on the storm or the fall.
    int stage;

  private:
    void behead();
    void rise();
    void restore();
    void storm();
    void fall();
    void fight();
    void blood_peasant();
    void blood_sword();
    // The darkening sky at step c of 339 (0 grey, 339 dark red).
    static Uint32 red_sky(int c);
};
