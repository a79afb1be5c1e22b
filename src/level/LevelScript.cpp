#include "level/LevelScript.h"

#include <climits>
#include <cstdlib>

#include "ai/AI.h"
#include "combat/Agent.h"
#include "combat/AgentChild.h"
#include "combat/AgentWoman.h"
#include "combat/Attack.h"
#include "combat/HealthMonitor.h"
#include "core/Clock.h"
#include "core/Error.h"
#include "core/Events.h"
#include "core/FileIn.h"
#include "core/Graphics.h"
#include "core/Pixel.h"
#include "core/Random.h"
#include "core/Sound.h"
#include "core/TextMaker.h"
#include "core/Utility.h"
#include "level/Level.h"
#include "world/Effect.h"

namespace {
using Arg = LevelScript::Arg;
using Command = LevelScript::Command;

Arg of(LevelScript::Kind kind, const char* name) {
    return Arg{kind, name, INT_MIN, INT_MAX, false, false};
}
Arg number(const char* name) {
    return of(LevelScript::NUMBER, name);
}
Arg ranged(const char* name, int lo, int hi) {
    return Arg{LevelScript::NUMBER, name, lo, hi, false, false};
}
// A position or a number of hit points.
Arg place(const char* name) {
    const int limit = LevelScript::SCRIPT_LIMIT;
    return Arg{LevelScript::NUMBER, name, -limit, limit, false, true};
}

// The water variant is the summoned creature's own: no number picks it.
// clang-format off
constexpr SpriteVariant SKINS[] = {
    VARIANT_SHEET, VARIANT_WHITE_CAPE, VARIANT_GREY_CAPE, VARIANT_NO_CAPE,
    VARIANT_NO_CAPE_RED_EYES, VARIANT_NO_CAPE_GREEN_EYES, VARIANT_OLIVE_CAPE, VARIANT_DARK_CAPE,
    VARIANT_YELLOW_CAPE, VARIANT_PURPLE_CAPE, VARIANT_CYAN_CAPE, VARIANT_RED_CAPE,
    VARIANT_GREEN_CAPE, VARIANT_BLUE_CAPE, VARIANT_GLOW1, VARIANT_GLOW2, VARIANT_GLOW3,
    VARIANT_GLOW4, VARIANT_BROWN_CAPE, VARIANT_HEADLESS, VARIANT_BLOOD,
    VARIANT_NO_CAPE_UNARMED, VARIANT_GREY_CAPE_UNARMED, VARIANT_WHITE_CAPE_UNARMED,
    VARIANT_FOREST_CAPE, VARIANT_TAN_CAPE};
// clang-format on
static_assert(sizeof SKINS / sizeof SKINS[0] == LevelScript::SKIN_COUNT, "one variant a skin");

// What each SETSTATE code does to its agent, after setting the state.
struct StateChange {
    AgentState state;
    // The agent counts as alive again, so a script can bring the dead back.
    bool revives;
    void (*aftermath)(Agent*);
};

void burst(Agent* a) {
    Effect::giblets(a);
    Sound::play_bodyburst();
}
void burst_in_gore(Agent* a) {
    Effect::giblets(a);
    new Attack(ATK_GORE, nullptr, a->pos);
    Sound::play_bodyburst();
}
// The vanishing plays slowly while the hellfire rises.
void sink_in_flames(Agent* a) {
    a->frame_delay = 20;
    for (int dx : {40, 60, 80})
        new Attack(ATK_HELLFIRE, nullptr, Coord(a->pos.x + dx, 300));
}

const StateChange STATE_CHANGES[] = {
    {IDLE, true, nullptr},
    {LUNGE, true, nullptr},
    {GONE, false, burst},
    {WALK, true, nullptr},
    {GONE, false, burst_in_gore},
    {GONE, false, sink_in_flames},
    {LIGHTNING_CHARGE, true, nullptr},
    {BOLT, true, nullptr},
    {GONE, false, nullptr},
};
static_assert(sizeof STATE_CHANGES / sizeof STATE_CHANGES[0] == LevelScript::STATE_CODES,
              "one change a code");

const char* const PAGE_END = "END";

int agent_count() {
    return static_cast<int>(Agent::agents.size());
}

// An agent that a command names but that does not exist is logged as the command's error.
Agent* existing_agent(int id, const std::string& command) {
    if (id >= 0 && id < agent_count()) return Agent::agents[id];
    Error::note("Invalid ID for " + command + ": Agent " + Utility::str(id) + " doesn't exist");
    return nullptr;
}
} // namespace

