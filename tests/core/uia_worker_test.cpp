#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>
#include <thread>

#include "support/debug_log_capture.h"
#include "uia/uia_channel.h"
#include "uia/uia_worker.h"

namespace {

constexpr auto SAFETY = std::chrono::seconds(20);  // only against a hung test, never a measure

// Thread-safe stand-in for the platform: queries of chosen request ids block until released.
class FakeHost final : public UiaWorkerHost {
public:
    uintptr_t root_at(int32_t x, int32_t) override {
        std::lock_guard lock(mutex_);
        root_lookups_.push_back(x);
        changed_.notify_all();
        return static_cast<uintptr_t>(x);  // the tests place window N at x = N
    }

    std::vector<Rect> query(const UiaRequest& request) override {
        std::unique_lock lock(mutex_);
        queried_.push_back(request);
        changed_.notify_all();
        changed_.wait(lock, [&] { return blocked_.count(request.id) == 0; });
        return {Rect{0, 0, 10, 10}};
    }

    void post(const UiaRequest& request, UiaResult result) override {
        std::lock_guard lock(mutex_);
        posted_.push_back(request.id);
        results_.push_back(std::move(result));
        changed_.notify_all();
    }

    void block(uintptr_t id) {
        std::lock_guard lock(mutex_);
        blocked_.insert(id);
    }
    void release_all() {
        std::lock_guard lock(mutex_);
        blocked_.clear();
        changed_.notify_all();
    }
    void release(uintptr_t id) {
        std::lock_guard lock(mutex_);
        blocked_.erase(id);
        changed_.notify_all();
    }

    bool wait_query_started(uintptr_t id) {
        return wait([&] { return std::any_of(queried_.begin(), queried_.end(), [&](auto& r) { return r.id == id; }); });
    }
    bool wait_root_lookups(size_t n) { return wait([&] { return root_lookups_.size() >= n; }); }
    bool wait_posts(size_t n) { return wait([&] { return posted_.size() >= n; }); }

    template <class T>
    T copy(const T& field) {
        std::lock_guard lock(mutex_);
        return field;
    }
    std::vector<uintptr_t> posted() { return copy(posted_); }
    std::vector<UiaResult> results() { return copy(results_); }
    std::vector<UiaRequest> queried() { return copy(queried_); }

private:
    template <class Pred>
    bool wait(Pred pred) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, SAFETY, pred);
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::set<uintptr_t> blocked_;
    std::vector<int32_t> root_lookups_;
    std::vector<UiaRequest> queried_;
    std::vector<uintptr_t> posted_;
    std::vector<UiaResult> results_;
};

// A hub on a fake clock whose workers run the real loop over one FakeHost.
class UiaWorkerTest : public ::testing::Test {
protected:
    UiaWorkerTest() { clear_captured_log(); }

    ~UiaWorkerTest() override {
        host.release_all();
        hub.reset();
        for (auto& link : links) link->requests.close();
        for (auto& t : threads)
            if (t.joinable()) t.join();
    }

    std::unique_ptr<UiaHub> make_hub() {
        return std::make_unique<UiaHub>([this] { return now_ms.load(); },
                                        [this](std::shared_ptr<UiaWorkerLink> link) {
                                            links.push_back(link);
                                            threads.emplace_back([this, link] {
                                                run_uia_worker_loop(*link, *skip, host, [this] { return now_ms.load(); });
                                            });
                                            return true;
                                        },
                                        skip);
    }

    // Ends worker i once it has taken what was sent to it.
    void finish_worker(size_t i) {
        links[i]->requests.close();
        threads[i].join();
    }

    static UiaRequest request(uintptr_t id, uintptr_t window, int32_t x = 5, int32_t y = 6) {
        return UiaRequest{x, y, window, 0x99, id};
    }

    FakeHost host;
    std::atomic<int64_t> now_ms{0};
    std::shared_ptr<UiaSkipSet> skip = std::make_shared<UiaSkipSet>();
    std::vector<std::shared_ptr<UiaWorkerLink>> links;
    std::vector<std::thread> threads;
    std::unique_ptr<UiaHub> hub = make_hub();
};

