#include "uia/uia_worker.h"

#include <charconv>
#include <utility>

#include "util/clock.h"
#include "util/log.h"

int64_t uia_clock_ms() { return static_cast<int64_t>(clock_ms()); }

void UiaBusyRecord::begin(int64_t now_ms, uintptr_t root) {
    std::lock_guard lock(mutex_);
    busy_ = UiaBusy{now_ms, root};
}

void UiaBusyRecord::end() {
    std::lock_guard lock(mutex_);
    busy_.reset();
}

std::optional<UiaBusy> UiaBusyRecord::current() const {
    std::lock_guard lock(mutex_);
    return busy_;
}

void UiaSkipSet::add(uintptr_t root) {
    std::lock_guard lock(mutex_);
    roots_.insert(root);
}

bool UiaSkipSet::contains(uintptr_t root) const {
    std::lock_guard lock(mutex_);
    return roots_.count(root) != 0;
}

void run_uia_worker_loop(UiaWorkerLink& link, const UiaSkipSet& skip, UiaWorkerHost& host,
                         const UiaClock& clock) {
    for (;;) {
        std::optional<UiaRequest> request = link.requests.receive();
        if (!request || link.stop) return;
        const uintptr_t root = request->window ? request->window : host.root_at(request->x, request->y);
        if (skip.contains(root)) continue;

        link.busy.begin(clock(), root);
        std::vector<Rect> rects = host.query(*request);
        link.busy.end();
        if (link.stop) return;  // given up while the query hung: its answer is stale

        host.post(*request, UiaResult{std::move(rects), root, request->x, request->y});
    }
}

std::string uia_stuck_message(uintptr_t root, int64_t elapsed_ms) {
    char hex[2 * sizeof(uintptr_t) + 1];
    const auto end = std::to_chars(hex, hex + sizeof hex, root, 16).ptr;
    return "uia: window 0x" + std::string(hex, end) + " stuck for " + std::to_string(elapsed_ms) +
           " ms, framing it whole";
}

UiaHub::UiaHub(UiaClock clock, Starter starter, std::shared_ptr<UiaSkipSet> skip)
    : clock_(std::move(clock)), starter_(std::move(starter)), skip_(std::move(skip)) {}

UiaHub::~UiaHub() {
    std::lock_guard lock(mutex_);
    if (current_) {
        current_->stop = true;
        current_->requests.close();
    }
}

void UiaHub::start() {
    std::lock_guard lock(mutex_);
    if (!current_) start_locked();
}

void UiaHub::start_locked() {
    auto link = std::make_shared<UiaWorkerLink>();
    if (!starter_(link)) {
        debug_log("uia: the worker thread could not be started");
        return;  // the next send tries again
    }
    current_ = std::move(link);
}

void UiaHub::send(const UiaRequest& request) {
    std::lock_guard lock(mutex_);
    if (current_) {
        if (const auto busy = current_->busy.current()) {
            const int64_t elapsed = clock_() - busy->started_ms;
            if (elapsed > UIA_HANG_MS) {
                debug_log(uia_stuck_message(busy->root, elapsed));
                skip_->add(busy->root);
                current_->stop = true;
                current_->requests.close();
                current_.reset();
            }
        }
    }
    if (!current_) start_locked();
    if (current_) current_->requests.send(request);
}
