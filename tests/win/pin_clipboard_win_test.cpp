// Pinning the clipboard under Wine: what clipboard text and copied files become as images (the
// pins, the balloon and copied bitmaps are tested end to end).
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "image/bitmap_ops_win.h"
#include "image/dropfiles.h"
#include "image/image_file_win.h"
#include "pin/clip_image_win.h"
#include "strings/ui_strings.h"
#include "util/text.h"
#include "win/handles.h"

#include "support/test_support_win.h"

namespace {

using namespace test_support;

bool open_with_patience() {
    for (int i = 0; i < 200; ++i) {
        if (OpenClipboard(nullptr)) return true;
        Sleep(10);
    }
    return false;
}

// Replaces the clipboard's content by one block of that format.
void set_clipboard(UINT format, const void* bytes, size_t size) {
    ASSERT_TRUE(open_with_patience());
    EmptyClipboard();
    if (bytes) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
        ASSERT_NE(block, nullptr);
        std::memcpy(GlobalLock(block), bytes, size);
        GlobalUnlock(block);
        if (!SetClipboardData(format, block)) GlobalFree(block);
    }
    CloseClipboard();
}

void set_text(const std::u16string& text) { set_clipboard(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * 2); }

void set_file(const std::string& path) {
    const std::optional<std::vector<uint8_t>> drop = build_dropfiles(utf8_to_utf16(path));
    ASSERT_TRUE(drop);
    set_clipboard(CF_HDROP, drop->data(), drop->size());
}

uint32_t pixel(const DibBitmap& image, int32_t x, int32_t y) { return bitmap_pixel(image, x, y).value_or(0xDEAD); }

// The darkest pixel's brightest channel in a rectangle: small where text was drawn.
uint32_t darkest(const DibBitmap& image, const Rect& r) {
    uint32_t least = 255;
    for (int32_t y = r.t; y < r.b; ++y)
        for (int32_t x = r.l; x < r.r; ++x) {
            const uint32_t p = pixel(image, x, y);
            least = std::min(least, std::max({p >> 16 & 255, p >> 8 & 255, p & 255}));
        }
    return least;
}

std::optional<DibBitmap> two_colour_image(int32_t w, int32_t h) {
    std::optional<DibBitmap> image = DibBitmap::create(w, h);
    if (!image) return image;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) image->bits[y * w + x] = x < w / 2 ? 0x3366CC : 0xEE2211;
    return image;
}

}  // namespace

TEST(PinClipboard, ColourCodeBecomesASwatchWithItsTwoLines) {
    set_text(u"  #F80\r\n");
    const Result<DibBitmap> swatch = clipboard_image(1.0f);
    ASSERT_TRUE(swatch);
    EXPECT_EQ(swatch->width, 180);
    EXPECT_EQ(swatch->height, 116);
    EXPECT_EQ(pixel(swatch.value(), 0, 0), 0xFF8800u);
    EXPECT_EQ(pixel(swatch.value(), 179, 69), 0xFF8800u);
    EXPECT_EQ(pixel(swatch.value(), 0, 70), 0xFFFFFFu);
    EXPECT_EQ(pixel(swatch.value(), 179, 115), 0xFFFFFFu);
    EXPECT_LT(darkest(swatch.value(), {12, 70, 168, 91}), 0x60u);    // "#FF8800", bold and dark
    EXPECT_LT(darkest(swatch.value(), {12, 95, 168, 116}), 0xB0u);   // "rgb(255, 136, 0)", grey
    EXPECT_EQ(darkest(swatch.value(), {0, 70, 11, 116}), 255u);      // the padding stays white

    set_text(u"rgb(10, 20, 30)");
    const Result<DibBitmap> big = clipboard_image(1.5f);
    ASSERT_TRUE(big);
    EXPECT_EQ(big->width, 270);
    EXPECT_EQ(big->height, 174);
    EXPECT_EQ(pixel(big.value(), 5, 5), 0x0A141Eu);
}

TEST(PinClipboard, OtherTextBecomesATextImage) {
    set_text(u"10 20 30 40\r\nsecond line");
    const Result<DibBitmap> two = clipboard_image(1.0f);
    ASSERT_TRUE(two);
    EXPECT_EQ(pixel(two.value(), 0, 0), 0xFFFDF2u);
    EXPECT_GT(two->width, 28 + 40);
    EXPECT_LT(two->width, 28 + 560);
    EXPECT_GT(two->height, 28 + 2 * 16);  // two lines of a 16-pixel font
    EXPECT_LT(two->height, 28 + 3 * 24);
    EXPECT_LT(darkest(two.value(), {14, 14, two->width - 14, two->height - 14}), 0x60u);
    EXPECT_EQ(darkest(two.value(), {0, 0, two->width, 13}), 255u);  // the margin is background only

    std::u16string lines;
    for (int i = 0; i < 300; ++i) lines += u"line\r\n";
    set_text(lines + u"last");
    const Result<DibBitmap> tall = clipboard_image(1.0f);
    ASSERT_TRUE(tall);
    EXPECT_EQ(tall->height, 1600 + 28);
    EXPECT_EQ(tall->width, 40 + 28);  // short lines: the narrowest text width

    std::u16string words;
    for (int i = 0; i < 200; ++i) words += u"word ";
    set_text(words);
    const Result<DibBitmap> wrapped = clipboard_image(1.0f);
    ASSERT_TRUE(wrapped);
    EXPECT_LE(wrapped->width, 560 + 28);
    EXPECT_GT(wrapped->height, 28 + 5 * 16);

    // One word far wider than the wrap width is cut there: the image stays bounded.
    set_text(std::u16string(4000, u'W') + u"\r\nend");
    const Result<DibBitmap> long_word = clipboard_image(1.0f);
    ASSERT_TRUE(long_word);
    EXPECT_EQ(long_word->width, 560 + 28);
    EXPECT_LT(darkest(long_word.value(), {14, 14, 574, 30}), 0x60u);
}

