// The level in play: layers, frame update, camera, weather, judgement and speech.
#include <unistd.h>

#include <cstdio>

#include "LevelWorld.h"
#include "core/Random.h"
#include "world/Effect.h"

namespace {
// A one-colour opaque picture.
Image* block(int w, int h, Uint32 colour) {
    const SDL_PixelFormat* f = Graphics::screen_surface->format;
    Image* image = new Image(
        SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, f->Rmask, f->Gmask, f->Bmask, 0), true);
    image->fill(colour);
    return image;
}

// Samples the screen when the background particles run, i.e. after the layers behind
// the world were drawn.
class Probe : public Thing {
  public:
    explicit Probe(Uint32* seen) : seen(seen) {}
    void run() override {
        Graphics::screen->open();
        *seen = Graphics::screen->get_pixel(Coord(400, 300));
        Graphics::screen->close();
    }
    Uint32* seen;
};

// The level's judgement as "W" won, "S" stagnant, "L" lost, "-" for each that is not.
std::string verdict(Level* level) {
    return std::string(level->won() ? "W" : "-") + (level->stagnant() ? "S" : "-") +
           (level->lost() ? "L" : "-");
}
} // namespace

using LevelTest = LevelWorld;

// The shared state is the level's: a new one starts afresh, and the old one takes its
// particles along (fighters, controllers and attacks go too, which every test relies on).
TEST_F(LevelTest, ANewLevelStartsAfreshAndTheOldOneTakesItsParticles) {
    Level::FLOOR_HEIGHT = 321;
    Level::wave_pause = 9;
    Level::focal_agent = 3;
    Level::suspend_win = 2;
    Level::skycolour = Pixel::black;
    Effect::snow();
    Effect::blood(Coord(300, 400), 0, 10, 1, 3, 5);
    delete level;
    level = new Level();
    EXPECT_EQ(Level::FLOOR_HEIGHT, 500);
    EXPECT_EQ(Level::wave_pause, 1500);
    EXPECT_EQ(Level::focal_agent, 0);
    EXPECT_EQ(Level::suspend_win, 0);
    EXPECT_EQ(Level::skycolour, Pixel::make(127, 127, 127));
    EXPECT_EQ(count(Particle::background), 0);
    EXPECT_EQ(count(Particle::foreground), 0);
}

TEST_F(LevelTest, LayersAreBehindTheWorldExceptTheLastWhichCoversIt) {
    Uint32 seen = 0;
    Particle::background.add(new Probe(&seen));
    level->update();
    EXPECT_EQ(seen, Level::skycolour);
    EXPECT_EQ(screen_at(400, 300), Level::skycolour);

    const Uint32 front = Pixel::make(0, 200, 0);
    level->backgrounds.push_back(new Level::Background(block(800, 600, front), 0, 600, 1));
    agent(1, 400);
    level->update();
    EXPECT_EQ(seen, Level::skycolour) << "a single layer is never drawn behind";
    EXPECT_EQ(screen_at(400, 460), front) << "the foreground covers the agent";

    const Uint32 back = Pixel::make(200, 0, 0);
    level->backgrounds.insert(level->backgrounds.begin(),
                              new Level::Background(block(800, 600, back), 0, 600, 1));
    level->update();
    EXPECT_EQ(seen, back);
    EXPECT_EQ(screen_at(400, 300), front);

    level->blacken = true;
    level->update();
    EXPECT_EQ(non_black_pixels(), 0) << "a blackened level shows nothing";
}

TEST_F(LevelTest, LayerPositionWrapsIntoTheScreenAndTilesTwice) {
    const Uint32 c = Pixel::make(0, 0, 200);
    Level::Background layer(block(10, 20, c), -3, 600, 2);
    EXPECT_EQ(layer.top, 580);
    // -3 / 2 truncates to -1: drawn at 799 and at -1.
    layer.draw();
    EXPECT_EQ(screen_at(799, 590), c);
    EXPECT_EQ(screen_at(798, 590), Pixel::black);
    EXPECT_EQ(screen_at(8, 590), c);
    EXPECT_EQ(screen_at(9, 590), Pixel::black);

    Graphics::screen->fill(Pixel::black);
    layer.distance = 1;
    layer.offset = 0;
    layer.shift(1601); // x 1601 wraps to 1
    layer.draw();
    EXPECT_EQ(layer.offset, 1601);
    EXPECT_EQ(screen_at(0, 590), Pixel::black);
    EXPECT_EQ(screen_at(1, 590), c);
    EXPECT_EQ(screen_at(10, 590), c);
    EXPECT_EQ(screen_at(11, 590), Pixel::black);

    Graphics::screen->fill(Pixel::black);
    Level::Background at_width(block(10, 20, c), 800, 600, 1);
    at_width.draw(); // x stays 800: the second copy lands at 0
    EXPECT_EQ(screen_at(0, 590), c);
}

