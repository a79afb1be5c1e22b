// Review picture of the generated art: every animation as a strip of its poses in a few
// skins (recoloured as the game recolours them), every plain sprite, the named pictures and
// each background setting stacked as a level shows it. Given an older data folder as well, it
// also writes a page with every fighter animation as it was above the same animation now.
// Usage: ironvale_contactsheet DATA_FOLDER OUT.png [OLDER_DATA_FOLDER COMPARISON.png]
//        ironvale_contactsheet --skins DATA_FOLDER OUT.png   (the level script's skins)
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "Canvas.h"
#include "KeyColours.h"
#include "PngWriter.h"
#include "core/Graphics.h"
#include "core/Pixel.h"
#include "level/LevelScript.h"
#include "sprites/AgentSprite.h"

using namespace contentgen;

namespace {

struct Strip {
    const char* name;
    std::vector<int> pictures;
};

// The agent animations in the order the game's catalogue lists them.
const std::vector<Strip> AGENT_STRIPS = {
    {"idle", {0, 8, 9, 8}},
    {"talk", {90, 91, 92, 91}},
    {"walk", {1, 2, 3, 4, 5, 6}},
    {"block", {11, 10}},
    {"atk1", {12, 124, 125, 13, 14, 13, 12}},
    {"jump", {1, 15, 12}},
    {"airborn", {16}},
    {"falling", {17}},
    {"landing", {15, 1}},
    {"turning", {18, 18}},
    {"airatk", {19, 20, 21}},
    {"airatk falling", {22, 23, 24}},
    {"airblock", {54, 55}},
    {"spares", {56, 57, 63}},
    {"bolting", {25, 26, 27, 28, 29, 15}},
    {"rollstart", {7, 30, 31, 32}},
    {"rollend", {32, 31, 30, 7}},
    {"rolling", {33, 34, 35}},
    {"summoning", {97, 96, 95}},
    {"airturn", {36, 36}},
    {"atk2", {10, 38, 39, 40, 41, 42, 126, 43, 44, 45, 46, 47}},
    {"stun", {7}},
    {"airbolting", {58, 59, 60, 61, 62, 15}},
    {"fireshield", {64, 65, 66, 67, 68, 69}},
    {"teleport", {70}},
    {"stomping", {37, 22, 23, 71}},
    {"burn", {80, 81, 82, 83, 84, 85, 86, 87, 88}},
    {"lightning", {12, 13, 119, 13, 12}},
    {"death1", {72, 73, 74, 75, 76}},
    {"death2", {30, 31, 32, 33, 34, 35}},
    {"corpse1", {109}},
    {"corpse2", {98}},
    {"twitch1", {77, 78}},
    {"twitch2", {99, 100, 101}},
    {"behead1", {48}},
    {"behead2", {49, 50, 51, 52, 53}},
    {"behead_corpse", {79}},
    {"dismember1", {102, 103}},
    {"dismember2", {104, 105}},
    {"dismember3", {106, 107, 108}},
    {"bolt_death", {110, 111, 112, 113, 114}},
    {"fire_death", {116, 117, 118, 113, 114}},
    {"burned_corpse", {115}},
    {"child", {89, 93, 94}},
    {"woman", {127, 128, 129}},
    {"pit", {123, 122, 121, 120}},
};

const std::vector<Strip> PLAIN_STRIPS = {
    {"bolt", {1, 2, 3, 4}},
    {"cloud", {5, 6, 7, 8, 9, 10}},
    {"fire", {11, 12, 13, 14, 15, 16}},
    {"rubble", {17, 18, 19, 20}},
    {"flash", {21}},
    {"bolt_hit", {22, 23, 24, 25, 26, 27}},
    {"spares", {0, 28, 29, 30}},
    {"body parts", {31, 32, 33, 34, 35, 36}},
    {"rain", {37}},
    {"swords", {38, 39, 40}},
    {"waterbomb", {41, 42, 43, 44, 45}},
    {"deathburst", {46, 47, 48, 49}},
    {"hellfire", {50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61}},
    {"flesh", {62, 63, 64, 65}},
    {"leaf", {66, 67, 68, 69}},
};

// Each setting with the sky colour it is meant for (the wasteland's turns red with the pit).
struct Setting {
    const char* name;
    Rgb sky;
};
const Setting SETTINGS[] = {
    {"village", {127, 127, 127}}, {"forest", {127, 127, 127}},  {"castle", {127, 127, 127}},
    {"snow", {127, 127, 127}},    {"cliff", {127, 127, 127}},   {"hell", {127, 127, 127}},
    {"town", {127, 127, 127}},    {"pass", {127, 127, 127}},    {"abbey", {127, 127, 127}},
    {"marsh", {127, 127, 127}},   {"throne", {127, 127, 127}},  {"tower", {127, 127, 127}},
    {"wasteland", {100, 20, 20}}, {"tourney", {127, 127, 127}}, {"bridge", {127, 127, 127}},
    {"rooftop", {127, 127, 127}}};

// A few skins as the game makes them: {variant, cape, eyes}; cape == transparent drops it.
struct Skin {
    int variant;
    Rgb cape, eyes;
};
const Skin SKINS[] = {{0, {}, {}},
                      {11, {150, 0, 0}, {255, 225, 0}},
                      {1, {225, 225, 225}, {225, 225, 225}},
                      {22, key::transparent, key::body}};

bool is_civilian_or_pit(int n) {
    return n == 89 || n == 93 || n == 94 || (n >= 120 && n <= 123) || n >= 127;
}

Canvas recolour(const Canvas& src, const Skin& s) {
    Canvas c = src;
    if (s.variant == 0) return c;
    if (s.variant == 22) {
        c.replace(key::sword_on_body, key::body);
        c.replace(key::sword_on_cape, key::cape);
        c.replace(key::sword, key::transparent);
    } else {
        c.replace(key::sword_on_body, key::sword);
        c.replace(key::sword_on_cape, key::sword);
    }
    c.replace(key::special, key::safe);
    c.replace(key::sword, key::safe);
    c.replace(key::cape, s.cape);
    c.replace(key::eyes, s.eyes);
    c.replace(key::head, key::body);
    return c;
}

Canvas from_surface(SDL_Surface* s) {
    Canvas c(s->w, s->h, key::transparent);
    SDL_LockSurface(s);
    const int bpp = s->format->BytesPerPixel;
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x) {
            const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * bpp;
            Uint32 v = 0;
            for (int b = 0; b < bpp; ++b)
                v |= static_cast<Uint32>(p[b]) << (8 * b);
            Uint8 r, g, bl;
            SDL_GetRGB(v, s->format, &r, &g, &bl);
            c.set(x, y, Rgb{r, g, bl});
        }
    SDL_UnlockSurface(s);
    return c;
}

