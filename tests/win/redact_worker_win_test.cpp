// The hide-personal-data worker: its one post with the request number, the record the window
// takes over, a post that fails, and the real engine's failure under Wine reaching the window.
#include <gtest/gtest.h>
#include <windows.h>

#include "redact/redact_worker_win.h"
#include "scripted_ocr_platform.h"
#include "support/test_support_win.h"
#include "win/messages.h"
#include "win/post_result.h"

namespace {

RedactRequest request_for(HWND target, WPARAM number) {
    RedactRequest r;
    r.job.pixels = std::vector<uint32_t>(232 * 132, 0xFFFFFFFFu);
    r.job.width = 232, r.job.height = 132, r.job.scale = 2, r.job.image_width = 100, r.job.image_height = 50;
    r.target = target;
    r.request_number = number;
    return r;
}

std::unique_ptr<RedactResult> wait_for_result(HWND target, WPARAM& number, ULONGLONG timeout_ms) {
    MSG m{};
    const ULONGLONG deadline = GetTickCount64() + timeout_ms;
    while (!PeekMessageW(&m, target, WM_APP_REDACT_DONE, WM_APP_REDACT_DONE, PM_REMOVE)) {
        if (GetTickCount64() > deadline) return nullptr;
        Sleep(5);
    }
    number = m.wParam;
    return take_result<RedactResult>(m.lParam);
}

TEST(RedactWorker, PostsTheRectanglesWithTheRequestNumber) {
    Result<OcrScript> script = OcrScript::parse(
        "profile | en-US\nsource | 100 | 50\nline | en-US | PIN:@10,10,20,10 | 4711@35,10,20,10\n");
    ASSERT_TRUE(script.ok());
    ScriptedOcrPlatform platform(std::move(script.value()));
    const HWND target = test_support::create_test_popup({L"OrmickOxelRedactWorkerTest"}, Rect{0, 0, 10, 10});
    ASSERT_NE(target, nullptr);

    EXPECT_TRUE(redact_worker(platform, request_for(target, 41)));
    WPARAM number = 0;
    std::unique_ptr<RedactResult> result = wait_for_result(target, number, 0);
    ASSERT_TRUE(result);
    EXPECT_EQ(number, 41u);
    ASSERT_TRUE(result->outcome.ok()) << result->outcome.error().message;
    EXPECT_EQ(result->outcome.value(), (std::vector<CoverRect>{{32.5f, 8, 25, 14}}));

    // The window is gone: nothing is posted and the record is freed.
    DestroyWindow(target);
    EXPECT_FALSE(redact_worker(platform, request_for(target, 42)));
}

TEST(RedactWorker, TheRealEngineAnswersWithTheReason) {
    const HWND target = test_support::create_test_popup({L"OrmickOxelRedactStartTest"}, Rect{0, 0, 10, 10});
    ASSERT_NE(target, nullptr);
    std::optional<DibBitmap> selection = DibBitmap::create(40, 20);
    ASSERT_TRUE(selection);
    start_redact_scan(*selection, target, 7);
    WPARAM number = 0;
    std::unique_ptr<RedactResult> result = wait_for_result(target, number, 20000);
    ASSERT_TRUE(result);
    EXPECT_EQ(number, 7u);
    // Under Wine there is no OCR engine: the error names the call and its code.
    if (!result->outcome.ok()) {
        EXPECT_NE(result->outcome.error().message.find("0x80040154"), std::string::npos) << result->outcome.error().message;
    }
    DestroyWindow(target);
}

}  // namespace