bool log_has(const std::string& line) {
    const auto lines = captured_log_lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace

TEST(NewestChannel, KeepsOnlyTheNewestAndDrainsAfterClose) {
    NewestChannel<int> channel;
    channel.send(1);
    channel.send(2);
    channel.send(3);
    EXPECT_EQ(channel.receive(), 3);
    channel.send(4);
    channel.close();
    EXPECT_FALSE(channel.send(5));
    EXPECT_EQ(channel.receive(), 4);  // sent before the close
    EXPECT_EQ(channel.receive(), std::nullopt);
}

TEST_F(UiaWorkerTest, ThreeRequestsBehindABlockedQueryGetOneAnswerTheNewest) {
    host.block(1);
    hub->send(request(1, 7));
    ASSERT_TRUE(host.wait_query_started(1));
    hub->send(request(2, 7));
    hub->send(request(3, 7));
    hub->send(request(4, 7));
    host.release(1);
    ASSERT_TRUE(host.wait_posts(2));
    finish_worker(0);
    EXPECT_EQ(host.posted(), (std::vector<uintptr_t>{1, 4}));
    EXPECT_EQ(host.queried().size(), 2u);
}

TEST_F(UiaWorkerTest, TheAnswerCarriesTheRectsTheRootAndThePoint) {
    hub->send(request(1, 0, 0x31, -4));  // no window: the root is the window under the point
    ASSERT_TRUE(host.wait_posts(1));
    const UiaResult result = host.results().at(0);
    EXPECT_EQ(result.rects, (std::vector<Rect>{{0, 0, 10, 10}}));
    EXPECT_EQ(result.root, 0x31u);
    EXPECT_EQ(result.x, 0x31);
    EXPECT_EQ(result.y, -4);
    EXPECT_EQ(host.queried().at(0).window, 0u);  // the query gets the window as given
}

struct HangCase {
    int64_t elapsed_ms;
    bool given_up;
};

class UiaHangTest : public UiaWorkerTest, public ::testing::WithParamInterface<HangCase> {};

TEST_P(UiaHangTest, GivesTheWorkerUpOnlyAfterMoreThanOneSecond) {
    const HangCase c = GetParam();
    host.block(1);
    hub->send(request(1, 0x2a));
    ASSERT_TRUE(host.wait_query_started(1));
    now_ms = c.elapsed_ms;
    hub->send(request(2, 0x55));
    ASSERT_TRUE(host.wait_posts(c.given_up ? 1 : 0));

    const std::string line = "uia: window 0x2a stuck for " + std::to_string(c.elapsed_ms) + " ms, framing it whole";
    EXPECT_EQ(log_has(line), c.given_up);
    EXPECT_EQ(skip->contains(0x2a), c.given_up);
    EXPECT_EQ(links.size(), c.given_up ? 2u : 1u);

    host.release(1);  // the hung query comes back
    finish_worker(0);
    if (c.given_up) {
        finish_worker(1);
        EXPECT_EQ(host.posted(), (std::vector<uintptr_t>{2}));  // the late answer is dropped
    } else {
        EXPECT_EQ(host.posted(), (std::vector<uintptr_t>{1, 2}));
    }
}

INSTANTIATE_TEST_SUITE_P(Elapsed, UiaHangTest, ::testing::Values(HangCase{1000, false}, HangCase{1001, true}));

TEST_F(UiaWorkerTest, RequestsUnderAStuckWindowGetNoAnswer) {
    host.block(1);
    hub->send(request(1, 0x2a));
    ASSERT_TRUE(host.wait_query_started(1));
    now_ms = 1001;
    hub->send(request(2, 0x55));
    ASSERT_TRUE(host.wait_posts(1));
    ASSERT_EQ(links.size(), 2u);

    hub->send(request(3, 0, 0x2a));  // no window given: the root under the point is the stuck one
    ASSERT_TRUE(host.wait_root_lookups(1));
    hub->send(request(4, 0x55));
    ASSERT_TRUE(host.wait_posts(2));
    hub->send(request(5, 0x2a));  // the stuck window given
    finish_worker(1);

    EXPECT_EQ(host.posted(), (std::vector<uintptr_t>{2, 4}));
    for (const UiaRequest& q : host.queried()) EXPECT_FALSE(q.id == 3 || q.id == 5) << q.id;
}

TEST_F(UiaWorkerTest, AGivenUpWorkerComingBackLateLeavesItsReplacementBusy) {
    host.block(1);
    hub->send(request(1, 0x2a));
    ASSERT_TRUE(host.wait_query_started(1));
    now_ms = 1001;
    host.block(2);
    hub->send(request(2, 0x55));  // replaces the worker; the new one is busy from 1001 on
    ASSERT_TRUE(host.wait_query_started(2));

    host.release(1);
    finish_worker(0);  // the old worker has ended its query and quit

    now_ms = 2002;
    clear_captured_log();
    host.block(3);
    hub->send(request(3, 0x66));
    EXPECT_TRUE(log_has("uia: window 0x55 stuck for 1001 ms, framing it whole"));
    EXPECT_EQ(links.size(), 3u);
    EXPECT_TRUE(host.posted().empty());
}
