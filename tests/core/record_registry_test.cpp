#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <latch>
#include <thread>
#include <typeinfo>
#include <vector>

#include "util/record_registry.h"

namespace {

struct RecordA {
    int value = 0;
};
struct RecordB {
    int value = 0;
};

enum class Kind { A, B };
const std::type_info& type_of(Kind kind) { return kind == Kind::A ? typeid(RecordA) : typeid(RecordB); }

// One registry call on one of three record addresses; slot 2 is never posted.
struct Step {
    bool post;  // else take
    int slot;
    Kind kind;
    bool taken = false;  // what a take must give
};

struct RegistryCase {
    const char* name;
    std::vector<Step> steps;
};

constexpr int UNKNOWN = 2;

TEST(RecordRegistry, TakesFollowThePosts) {
    const RegistryCase cases[] = {
        {"a posted record is taken once",
         {{true, 0, Kind::A}, {false, 0, Kind::A, true}, {false, 0, Kind::A, false}}},
        {"an unknown pointer gives nothing and leaves the others listed",
         {{true, 0, Kind::A}, {false, UNKNOWN, Kind::A, false}, {false, 0, Kind::A, true}}},
        {"another type gives nothing and leaves the record listed",
         {{true, 0, Kind::A}, {false, 0, Kind::B, false}, {false, 0, Kind::A, true}}},
        // A failed post takes its record back at once; a later take finds nothing.
        {"a record is unlisted after a failed post",
         {{true, 0, Kind::A}, {false, 0, Kind::A, true}, {false, 0, Kind::A, false}, {false, 0, Kind::B, false}}},
        {"records are taken independently of the order of their posts",
         {{true, 0, Kind::A}, {true, 1, Kind::B}, {false, 1, Kind::B, true}, {false, 0, Kind::A, true},
          {false, 1, Kind::B, false}}},
        // The allocator hands a freed record's address to the next one.
        {"an address reused by a new record is listed with the new type",
         {{true, 0, Kind::A}, {false, 0, Kind::A, true}, {true, 0, Kind::B}, {false, 0, Kind::A, false},
          {false, 0, Kind::B, true}}},
    };
    for (const RegistryCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::array<RecordA, 3> records{};
        for (size_t i = 0; i < c.steps.size(); ++i) {
            const Step& s = c.steps[i];
            const void* record = &records[static_cast<size_t>(s.slot)];
            if (s.post) {
                record_registry_add(record, type_of(s.kind));
            } else {
                EXPECT_EQ(record_registry_remove(record, type_of(s.kind)), s.taken) << "step " << i;
            }
        }
        for (const RecordA& r : records) {  // nothing stays listed for the next case
            record_registry_remove(&r, typeid(RecordA));
            record_registry_remove(&r, typeid(RecordB));
        }
    }
}

TEST(RecordRegistry, ThreadsPostingAndTakingAtOnce) {
    constexpr int THREADS = 8, RECORDS = 400;
    std::vector<std::vector<RecordA>> records(THREADS, std::vector<RecordA>(RECORDS));
    std::atomic<int> taken{0};
    std::latch start(THREADS);
    {
        std::vector<std::jthread> threads;
        for (int t = 0; t < THREADS; ++t) {
            threads.emplace_back([&, t] {
                start.arrive_and_wait();
                for (RecordA& r : records[static_cast<size_t>(t)]) record_registry_add(&r, typeid(RecordA));
                for (RecordA& r : records[static_cast<size_t>(t)]) taken += record_registry_remove(&r, typeid(RecordA));
            });
        }
    }
    EXPECT_EQ(taken.load(), THREADS * RECORDS);
}

TEST(RecordRegistry, OneRecordRacedForIsTakenByOneThread) {
    constexpr int THREADS = 8, ROUNDS = 100;
    RecordA record;
    for (int round = 0; round < ROUNDS; ++round) {
        record_registry_add(&record, typeid(RecordA));
        std::atomic<int> winners{0};
        std::latch start(THREADS);
        {
            std::vector<std::jthread> threads;
            for (int t = 0; t < THREADS; ++t) {
                threads.emplace_back([&] {
                    start.arrive_and_wait();
                    winners += record_registry_remove(&record, typeid(RecordA));
                });
            }
        }
        ASSERT_EQ(winners.load(), 1) << "round " << round;
    }
}

}  // namespace

TEST(RecordRegistry, OnlyListedRecordsOfTheRightTypeAreTaken) {
    int a = 0;
    double d = 0;
    record_registry_add(&a, typeid(int));
    EXPECT_FALSE(record_registry_remove(&d, typeid(double)));  // never posted
    EXPECT_FALSE(record_registry_remove(&a, typeid(double)));  // posted as another type
    EXPECT_TRUE(record_registry_remove(&a, typeid(int)));
    EXPECT_FALSE(record_registry_remove(&a, typeid(int)));     // taken already
}
