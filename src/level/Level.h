#pragma once
#include <SDL.h>
#include <SDL_mixer.h>

#include <string>
#include <vector>

#include "core/Image.h"

class Attack;
class HealthMonitor;

// The level in play: background layers, weather, health bars, subtitle, camera and the
// judgement of won, lost or nothing left to fight. Agents, attacks, particles and
// controllers live in their own static lists; the level runs them and empties them when
// it is destroyed.
class Level {
  public:
    // Weather kinds; any other value behaves as clear.
    static constexpr int WEATHER_CLEAR = 0;
    static constexpr int WEATHER_RAIN = 1;
    static constexpr int WEATHER_LEDGE = 2;
    static constexpr int WEATHER_STORM = 3;
    static constexpr int WEATHER_LEAVES = 4;
    static constexpr int WEATHER_SNOW = 5;
    static constexpr int WEATHER_QUAKE = 6;
    static constexpr int WEATHER_PIT_SINK = 7;
    static constexpr int WEATHER_PIT_RISE = 8;
    static constexpr int WEATHER_KINDS = 9;

    // One parallax layer; it moves by 1/distance of the camera's movement.
    class Background {
      public:
        // Takes ownership of `image`; its lower edge lands on `bottom`.
        Background(Image* image, int offset, int bottom, int distance);
        ~Background();
        Background(const Background&) = delete;
        Background& operator=(const Background&) = delete;

        // Draws the image twice, one screen width apart, so it tiles seamlessly.
        void draw();
        void shift(int dx);

        Image* image;
        int distance;
        int offset;
        int top;
    };

    // Resets the shared statics and stops every sound channel.
    Level();
    // Destroys every agent, attack, particle and controller, then the level's own parts.
    ~Level();
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;

    // One frame of play: the controllers, then the world.
    void run();
    // One frame of the world without the controllers.
    void update();
    // Moves the camera by dx; the world moves the other way on screen.
    void shift(int dx);
    // Holds the game while `sound` plays; `agent` (an index into Agent::agents, or -1)
    // speaks it. Tab skips this and every later line of the same script run; a request to
    // close the game ends it.
    void speech(int agent, Mix_Chunk* sound);
    void play(Mix_Chunk* sound);

    bool won() const;
    // Nothing is left to fight: every living agent is on one team.
    bool stagnant() const;
    bool lost() const;
    bool quit() const;
    // Two players at one keyboard on the same side.
    bool coop() const;

    // Runs the script dir + file; a missing file does nothing. A request to close the game
    // stops it.
    void runScript(std::string dir, std::string file);

    std::vector<Background*> backgrounds;
    std::vector<HealthMonitor*> health_bars;
    int player_bars;
    int waves;
    int weather;
    bool two_player;
    bool speech_skipped;
    bool blacken;
    // Clock time after which the level counts as won; 0 means none.
    Uint32 win_time;
    bool exit_requested;
    bool script_won;
    // Made by SATAN; owned by Attack::DB.
    Attack* pit;
    // Frames of the sky's fade to red.
    int sky_fade;
    // Current earthquake displacement of the low layers and the floor.
    int quake;
    Image* subtitle;
    // Sounds started by PLAY_BG; kept loaded until the level ends.
    std::vector<Mix_Chunk*> background_sounds;

    // y of the floor line; an object is above the floor when its y is smaller.
    static int FLOOR_HEIGHT;
    // Milliseconds between clearing one wave and releasing the next.
    static int wave_pause;
    // Index in Agent::agents of the agent the one-player camera follows.
    static int focal_agent;
    // While above 0 the level can be neither won nor judged to have nothing left to fight.
    static int suspend_win;
    // Colour the screen is cleared to at the start of each frame of play.
    static Uint32 skycolour;

  private:
    // Whether the team-1 agents are checked for losses (not in a two-player match).
    bool players_checked() const;
    // Two-player play between agents 0 and 1 of different teams (or with too few agents).
    bool versus() const;
    bool player_fallen() const;

    void fade_sky();
    void storm();
    void undo_quake();
    void apply_weather();
    void shake();
    void run_world();
    void draw_overlays();
    void kill_on_ledges();
    void follow_focal_agent();
    void follow_both_players();
};
