#include "level/Referee.h"

#include "core/Clock.h"
#include "core/Graphics.h"
#include "core/Image.h"
#include "core/Utility.h"
#include "level/Level.h"
#include "level/Stringz.h"

namespace {
const int MESSAGE_LEFT = 50;
const int MESSAGE_ABOVE_BOTTOM = 50;

void show(Image* message) {
    message->draw(Coord(MESSAGE_LEFT, Graphics::screen->h() - MESSAGE_ABOVE_BOTTOM));
}
} // namespace

Referee::Referee(Level* level, const std::string& dir)
    : level(level), dir(dir), wave(0), pause_start(0), lose_done(false) {}

void Referee::restart(Level* fresh) {
    level = fresh;
    wave = 0;
    lose_done = false;
}

bool Referee::won() const {
    return (level->won() && wave >= level->waves) || level->script_won;
}

Referee::Verdict Referee::frame() {
    if (level->won() || level->stagnant()) {
        if (wave < level->waves) {
            bool release = Level::wave_pause == 0;
            if (pause_start == 0) {
                if (!release) pause_start = Clock::now();
            } else {
                release = release || Clock::now() > pause_start + Level::wave_pause;
            }
            if (release) release_wave();
        } else if (level->won()) {
            show(Stringz::levelWon);
            return WON;
        }
    } else if (level->lost()) {
        show(Stringz::levelLost);
        if (!lose_done) {
            level->runScript(dir, "lose.txt");
            lose_done = true;
        }
        return LOST;
    }
    return PLAYING;
}

void Referee::release_wave() {
    ++wave;
    level->win_time = 0;
    level->runScript(dir, "wave" + Utility::str(wave) + ".txt");
    pause_start = 0;
}
