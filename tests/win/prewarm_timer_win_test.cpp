#include <gtest/gtest.h>
#include <windows.h>

#include "dxgi/dxgi_win.h"
#include "dxgi/prewarm_timer_win.h"
#include "main/main_window_win.h"
#include "win/main_window.h"
#include "win/messages.h"

#include "support/test_support_win.h"

namespace {

bool timer_arrives(HWND window, DWORD within_ms) {
    const ULONGLONG deadline = GetTickCount64() + within_ms;
    MSG msg;
    while (GetTickCount64() < deadline) {
        while (PeekMessageW(&msg, window, WM_TIMER, WM_TIMER, PM_REMOVE))
            if (msg.wParam == TIMER_PREWARM) return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_TIMER);
    }
    return false;
}

}  // namespace

TEST(PrewarmTimer, RestartKeepsARunningTimerAndStartsAgainAfterStop) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    MAIN_HWND.set(window);
    restart_prewarm_timer();
    restart_prewarm_timer();  // already running: only the count starts again
    EXPECT_EQ(PREWARM_TICKS.get(), 0u);
    EXPECT_TRUE(timer_arrives(window, 3000));
    stop_prewarm_timer();
    EXPECT_FALSE(timer_arrives(window, 800));
    restart_prewarm_timer();
    EXPECT_TRUE(timer_arrives(window, 3000));
    stop_prewarm_timer();
    MAIN_HWND.set(nullptr);
    DestroyWindow(window);
}

TEST(PrewarmTimer, ForcedGdiEndsTheTimerAtItsFirstTick) {
    test_support::ScopedEnv gdi({"ORMICK_OXEL_GDI"}, std::string());  // set, but empty
    dxgi_drop_capturer();
    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    MAIN_HWND.set(window);
    restart_prewarm_timer();
    ASSERT_TRUE(timer_arrives(window, 3000));
    // The tick as the main window handles it.
    main_window_proc(window, WM_TIMER, TIMER_PREWARM, 0);
    EXPECT_EQ(PREWARM_TICKS.get(), 1u);
    EXPECT_FALSE(KillTimer(window, TIMER_PREWARM)) << "the tick killed the timer";
    EXPECT_FALSE(DXGI_CAPTURER.borrow()->has_value()) << "no desktop duplication was set up";
    stop_prewarm_timer();
    MAIN_HWND.set(nullptr);
    DestroyWindow(window);
}
