#include "world/ThingDB.h"

ThingDB::~ThingDB() { clear(); }

void ThingDB::add(Thing* thing) { head = new Node{thing, head}; }

void ThingDB::run() {
    for (Node* n = head; n; n = n->next) n->thing->run();
    Node** link = &head;
    while (Node* n = *link) {
        if (n->thing->alive) {
            link = &n->next;
            continue;
        }
        *link = n->next;
        if (cursor == n) cursor = n->next;
        delete n->thing;
        delete n;
    }
}

void ThingDB::clear() {
    while (head) {
        Node* n = head;
        head = n->next;
        delete n->thing;
        delete n;
    }
    cursor = nullptr;
}

void ThingDB::reiterate() { cursor = head; }
void ThingDB::next() { cursor = cursor ? cursor->next : nullptr; }
Thing* ThingDB::current() const { return cursor ? cursor->thing : nullptr; }