TEST_F(LevelTest, OnePlayerJudgement) {
    EXPECT_EQ(verdict(level), "W--") << "no agents at all";
    Level::suspend_win = 1;
    EXPECT_EQ(verdict(level), "---");
    Level::suspend_win = 0;

    Agent* player = agent(1, 100);
    Agent* enemy = agent(2, 500);
    agent(0, 300); // neutral: counts for nothing but stagnation
    level->win_time = Clock::now() + 100000;
    EXPECT_EQ(verdict(level), "---") << "a delayed win counts once the clock passes it";
    level->win_time = 1;
    EXPECT_EQ(verdict(level), "W--");
    level->win_time = 0;
    EXPECT_EQ(verdict(level), "---");
    enemy->alive = false;
    EXPECT_EQ(verdict(level), "W--") << "the neutral agent is on another team";
    Agent::agents[2]->alive = false;
    EXPECT_EQ(verdict(level), "WS-");
    Level::suspend_win = 1;
    EXPECT_EQ(verdict(level), "---");
    Level::suspend_win = 0;

    player->alive = false;
    EXPECT_EQ(verdict(level), "--L");
    level->win_time = 1;
    EXPECT_EQ(verdict(level), "--L") << "a fallen player is never a win";
}

TEST_F(LevelTest, TwoPlayerMatchIsWonOnlyThroughTheClockAndNeverLost) {
    level->two_player = true;
    EXPECT_EQ(verdict(level), "---") << "fewer than two agents";
    Agent* first = agent(1, 100);
    Agent* second = agent(2, 500);
    EXPECT_FALSE(level->coop());
    second->alive = false;
    EXPECT_EQ(verdict(level), "-S-") << "the players are not checked in a match";
    first->alive = false;
    EXPECT_EQ(verdict(level), "---");
    level->win_time = 1;
    EXPECT_EQ(verdict(level), "W--");

    second->team = 1;
    EXPECT_TRUE(level->coop());
    EXPECT_EQ(verdict(level), "--L") << "co-operating players can lose";
}

// How far the camera moves whom the recorded fights show; here, that the layers go along,
// and that a focal agent that does not exist is not followed.
TEST_F(LevelTest, OnePlayerCameraMovesTheLayersAndNeedsAFocalAgent) {
    Agent* b = agent(1, 700, true);
    level->backgrounds.push_back(new Level::Background(block(800, 10, Pixel::white), 0, 600, 1));
    level->update();
    EXPECT_EQ(b->pos.x, 692); // trunc((533 - 700) / 20.0)
    EXPECT_EQ(level->backgrounds[0]->offset, -8);

    Level::focal_agent = 5;
    level->update();
    EXPECT_EQ(b->pos.x, 692);
}

// Some attacks keep counters or offsets in their position: the camera leaves it alone.
TEST_F(LevelTest, ShiftLeavesAttackPositionsAlone) {
    Attack* bolt = new Attack(ATK_FIREBOLT, agent(1, 100), Coord(200, 400));
    const Coord bolt_pos = bolt->pos;
    level->shift(-30);
    EXPECT_EQ(bolt->pos, bolt_pos);
}

TEST_F(LevelTest, TwoPlayerCameraCentresBetweenTheLivingAndClampsThemToTheScreen) {
    level->two_player = true;
    Agent* left = agent(1, 100);
    Agent* right = agent(1, 300);
    Agent* dead = agent(2, 2000);
    dead->alive = false;
    level->update();
    // lo 100, hi 301, mid 200: shift (400 - 200) / 20 = 10.
    EXPECT_EQ(left->pos.x, 110);
    EXPECT_EQ(right->pos.x, 310);
    EXPECT_EQ(dead->pos.x, 2010);

    left->pos.x = -50;
    right->pos.x = 900;
    level->update();
    // Clamped to 0 and 800; mid 400: no shift.
    EXPECT_EQ(left->pos.x, 0);
    EXPECT_EQ(right->pos.x, 800);
}

TEST_F(LevelTest, LedgeLevelsKillWhoeverWalksOffTheGroundAndHoldTheCamera) {
    level->weather = Level::WEATHER_LEDGE;
    Level::FLOOR_HEIGHT = 400;
    Agent* off = agent(2, 650);
    Agent* on = agent(1, 300);
    Agent* water = new Agent(VARIANT_WATER, 20, Coord(100, 400), 2, false);
    level->update();
    EXPECT_EQ(off->state, GONE);
    EXPECT_FALSE(off->alive);
    EXPECT_EQ(water->state, GONE);
    EXPECT_TRUE(on->alive);
    EXPECT_EQ(on->pos.x, 300) << "the camera does not move";
    EXPECT_EQ(attacks(ATK_GIBLET).size(), 6u) << "only the fighter bursts";

    delete level;
    level = new Level();
    level->weather = Level::WEATHER_LEDGE;
    Level::FLOOR_HEIGHT = 349;
    Agent* high = agent(2, 650);
    level->update();
    EXPECT_TRUE(high->alive);
}