const std::vector<Command>& LevelScript::commands() {
    using S = LevelScript;
    static const std::vector<Command> table = {
        {"BACKGROUND",
         {of(PICTURE, "image"), place("offset"), place("bottom"),
          Arg{NUMBER, "distance", INT_MIN, INT_MAX, true, false}},
         PLAIN,
         &S::background},
        {"CAMPFIRE", {place("x")}, PLAIN, &S::campfire},
        {"TEXT", {of(PAGE, "page")}, PLAIN, &S::text},
        {"DELAY WAVE", {number("milliseconds")}, CAN_WIN, &S::delay_wave},
        {"SATAN", {place("x")}, PLAIN, &S::satan},
        {"EXIT", {}, PLAIN, &S::exit_level},
        {"WIN", {}, CAN_WIN, &S::win_level},
        {"BLACKEN", {number("flag")}, PLAIN, &S::blacken},
        {"TEAM AI", {of(TEAM, "team"), of(CONTROLLER, "controller")}, PLAIN, &S::team_ai},
        {"WAVEPAUSE", {number("milliseconds")}, PLAIN, &S::wave_pause},
        {"SUBTITLE", {of(CAPTION, "text")}, PLAIN, &S::subtitle},
        {"AGENT",
         {Arg{SKIN, "skin", 0, SKIN_COUNT - 1, false, false}, place("hit points"), of(TEAM, "team"),
          place("x"), number("facing left"), of(CONTROLLER, "controller")},
         MAKES_AGENT,
         &S::agent},
        {"SPEECH", {of(AGENT_ID, "agent"), of(SOUND, "sound")}, PLAIN, &S::speech},
        {"FREEZE", {of(AGENT_ID, "agent"), number("flag")}, PLAIN, &S::freeze},
        {"TEAMSPEAK", {of(TEAM, "team"), of(SOUND, "sound")}, PLAIN, &S::teamspeak},
        {"SETSTATE", {of(AGENT_ID, "agent"), ranged("state", 1, STATE_CODES)}, PLAIN, &S::setstate},
        {"PLAY", {of(SOUND, "sound")}, PLAIN, &S::play},
        {"PLAY_BG", {of(SOUND, "sound")}, PLAIN, &S::play_bg},
        {"WAVES", {ranged("count", 0, INT_MAX)}, SETS_WAVES, &S::waves},
        {"HALT IF WON", {}, PLAIN, &S::halt_if_won},
        {"HALT IF LOST", {}, PLAIN, &S::halt_if_lost},
        {"MUSIC", {ranged("track", -1, Sound::TRACK_COUNT - 1)}, PLAIN, &S::music},
        {"RANDMUSIC", {}, PLAIN, &S::random_music},
        {"HEALTH", {of(AGENT_ID, "agent")}, PLAIN, &S::health},
        {"EFFECT", {ranged("weather", 0, Level::WEATHER_KINDS - 1)}, PLAIN, &S::effect},
        {"TWOPLAYER", {}, TWO_PLAYERS, &S::two_player},
        {"TELEPORT", {of(AGENT_ID, "agent"), place("x")}, PLAIN, &S::teleport},
        {"HEAL", {of(AGENT_ID, "agent")}, PLAIN, &S::heal},
        {"CRIPPLE", {of(AGENT_ID, "agent")}, PLAIN, &S::cripple},
        {"HALO", {of(AGENT_ID, "agent")}, PLAIN, &S::halo},
        {"SET TEAM", {of(AGENT_ID, "agent"), of(TEAM, "team")}, SETS_TEAM, &S::set_team},
        {"CHILD", {place("x"), of(TEAM, "team"), number("facing left")}, MAKES_AGENT, &S::child},
        {"WOMAN", {place("x"), of(TEAM, "team"), number("facing left")}, MAKES_AGENT, &S::woman},
        {"TELEKINETIC", {of(AGENT_ID, "agent")}, PLAIN, &S::telekinetic},
    };
    return table;
}

