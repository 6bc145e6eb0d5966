#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <typeinfo>

#include "support/test_support_win.h"
#include "util/record_registry.h"
#include "win/post_result.h"

namespace {

constexpr UINT WM_TEST_RESULT = WM_APP + 0x3A0;

// Counts its own destruction, so a test sees whether a record was freed.
struct CountedRecord {
    explicit CountedRecord(int* frees) : frees(frees) {}
    CountedRecord(const CountedRecord&) = delete;
    CountedRecord& operator=(const CountedRecord&) = delete;
    ~CountedRecord() { ++*frees; }
    int* frees;
};

enum class Target { None, Destroyed, Live };

struct PostCase {
    const char* name;
    Target target;
    bool with_record;
    bool posted;
};

HWND make_target(Target target) {
    if (target == Target::None) return nullptr;  // the main window of a developer job
    const HWND window = test_support::create_test_popup({L"OrmickOxelPostResultTest"}, Rect{0, 0, 10, 10});
    if (target == Target::Destroyed) DestroyWindow(window);
    return window;
}

// Removes and counts this thread's queued WM_TEST_RESULT messages, thread messages included.
int drain_test_messages() {
    int n = 0;
    MSG m;
    while (PeekMessageW(&m, nullptr, WM_TEST_RESULT, WM_TEST_RESULT, PM_REMOVE)) ++n;
    return n;
}

TEST(PostResult, AFailedPostFreesTheRecordAndLeavesItUnlisted) {
    const PostCase cases[] = {
        {"no target window: nothing is posted, not even to this thread", Target::None, true, false},
        {"a destroyed window", Target::Destroyed, true, false},
        {"no record", Target::Live, false, false},
        {"a live window", Target::Live, true, true},
    };
    for (const PostCase& c : cases) {
        SCOPED_TRACE(c.name);
        const HWND target = make_target(c.target);
        if (c.target != Target::None) {
            ASSERT_NE(target, nullptr);
        }
        int frees = 0;
        auto record = c.with_record ? std::make_unique<CountedRecord>(&frees) : nullptr;
        CountedRecord* const raw = record.get();

        EXPECT_EQ(post_result(target, WM_TEST_RESULT, 7, std::move(record)), c.posted);
        if (!c.posted) {
            EXPECT_EQ(frees, c.with_record ? 1 : 0);
            EXPECT_EQ(drain_test_messages(), 0);
            // The address is only compared, never followed: the record is gone.
            if (raw) {
                EXPECT_FALSE(record_registry_remove(raw, typeid(CountedRecord)));
            }
        } else {
            EXPECT_EQ(frees, 0) << "the window owns the record now";
            MSG m;
            ASSERT_TRUE(PeekMessageW(&m, target, WM_TEST_RESULT, WM_TEST_RESULT, PM_REMOVE));
            EXPECT_EQ(m.wParam, 7u);
            std::unique_ptr<CountedRecord> taken = take_result<CountedRecord>(m.lParam);
            EXPECT_EQ(taken.get(), raw);
            EXPECT_EQ(take_result<CountedRecord>(m.lParam), nullptr) << "taken twice";
            taken.reset();
            EXPECT_EQ(frees, 1);
        }
        if (c.target == Target::Live) DestroyWindow(target);
    }
}

TEST(PostResult, DrainingAWindowFreesItsQueuedRecordsOnly) {
    const HWND target = make_target(Target::Live);
    const HWND other = make_target(Target::Live);
    ASSERT_TRUE(target && other);
    int target_frees = 0, other_frees = 0;
    ASSERT_TRUE(post_result(target, WM_TEST_RESULT, 1, std::make_unique<CountedRecord>(&target_frees)));
    ASSERT_TRUE(post_result(target, WM_TEST_RESULT, 2, std::make_unique<CountedRecord>(&target_frees)));
    ASSERT_TRUE(post_result(other, WM_TEST_RESULT, 3, std::make_unique<CountedRecord>(&other_frees)));
    ASSERT_TRUE(PostMessageW(target, WM_TEST_RESULT, 4, 0x1234));  // forged: nothing to free
    PostQuitMessage(5);  // the program is ending while windows close

    drain_results<CountedRecord>(target, WM_TEST_RESULT);
    EXPECT_EQ(target_frees, 2);
    EXPECT_EQ(other_frees, 0);
    MSG m;
    ASSERT_TRUE(PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit request is left for the loop";
    EXPECT_EQ(m.wParam, 5u);
    EXPECT_FALSE(PeekMessageW(&m, target, WM_TEST_RESULT, WM_TEST_RESULT, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessageW(&m, other, WM_TEST_RESULT, WM_TEST_RESULT, PM_REMOVE));
    EXPECT_NE(take_result<CountedRecord>(m.lParam), nullptr);
    EXPECT_EQ(other_frees, 1);
    drain_results<CountedRecord>(nullptr, WM_TEST_RESULT);  // no window: nothing happens
    DestroyWindow(target);
    DestroyWindow(other);
}

}  // namespace