Canvas load(const std::string& path) {
    SDL_Surface* s = IMG_Load(path.c_str());
    if (!s) {
        std::fprintf(stderr, "contactsheet: cannot load %s\n", path.c_str());
        return Canvas(8, 8, Rgb{255, 0, 128});
    }
    Canvas c = from_surface(s);
    SDL_FreeSurface(s);
    return c;
}

Canvas half_size(const Canvas& src) {
    Canvas out(src.width() / 2, src.height() / 2, key::transparent);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.set(x, y, src.get(2 * x, 2 * y));
    return out;
}

class Sheet {
  public:
    Sheet(int width, int height, TTF_Font* f) : canvas(width, height, Rgb{40, 40, 44}), font(f) {}

    int width() const { return canvas.width(); }

    void label(const std::string& text) {
        newline();
        if (font) {
            SDL_Color white{230, 230, 230, 0};
            if (SDL_Surface* s = TTF_RenderText_Solid(font, text.c_str(), white)) {
                for (int y = 0; y < s->h; ++y)
                    for (int x = 0; x < s->w; ++x)
                        if (static_cast<const Uint8*>(s->pixels)[y * s->pitch + x] != 0)
                            canvas.set(cursor_x + x, cursor_y + y, Rgb{230, 230, 230});
                right = std::max(right, cursor_x + s->w);
                SDL_FreeSurface(s);
            }
        }
        cursor_y += 16;
    }
    // Places one picture on a panel of the game's default grey sky with the floor line under it.
    void place(const Canvas& pic, int scale, bool on_sky) {
        const int w = pic.width() * scale + 4, h = pic.height() * scale + 4;
        if (cursor_x + w > canvas.width()) newline();
        if (on_sky) canvas.fill_rect(cursor_x, cursor_y, w, h, Rgb{150, 150, 156});
        canvas.blit_scaled(pic, cursor_x + 2, cursor_y + 2, scale, key::transparent);
        if (on_sky) canvas.fill_rect(cursor_x, cursor_y + h - 2, w, 1, Rgb{90, 60, 40});
        right = std::max(right, cursor_x + w);
        cursor_x += w + 3;
        line_h = std::max(line_h, h);
    }
    void gap() { cursor_x += 14; }
    void newline() {
        cursor_x = 4;
        cursor_y += line_h + 6;
        line_h = 0;
    }
    // The used part of the sheet.
    Canvas finish() {
        newline();
        return canvas.crop(0, 0, std::min(right + 4, canvas.width()),
                           std::min(cursor_y, canvas.height()), key::transparent);
    }