const Command* LevelScript::find(const std::string& line) {
    for (const Command& c : commands())
        if (line == c.keyword) return &c;
    return nullptr;
}

bool LevelScript::is_comment(const std::string& line) {
    return line.empty() || line[0] == '/';
}

bool LevelScript::is_page_end(const std::string& line) {
    return line == PAGE_END;
}

SpriteVariant LevelScript::skin(int number) {
    return number >= 0 && number < SKIN_COUNT ? SKINS[number] : VARIANT_SHEET;
}

LevelScript::LevelScript(Level& level, const std::string& dir) : level(level), dir(dir) {}

void LevelScript::run(const std::string& file) {
    Level::wave_pause = 1500;
    FileIn in(dir + file);
    // A request to close the game stops the script where it stands.
    while (in.is_open() && !in.empty() && !Events::quitting()) {
        const std::string line = in.getLine();
        if (is_comment(line)) continue;
        const Command* command = find(line);
        if (!command)
            Error::note("INVALID LEVEL SCRIPT COMMAND: " + line);
        else if (!perform(*command, in))
            break;
    }
    level.speech_skipped = false;
}

// Every argument is read before any is judged, so a rejected command never leaves its
// arguments to be taken for commands.
bool LevelScript::perform(const Command& command, FileIn& in) {
    Arguments a;
    for (const Arg& arg : command.args) {
        if (arg.kind == PAGE) {
            // A last line that the end of the file cuts short is still shown.
            while (!in.empty()) {
                std::string line = in.getLine();
                if (is_page_end(line)) break;
                a.page.push_back(line);
            }
        } else if (arg.is_number()) {
            const int n = in.getInt();
            a.numbers.push_back(
                arg.clamped
                    ? Utility::clamp(n, SCRIPT_LIMIT, std::string(command.keyword) + " " + arg.name)
                    : n);
        } else {
            a.text = in.getLine();
        }
    }
    return (this->*command.run)(a);
}

bool LevelScript::background(const Arguments& a) {
    const int distance = a.numbers[2];
    if (distance == 0) {
        Error::note("Expected non-zero distance for BACKGROUND");
        return true;
    }
    Image* image = new Image("graphics/screens/" + a.text);
    // Bottom 0 puts the image's lower edge on the screen's lower edge.
    level.backgrounds.push_back(
        new Level::Background(image, a.numbers[0], a.numbers[1] + Graphics::screen->h(), distance));
    return true;
}

bool LevelScript::campfire(const Arguments& a) {
    new Attack(ATK_CAMPFIRE, nullptr, Coord(a.numbers[0], Level::FLOOR_HEIGHT));
    return true;
}

bool LevelScript::text(const Arguments& a) {
    Graphics::screen->fill(Pixel::black);
    int y = PAGE_TOP;
    for (const std::string& line : a.page) {
        Image* picture = TextMaker::make_utf8(line.c_str(), 255, 255, 255);
        picture->draw(Coord(PAGE_LEFT, y));
        delete picture;
        y += PAGE_LINE_HEIGHT;
    }
    Graphics::refresh();
    Events::discard();
    if (Events::wait_for_key()) Sound::play_sword_wield();
    return true;
}

bool LevelScript::delay_wave(const Arguments& a) {
    level.win_time = Clock::now() + a.numbers[0];
    return true;
}

