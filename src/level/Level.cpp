#include "level/Level.h"

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
#include "core/Sound.h"
#include "core/TextMaker.h"
#include "core/Utility.h"
#include "level/Stringz.h"
#include "world/Effect.h"
#include "world/Particle.h"

int Level::FLOOR_HEIGHT = 500;
int Level::wave_pause = 1500;
int Level::focal_agent = 0;
int Level::suspend_win = 0;
Uint32 Level::skycolour = 0;

namespace {
constexpr int SKY_FADE_FRAMES = 339;
// Layers lower than this shake with the earthquake.
constexpr int QUAKE_LINE = 300;
// A ledge level's ground ends at these x; below this y an agent has walked off it.
constexpr int LEDGE_LEFT = 200;
constexpr int LEDGE_RIGHT = 600;
constexpr int LEDGE_DROP = 349;
// The camera closes this fraction of the distance each frame.
constexpr double CAMERA_LAG = 20.0;

int screen_width() {
    return Graphics::screen->w();
}
int screen_height() {
    return Graphics::screen->h();
}
int agent_count() {
    return static_cast<int>(Agent::agents.size());
}
} // namespace

Level::Background::Background(Image* image, int offset, int bottom, int distance)
    : image(image), distance(distance), offset(offset), top(bottom - image->h()) {}

Level::Background::~Background() {
    delete image;
}

void Level::Background::draw() {
    const int width = screen_width();
    // In 64 bits: the lowest int divided by -1 does not fit in an int.
    long long x = static_cast<long long>(offset) / distance;
    // Whole screen widths are taken off or added until x lies in 0..width (0 stays 0 and a
    // multiple of the width becomes the width).
    if (x < 0)
        x = (x % width + width) % width;
    else if (x > width)
        x = (x - 1) % width + 1;
    image->draw(Coord(static_cast<int>(x), top));
    image->draw(Coord(static_cast<int>(x) - width, top));
}

void Level::Background::shift(int dx) {
    offset += dx;
}

Level::Level()
    : player_bars(0), waves(0), weather(WEATHER_CLEAR), two_player(false), speech_skipped(false),
      blacken(false), win_time(0), exit_requested(false), script_won(false), pit(nullptr),
      sky_fade(0), quake(0), subtitle(nullptr) {
    FLOOR_HEIGHT = 500;
    wave_pause = 1500;
    focal_agent = 0;
    suspend_win = 0;
    skycolour = Pixel::make(127, 127, 127);
    Mix_HaltChannel(-1);
}

Level::~Level() {
    Agent::delete_all();
    Particle::background.clear();
    Particle::foreground.clear();
    Attack::DB.clear();
    AI::kill_all();
    for (Background* b : backgrounds)
        delete b;
    for (HealthMonitor* h : health_bars)
        delete h;
    delete subtitle;
    // Freeing a chunk halts the channels still playing it.
    for (Mix_Chunk* chunk : background_sounds)
        Mix_FreeChunk(chunk);
}

void Level::run() {
    speech_skipped = false;
    AI::run_all();
    update();
}

void Level::update() {
    fade_sky();
    Graphics::screen->fill(skycolour);
    if (weather == WEATHER_STORM) storm();
    for (size_t i = 0; i + 1 < backgrounds.size(); ++i)
        backgrounds[i]->draw();
    undo_quake();
    apply_weather();
    run_world();
    draw_overlays();
    if (Agent::agents.empty()) return;
    if (weather == WEATHER_LEDGE) kill_on_ledges();
    if (!two_player)
        follow_focal_agent();
    else if (weather != WEATHER_LEDGE)
        follow_both_players();
    if (blacken) Graphics::screen->fill(Pixel::black);
}

void Level::fade_sky() {
    if (!pit || sky_fade >= SKY_FADE_FRAMES) return;
    const int c = ++sky_fade;
    const int green_blue = 127 - (107 * c) / SKY_FADE_FRAMES;
    skycolour = Pixel::make(127 - (27 * c) / SKY_FADE_FRAMES, green_blue, green_blue);
}

