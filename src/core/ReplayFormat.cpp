#include "core/ReplayFormat.h"

const char ReplayFormat::MAGIC[] = "IRONVALE REPLAY\n";
static_assert(sizeof ReplayFormat::MAGIC == ReplayFormat::MAGIC_BYTES + 1, "magic line size");

namespace {
const int BITS = 7;
const unsigned MORE = 0x80;
const unsigned LOW = 0x7F;
// Longer than any 64-bit number takes.
const int LONGEST = 10;
} // namespace

void ReplayFormat::put_number(std::string& out, uint64_t n) {
    while (n > LOW) {
        out += static_cast<char>((n & LOW) | MORE);
        n >>= BITS;
    }
    out += static_cast<char>(n);
}

bool ReplayFormat::get_number(const std::string& in, size_t& at, uint64_t& n) {
    n = 0;
    for (int i = 0; i < LONGEST && at < in.size(); ++i) {
        const unsigned byte = static_cast<unsigned char>(in[at++]);
        n |= static_cast<uint64_t>(byte & LOW) << (BITS * i);
        if (!(byte & MORE)) return true;
    }
    return false;
}

void ReplayFormat::put_signed(std::string& out, int64_t n) {
    put_number(out, n < 0 ? ~(static_cast<uint64_t>(n) << 1) : static_cast<uint64_t>(n) << 1);
}

bool ReplayFormat::get_signed(const std::string& in, size_t& at, int64_t& n) {
    uint64_t folded = 0;
    if (!get_number(in, at, folded)) return false;
    n = (folded & 1) ? static_cast<int64_t>(~(folded >> 1)) : static_cast<int64_t>(folded >> 1);
    return true;
}

void ReplayFormat::put_text(std::string& out, const std::string& text) {
    put_number(out, text.size());
    out += text;
}

bool ReplayFormat::get_text(const std::string& in, size_t& at, std::string& text) {
    uint64_t size = 0;
    if (!get_number(in, at, size) || size > in.size() - at) return false;
    text = in.substr(at, size);
    at += size;
    return true;
}

// The number of keys held, then each key as its distance from the one before.
std::string ReplayFormat::keys(const Uint8* state) {
    std::string held;
    int count = 0;
    int previous = 0;
    for (int key = 0; key < SDLK_LAST; ++key) {
        if (!state[key]) continue;
        put_number(held, key - previous);
        previous = key;
        ++count;
    }
    std::string value;
    put_number(value, count);
    return value + held;
}

bool ReplayFormat::keys(const std::string& value, Uint8* state) {
    for (int key = 0; key < SDLK_LAST; ++key)
        state[key] = 0;
    size_t at = 0;
    uint64_t count = 0;
    if (!get_number(value, at, count)) return false;
    uint64_t key = 0;
    for (uint64_t i = 0; i < count; ++i) {
        uint64_t step = 0;
        if (!get_number(value, at, step) || step >= SDLK_LAST) return false;
        key += step;
        if (key >= SDLK_LAST) return false;
        state[key] = 1;
    }
    return at == value.size();
}

std::string ReplayFormat::event(const SDL_Event* e) {
    std::string value;
    if (!e) {
        put_number(value, SDL_NOEVENT);
        return value;
    }
    put_number(value, e->type);
    switch (e->type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        put_number(value, e->key.keysym.sym);
        put_number(value, e->key.keysym.mod);
        break;
    case SDL_ACTIVEEVENT:
        put_number(value, e->active.gain);
        put_number(value, e->active.state);
        break;
    case SDL_VIDEORESIZE:
        put_signed(value, e->resize.w);
        put_signed(value, e->resize.h);
        break;
    default:
        break;
    }
    return value;
}

bool ReplayFormat::event(const std::string& value, SDL_Event& e) {
    e = SDL_Event();
    size_t at = 0;
    uint64_t type = 0;
    if (!get_number(value, at, type) || type == SDL_NOEVENT || type >= SDL_NUMEVENTS) return false;
    e.type = static_cast<Uint8>(type);
    uint64_t a = 0, b = 0;
    int64_t w = 0, h = 0;
    switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (!get_number(value, at, a) || !get_number(value, at, b)) return false;
        e.key.type = e.type;
        e.key.state = e.type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = static_cast<SDLKey>(a);
        e.key.keysym.mod = static_cast<SDLMod>(b);
        break;
    case SDL_ACTIVEEVENT:
        if (!get_number(value, at, a) || !get_number(value, at, b)) return false;
        e.active.gain = static_cast<Uint8>(a);
        e.active.state = static_cast<Uint8>(b);
        break;
    case SDL_VIDEORESIZE:
        if (!get_signed(value, at, w) || !get_signed(value, at, h)) return false;
        e.resize.w = static_cast<int>(w);
        e.resize.h = static_cast<int>(h);
        break;
    default:
        break;
    }
    return at == value.size();
}

std::string ReplayFormat::flag(bool on) {
    return std::string(1, on ? '\1' : '\0');
}

bool ReplayFormat::flag(const std::string& value) {
    return value == flag(true);
}