bool LevelScript::satan(const Arguments& a) {
    const int x = a.numbers[0];
    if (level.pit) level.pit->kill();
    level.pit = new Attack(ATK_PIT, nullptr, Coord(x, 0));
    for (int dx : {0, 50, 100})
        new Attack(ATK_HELLFIRE, nullptr, Coord(x + dx, 30));
    return true;
}

bool LevelScript::exit_level(const Arguments&) {
    level.exit_requested = true;
    return true;
}

bool LevelScript::win_level(const Arguments&) {
    level.script_won = true;
    return true;
}

bool LevelScript::blacken(const Arguments& a) {
    level.blacken = a.numbers[0] != 0;
    return true;
}

bool LevelScript::team_ai(const Arguments& a) {
    const int team = a.numbers[0];
    AI::replace_if([team](const AI& c) { return c.agent->team == team; }, a.text);
    return true;
}

bool LevelScript::wave_pause(const Arguments& a) {
    Level::wave_pause = a.numbers[0];
    return true;
}

bool LevelScript::subtitle(const Arguments& a) {
    delete level.subtitle;
    level.subtitle = TextMaker::make_utf8(a.text.c_str(), 255, 255, 255);
    return true;
}

bool LevelScript::agent(const Arguments& a) {
    int skin_number = a.numbers[0];
    if (skin_number < 0 || skin_number >= SKIN_COUNT) {
        Error::note("Skin ID out of range. Must be between 0 and 17");
        skin_number = 0;
    }
    Agent* fighter =
        new Agent(skin(skin_number), a.numbers[1], Coord(a.numbers[3], Level::FLOOR_HEIGHT),
                  a.numbers[2], a.numbers[4] != 0);
    AI::make_AI(a.text, fighter, true);
    return true;
}

bool LevelScript::speech(const Arguments& a) {
    const int id = a.numbers[0];
    if (!existing_agent(id, "SPEECH")) return true;
    Mix_Chunk* sound = load_sound(a.text);
    if (!sound) return true;
    level.speech(id, sound);
    Mix_FreeChunk(sound);
    return true;
}

bool LevelScript::freeze(const Arguments& a) {
    if (Agent* frozen = existing_agent(a.numbers[0], "FREEZE")) frozen->frozen = a.numbers[1] != 0;
    return true;
}

bool LevelScript::teamspeak(const Arguments& a) {
    Mix_Chunk* sound = load_sound(a.text);
    if (!sound) return true;
    for (int id = 0; id < agent_count(); ++id)
        if (Agent::agents[id]->alive && Agent::agents[id]->team == a.numbers[0]) {
            level.speech(id, sound);
            break;
        }
    Mix_FreeChunk(sound);
    return true;
}

bool LevelScript::setstate(const Arguments& a) {
    Agent* target = existing_agent(a.numbers[0], "SETSTATE");
    if (!target) return true;
    const int code = a.numbers[1];
    if (code < 1 || code > STATE_CODES) {
        Error::note("Invalid state for SETSTATE: State " + Utility::str(code) + " doesn't exist");
        return true;
    }
    const StateChange& change = STATE_CHANGES[code - 1];
    target->set_state(change.state);
    if (change.revives) target->alive = true;
    if (change.aftermath) change.aftermath(target);
    return true;
}

bool LevelScript::play(const Arguments& a) {
    Mix_Chunk* sound = load_sound(a.text);
    if (!sound) return true;
    level.play(sound);
    Mix_FreeChunk(sound);
    return true;
}

bool LevelScript::play_bg(const Arguments& a) {
    Mix_Chunk* sound = load_sound(a.text);
    if (!sound) return true;
    Sound::play_chunk(sound);
    // Kept loaded while it plays; the level frees it.
    level.background_sounds.push_back(sound);
    return true;
}

bool LevelScript::waves(const Arguments& a) {
    int count = a.numbers[0];
    if (count < 0) {
        Error::note("Error: Level cannot have " + Utility::str(count) + " waves!");
        count = 0;
    }
    level.waves = count;
    return true;
}