TEST_F(LevelTest, PitFadesTheSkyToRedOverItsFramesAndPitWeatherMovesIt) {
    level->update();
    EXPECT_EQ(Level::skycolour, Pixel::make(127, 127, 127)) << "no pit, no fade";
    level->pit = new Attack(ATK_PIT, nullptr, Coord(400, 0));
    level->weather = Level::WEATHER_PIT_SINK;
    for (int i = 0; i < 370; ++i)
        level->update();
    EXPECT_EQ(level->sky_fade, 339);
    EXPECT_EQ(Level::skycolour, Pixel::make(100, 20, 20));
    const int depth = level->pit->pos.y;
    EXPECT_GT(depth, 0);
    level->weather = Level::WEATHER_PIT_RISE;
    level->update();
    EXPECT_EQ(level->pit->pos.y, depth - 1);
}

TEST_F(LevelTest, EarthquakeShakesLowLayersWithTheFloorAndTheNextLevelForgetsIt) {
    level->weather = Level::WEATHER_QUAKE;
    level->backgrounds.push_back(new Level::Background(block(800, 100, Pixel::white), 0, 600, 1));
    level->backgrounds.push_back(new Level::Background(block(800, 100, Pixel::white), 0, 200, 1));
    bool shook = false;
    for (int i = 0; i < 20; ++i) {
        level->update();
        EXPECT_EQ(level->backgrounds[0]->top, 500 + level->quake);
        EXPECT_EQ(level->backgrounds[1]->top, 100) << "high layers stay";
        EXPECT_EQ(Level::FLOOR_HEIGHT, 500 + level->quake);
        shook = shook || level->quake != 0;
    }
    EXPECT_TRUE(shook);
    delete level;
    level = new Level();
    EXPECT_EQ(Level::FLOOR_HEIGHT, 500);
}

TEST_F(LevelTest, SpeechHoldsEveryoneStillAndGivesTheFocusBack) {
    silent_wav("line.wav", 150);
    Mix_Chunk* line = Mix_LoadWAV((dir + "line.wav").c_str());
    ASSERT_NE(line, nullptr);
    agent(1, 100);
    Agent* speaker = agent(2, 500);
    Agent::agents[0]->input.attack = true;
    level->speech(1, line);
    EXPECT_EQ(speaker->state, IDLE);
    EXPECT_EQ(Level::focal_agent, 0);
    EXPECT_FALSE(Agent::agents[0]->input.attack);
    EXPECT_FALSE(Agent::suspend_damage);
    EXPECT_FALSE(level->speech_skipped);

    speaker->alive = false;
    speaker->state = DYING;
    level->speech(1, line);
    EXPECT_EQ(speaker->state, DYING) << "the dead say nothing";
    level->play(line);
    Mix_FreeChunk(line);
}

TEST_F(LevelTest, TabSkipsTheLineAndEveryLaterOneUntilTheNextFrame) {
    silent_wav("long.wav", 60000);
    Mix_Chunk* line = Mix_LoadWAV((dir + "long.wav").c_str());
    ASSERT_NE(line, nullptr);
    agent(1, 100);
    {
        ScriptedEvents player{SDLK_TAB};
        level->speech(0, line);
    }
    EXPECT_TRUE(level->speech_skipped);
    EXPECT_EQ(Mix_Playing(-1), 0);
    level->speech(0, line); // returns at once: no key is being pressed any more
    EXPECT_TRUE(level->speech_skipped);
    level->run();
    EXPECT_FALSE(level->speech_skipped);
    Mix_FreeChunk(line);
}

// The first storm frame of a run rains before it draws the lightning's countdown, so its first
// raindrop falls where a drop made from the same state of rand() falls. Only the first storm of
// a process draws the countdown: the storm runs in a fresh one.
TEST_F(LevelTest, TheFirstStormRainsBeforeItDrawsTheLightningCountdown) {
    Random::seed(5);
    Effect::rain();
    ASSERT_EQ(particles(Particle::foreground).size(), 1u);
    const Particle* drop = particles(Particle::foreground)[0];
    const std::string expected =
        "drop x=" + std::to_string(drop->pos.x) + " vy=" + std::to_string(drop->vel.y) + ";";
    Particle::start();
    const std::string style = GTEST_FLAG_GET(death_test_style);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            level->weather = Level::WEATHER_STORM;
            Random::seed(5);
            level->update();
            for (Particle* p : particles(Particle::foreground))
                std::fprintf(stderr, "drop x=%d vy=%d;\n", p->pos.x, p->vel.y);
            _exit(0);
        },
        testing::ExitedWithCode(0), expected);
    GTEST_FLAG_SET(death_test_style, style);
}
