#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "world/Thing.h"
#include "world/ThingDB.h"

namespace {

// A Thing that counts its runs and destructions and does whatever its test asks.
struct Probe : Thing {
    Probe(std::vector<int>& runs, std::vector<int>& deaths, int id)
        : runs(runs), deaths(deaths), id(id) {}
    ~Probe() override { deaths.push_back(id); }
    void run() override {
        runs.push_back(id);
        if (on_run) on_run(*this);
    }
    std::vector<int>& runs;
    std::vector<int>& deaths;
    int id;
    std::function<void(Probe&)> on_run;
};

class ThingDBTest : public ::testing::Test {
protected:
    Probe* add(int id) {
        Probe* p = new Probe(runs, deaths, id);
        db.add(p);
        return p;
    }
    std::vector<int> ids_by_cursor() {
        std::vector<int> ids;
        for (db.reiterate(); db.current(); db.next())
            ids.push_back(static_cast<Probe*>(db.current())->id);
        return ids;
    }
    std::vector<int> runs;
    std::vector<int> deaths;
    ThingDB db;
};

TEST_F(ThingDBTest, ThingAddedDuringARunWaitsForTheNextFrameUnlessDead) {
    Probe* parent = add(1);
    parent->on_run = [this](Probe& self) {
        add(10 + static_cast<int>(runs.size()));
        add(20)->kill();
        self.on_run = nullptr;
    };
    db.run();
    EXPECT_EQ(runs, (std::vector<int>{1}));
    EXPECT_EQ(deaths, (std::vector<int>{20}));
    EXPECT_EQ(ids_by_cursor(), (std::vector<int>{11, 1}));
    db.run();
    EXPECT_EQ(runs, (std::vector<int>{1, 11, 1}));
}

TEST_F(ThingDBTest, EverythingDyingInOneFrameIsDestroyedOnceAndClearDestroysTheRest) {
    for (int id = 1; id <= 3; ++id) add(id)->on_run = [](Probe& self) { self.kill(); };
    db.run();
    EXPECT_EQ(deaths, (std::vector<int>{3, 2, 1}));
    EXPECT_TRUE(ids_by_cursor().empty());
    db.run();
    add(4);
    add(5);
    db.clear();
    EXPECT_EQ(deaths, (std::vector<int>{3, 2, 1, 5, 4}));
    {
        ThingDB local;
        local.add(new Probe(runs, deaths, 7));
    }
    EXPECT_EQ(deaths.back(), 7);
    // A cleared list takes new Things again.
    add(6);
    EXPECT_EQ(ids_by_cursor(), (std::vector<int>{6}));
}

// Newest first; whoever dies in a frame goes at its end, whatever killed it and when.
TEST_F(ThingDBTest, AThingKilledAfterItsRunGoesInTheSameFrameWhateverElseDied) {
    Probe* killed_before = add(1);
    Probe* killer = add(2);
    Probe* victim = add(3);
    Probe* neighbour = add(4);
    // Dead before the frame: it still runs, and goes with the others.
    killed_before->kill();
    // The victim runs before its killer does.
    killer->on_run = [victim](Probe&) { victim->kill(); };
    // The newest kills itself and its older neighbour, which still runs this frame.
    add(5)->on_run = [neighbour](Probe& self) {
        self.kill();
        neighbour->kill();
    };
    db.run();
    EXPECT_EQ(runs, (std::vector<int>{5, 4, 3, 2, 1}));
    EXPECT_EQ(deaths, (std::vector<int>{5, 4, 3, 1}));
    EXPECT_EQ(ids_by_cursor(), (std::vector<int>{2}));
}

} // namespace