bool LevelScript::halt_if_won(const Arguments&) {
    return !level.won();
}

bool LevelScript::halt_if_lost(const Arguments&) {
    return !level.lost();
}

bool LevelScript::music(const Arguments& a) {
    const int track = a.numbers[0];
    if (track < -1 || track >= Sound::TRACK_COUNT)
        Error::note("Error: Music doesn't exist with id " + Utility::str(track));
    else if (track == -1)
        Mix_FadeOutMusic(2000);
    else
        Sound::play_music(track, true);
    return true;
}

bool LevelScript::random_music(const Arguments&) {
    if (Mix_PlayingMusic() || Sound::mus.empty()) return true;
    Mix_Music* track = Sound::mus[Random::next() % Sound::mus.size()];
    if (track) Mix_PlayMusic(track, 1);
    return true;
}

bool LevelScript::health(const Arguments& a) {
    Agent* target = existing_agent(a.numbers[0], "HEALTH");
    if (!target) return true;
    if (target->team == 1) {
        level.health_bars.push_back(new HealthMonitor(target, 40 * level.player_bars, true));
        ++level.player_bars;
    } else {
        const int others = static_cast<int>(level.health_bars.size()) - level.player_bars;
        level.health_bars.push_back(new HealthMonitor(target, 40 * others, false));
    }
    return true;
}

bool LevelScript::effect(const Arguments& a) {
    const int kind = a.numbers[0];
    level.weather = kind;
    // The previous loop goes first, or it would play on unheard of for the rest of the level.
    Sound::stop_loops();
    if (kind == Level::WEATHER_RAIN || kind == Level::WEATHER_STORM)
        Sound::loop_rain();
    else if (kind == Level::WEATHER_LEAVES)
        Sound::loop_wind();
    return true;
}

bool LevelScript::two_player(const Arguments&) {
    level.two_player = true;
    return true;
}

bool LevelScript::teleport(const Arguments& a) {
    Agent* target = existing_agent(a.numbers[0], "TELEPORT");
    if (!target) return true;
    const int x = a.numbers[1];
    Effect::teleport(target->pos);
    Effect::teleport(Coord(x, Level::FLOOR_HEIGHT));
    Sound::play_teleport();
    target->pos.x = x;
    return true;
}

bool LevelScript::heal(const Arguments& a) {
    if (Agent* target = existing_agent(a.numbers[0], "HEAL/CRIPPLE")) target->set_hp(10000);
    return true;
}

bool LevelScript::cripple(const Arguments& a) {
    if (Agent* target = existing_agent(a.numbers[0], "HEAL/CRIPPLE")) target->set_max_hp(1);
    return true;
}

bool LevelScript::halo(const Arguments& a) {
    if (Agent* target = existing_agent(a.numbers[0], "HALO"))
        new Attack(ATK_HALO, target, Coord(0, 0));
    return true;
}

bool LevelScript::set_team(const Arguments& a) {
    if (Agent* target = existing_agent(a.numbers[0], "SET TEAM")) target->team = a.numbers[1];
    return true;
}

// Civilians drop from the top of the screen; they have no controller.
bool LevelScript::child(const Arguments& a) {
    new AgentChild(Coord(a.numbers[0], 0), a.numbers[1], a.numbers[2] != 0);
    return true;
}

bool LevelScript::woman(const Arguments& a) {
    new AgentWoman(Coord(a.numbers[0], 0), a.numbers[1], a.numbers[2] != 0);
    return true;
}

bool LevelScript::telekinetic(const Arguments& a) {
    if (Agent* target = existing_agent(a.numbers[0], "TELEKINETIC"))
        new Attack(ATK_TELEKINESIS, target, target->pos);
    return true;
}

Mix_Chunk* LevelScript::load_sound(const std::string& file) const {
    Mix_Chunk* sound = Sound::load(dir + file);
    if (!sound) Error::note("Failed to load sound file: " + dir + file);
    return sound;
}