void Level::storm() {
    // These outlive the level, so a storm goes on where the last one left off.
    static bool stormed = false;
    static int lightning_delay = 0;
    static int lightning_time = 0;
    static int lightning_pos1 = 0;
    static int lightning_pos2 = 0;
    Effect::rain();
    // The first storm of the run draws its countdown after that frame's first raindrop.
    if (!stormed) lightning_delay = std::rand() % 100;
    stormed = true;
    lightning_delay += std::rand() % 3;
    if (lightning_delay % 200 == 0) {
        Graphics::screen->fill(Pixel::make(255, 255, 255));
        lightning_time = std::rand() % 30;
        lightning_pos1 = std::rand() % screen_width();
        lightning_pos2 = std::rand() % screen_width();
        lightning_delay = 1;
        Sound::play_thunder();
    }
    if (lightning_time > 0) {
        --lightning_time;
        Effect::lightning(Coord(lightning_pos1, 0), Coord(lightning_pos2, screen_height()), 1, 10,
                          40);
    }
}

void Level::undo_quake() {
    if (quake == 0) return;
    for (Background* b : backgrounds)
        if (b->top > QUAKE_LINE) {
            b->top -= quake;
            FLOOR_HEIGHT -= quake;
        }
    quake = 0;
}

void Level::shake() {
    quake = std::rand() % 15;
    for (Background* b : backgrounds)
        if (b->top > QUAKE_LINE) {
            b->top += quake;
            FLOOR_HEIGHT += quake;
        }
    if (std::rand() % 5 == 0) {
        Effect::hellfire(std::rand() % 800);
        Sound::play_flame();
    }
}

void Level::apply_weather() {
    switch (weather) {
    case WEATHER_RAIN:
        Effect::rain();
        break;
    case WEATHER_STORM:
        Effect::rain();
        Effect::rain();
        break;
    case WEATHER_LEAVES:
        Effect::leaf();
        break;
    case WEATHER_SNOW:
        Effect::snow();
        break;
    case WEATHER_QUAKE:
        shake();
        break;
    case WEATHER_PIT_SINK:
        if (pit) pit->pos.y += 1;
        break;
    case WEATHER_PIT_RISE:
        if (pit) pit->pos.y -= 1;
        break;
    default:
        break;
    }
}

void Level::run_world() {
    Particle::background.run();
    Agent::run_all();
    Attack::DB.run();
    Particle::foreground.run();
}

void Level::draw_overlays() {
    for (HealthMonitor* h : health_bars)
        h->draw();
    if (!backgrounds.empty()) backgrounds.back()->draw();
    if (subtitle) subtitle->draw(Coord(50, screen_height() - 80));
}

void Level::kill_on_ledges() {
    for (Agent* a : Agent::agents) {
        if (!a->alive || a->pos.y <= LEDGE_DROP) continue;
        if (a->pos.x >= LEDGE_LEFT && a->pos.x <= LEDGE_RIGHT) continue;
        if (a->variant != VARIANT_WATER) {
            Sound::play_death();
            Sound::play_bodyburst();
            Effect::giblets(a);
        }
        a->set_state(GONE);
    }
}

void Level::follow_focal_agent() {
    if (weather == WEATHER_LEDGE || focal_agent < 0 || focal_agent >= agent_count()) return;
    const Agent* a = Agent::agents[focal_agent];
    const int width = screen_width();
    // More room in front of the agent than behind it.
    const int target =
        a->facing_left ? static_cast<int>(0.667 * width) : static_cast<int>(0.333 * width);
    shift(static_cast<int>((target - static_cast<double>(a->pos.x)) / CAMERA_LAG));
}

