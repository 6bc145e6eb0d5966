// The developer jobs' pre-warm loop against a scripted step and a fake clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dxgi/prewarm.h"

namespace {

struct PrewarmRun {
    std::string events;           // 's' for a step, 'p' for a pause, in order
    std::vector<uint64_t> steps;  // the clock at each step
};

// `answers` are the step's returns in order (then false); each step takes `step_ms`.
PrewarmRun run_prewarm(uint64_t start_ms, uint64_t clock_ms, std::vector<bool> answers, uint64_t step_ms) {
    PrewarmRun run;
    uint64_t clock = clock_ms;
    size_t next = 0;
    repeat_prewarm_step(
        start_ms,
        [&] {
            run.events += 's';
            run.steps.push_back(clock);
            clock += step_ms;
            return next < answers.size() && answers[next++];
        },
        [&] { return clock; },
        [&](uint32_t ms) {
            run.events += 'p';
            clock += ms;
        });
    return run;
}

}  // namespace

TEST(EnginePrewarm, PausesBetweenStepsAndStopsWhenContentOrOutOfTime) {
    const std::vector<bool> always(1000, true);
    struct Case {
        const char* what;
        uint64_t start, clock;
        std::vector<bool> answers;
        uint64_t step_ms;
        size_t steps;
    };
    const Case cases[] = {
        {"content at once", 0, 0, {false}, 0, 1},
        {"three more steps wanted", 0, 0, {true, true, true, false}, 0, 4},
        {"always wants another: bounded by the budget, not by the step's speed", 0, 0, always, 0, 300},
        {"slow steps", 100, 100, always, 1000, 3},
        {"job began long ago: the first step only", 0, 5000, always, 0, 1},
    };
    for (const Case& k : cases) {
        const PrewarmRun run = run_prewarm(k.start, k.clock, k.answers, k.step_ms);
        EXPECT_EQ(run.steps.size(), k.steps) << k.what;
        // Never two steps without a pause between them.
        EXPECT_EQ(run.events.find("ss"), std::string::npos) << k.what << ": " << run.events;
        for (size_t i = 1; i < run.steps.size(); ++i) {
            EXPECT_GE(run.steps[i] - run.steps[i - 1], ENGINE_PREWARM_PAUSE_MS) << k.what << " step " << i;
            EXPECT_LT(run.steps[i] - k.start, ENGINE_PREWARM_BUDGET_MS) << k.what << " step " << i;
        }
    }
}
