#pragma once
#include "world/BlockPool.h"
#include "world/Thing.h"

// Owning singly linked list of Things, newest first. Runs every Thing once per frame,
// then destroys the ones that died.
class ThingDB {
public:
    ThingDB() = default;
    ~ThingDB();
    ThingDB(const ThingDB&) = delete;
    ThingDB& operator=(const ThingDB&) = delete;

    // Links `thing` in at the head; the list owns it from now on.
    void add(Thing* thing);
    // Pass one runs every Thing (those added meanwhile wait for the next frame);
    // pass two destroys the dead, keeping the order of the survivors.
    void run();
    // Destroys every Thing.
    void clear();

    // Iteration with the shared cursor; must not overlap a run() of the same list.
    void reiterate();
    void next();
    Thing* current() const;

private:
    struct Node {
        Thing* thing;
        Node* next;
    };
    // Nodes of every list come from one pool that outlives them all.
    static BlockPool& nodes();
    void unlink_and_destroy(Node** link);
    Node* head = nullptr;
    Node* cursor = nullptr;
};