// A block without its NUL is read only to its end: tested natively, as Wine's clipboard puts
// a NUL into the block's last unit.
TEST(PinClipboard, WhiteSpaceOnlyOrNothing) {
    set_text(u"   \t\r\n\u3000");
    EXPECT_FALSE(clipboard_image(1.0f));
    set_clipboard(0, nullptr, 0);
    const Result<DibBitmap> none = clipboard_image(1.0f);
    ASSERT_FALSE(none);
    EXPECT_EQ(none.error().message, ui_text(NO_IMAGE_ON_CLIPBOARD));
}

TEST(PinClipboard, ABusyClipboardIsNotCalledEmpty) {
    set_text(u"#123456");
    Handle opened(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    Handle finished(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::atomic<bool> held = false;
    std::thread holder([&] {
        const HWND other = create_test_popup({L"OrmickPinClipboardTest"}, Rect{0, 0, 10, 10});
        held = other && OpenClipboard(other);
        SetEvent(opened.get());
        WaitForSingleObject(finished.get(), 5000);
        if (held) CloseClipboard();
        DestroyWindow(other);
    });
    WaitForSingleObject(opened.get(), 5000);
    const Result<DibBitmap> image = clipboard_image(1.0f);
    SetEvent(finished.get());
    holder.join();
    ASSERT_TRUE(held);
    ASSERT_FALSE(image);
    EXPECT_EQ(image.error().message, ui_text(CLIPBOARD_BUSY));
}

TEST(PinClipboard, CopiedFilesImageOrNot) {
    const std::optional<DibBitmap> source = two_colour_image(120, 80);
    ASSERT_TRUE(source);
    ScratchFolder folder("pinclip");
    const std::string png = folder.at("copied.png");
    ASSERT_TRUE(save_image(*source, png));
    set_file(png);
    const Result<DibBitmap> from_file = clipboard_image(1.0f);
    ASSERT_TRUE(from_file);
    EXPECT_EQ(from_file->width, 120);
    EXPECT_EQ(pixel(from_file.value(), 119, 79), 0xEE2211u);

    // Another program's list that does not end inside its block is refused, though it names
    // the image: without its two closing zeros, with its offset past the block, cut in the header.
    const std::optional<std::vector<uint8_t>> good = build_dropfiles(utf8_to_utf16(png));
    ASSERT_TRUE(good);
    std::vector<uint8_t> beyond = *good;
    beyond[1] = 0x40;  // the list at 0x4014
    const std::vector<std::vector<uint8_t>> malformed = {
        {good->begin(), good->end() - 4}, beyond, {good->begin(), good->begin() + 12}};
    for (const std::vector<uint8_t>& block : malformed) {
        set_clipboard(CF_HDROP, block.data(), block.size());
        EXPECT_FALSE(clipboard_image(1.0f)) << block.size();
    }

    // A copied file that is no image: the text is used when there is one, else nothing.
    const std::string notes = folder.at("notes.txt");
    write_whole_file(notes, std::string_view("just words"));
    set_file(notes);
    EXPECT_FALSE(clipboard_image(1.0f));
    ASSERT_TRUE(open_with_patience());
    EmptyClipboard();
    const std::optional<std::vector<uint8_t>> drop = build_dropfiles(utf8_to_utf16(notes));
    HGLOBAL files = GlobalAlloc(GMEM_MOVEABLE, drop->size());
    std::memcpy(GlobalLock(files), drop->data(), drop->size());
    GlobalUnlock(files);
    SetClipboardData(CF_HDROP, files);
    HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 16);
    std::memcpy(GlobalLock(text), u"#123", 8);
    GlobalUnlock(text);
    SetClipboardData(CF_UNICODETEXT, text);
    CloseClipboard();
    const Result<DibBitmap> fallback = clipboard_image(1.0f);
    ASSERT_TRUE(fallback);
    EXPECT_EQ(pixel(fallback.value(), 0, 0), 0x112233u);
}

// A bitmap past the pixel limit of an image file is refused before its 32-bpp copy is made,
// and the clipboard's text is used instead, as for a copied file that is too large.
TEST(PinClipboard, BitmapPastThePixelLimitIsRefused) {
    // 1 bpp: 32 MB here, over 1 GiB as a 32-bpp copy.
    HBITMAP huge = CreateBitmap(16385, 16384, 1, 1, nullptr);
    ASSERT_NE(huge, nullptr);
    ASSERT_TRUE(open_with_patience());
    EmptyClipboard();
    if (!SetClipboardData(CF_BITMAP, huge)) DeleteObject(huge);
    CloseClipboard();
    // Without text to use instead, the notice gives the reason and the size, not "no image".
    const Result<DibBitmap> refused = clipboard_image(1.0f);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().message, replace_all(ui_text(PIN_IMAGE_TOO_LARGE), "{name}", "16385 x 16384"));
}
