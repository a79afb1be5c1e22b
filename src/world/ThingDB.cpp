#include "world/ThingDB.h"

#include <algorithm>

namespace {
// Things this far ahead are fetched while the current one runs.
const std::size_t LOOKAHEAD = 8;

void fetch(const Thing* thing) {
#if defined(__GNUC__)
    // A particle spans two cache lines.
    __builtin_prefetch(thing);
    __builtin_prefetch(reinterpret_cast<const char*>(thing) + 64);
#else
    (void)thing;
#endif
}
} // namespace

ThingDB::~ThingDB() { clear(); }

void ThingDB::run() {
    // Things added from here on sit beyond `count` and wait for the next frame.
    const std::size_t count = things.size();
    for (std::size_t i = count; i-- > 0;) {
        if (i >= LOOKAHEAD) fetch(things[i - LOOKAHEAD]);
        things[i]->run();
    }
    purge();
}

// The dead are destroyed newest first, as the Things ran; the survivors then close up from
// the oldest dead one on, so that a frame in which only new Things die moves little.
void ThingDB::purge() {
    std::size_t oldest_dead = things.size();
    for (std::size_t i = things.size(); i-- > 0;) {
        if (things[i]->alive) continue;
        delete things[i];
        things[i] = nullptr;
        oldest_dead = i;
    }
    const auto first = things.begin() + static_cast<std::ptrdiff_t>(oldest_dead);
    things.erase(std::remove(first, things.end(), nullptr), things.end());
    if (cursor > things.size()) cursor = things.size();
}

void ThingDB::clear() {
    while (!things.empty()) {
        Thing* thing = things.back();
        things.pop_back();
        delete thing;
    }
    cursor = 0;
}