void Level::follow_both_players() {
    const int width = screen_width();
    if (agent_count() >= 2) {
        const Agent* first = Agent::agents[0];
        const Agent* second = Agent::agents[1];
        if (first->team != second->team && first->alive != second->alive) {
            const Agent* winner = first->alive ? first : second;
            Image* label = Stringz::hotseatwon;
            if (label) label->draw(Coord(winner->pos.x - label->w() / 2, winner->pos.y - 150));
        }
    }
    int lo = -1;
    int hi = -1;
    bool any = false;
    for (Agent* a : Agent::agents) {
        if (!a->alive) continue;
        if (a->pos.x < 0) a->pos.x = 0;
        if (a->pos.x > width) a->pos.x = width;
        if (!any) {
            lo = hi = a->pos.x;
            any = true;
        } else if (a->pos.x < lo) {
            lo = a->pos.x;
        } else if (a->pos.x > hi) {
            hi = a->pos.x + 1;
        }
    }
    const int mid = lo + (hi - lo) / 2;
    shift(static_cast<int>((width / 2 - mid) / CAMERA_LAG));
}

void Level::shift(int dx) {
    for (Background* b : backgrounds)
        b->shift(dx);
    for (ThingDB* list : {&Particle::background, &Particle::foreground})
        for (list->reiterate(); list->current(); list->next())
            list->current()->pos.x += dx;
    for (Attack::DB.reiterate(); Attack::DB.current(); Attack::DB.next()) {
        Attack* a = static_cast<Attack*>(Attack::DB.current());
        if (a->carrier) a->carrier->pos.x += dx;
    }
    for (Agent* a : Agent::agents)
        a->pos.x += dx;
}

void Level::speech(int agent, Mix_Chunk* sound) {
    if ((agent != -1 && !Agent::agents[agent]->alive) || speech_skipped || Events::quitting())
        return;
    Agent::suspend_damage = true;
    for (Agent* a : Agent::agents) {
        if (!a->alive) continue;
        a->input = AgentInput();
        if (a->state == TELEPORT) Effect::teleport(a->pos);
        a->set_state(a->airborn() ? AIRBORNE : IDLE);
    }
    const int kept_focus = focal_agent;
    if (agent != -1) {
        focal_agent = agent;
        Agent::agents[agent]->set_state(TALK);
    }
    Events::discard();
    const int channel = Sound::play_chunk(sound);
    // A sound that could not start has nothing to wait for (channel -1 would ask about all).
    while (channel >= 0 && Mix_Playing(channel)) {
        if (Events::quitting()) {
            Mix_HaltChannel(channel);
            break;
        }
        update();
        if (Stringz::movieSkip) Stringz::movieSkip->draw(Coord(50, screen_height() - 50));
        Graphics::refresh();
        SDL_Event event;
        if (Events::poll(event) && event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_TAB) {
            speech_skipped = true;
            Mix_HaltChannel(channel);
        }
    }
    if (agent != -1) {
        Agent::agents[agent]->set_state(IDLE);
        focal_agent = kept_focus;
    }
    Agent::suspend_damage = false;
}

void Level::play(Mix_Chunk* sound) {
    speech(-1, sound);
}

bool Level::versus() const {
    return two_player && (agent_count() < 2 || Agent::agents[0]->team != Agent::agents[1]->team);
}

bool Level::players_checked() const {
    return !versus();
}

bool Level::player_fallen() const {
    for (const Agent* a : Agent::agents)
        if (a->team == 1 && !a->alive) return true;
    return false;
}

bool Level::won() const {
    if (suspend_win != 0) return false;
    if (players_checked() && player_fallen()) return false;
    if (win_time != 0 && Clock::now() > win_time) return true;
    if (versus()) return false;
    for (const Agent* a : Agent::agents)
        if (a->team > 1 && a->alive) return false;
    return true;
}

bool Level::stagnant() const {
    if (suspend_win != 0 || Agent::agents.empty()) return false;
    if (players_checked() && player_fallen()) return false;
    const Agent* first_alive = nullptr;
    for (const Agent* a : Agent::agents) {
        if (!a->alive) continue;
        if (!first_alive)
            first_alive = a;
        else if (a->team != first_alive->team)
            return false;
    }
    return first_alive != nullptr;
}

bool Level::lost() const {
    if (versus() || Agent::agents.empty()) return false;
    return player_fallen();
}

bool Level::quit() const {
    return exit_requested;
}

bool Level::coop() const {
    return two_player && agent_count() >= 2 && Agent::agents[0]->team == Agent::agents[1]->team;
}

