// Pictures for the end-to-end cases: the clipboard's CF_DIB and the screen as BMP files, and a
// window that shows a known pattern to capture.
#include <cstdio>
#include <cstring>
#include <vector>

#include "helper.h"

namespace {

// 24-bit bottom-up BMP from top-down 0x00RRGGBB pixels.
bool write_bmp(const std::wstring& path, const std::vector<uint32_t>& top_down, int32_t w, int32_t h) {
    const uint32_t row = (static_cast<uint32_t>(w) * 3 + 3) & ~3u;
    BITMAPFILEHEADER fh{};
    BITMAPINFOHEADER ih{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = fh.bfOffBits + row * static_cast<uint32_t>(h);
    ih.biSize = sizeof ih;
    ih.biWidth = w;
    ih.biHeight = h;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    ih.biSizeImage = row * static_cast<uint32_t>(h);
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (!f) return false;
    std::fwrite(&fh, sizeof fh, 1, f);
    std::fwrite(&ih, sizeof ih, 1, f);
    std::vector<uint8_t> line(row, 0);
    for (int32_t y = h - 1; y >= 0; --y) {
        for (int32_t x = 0; x < w; ++x) {
            const uint32_t p = top_down[static_cast<size_t>(y) * w + x];
            line[x * 3] = p & 0xFF;
            line[x * 3 + 1] = (p >> 8) & 0xFF;
            line[x * 3 + 2] = (p >> 16) & 0xFF;
        }
        std::fwrite(line.data(), 1, row, f);
    }
    return std::fclose(f) == 0;
}

uint32_t pattern_pixel(int32_t x, int32_t y) {
    const uint32_t r = static_cast<uint32_t>(x * 3) & 0xFF, g = static_cast<uint32_t>(y * 3) & 0xFF;
    const uint32_t b = static_cast<uint32_t>((x + y) * 7) & 0xFF;
    return (r << 16) | (g << 8) | b;
}

struct Pattern {
    int32_t w = 0, h = 0;
    std::vector<uint32_t> pixels;
};
Pattern SHOWN_PATTERN;

// A 32-bit top-down DIB of w x h.
BITMAPINFO top_down_32(int32_t w, int32_t h) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    return bi;
}

LRESULT CALLBACK pattern_proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(w, &ps);
        const BITMAPINFO bi = top_down_32(SHOWN_PATTERN.w, SHOWN_PATTERN.h);
        SetDIBitsToDevice(dc, 0, 0, SHOWN_PATTERN.w, SHOWN_PATTERN.h, 0, 0, 0, SHOWN_PATTERN.h, SHOWN_PATTERN.pixels.data(), &bi,
                          DIB_RGB_COLORS);
        EndPaint(w, &ps);
        return 0;
    }
    if (m == WM_ERASEBKGND) return 1;
    return DefWindowProcW(w, m, wp, lp);
}

}  // namespace

// clip-dib OUT: the clipboard's CF_DIB (32 bits per pixel) as a 24-bit BMP; says "W H".
int cmd_clip_dib(const Args& a) {
    if (a.empty()) return 2;
    if (!open_clipboard()) {
        emit("the clipboard could not be opened");
        return 1;
    }
    int rc = 1;
    if (HANDLE h = GetClipboardData(CF_DIB)) {
        const auto* info = static_cast<const BITMAPINFOHEADER*>(GlobalLock(h));
        if (info && info->biBitCount == 32 && info->biCompression == BI_RGB && info->biWidth > 0) {
            const int32_t w = info->biWidth, hh = info->biHeight < 0 ? -info->biHeight : info->biHeight;
            const auto* px = reinterpret_cast<const uint32_t*>(reinterpret_cast<const uint8_t*>(info) + info->biSize);
            std::vector<uint32_t> top_down(static_cast<size_t>(w) * hh);
            for (int32_t y = 0; y < hh; ++y) {
                const int32_t src = info->biHeight > 0 ? hh - 1 - y : y;
                std::memcpy(&top_down[static_cast<size_t>(y) * w], px + static_cast<size_t>(src) * w, w * 4u);
            }
            for (uint32_t& p : top_down) p &= 0xFFFFFF;
            if (write_bmp(a[0], top_down, w, hh)) {
                emit(std::to_string(w) + " " + std::to_string(hh));
                rc = 0;
            }
        }
        if (info) GlobalUnlock(h);
    }
    if (rc) emit("no image");
    CloseClipboard();
    return rc;
}

