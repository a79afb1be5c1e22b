#include "app/Menu.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>
#include <string>

#include "core/Coord.h"
#include "core/Error.h"
#include "core/Events.h"
#include "core/FileIn.h"
#include "core/Graphics.h"
#include "core/Image.h"
#include "core/Pixel.h"
#include "core/Random.h"
#include "core/Sound.h"
#include "core/TextMaker.h"
#include "core/Utility.h"
#include "level/Story.h"
#include "level/Stringz.h"
#include "sprites/Sprite.h"
#include "sprites/SpriteSheet.h"

// The display settings live with the entry point.
extern bool fullscreen;
extern Coord resolution;

namespace {
const int ITEMS = 6;
const int ITEM_STORY = 0;
const int ITEM_LEVEL = 1;
const int ITEM_MUSIC = 2;
const int ITEM_DISPLAY = 3;
const int ITEM_INSTRUCTIONS = 4;
const int ITEM_QUIT = 5;
const int FIRST_ITEM_Y = 250;
const int ITEM_SPACING = 50;
const int LIGHTNING_REST = -1500;

int screen_width() { return Graphics::screen->w(); }
int screen_height() { return Graphics::screen->h(); }

Coord random_top() { return Coord(Random::next() % screen_width(), 0); }
Coord random_bottom() { return Coord(Random::next() % screen_width(), screen_height()); }

// The selection of the menu and the images it owns. With no story at all the story
// and level items stay empty and cannot be played.
class MainMenu {
public:
    MainMenu() : story(0), level(0), selected(ITEM_STORY) {
        items[ITEM_STORY] = nullptr;
        items[ITEM_LEVEL] = nullptr;
        items[ITEM_MUSIC] = Stringz::menuMusicOn;
        items[ITEM_DISPLAY] = fullscreen ? Stringz::windowed : Stringz::fullscreen;
        items[ITEM_INSTRUCTIONS] = Stringz::instructions;
        items[ITEM_QUIT] = Stringz::menuQuit;
        credit = TextMaker::make_text(Utility::copyright().c_str(), 255, 255, 255);
        level = first_level();
        rebuild_story();
    }
    ~MainMenu() {
        delete items[ITEM_STORY];
        delete items[ITEM_LEVEL];
        delete credit;
    }
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    void draw() {
        Graphics::screen->fill(Pixel::black);
        run_menu_lightning(false);
        SpriteSheet::img_title->draw(Coord(0, 50), false);
        credit->draw(Coord(230, 150));
        if (selected == ITEM_STORY) Stringz::storyselect->draw(Coord(0, 570));
        if (selected == ITEM_LEVEL) Stringz::levelselect->draw(Coord(0, 570));
        for (int i = 0; i < ITEMS; ++i) {
            Image* image = items[i];
            const int x = screen_width() / 2 - image->w() / 2;
            const int y = FIRST_ITEM_Y + ITEM_SPACING * i;
            image->draw(Coord(x, y));
            if (i != selected) continue;
            const int yc = y - 16 + image->h() / 2;
            SpriteSheet::health_sword->draw(Coord(x - 650, yc), true);
            SpriteSheet::health_sword->draw(Coord(screen_width() / 2 + image->w() / 2 + 50, yc),
                                            false);
        }
    }

    // False when the player chose to quit.
    bool handle(const SDL_Event& event) {
        if (event.type != SDL_KEYDOWN) return true;
        switch (event.key.keysym.sym) {
        case SDLK_UP:
            Sound::play_sword_wield();
            selected = (selected + ITEMS - 1) % ITEMS;
            return true;
        case SDLK_DOWN:
            Sound::play_sword_wield();
            selected = (selected + 1) % ITEMS;
            return true;
        case SDLK_RIGHT:
            step(1);
            return true;
        case SDLK_LEFT:
            step(-1);
            return true;
        case SDLK_SPACE:
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return activate();
        default:
            return true;
        }
    }

private:
    Story* current() const { return Story::stories.empty() ? nullptr : Story::stories[story]; }

    int first_level() const {
        const Story* s = current();
        return !s || s->finished() ? 0 : s->progress;
    }

    void rebuild_level() {
        delete items[ITEM_LEVEL];
        const Story* s = current();
        const bool named = s && level >= 0 && level < static_cast<int>(s->levels.size());
        items[ITEM_LEVEL] = TextMaker::make_utf8(named ? s->levels[level].c_str() : "", 255, 255, 255);
    }

