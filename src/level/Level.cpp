#include "level/Level.h"

#include <cstdlib>

#include "ai/AI.h"
#include "combat/Agent.h"
#include "combat/Attack.h"
#include "combat/HealthMonitor.h"
#include "core/Clock.h"
#include "core/Events.h"
#include "core/Graphics.h"
#include "core/Pixel.h"
#include "core/Random.h"
#include "core/Sound.h"
#include "level/LevelScript.h"
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
    if (!stormed) lightning_delay = Random::next() % 100;
    stormed = true;
    lightning_delay += Random::next() % 3;
    if (lightning_delay % 200 == 0) {
        Graphics::screen->fill(Pixel::make(255, 255, 255));
        lightning_time = Random::next() % 30;
        lightning_pos1 = Random::next() % screen_width();
        lightning_pos2 = Random::next() % screen_width();
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
    quake = Random::next() % 15;
    for (Background* b : backgrounds)
        if (b->top > QUAKE_LINE) {
            b->top += quake;
            FLOOR_HEIGHT += quake;
        }
    if (Random::next() % 5 == 0) {
        Effect::hellfire(Random::next() % 800);
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
    if (subtitle)
        subtitle->draw(
            Coord(LevelScript::PAGE_LEFT, screen_height() - LevelScript::SUBTITLE_FROM_BOTTOM));
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
    // The camera mostly stands still, and the particle lists can be very long.
    if (dx == 0) return;
    for (Background* b : backgrounds)
        b->shift(dx);
    for (ThingDB* list : {&Particle::background, &Particle::foreground})
        list->each([dx](Thing* t) { t->pos.x += dx; });
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

void Level::runScript(std::string dir, std::string file) {
    LevelScript(*this, dir).run(file);
}
