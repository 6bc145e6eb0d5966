// Test-only scroll target: a borderless window showing scroll_target_doc.h's picture, scrolled
// NOTCH_ROWS per wheel notch and stopping at either end, so that a scrolling capture of it can be
// compared row for row with the document.
//
//   scroll-target.exe [--at X Y] [--state PATH]   the window at X,Y (screen); PATH gets the scroll
//                                                  position ("scroll N\n") after every change
//   scroll-target.exe --frame PATH SCROLL          the client area at that position as a BMP
//   scroll-target.exe --expected PATH              the document pane with header and footer as a BMP
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "scroll_target_doc.h"

namespace {
using namespace scroll_target;

struct Picture {
    std::vector<uint32_t> pixels;  // top-down
    int32_t width = 0, height = 0;
};

Picture client_picture(int32_t scroll) {
    Picture p{std::vector<uint32_t>(size_t{CLIENT_WIDTH} * CLIENT_HEIGHT), CLIENT_WIDTH, CLIENT_HEIGHT};
    for (int32_t y = 0; y < CLIENT_HEIGHT; ++y)
        for (int32_t x = 0; x < CLIENT_WIDTH; ++x) p.pixels[size_t(y) * CLIENT_WIDTH + size_t(x)] = client_pixel(x, y, scroll);
    return p;
}

Picture expected_picture() {
    Picture p{std::vector<uint32_t>(size_t(DOC_WIDTH) * size_t(EXPECTED_ROWS)), DOC_WIDTH, EXPECTED_ROWS};
    for (int32_t y = 0; y < EXPECTED_ROWS; ++y)
        for (int32_t x = 0; x < DOC_WIDTH; ++x) p.pixels[size_t(y) * size_t(DOC_WIDTH) + size_t(x)] = expected_pixel(x, y);
    return p;
}

bool write_bmp(const wchar_t* path, const Picture& p) {
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = p.width;
    info.biHeight = -p.height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    const DWORD bytes = DWORD(p.pixels.size() * 4);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + bytes;
    FILE* f = _wfopen(path, L"wb");
    if (!f) return false;
    bool ok = std::fwrite(&file, sizeof(file), 1, f) == 1 && std::fwrite(&info, sizeof(info), 1, f) == 1 &&
              std::fwrite(p.pixels.data(), 1, bytes, f) == bytes;
    return std::fclose(f) == 0 && ok;
}

struct Target {
    int32_t scroll = 0;
    int wheel = 0;  // delta not yet a whole notch
    std::wstring state_path;
    Picture picture = client_picture(0);
};
Target TARGET;

void write_state() {
    if (TARGET.state_path.empty()) return;
    if (FILE* f = _wfopen(TARGET.state_path.c_str(), L"wb")) {
        std::fprintf(f, "scroll %d\n", int(TARGET.scroll));
        std::fclose(f);
    }
}

void scroll_by(HWND window, int notches_down) {
    const int32_t next = scrolled(TARGET.scroll, notches_down);
    if (next == TARGET.scroll) return;
    TARGET.scroll = next;
    TARGET.picture = client_picture(next);
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    write_state();
}

LRESULT CALLBACK target_proc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_MOUSEWHEEL: {
            TARGET.wheel += GET_WHEEL_DELTA_WPARAM(wp);
            const int notches = TARGET.wheel / WHEEL_DELTA;
            TARGET.wheel -= notches * WHEEL_DELTA;
            scroll_by(window, -notches);
            return 0;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window, &ps);
            BITMAPINFO info{};
            info.bmiHeader = {sizeof(BITMAPINFOHEADER), CLIENT_WIDTH, -CLIENT_HEIGHT, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
            SetDIBitsToDevice(dc, 0, 0, CLIENT_WIDTH, CLIENT_HEIGHT, 0, 0, 0, CLIENT_HEIGHT, TARGET.picture.pixels.data(),
                              &info, DIB_RGB_COLORS);
            EndPaint(window, &ps);
            return 0;
        }
        case WM_ERASEBKGND: return 1;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcW(window, msg, wp, lp);
    }
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
    int x = 100, y = 100;
    for (int i = 1; i < argc; ++i) {
        const std::wstring a = argv[i];
        if (a == L"--frame" && i + 2 < argc) return write_bmp(argv[i + 1], client_picture(_wtoi(argv[i + 2]))) ? 0 : 1;
        if (a == L"--expected" && i + 1 < argc) return write_bmp(argv[i + 1], expected_picture()) ? 0 : 1;
        if (a == L"--at" && i + 2 < argc) x = _wtoi(argv[i + 1]), y = _wtoi(argv[i + 2]), i += 2;
        else if (a == L"--state" && i + 1 < argc) TARGET.state_path = argv[++i];
    }
    WNDCLASSW wc{};
    wc.lpfnWndProc = target_proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"OxelScrollTarget";
    if (!RegisterClassW(&wc)) return 1;
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"Scroll target", WS_POPUP | WS_VISIBLE, x, y, CLIENT_WIDTH,
                                  CLIENT_HEIGHT, nullptr, nullptr, wc.hInstance, nullptr);
    if (!window) return 1;
    write_state();
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    return 0;
}