  private:
    Canvas canvas;
    TTF_Font* font;
    int cursor_x = 4, cursor_y = 4, line_h = 0, right = 0;
};

void add_fighters(Sheet& sheet, const std::string& data) {
    for (const Strip& s : AGENT_STRIPS) {
        sheet.label(s.name);
        std::vector<Canvas> pics;
        for (int n : s.pictures)
            pics.push_back(load(data + "/graphics/agents/" + std::to_string(n) + ".png"));
        const bool plain = is_civilian_or_pit(s.pictures[0]);
        for (const Skin& skin : SKINS) {
            for (const Canvas& p : pics)
                sheet.place(plain ? p : recolour(p, skin), 1, true);
            sheet.gap();
            if (plain) break;
        }
    }
}

Canvas fighter_as_shown(const std::string& data, int n) {
    const Canvas c = load(data + "/graphics/agents/" + std::to_string(n) + ".png");
    return is_civilian_or_pit(n) ? c : recolour(c, SKINS[1]);
}

// Widens and heightens a picture about its anchor (bottom centre), so that pictures of one
// column line up on their feet and centre lines.
Canvas in_cell(const Canvas& pic, int w, int h) {
    return pic.crop(-(w - pic.width()) / 2, pic.height() - h, w, h, key::transparent);
}

// One animation twice, at double size: as the older folder has it, and below, as it is now,
// pose by pose; a long one in several such pairs of rows.
Canvas comparison(const Strip& s, const std::string& older, const std::string& data,
                  TTF_Font* font) {
    constexpr int SCALE = 2, WIDTH = 1990;
    Sheet block(WIDTH, 2400, font);
    block.label(std::string(s.name) + ": before, after");
    std::vector<Canvas> before, after;
    for (int n : s.pictures) {
        before.push_back(fighter_as_shown(older, n));
        after.push_back(fighter_as_shown(data, n));
    }
    for (size_t first = 0; first < before.size();) {
        size_t end = first;
        int used = 4;
        std::vector<int> w;
        int h = 0;
        while (end < before.size()) {
            const int cw = std::max(before[end].width(), after[end].width());
            if (end > first && used + cw * SCALE + 7 > WIDTH) break;
            w.push_back(cw);
            h = std::max({h, before[end].height(), after[end].height()});
            used += cw * SCALE + 7;
            ++end;
        }
        for (const std::vector<Canvas>* row : {&before, &after}) {
            for (size_t i = first; i < end; ++i)
                block.place(in_cell((*row)[i], w[i - first], h), SCALE, true);
            block.newline();
        }
        first = end;
    }
    return block.finish();
}

void add_comparison(Sheet& sheet, const std::string& older, const std::string& data,
                    TTF_Font* font) {
    for (const Strip& s : AGENT_STRIPS)
        sheet.place(comparison(s, older, data, font), 1, false);
}

void add_sprites(Sheet& sheet, const std::string& data) {
    for (const Strip& s : PLAIN_STRIPS) {
        sheet.label(s.name);
        for (int n : s.pictures)
            sheet.place(load(data + "/graphics/sprites/" + std::to_string(n) + ".png"), 2, true);
    }
    sheet.label("blood sword, health sword, title, floor");
    sheet.place(load(data + "/graphics/sprites/sword.png"), 2, true);
    sheet.place(load(data + "/graphics/screens/sword.png"), 1, true);
    sheet.newline();
    sheet.place(load(data + "/graphics/screens/title.png"), 1, false);
    sheet.place(half_size(load(data + "/graphics/screens/floor.png")), 1, false);
    sheet.label("endings");
    for (int n = 1; n <= 3; ++n)
        sheet.place(half_size(load(data + "/graphics/screens/end" + std::to_string(n) + ".png")), 1,
                    false);
}

// Each setting's layers stacked as a level stacks them (bottom 0) over its sky colour, with two
// idle fighters on the floor and a subtitle where the game writes it.
void add_settings(Sheet& sheet, const std::string& data) {
    sheet.label("backgrounds: sky, far, mid, ground, fighters, front");
    TTF_Font* subtitle = TTF_OpenFont((data + "/simfang.ttf").c_str(), 28);
    const SDL_Color white{255, 255, 255, 0};
    const Canvas fighter = recolour(load(data + "/graphics/agents/0.png"), SKINS[1]);
    for (const Setting& s : SETTINGS) {
        const std::string base = data + "/graphics/screens/" + s.name;
        Canvas screen(800, 600, s.sky);
        for (const char* layer : {"_sky", "_far", "_mid", "_ground"}) {
            if (!std::filesystem::exists(base + layer + ".png")) continue;
            const Canvas l = load(base + layer + ".png");
            screen.blit(l, 0, 600 - l.height(), key::transparent);
        }
        for (int x : {300, 390})
            screen.blit(fighter, x - fighter.width() / 2, 500 - fighter.height(), key::transparent);
        const Canvas front = load(base + "_front.png");
        screen.blit(front, 0, 600 - front.height(), key::transparent);
        if (SDL_Surface* t = subtitle ? TTF_RenderUTF8_Solid(subtitle, s.name, white) : nullptr) {
            for (int y = 0; y < t->h; ++y)
                for (int x = 0; x < t->w; ++x)
                    if (static_cast<const Uint8*>(t->pixels)[y * t->pitch + x] != 0)
                        screen.set(50 + x, 520 + y, Rgb{255, 255, 255});
            SDL_FreeSurface(t);
        }
        sheet.place(half_size(screen), 1, false);
    }
    if (subtitle) TTF_CloseFont(subtitle);
}

