#include "world/ThingDB.h"

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

// Newest first, as the Things ran; the survivors close up towards the newest end.
void ThingDB::purge() {
    std::size_t kept = things.size();
    for (std::size_t i = things.size(); i-- > 0;) {
        Thing* thing = things[i];
        if (thing->alive)
            things[--kept] = thing;
        else
            delete thing;
    }
    things.erase(things.begin(), things.begin() + static_cast<std::ptrdiff_t>(kept));
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
