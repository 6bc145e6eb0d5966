#pragma once
// The UI Automation worker without its platform: the loop that serves only the newest
// request, the busy record the sender watches, the set of windows given up on, and the
// sender with its hang check. The Win32 side supplies the queries and the posting.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "uia/uia_channel.h"
#include "uia/uia_types.h"

// Milliseconds of a monotonic clock.
using UiaClock = std::function<int64_t()>;
int64_t uia_clock_ms();

// A query running longer than this makes the sender give the worker up.
inline constexpr int64_t UIA_HANG_MS = 1000;

struct UiaBusy {
    int64_t started_ms = 0;
    uintptr_t root = 0;
};

// What the worker is querying right now, if anything.
class UiaBusyRecord {
public:
    void begin(int64_t now_ms, uintptr_t root);
    void end();
    std::optional<UiaBusy> current() const;

private:
    mutable std::mutex mutex_;
    std::optional<UiaBusy> busy_;
};

// Root windows whose queries hung; they are framed whole from then on. Only grows.
class UiaSkipSet {
public:
    void add(uintptr_t root);
    bool contains(uintptr_t root) const;

private:
    mutable std::mutex mutex_;
    std::set<uintptr_t> roots_;
};

// Everything one worker shares with the sender. Each worker has its own, so a worker that
// was given up and comes back late touches nothing of its replacement.
struct UiaWorkerLink {
    NewestChannel<UiaRequest> requests;
    UiaBusyRecord busy;
    std::atomic<bool> stop{false};
};

// The platform side of one worker.
class UiaWorkerHost {
public:
    virtual ~UiaWorkerHost() = default;
    // The top-level window under a screen point; 0 when there is none.
    virtual uintptr_t root_at(int32_t x, int32_t y) = 0;
    // The element rectangles for the request (its window as given), innermost first.
    virtual std::vector<Rect> query(const UiaRequest& request) = 0;
    virtual void post(const UiaRequest& request, UiaResult result) = 0;
};

// The worker's loop; returns when the link's channel is closed or the worker was given up.
void run_uia_worker_loop(UiaWorkerLink& link, const UiaSkipSet& skip, UiaWorkerHost& host,
                         const UiaClock& clock);

// "uia: window 0x… stuck for N ms, framing it whole"
std::string uia_stuck_message(uintptr_t root, int64_t elapsed_ms);

// The sending side (UI thread): owns the current worker's link and replaces a worker whose
// query hangs.
class UiaHub {
public:
    // Starts a worker thread on the link; false when no thread could be started.
    using Starter = std::function<bool(std::shared_ptr<UiaWorkerLink>)>;

    UiaHub(UiaClock clock, Starter starter, std::shared_ptr<UiaSkipSet> skip);
    ~UiaHub();
    UiaHub(const UiaHub&) = delete;
    UiaHub& operator=(const UiaHub&) = delete;

    // Starts the worker unless one runs.
    void start();
    // The hang check, then the request goes to the (possibly new) worker.
    void send(const UiaRequest& request);

private:
    void start_locked();

    std::mutex mutex_;
    UiaClock clock_;
    Starter starter_;
    std::shared_ptr<UiaSkipSet> skip_;
    std::shared_ptr<UiaWorkerLink> current_;
};