// ---- Level scripts ----

namespace {
// Positions and hit points from scripts are kept within this many pixels or points: far
// beyond any screen, while every sum and difference of them stays far within an int.
constexpr int SCRIPT_LIMIT = 1000000;

int in_range(int value, const std::string& what) {
    return Utility::clamp(value, SCRIPT_LIMIT, what);
}

// Skin numbers of the AGENT command; the water variant cannot be chosen.
constexpr int SKINS[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                         13, 14, 15, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26};
constexpr int SKIN_COUNT = sizeof SKINS / sizeof SKINS[0];

Agent* agent_by_id(int id) {
    if (id < 0 || id >= agent_count()) return nullptr;
    return Agent::agents[id];
}

// Null, logged, when the file cannot be loaded.
Mix_Chunk* load_sound(const std::string& path) {
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    Mix_Chunk* sound = file ? Mix_LoadWAV_RW(file, 1) : nullptr;
    if (!sound) Error::note("Failed to load sound file: " + path);
    return sound;
}

// An agent that a command names but that does not exist, logged as the command's error.
Agent* existing_agent(int id, const std::string& command) {
    Agent* a = agent_by_id(id);
    if (!a)
        Error::note("Invalid ID for " + command + ": Agent " + Utility::str(id) + " doesn't exist");
    return a;
}
} // namespace

void Level::runScript(std::string dir, std::string file) {
    wave_pause = 1500;
    FileIn in(dir + file);
    // A request to close the game stops the script where it stands.
    while (in.is_open() && !in.empty() && !Events::quitting())
        if (!command(in.getLine(), in, dir)) break;
    speech_skipped = false;
    in.close();
}

bool Level::command(const std::string& line, FileIn& in, const std::string& dir) {
    if (line == "BACKGROUND") {
        script_background(in);
    } else if (line == "CAMPFIRE") {
        new Attack(ATK_CAMPFIRE, nullptr, Coord(in_range(in.getInt(), "CAMPFIRE x"), FLOOR_HEIGHT));
    } else if (line == "TEXT") {
        script_text(in);
    } else if (line == "DELAY WAVE") {
        win_time = Clock::now() + in.getInt();
    } else if (line == "SATAN") {
        script_satan(in_range(in.getInt(), "SATAN x"));
    } else if (line == "EXIT") {
        exit_requested = true;
    } else if (line == "WIN") {
        script_won = true;
    } else if (line == "BLACKEN") {
        blacken = in.getInt() != 0;
    } else if (line == "TEAM AI") {
        const int team = in.getInt();
        script_team_ai(team, in.getLine());
    } else if (line == "WAVEPAUSE") {
        wave_pause = in.getInt();
    } else if (line == "SUBTITLE") {
        const std::string text = in.getLine();
        delete subtitle;
        subtitle = TextMaker::make_utf8(text.c_str(), 255, 255, 255);
    } else if (line == "AGENT") {
        script_agent(in);
    } else if (line.empty() || line[0] == '/') {
        // A comment.
    } else if (line == "SPEECH") {
        const int id = in.getInt();
        script_speech(id, dir + in.getLine());
    } else if (line == "FREEZE") {
        const int id = in.getInt();
        const int flag = in.getInt();
        if (Agent* a = existing_agent(id, "FREEZE")) a->frozen = flag != 0;
    } else if (line == "TEAMSPEAK") {
        const int team = in.getInt();
        script_teamspeak(team, dir + in.getLine());
    } else if (line == "SETSTATE") {
        const int id = in.getInt();
        script_setstate(id, in.getInt());
    } else if (line == "PLAY") {
        script_play(dir + in.getLine(), true);
    } else if (line == "PLAY_BG") {
        script_play(dir + in.getLine(), false);
    } else if (line == "WAVES") {
        script_waves(in.getInt());
    } else if (line == "HALT IF WON") {
        if (won()) return false;
    } else if (line == "HALT IF LOST") {
        if (lost()) return false;
    } else if (line == "MUSIC") {
        script_music(in.getInt());
    } else if (line == "RANDMUSIC") {
        script_random_music();
    } else if (line == "HEALTH") {
        script_health(in.getInt());
    } else if (line == "EFFECT") {
        script_effect(in.getInt());
    } else if (line == "TWOPLAYER") {
        two_player = true;
    } else if (line == "TELEPORT") {
        const int id = in.getInt();
        script_teleport(id, in_range(in.getInt(), "TELEPORT x"));
    } else if (line == "HEAL") {
        if (Agent* a = existing_agent(in.getInt(), "HEAL/CRIPPLE")) a->set_hp(10000);
    } else if (line == "CRIPPLE") {
        if (Agent* a = existing_agent(in.getInt(), "HEAL/CRIPPLE")) a->set_max_hp(1);
    } else if (line == "HALO") {
        if (Agent* a = existing_agent(in.getInt(), "HALO")) new Attack(ATK_HALO, a, Coord(0, 0));
    } else if (line == "SET TEAM") {
        const int id = in.getInt();
        const int team = in.getInt();
        if (Agent* a = existing_agent(id, "SET TEAM")) a->team = team;
    } else if (line == "CHILD" || line == "WOMAN") {
        const int x = in_range(in.getInt(), line + " x");
        const int team = in.getInt();
        const bool facing_left = in.getInt() != 0;
        if (line == "CHILD")
            new AgentChild(Coord(x, 0), team, facing_left);
        else
            new AgentWoman(Coord(x, 0), team, facing_left);
    } else if (line == "TELEKINETIC") {
        if (Agent* a = existing_agent(in.getInt(), "TELEKINETIC"))
            new Attack(ATK_TELEKINESIS, a, a->pos);
    } else {
        Error::note("INVALID LEVEL SCRIPT COMMAND: " + line);
    }
    return true;
}

