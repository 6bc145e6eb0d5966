#include <gtest/gtest.h>
#include <windows.h>

#include "qr/qr_result.h"
#include "qr/qr_worker_win.h"
#include "qr_fixtures.h"
#include "support/test_support_win.h"
#include "win/post_result.h"
#include "win/messages.h"

namespace {

QrRequest request_for(const TestImage& image, HWND target) {
    return {image.pixels, static_cast<uint32_t>(image.width), static_cast<uint32_t>(image.height), Rect{10, 20, 310, 220},
            target};
}

// The next WM_APP_QR_DONE for the window, waiting up to `ms`.
std::unique_ptr<QrScanResult> wait_for_result(HWND window, DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    do {
        MSG m;
        if (PeekMessageW(&m, window, WM_APP_QR_DONE, WM_APP_QR_DONE, PM_REMOVE)) {
            EXPECT_EQ(m.wParam, 0u);
            return take_result<QrScanResult>(m.lParam);
        }
        Sleep(5);
    } while (GetTickCount64() < end);
    return nullptr;
}

}  // namespace

TEST(QrWorker, PostsTheTextsAndThePlacementFromItsThread) {
    const HWND window = test_support::create_test_popup({L"OrmickOxelQrWorkerTest"}, Rect{0, 0, 10, 10});
    ASSERT_NE(window, nullptr);
    TestImage image = screenshot_like_image(700, 400);
    draw_qr(image, QR_UTF8, 60, 80, 4);
    draw_qr(image, QR_URL, 400, 80, 4);
    start_qr_worker(request_for(image, window));
    std::unique_ptr<QrScanResult> result = wait_for_result(window, 10000);
    ASSERT_NE(result, nullptr);
    std::sort(result->texts.begin(), result->texts.end());
    EXPECT_EQ(result->texts, (std::vector<std::string>{"Gr\xC3\xBC\xC3\x9F" "e aus K\xC3\xB6ln", "https://example.com/a"}));
    EXPECT_EQ(result->placement, (Rect{10, 20, 310, 220}));
    DestroyWindow(window);
}

TEST(QrWorker, NoCodePostsAnEmptyListAndNoWindowPostsNothing) {
    const HWND window = test_support::create_test_popup({L"OrmickOxelQrWorkerTest"}, Rect{0, 0, 10, 10});
    ASSERT_NE(window, nullptr);
    qr_worker(request_for(blank_image(50, 40, QR_WHITE), window));
    std::unique_ptr<QrScanResult> result = wait_for_result(window, 0);
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(result->texts.empty());
    DestroyWindow(window);

    qr_worker(request_for(blank_image(50, 40, QR_WHITE), window));  // destroyed: the record is freed
    qr_worker(request_for(blank_image(50, 40, QR_WHITE), nullptr));
    MSG m;
    EXPECT_FALSE(PeekMessageW(&m, nullptr, WM_APP_QR_DONE, WM_APP_QR_DONE, PM_REMOVE));
}
