#pragma once
#include <cstddef>
#include <vector>

#include "world/Thing.h"

// Owning list of Things, newest first. Runs every Thing once per frame, then destroys the
// ones that died.
class ThingDB {
public:
    ThingDB() = default;
    ~ThingDB();
    ThingDB(const ThingDB&) = delete;
    ThingDB& operator=(const ThingDB&) = delete;

    // Puts `thing` first; the list owns it from now on.
    void add(Thing* thing) { things.push_back(thing); }
    // Pass one runs every Thing (those added meanwhile wait for the next frame);
    // pass two destroys the dead, keeping the order of the survivors.
    void run();
    // Destroys every Thing.
    void clear();

    // Calls f(thing) for every Thing, newest first; f must neither add nor destroy Things.
    template <typename F> void each(F f) {
        for (std::size_t i = things.size(); i-- > 0;) {
            if (i >= LOOKAHEAD) fetch(things[i - LOOKAHEAD]);
            f(things[i]);
        }
    }

    // Iteration with the shared cursor, newest first; must not overlap a run() of the same
    // list.
    void reiterate() { cursor = things.size(); }
    void next() {
        if (cursor > 0) --cursor;
    }
    Thing* current() const { return cursor > 0 ? things[cursor - 1] : nullptr; }

private:
    // Long lists are walked with the Things this far ahead fetched from memory meanwhile.
    static constexpr std::size_t LOOKAHEAD = 8;
    static void fetch(const Thing* thing) {
#if defined(__GNUC__)
        // A particle spans two cache lines.
        __builtin_prefetch(thing);
        __builtin_prefetch(reinterpret_cast<const char*>(thing) + 64);
#else
        (void)thing;
#endif
    }

    // Destroys every dead Thing.
    void purge();
    void destroy(const std::vector<std::size_t>& dead);

    // Oldest first: adding is an append, and runs walk it from the back. A list of pointers
    // rather than of linked nodes lets a run fetch the Things ahead of their turn, which
    // matters when a list holds half a million particles.
    std::vector<Thing*> things;
    // One past the current Thing's place; 0 once the iteration has passed the oldest.
    std::size_t cursor = 0;
    // Places of the Things found dead after their run, newest first.
    std::vector<std::size_t> seen_dead;
};
