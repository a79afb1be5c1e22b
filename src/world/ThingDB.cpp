#include "world/ThingDB.h"

#include <new>

// Never destroyed: static lists empty themselves at exit, in no known order with this pool.
BlockPool& ThingDB::nodes() {
    static BlockPool* pool = new BlockPool(sizeof(Node));
    return *pool;
}

ThingDB::~ThingDB() { clear(); }

void ThingDB::add(Thing* thing) { head = new (nodes().take()) Node{thing, head}; }

void ThingDB::unlink_and_destroy(Node** link) {
    Node* n = *link;
    *link = n->next;
    if (cursor == n) cursor = n->next;
    delete n->thing;
    nodes().give(n);
}

void ThingDB::run() {
    for (Node* n = head; n; n = n->next) n->thing->run();
    Node** link = &head;
    while (Node* n = *link) {
        if (n->thing->alive)
            link = &n->next;
        else
            unlink_and_destroy(link);
    }
}

void ThingDB::clear() {
    while (head) unlink_and_destroy(&head);
    cursor = nullptr;
}

void ThingDB::reiterate() { cursor = head; }
void ThingDB::next() { cursor = cursor ? cursor->next : nullptr; }
Thing* ThingDB::current() const { return cursor ? cursor->thing : nullptr; }