void Level::script_background(FileIn& in) {
    const std::string file = in.getLine();
    const int offset = in_range(in.getInt(), "BACKGROUND offset");
    const int bottom = in_range(in.getInt(), "BACKGROUND bottom");
    const int distance = in.getInt();
    if (distance == 0) {
        Error::note("Expected non-zero distance for BACKGROUND");
        return;
    }
    Image* image = new Image("graphics/screens/" + file);
    // Bottom 0 puts the image's lower edge on the screen's lower edge.
    backgrounds.push_back(new Background(image, offset, bottom + screen_height(), distance));
}

void Level::script_text(FileIn& in) {
    Graphics::screen->fill(Pixel::black);
    int y = 40;
    // A last line that the end of the file cuts short is still shown.
    while (!in.empty()) {
        const std::string line = in.getLine();
        if (line == "END") break;
        Image* text = TextMaker::make_utf8(line.c_str(), 255, 255, 255);
        text->draw(Coord(50, y));
        delete text;
        y += 40;
    }
    Graphics::refresh();
    Events::discard();
    if (Events::wait_for_key()) Sound::play_sword_wield();
}

void Level::script_satan(int x) {
    if (pit) pit->kill();
    pit = new Attack(ATK_PIT, nullptr, Coord(x, 0));
    for (int dx : {0, 50, 100})
        new Attack(ATK_HELLFIRE, nullptr, Coord(x + dx, 30));
}

void Level::script_team_ai(int team, const std::string& name) {
    AI::replace_if([team](const AI& c) { return c.agent->team == team; }, name);
}

void Level::script_agent(FileIn& in) {
    int skin = in.getInt();
    const int hp = in_range(in.getInt(), "AGENT hit points");
    const int team = in.getInt();
    const int x = in_range(in.getInt(), "AGENT x");
    const bool facing_left = in.getInt() != 0;
    const std::string controller = in.getLine();
    if (skin < 0 || skin >= SKIN_COUNT) {
        Error::note("Skin ID out of range. Must be between 0 and 17");
        skin = 0;
    }
    Agent* a = new Agent(static_cast<SpriteVariant>(SKINS[skin]), hp, Coord(x, FLOOR_HEIGHT), team,
                         facing_left);
    AI::make_AI(controller, a, true);
}

