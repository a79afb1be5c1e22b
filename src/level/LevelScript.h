#pragma once
#include <SDL_mixer.h>

#include <string>
#include <vector>

#include "sprites/SpriteVariant.h"

class Agent;
class FileIn;
class Level;

// The level script language and its interpreter. A command is one whole line; each of its
// arguments is one further line. The command table below is the language: the interpreter
// carries commands out through it and the level checker reads it to judge scripts.
class LevelScript {
  public:
    // What an argument line holds.
    enum Kind {
        NUMBER,     // a whole number, converted as atoi converts
        AGENT_ID,   // the index of an agent made earlier in the level, counting from 0
        TEAM,       // 1 the players, above 1 their enemies, 0 (or below) neutral
        SKIN,       // a number of the skin table
        CONTROLLER, // a name the controller factory knows
        SOUND,      // a sound file in the level's folder
        PICTURE,    // a picture in graphics/screens/
        CAPTION,    // a line of text drawn at the foot of the screen
        PAGE,       // lines of text drawn as a page, up to a line END
    };

    struct Arg {
        Kind kind;
        const char* name;
        // The numbers the game accepts; anything else it reports, replaces or ignores.
        int lo;
        int hi;
        bool nonzero;
        // Positions and hit points are kept within SCRIPT_LIMIT as they are read (logged).
        bool clamped;

        bool is_number() const { return kind <= SKIN; }
        bool accepts(int n) const { return n >= lo && n <= hi && (n != 0 || !nonzero); }
    };

    // What a command means for the level as a whole.
    enum Role { PLAIN, MAKES_AGENT, SETS_TEAM, SETS_WAVES, CAN_WIN, TWO_PLAYERS };

    // A command's arguments as read: the numbers in order, its one text line, its page.
    struct Arguments {
        std::vector<int> numbers;
        std::string text;
        std::vector<std::string> page;
    };

    struct Command {
        const char* keyword;
        std::vector<Arg> args;
        Role role;
        // Carries the command out; false stops the script.
        bool (LevelScript::*run)(const Arguments&);
    };

    // Every command, in the order the interpreter tries them.
    static const std::vector<Command>& commands();
    // The command a line names (whole line, capitals and spaces included), or null.
    static const Command* find(const std::string& line);
    // Empty lines and lines starting with "/" are comments.
    static bool is_comment(const std::string& line);
    // The line END closes a page.
    static bool is_page_end(const std::string& line);

    // Positions and hit points stay within this many pixels or points: far beyond any
    // screen, while every sum and difference of them stays far within an int.
    static constexpr int SCRIPT_LIMIT = 1000000;
    // AGENT's skin numbers 0 .. SKIN_COUNT - 1 and the sprite variant each one picks.
    static constexpr int SKIN_COUNT = 26;
    static SpriteVariant skin(int number);
    // SETSTATE's codes run from 1 to this.
    static constexpr int STATE_CODES = 9;
    // Where TEXT and intro pages put their lines, and the bounds they must keep within.
    static constexpr int PAGE_LEFT = 50;
    static constexpr int PAGE_TOP = 40;
    static constexpr int PAGE_LINE_HEIGHT = 40;
    static constexpr int PAGE_RIGHT = 750;
    static constexpr int PAGE_BOTTOM = 560;
    // Where a subtitle is drawn, from the screen's bottom edge.
    static constexpr int SUBTITLE_FROM_BOTTOM = 80;

    LevelScript(Level& level, const std::string& dir);

    // Runs the script dir + file; a missing file does nothing. A request to close the game
    // stops it.
    void run(const std::string& file);

  private:
    // Reads the command's arguments, then carries it out; false stops the script.
    bool perform(const Command& command, FileIn& in);

    bool background(const Arguments& a);
    bool campfire(const Arguments& a);
    bool text(const Arguments& a);
    bool delay_wave(const Arguments& a);
    bool satan(const Arguments& a);
    bool exit_level(const Arguments& a);
    bool win_level(const Arguments& a);
    bool blacken(const Arguments& a);
    bool team_ai(const Arguments& a);
    bool wave_pause(const Arguments& a);
    bool subtitle(const Arguments& a);
    bool agent(const Arguments& a);
    bool speech(const Arguments& a);
    bool freeze(const Arguments& a);
    bool teamspeak(const Arguments& a);
    bool setstate(const Arguments& a);
    bool play(const Arguments& a);
    bool play_bg(const Arguments& a);
    bool waves(const Arguments& a);
    bool halt_if_won(const Arguments& a);
    bool halt_if_lost(const Arguments& a);
    bool music(const Arguments& a);
    bool random_music(const Arguments& a);
    bool health(const Arguments& a);
    bool effect(const Arguments& a);
    bool two_player(const Arguments& a);
    bool teleport(const Arguments& a);
    bool heal(const Arguments& a);
    bool cripple(const Arguments& a);
    bool halo(const Arguments& a);
    bool set_team(const Arguments& a);
    bool child(const Arguments& a);
    bool woman(const Arguments& a);
    bool telekinetic(const Arguments& a);

    // Null, logged, when the file cannot be loaded.
    Mix_Chunk* load_sound(const std::string& file) const;

    Level& level;
    std::string dir;
};