// screen-bmp OUT [X Y W H]: the screen (default all of it) as a 24-bit BMP.
int cmd_screen_bmp(const Args& a) {
    if (a.empty()) return 2;
    const auto x = static_cast<int32_t>(number_arg(a, 1, 0)), y = static_cast<int32_t>(number_arg(a, 2, 0));
    const auto w = static_cast<int32_t>(number_arg(a, 3, GetSystemMetrics(SM_CXSCREEN)));
    const auto h = static_cast<int32_t>(number_arg(a, 4, GetSystemMetrics(SM_CYSCREEN)));
    if (w <= 0 || h <= 0) return 2;
    const BITMAPINFO bi = top_down_32(w, h);
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, x, y, SRCCOPY | CAPTUREBLT);
    GdiFlush();
    std::vector<uint32_t> px(static_cast<const uint32_t*>(bits), static_cast<const uint32_t*>(bits) + size_t(w) * h);
    for (uint32_t& p : px) p &= 0xFFFFFF;
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return write_bmp(a[0], px, w, h) ? 0 : 1;
}

namespace {

// Shows SHOWN_PATTERN in a window at (x, y), says "shown" once it is painted and stays SECONDS
// (0: until ended).
int show_pattern_window(int32_t x, int32_t y, uint64_t seconds) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = pattern_proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OxelPattern";
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassW(&wc);
    HWND w = CreateWindowExW(0, L"OxelPattern", L"pattern", WS_POPUP | WS_VISIBLE, x, y, SHOWN_PATTERN.w, SHOWN_PATTERN.h, nullptr,
                             nullptr, wc.hInstance, nullptr);
    if (!w) return 1;
    UpdateWindow(w);
    announce("shown");
    const ULONGLONG end = GetTickCount64() + seconds * 1000;
    while (seconds == 0 || GetTickCount64() < end) {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    }
    return 0;
}

}  // namespace

// show-pattern X Y W H [SECONDS]: a window at that place whose pixel (i, j) is
// (3i mod 256, 3j mod 256, 7(i + j) mod 256); says "shown" once it is painted and stays
// SECONDS (default 300; 0 until ended).
int cmd_show_pattern(const Args& a) {
    if (a.size() < 4) return 2;
    const auto x = static_cast<int32_t>(number_arg(a, 0, 0)), y = static_cast<int32_t>(number_arg(a, 1, 0));
    SHOWN_PATTERN.w = static_cast<int32_t>(number_arg(a, 2, 0));
    SHOWN_PATTERN.h = static_cast<int32_t>(number_arg(a, 3, 0));
    if (SHOWN_PATTERN.w <= 0 || SHOWN_PATTERN.h <= 0) return 2;
    SHOWN_PATTERN.pixels.resize(static_cast<size_t>(SHOWN_PATTERN.w) * SHOWN_PATTERN.h);
    for (int32_t j = 0; j < SHOWN_PATTERN.h; ++j)
        for (int32_t i = 0; i < SHOWN_PATTERN.w; ++i) SHOWN_PATTERN.pixels[static_cast<size_t>(j) * SHOWN_PATTERN.w + i] = pattern_pixel(i, j);
    return show_pattern_window(x, y, number_arg(a, 4, 300));
}

// show-image X Y BMP [SECONDS]: a window at that place showing the BMP file's pixels; says
// "shown" once it is painted and stays SECONDS (default 300; 0 until ended).
int cmd_show_image(const Args& a) {
    if (a.size() < 3) return 2;
    const auto x = static_cast<int32_t>(number_arg(a, 0, 0)), y = static_cast<int32_t>(number_arg(a, 1, 0));
    auto* bmp = static_cast<HBITMAP>(LoadImageW(nullptr, a[2].c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!bmp) {
        emit("cannot load " + utf8(a[2]) + ": " + std::to_string(GetLastError()));
        return 1;
    }
    BITMAP info{};
    GetObjectW(bmp, sizeof info, &info);
    SHOWN_PATTERN.w = info.bmWidth;
    SHOWN_PATTERN.h = info.bmHeight;
    SHOWN_PATTERN.pixels.assign(static_cast<size_t>(SHOWN_PATTERN.w) * SHOWN_PATTERN.h, 0);
    BITMAPINFO bi = top_down_32(SHOWN_PATTERN.w, SHOWN_PATTERN.h);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bmp, 0, static_cast<UINT>(SHOWN_PATTERN.h), SHOWN_PATTERN.pixels.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bmp);
    if (rows != SHOWN_PATTERN.h || SHOWN_PATTERN.w <= 0) {
        emit("cannot read " + utf8(a[2]));
        return 1;
    }
    return show_pattern_window(x, y, number_arg(a, 3, 300));
}
