#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "image/bitmap_ops_win.h"
#include "image/clipboard_win.h"
#include "image/dib_bitmap_win.h"
#include "strings/ui_strings.h"
#include "util/text.h"
#include "win/error.h"
#include "win/handles.h"
#include "win/main_window.h"

#include "support/test_support_win.h"

namespace {

using namespace test_support;

HWND make_window(const wchar_t* title) {
    return create_test_popup({L"OrmickClipboardTest"}, Rect{0, 0, 10, 10}, 0, title);
}

// Wine's desktop process opens the clipboard for a moment after each change to mirror it to X.
bool open_with_patience(HWND owner) {
    for (int i = 0; i < 200; ++i) {
        if (OpenClipboard(owner)) return true;
        Sleep(10);
    }
    return false;
}

std::optional<std::vector<uint8_t>> clipboard_bytes(UINT format) {
    if (!open_with_patience(nullptr)) return std::nullopt;
    std::optional<std::vector<uint8_t>> out;
    if (HANDLE h = GetClipboardData(format)) {
        GlobalLockGuard lock(h);
        if (lock) {
            const auto* p = static_cast<const uint8_t*>(lock.get());
            out.emplace(p, p + GlobalSize(h));
        }
    }
    CloseClipboard();
    return out;
}

std::optional<std::string> clipboard_text() {
    const auto bytes = clipboard_bytes(CF_UNICODETEXT);
    if (!bytes) return std::nullopt;
    std::wstring w(reinterpret_cast<const wchar_t*>(bytes->data()), bytes->size() / sizeof(wchar_t));
    w.resize(wcsnlen(w.c_str(), w.size()));
    return from_wide(w);
}

uint32_t u32_at(const std::vector<uint8_t>& b, size_t at) {
    uint32_t v = 0;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}

class Clipboard : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = make_window(L"main");
        ASSERT_NE(window_, nullptr);
        MAIN_HWND.set(window_);
    }
    void TearDown() override {
        MAIN_HWND.set(nullptr);
        DestroyWindow(window_);
    }
    HWND window_ = nullptr;
};

}  // namespace

TEST_F(Clipboard, OneByOneImageIsAPackedDib) {
    auto dib = DibBitmap::create(1, 1);
    ASSERT_TRUE(dib);
    dib->bits[0] = 0x00123456;
    ASSERT_TRUE(copy_image_to_clipboard(*dib));
    const auto bytes = clipboard_bytes(CF_DIB);
    ASSERT_TRUE(bytes);
    ASSERT_GE(bytes->size(), 44u);
    EXPECT_EQ(u32_at(*bytes, 0), 40u);
    EXPECT_EQ(u32_at(*bytes, 8), 1u);
    EXPECT_EQ(u32_at(*bytes, 20), 4u);
    EXPECT_EQ(u32_at(*bytes, 40), 0xFF123456u);
}

TEST_F(Clipboard, ImageRowsGoBottomUpAndReadBackAsBitmap) {
    auto dib = DibBitmap::create(3, 2);
    ASSERT_TRUE(dib);
    const uint32_t px[6] = {0x000011, 0x000022, 0x000033, 0x440000, 0x550000, 0x660000};
    std::copy(std::begin(px), std::end(px), dib->bits);
    ASSERT_TRUE(copy_image_to_clipboard(*dib));

    const auto bytes = clipboard_bytes(CF_DIB);
    ASSERT_TRUE(bytes);
    ASSERT_GE(bytes->size(), 64u);
    EXPECT_EQ(u32_at(*bytes, 4), 3u);
    EXPECT_EQ(u32_at(*bytes, 8), 2u);  // positive: bottom-up
    EXPECT_EQ(u32_at(*bytes, 20), 24u);
    EXPECT_EQ(u32_at(*bytes, 40), 0xFF440000u);  // the last row comes first
    EXPECT_EQ(u32_at(*bytes, 40 + 12), 0xFF000011u);

    ASSERT_TRUE(open_with_patience(nullptr));
    auto synthesised = bitmap_from_hbitmap(static_cast<HBITMAP>(GetClipboardData(CF_BITMAP)));
    CloseClipboard();
    ASSERT_TRUE(synthesised);
    ASSERT_EQ(synthesised->width, 3);
    ASSERT_EQ(synthesised->height, 2);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(synthesised->bits[i], px[i]) << i;
}

TEST_F(Clipboard, TextRoundTrips) {
    const std::string texts[] = {"plain", "Gr\xC3\xBC\xC3\x9F" "e \xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x98\x80", "",
                                 "two\r\nlines"};
    for (const std::string& t : texts) {
        EXPECT_TRUE(copy_text_to_clipboard(t));
        EXPECT_EQ(clipboard_text(), t);
    }
}

TEST_F(Clipboard, HeldByAnotherWindowNothingChanges) {
    ASSERT_TRUE(copy_text_to_clipboard("before"));
    ASSERT_EQ(clipboard_text(), "before");

    Handle opened(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    Handle finished(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::atomic<bool> held = false;
    std::thread holder([&] {
        HWND other = make_window(L"holder");
        held = other && open_with_patience(other);
        SetEvent(opened.get());
        WaitForSingleObject(finished.get(), 5000);
        if (held) CloseClipboard();
        DestroyWindow(other);
    });
    WaitForSingleObject(opened.get(), 5000);
    const bool was_held = held;
    bool opened_anyway = false;
    Status text_copied, image_copied;
    if (was_held) {
        opened_anyway = open_clipboard_retry();
        if (opened_anyway) CloseClipboard();
        text_copied = copy_text_to_clipboard("after");
        if (auto dib = DibBitmap::create(2, 2)) image_copied = copy_image_to_clipboard(*dib);
    }
    SetEvent(finished.get());
    holder.join();

    ASSERT_TRUE(was_held);
    EXPECT_FALSE(opened_anyway);
    ASSERT_FALSE(text_copied) << "a copy the clipboard refused is not reported as done";
    ASSERT_FALSE(image_copied);
    EXPECT_EQ(text_copied.error().message, ui_text(CLIPBOARD_BUSY));
    EXPECT_EQ(image_copied.error().message, ui_text(CLIPBOARD_BUSY));
    EXPECT_EQ(clipboard_text(), "before");
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_DIB));
}

TEST_F(Clipboard, AnImageTooLargeForTheClipboardSaysMemoryNotBusy) {
    auto dib = DibBitmap::create(1, 1);
    ASSERT_TRUE(dib);
    // Over 4 GiB of pixels: refused by size before a pixel is read.
    dib->width = dib->height = 70000;
    const Status copied = copy_image_to_clipboard(*dib);
    dib->width = dib->height = 1;
    ASSERT_FALSE(copied);
    EXPECT_EQ(copied.error().message, system_message(ERROR_NOT_ENOUGH_MEMORY));
}
