#include "world/ThingDB.h"

#include <algorithm>

ThingDB::~ThingDB() { clear(); }

void ThingDB::run() {
    // Things added from here on sit beyond `count` and wait for the next frame.
    const std::size_t count = things.size();
    const unsigned long kills_before = Thing::kills;
    std::size_t killed_themselves = 0;
    seen_dead.clear();
    for (std::size_t i = count; i-- > 0;) {
        if (i >= LOOKAHEAD) fetch(things[i - LOOKAHEAD]);
        Thing* thing = things[i];
        const bool was_alive = thing->alive;
        thing->run();
        if (thing->alive) continue;
        seen_dead.push_back(i);
        if (was_alive) ++killed_themselves;
    }
    // When every kill of the pass was a Thing ending itself as it ran, no Thing died
    // unseen, and the dead are known without a second look at every Thing (which, for
    // half a million particles, would cost a good part of a frame).
    const bool all_seen = Thing::kills - kills_before == killed_themselves && things.size() == count;
    if (all_seen)
        destroy(seen_dead);
    else
        purge();
}

void ThingDB::purge() {
    seen_dead.clear();
    for (std::size_t i = things.size(); i-- > 0;)
        if (!things[i]->alive) seen_dead.push_back(i);
    destroy(seen_dead);
}

// `dead` lists places newest first, the order in which the dead are destroyed; the
// survivors then close up from the oldest dead one on, so that a frame in which only new
// Things die moves little.
void ThingDB::destroy(const std::vector<std::size_t>& dead) {
    if (dead.empty()) return;
    for (std::size_t i : dead) {
        delete things[i];
        things[i] = nullptr;
    }
    const auto first = things.begin() + static_cast<std::ptrdiff_t>(dead.back());
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