    void rebuild_story() {
        rebuild_level();
        delete items[ITEM_STORY];
        const Story* s = current();
        items[ITEM_STORY] = TextMaker::make_utf8(s ? s->name.c_str() : "", 255, 255, 255);
    }

    void step(int direction) {
        Story* s = current();
        if (selected == ITEM_STORY) {
            const int count = static_cast<int>(Story::stories.size());
            if (count > 0) story = (story + direction + count) % count;
            Sound::play_sword_wield();
            level = first_level();
            rebuild_story();
        } else if (selected == ITEM_LEVEL) {
            Sound::play_sword_wield();
            const int last = s ? s->progress : 0;
            if (direction > 0)
                level = level >= last ? 0 : level + 1;
            else
                level = level <= 0 ? last : level - 1;
            rebuild_level();
        }
    }

    bool activate() {
        switch (selected) {
        case ITEM_STORY:
        case ITEM_LEVEL:
            Sound::play_sword_wield();
            play();
            return true;
        case ITEM_MUSIC:
            Sound::play_sword_wield();
            items[ITEM_MUSIC] = Sound::toggle_music() ? Stringz::menuMusicOn : Stringz::menuMusicOff;
            return true;
        case ITEM_DISPLAY:
            fullscreen = !fullscreen;
            items[ITEM_DISPLAY] = fullscreen ? Stringz::windowed : Stringz::fullscreen;
            Graphics::setScreen(resolution, fullscreen);
            return true;
        case ITEM_INSTRUCTIONS:
            run_instructions();
            return true;
        case ITEM_QUIT:
            Sound::play_sword_wield();
            return false;
        default:
            Error::halt("Menu: Weird menu_selection: " + Utility::str(selected));
        }
    }

    void play() {
        Story* s = current();
        if (!s) return;
        if (s->start_level(level)) {
            // The last level won sends the selection back to the story's start.
            level = level == s->progress ? 0 : level + 1;
            rebuild_level();
        }
        if (!Events::quitting()) run_menu_lightning(true);
    }

    int story;
    int level;
    int selected;
    Image* items[ITEMS];
    Image* credit;
};
} // namespace

void run_menu_lightning(bool force) {
    static bool placed = false;
    static Coord menu_lightning_pos1;
    static Coord menu_lightning_pos2;
    static int menu_lightning_remaining = LIGHTNING_REST;
    if (!placed) {
        menu_lightning_pos1 = random_top();
        menu_lightning_pos2 = random_bottom();
        placed = true;
    }
    if (force || (menu_lightning_remaining <= LIGHTNING_REST && Random::next() % 500 == 0)) {
        Sound::play_thunder();
        menu_lightning_remaining = Random::next() % 30 + 10;
    }
    --menu_lightning_remaining;
    if (menu_lightning_remaining <= 0) {
        menu_lightning_pos1 = random_top();
        menu_lightning_pos2 = random_bottom();
        return;
    }
    Graphics::screen->draw_lightning(menu_lightning_pos1, menu_lightning_pos2,
                                     Pixel::make(50, 0, 255), 10, 40);
}

void run_instructions() {
    FileIn file("instructions.txt");
    if (!file.is_open()) return;
    Graphics::screen->fill(Pixel::black);
    for (int y = 40; !file.empty(); y += 40) {
        Image* line = TextMaker::make_text(file.getLine().c_str(), 255, 255, 255);
        line->draw(Coord(50, y));
        delete line;
    }
    Graphics::refresh();
    Events::discard();
    if (Events::wait_for_key()) Sound::play_sword_wield();
}

void run_menu() {
    MainMenu menu;
    run_menu_lightning(true);
    Sound::play_thunder();
    if (!Mix_PlayingMusic() || Sound::playing != 0) {
        if (!Sound::mus.empty() && Sound::mus[0] && Mix_PlayMusic(Sound::mus[0], 1) == 0)
            Sound::playing = 0;
    }
    Events::discard();
    // A request to close the window, here or anywhere inside, leaves the menu.
    while (!Events::quitting()) {
        menu.draw();
        Graphics::refresh();
        SDL_Event event;
        if (Events::poll(event) && !menu.handle(event)) return;
    }
}