// Every skin of the level script's AGENT command, made by the game's own recolouring of the
// standing fighter, at twice the size on the default sky, numbered as a script numbers them.
bool write_skins(const std::string& data, const std::string& out) {
    // Pictures are converted for a screen; no window is needed for that.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    Graphics::start(Coord(800, 600), 40, false);
    Pixel::start();
    AgentSprite fighter(data + "/graphics/agents/0.png");
    std::vector<Canvas> skins;
    int left = fighter.w(), right = 0, top = fighter.h();
    for (int s = 0; s < LevelScript::SKIN_COUNT; ++s) {
        skins.push_back(from_surface(fighter.image(LevelScript::skin(s), false)->surface));
        for (int y = 0; y < fighter.h(); ++y)
            for (int x = 0; x < fighter.w(); ++x)
                if (skins.back().get(x, y) != key::transparent) {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                    top = std::min(top, y);
                }
    }
    Graphics::end();
    constexpr int SCALE = 2, COLUMNS = 9, MARGIN = 6, LABEL = 22;
    const int cell_w = (right - left) * SCALE + 2 * MARGIN;
    const int cell_h = (fighter.h() - top) * SCALE + MARGIN + LABEL;
    const int rows = (LevelScript::SKIN_COUNT + COLUMNS - 1) / COLUMNS;
    Canvas sheet(COLUMNS * cell_w, rows * cell_h, Rgb{127, 127, 127});
    TTF_Font* font = TTF_OpenFont((data + "/simfang.ttf").c_str(), 16);
    const SDL_Color white{255, 255, 255, 0};
    for (int s = 0; s < LevelScript::SKIN_COUNT; ++s) {
        const int x = s % COLUMNS * cell_w, y = s / COLUMNS * cell_h;
        const Canvas figure =
            skins[s].crop(left, top, right - left, fighter.h() - top, key::transparent);
        sheet.blit_scaled(figure, x + MARGIN, y + MARGIN, SCALE, key::transparent);
        sheet.fill_rect(x, y + cell_h - LABEL, cell_w, 1, Rgb{90, 60, 40});
        SDL_Surface* t =
            font ? TTF_RenderText_Solid(font, std::to_string(s).c_str(), white) : nullptr;
        if (!t) continue;
        for (int ty = 0; ty < t->h; ++ty)
            for (int tx = 0; tx < t->w; ++tx)
                if (static_cast<const Uint8*>(t->pixels)[ty * t->pitch + tx] != 0)
                    sheet.set(x + (cell_w - t->w) / 2 + tx, y + cell_h - LABEL + 2 + ty,
                              Rgb{255, 255, 255});
        SDL_FreeSurface(t);
    }
    if (font) TTF_CloseFont(font);
    return write_png(sheet, out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--skins") {
        TTF_Init();
        const bool written = write_skins(argv[2], argv[3]);
        TTF_Quit();
        return written ? 0 : 1;
    }
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr,
                     "usage: %s DATA_FOLDER OUT.png [OLDER_DATA_FOLDER COMPARISON.png]\n"
                     "       %s --skins DATA_FOLDER OUT.png\n",
                     argv[0], argv[0]);
        return 2;
    }
    const std::string data = argv[1];
    TTF_Init();
    TTF_Font* font = TTF_OpenFont((data + "/simfang.ttf").c_str(), 11);
    Sheet sheet(2000, 16000, font);
    add_fighters(sheet, data);
    add_sprites(sheet, data);
    add_settings(sheet, data);
    bool written = write_png(sheet.finish(), argv[2]);
    if (argc == 5) {
        Sheet page(2000, 16000, font);
        add_comparison(page, argv[3], data, font);
        written = write_png(page.finish(), argv[4]) && written;
    }
    if (font) TTF_CloseFont(font);
    TTF_Quit();
    return written ? 0 : 1;
}