void Level::script_setstate(int id, int code) {
    Agent* a = existing_agent(id, "SETSTATE");
    if (!a) return;
    switch (code) {
    case 1:
        a->set_state(IDLE);
        a->alive = true;
        break;
    case 2:
        a->set_state(LUNGE);
        a->alive = true;
        break;
    case 3:
        a->set_state(GONE);
        Effect::giblets(a);
        Sound::play_bodyburst();
        break;
    case 4:
        a->set_state(WALK);
        a->alive = true;
        break;
    case 5:
        a->set_state(GONE);
        Effect::giblets(a);
        new Attack(ATK_GORE, nullptr, a->pos);
        Sound::play_bodyburst();
        break;
    case 6:
        a->set_state(GONE);
        // The vanishing plays slowly while the hellfire rises.
        a->frame_delay = 20;
        for (int dx : {40, 60, 80})
            new Attack(ATK_HELLFIRE, nullptr, Coord(a->pos.x + dx, 300));
        break;
    case 7:
        a->set_state(LIGHTNING_CHARGE);
        a->alive = true;
        break;
    case 8:
        a->set_state(BOLT);
        a->alive = true;
        break;
    case 9:
        a->set_state(GONE);
        break;
    default:
        Error::note("Invalid state for SETSTATE: State " + Utility::str(code) + " doesn't exist");
        break;
    }
}

void Level::script_speech(int id, const std::string& path) {
    if (!existing_agent(id, "SPEECH")) return;
    Mix_Chunk* sound = load_sound(path);
    if (!sound) return;
    speech(id, sound);
    Mix_FreeChunk(sound);
}

void Level::script_teamspeak(int team, const std::string& path) {
    Mix_Chunk* sound = load_sound(path);
    if (!sound) return;
    for (int id = 0; id < agent_count(); ++id)
        if (Agent::agents[id]->alive && Agent::agents[id]->team == team) {
            speech(id, sound);
            break;
        }
    Mix_FreeChunk(sound);
}

void Level::script_play(const std::string& path, bool wait) {
    Mix_Chunk* sound = load_sound(path);
    if (!sound) return;
    if (wait) {
        play(sound);
        Mix_FreeChunk(sound);
    } else {
        Sound::play_chunk(sound);
        background_sounds.push_back(sound);
    }
}

void Level::script_waves(int count) {
    if (count < 0) {
        Error::note("Error: Level cannot have " + Utility::str(count) + " waves!");
        count = 0;
    }
    waves = count;
}

void Level::script_music(int track) {
    if (track < -1 || track >= static_cast<int>(Sound::mus.size())) {
        Error::note("Error: Music doesn't exist with id " + Utility::str(track));
    } else if (track == -1) {
        Mix_FadeOutMusic(2000);
    } else {
        Sound::play_music(track, true);
    }
}

void Level::script_random_music() {
    if (Mix_PlayingMusic() || Sound::mus.empty()) return;
    Mix_Music* track = Sound::mus[std::rand() % Sound::mus.size()];
    if (track) Mix_PlayMusic(track, 1);
}

void Level::script_health(int id) {
    Agent* a = existing_agent(id, "HEALTH");
    if (!a) return;
    if (a->team == 1) {
        health_bars.push_back(new HealthMonitor(a, 40 * player_bars, true));
        ++player_bars;
    } else {
        const int others = static_cast<int>(health_bars.size()) - player_bars;
        health_bars.push_back(new HealthMonitor(a, 40 * others, false));
    }
}

void Level::script_effect(int kind) {
    weather = kind;
    // The previous loop goes first, or it would play on unheard of for the rest of the level.
    Sound::stop_loops();
    if (kind == WEATHER_RAIN || kind == WEATHER_STORM)
        Sound::loop_rain();
    else if (kind == WEATHER_LEAVES)
        Sound::loop_wind();
}

void Level::script_teleport(int id, int x) {
    Agent* a = existing_agent(id, "TELEPORT");
    if (!a) return;
    Effect::teleport(a->pos);
    Effect::teleport(Coord(x, FLOOR_HEIGHT));
    Sound::play_teleport();
    a->pos.x = x;
}
