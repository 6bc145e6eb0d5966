// The Win32 tests' main: googletest with a watchdog. A test stuck in a system call cannot be
// stopped from inside, so once it has run for TEST_LIMIT_S the watchdog prints
// "TIMEOUT: Suite.Name still running after N s" and ends the process with TIMEOUT_EXIT; a
// crash ends it the same way with "CRASH: Suite.Name ended by exception 0x...". scripts/wine-exec
// then starts the binary again with ORMICK_TEST_RESUME_AFTER naming that test, and this main
// leaves out every test up to it, so the others still run.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace {

// Under a minute, and well above the slowest healthy test on a loaded machine (27 s at a load
// of 23) and the longest wait a test makes (45 s, for the auto-scroll session's end).
constexpr ULONGLONG TEST_LIMIT_S = 55;
constexpr UINT TIMEOUT_EXIT = 124;

struct Running {
    std::mutex lock;
    std::string name;     // the test now running, empty between tests
    ULONGLONG since = 0;  // GetTickCount64 at its start
};
// Never destroyed: the watchdog may still look at it while the process exits.
Running& RUNNING = *new Running;

class RunningTest : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo& test) override {
        const std::lock_guard lock(RUNNING.lock);
        RUNNING.name = std::string(test.test_suite_name()) + "." + test.name();
        RUNNING.since = GetTickCount64();
    }
    void OnTestEnd(const testing::TestInfo&) override {
        const std::lock_guard lock(RUNNING.lock);
        RUNNING.name.clear();
    }
};

[[noreturn]] void watch(ULONGLONG limit_s) {
    for (;;) {
        Sleep(500);
        const std::lock_guard lock(RUNNING.lock);
        if (RUNNING.name.empty() || GetTickCount64() - RUNNING.since < limit_s * 1000) continue;
        std::fflush(stdout);
        const std::string line = "TIMEOUT: " + RUNNING.name + " still running after " + std::to_string(limit_s) + " s";
        std::printf("\n%s\n", line.c_str());
        std::fflush(stdout);
        // Not ExitProcess: the stuck thread may hold a lock that the exit path needs.
        TerminateProcess(GetCurrentProcess(), TIMEOUT_EXIT);
    }
}

// Names the test a crash ended, before anything else (a debugger) can hold the process.
LONG WINAPI on_crash(EXCEPTION_POINTERS* info) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", info->ExceptionRecord->ExceptionCode);
    std::string name = "(unknown test)";
    if (std::unique_lock lock(RUNNING.lock, std::try_to_lock); lock) name = RUNNING.name.empty() ? "(between tests)" : RUNNING.name;
    std::fflush(stdout);
    std::printf("\nCRASH: %s ended by exception %s\n", name.c_str(), code);
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), TIMEOUT_EXIT);
    return EXCEPTION_EXECUTE_HANDLER;
}

// Leaves out, through the filter's negative part, every test up to and including `last`.
bool resume_after(const std::string& last) {
    const testing::UnitTest& all = *testing::UnitTest::GetInstance();
    std::string done;
    for (int i = 0; i < all.total_test_suite_count(); ++i) {
        const testing::TestSuite& suite = *all.GetTestSuite(i);
        for (int j = 0; j < suite.total_test_count(); ++j) {
            const std::string name = std::string(suite.name()) + "." + suite.GetTestInfo(j)->name();
            done += (done.empty() ? "" : ":") + name;
            if (name != last) continue;
            std::string filter = GTEST_FLAG_GET(filter);
            filter += (filter.find('-') == std::string::npos ? "-" : ":") + done;
            GTEST_FLAG_SET(filter, filter);
            std::printf("Resuming after %s, which did not end\n", last.c_str());
            return true;
        }
    }
    std::printf("Cannot resume: no test %s\n", last.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (const char* last = std::getenv("ORMICK_TEST_RESUME_AFTER"); last && *last && !resume_after(last)) return 1;
    testing::UnitTest::GetInstance()->listeners().Append(new RunningTest);
    SetUnhandledExceptionFilter(on_crash);
    std::thread(watch, TEST_LIMIT_S).detach();
    return RUN_ALL_TESTS();
}
