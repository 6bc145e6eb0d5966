// The helper's commands that put images and copied files on the clipboard as other programs
// do, and read what the screen shows.
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "helper.h"

namespace {

// Empties the clipboard and gives it the block; false when any step fails.
bool put_on_clipboard(UINT format, const void* bytes, size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return false;
    void* p = GlobalLock(block);
    if (!p) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(p, bytes, size);
    GlobalUnlock(block);
    if (!open_clipboard()) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    const bool ok = SetClipboardData(format, block) != nullptr;
    if (!ok) GlobalFree(block);
    CloseClipboard();
    return ok;
}

uint32_t rgb_at(HDC screen, int x, int y) {
    const COLORREF c = GetPixel(screen, x, y);
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

std::string hex6(uint32_t v) {
    char text[8];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(v & 0xFFFFFF));
    return text;
}

}  // namespace

// clip-set-files PATH...: the paths as a copied-files list (CF_HDROP), as a file manager puts it.
int cmd_clip_set_files(const Args& a) {
    if (a.empty()) return 2;
    std::vector<uint8_t> block(sizeof(DROPFILES));
    DROPFILES header{};
    header.pFiles = sizeof(DROPFILES);
    header.fWide = TRUE;
    std::memcpy(block.data(), &header, sizeof header);
    for (const auto& path : a) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(path.c_str());
        block.insert(block.end(), bytes, bytes + (path.size() + 1) * sizeof(wchar_t));
    }
    block.insert(block.end(), sizeof(wchar_t), 0);
    return put_on_clipboard(CF_HDROP, block.data(), block.size()) ? 0 : 1;
}

// clip-set-image W H: a W x H bitmap (CF_DIB), left half 3366CC, right half EE2211.
int cmd_clip_set_image(const Args& a) {
    const auto w = static_cast<LONG>(number_arg(a, 0, 0)), h = static_cast<LONG>(number_arg(a, 1, 0));
    if (w <= 0 || h <= 0 || w > 4096 || h > 4096) return 2;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = w;
    info.biHeight = h;  // bottom-up, as most programs copy
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    std::vector<uint8_t> block(sizeof info + size_t(w) * size_t(h) * 4);
    std::memcpy(block.data(), &info, sizeof info);
    auto* pixels = reinterpret_cast<uint32_t*>(block.data() + sizeof info);
    for (LONG y = 0; y < h; ++y)
        for (LONG x = 0; x < w; ++x) pixels[size_t(y) * size_t(w) + size_t(x)] = x < w / 2 ? 0x3366CC : 0xEE2211;
    return put_on_clipboard(CF_DIB, block.data(), block.size()) ? 0 : 1;
}

// clip-set-dib FILE [FORMAT]: the file's bytes as they are, as a CF_DIB block (FORMAT 17:
// CF_DIBV5), whatever its header claims: another program's DIB may lie.
int cmd_clip_set_dib(const Args& a) {
    if (a.empty()) return 2;
    const auto format = static_cast<UINT>(number_arg(a, 1, CF_DIB));
    FILE* f = _wfopen(a[0].c_str(), L"rb");
    if (!f) return 2;
    std::vector<uint8_t> bytes;
    uint8_t chunk[65536];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;) bytes.insert(bytes.end(), chunk, chunk + n);
    std::fclose(f);
    if (bytes.empty()) return 2;
    return put_on_clipboard(format, bytes.data(), bytes.size()) ? 0 : 1;
}

// pixels X Y [X Y...]: the screen's colour at each point as RRGGBB, one per line.
int cmd_pixels(const Args& a) {
    if (a.size() < 2 || a.size() % 2) return 2;
    HDC screen = GetDC(nullptr);
    for (size_t i = 0; i + 1 < a.size(); i += 2)
        emit(hex6(rgb_at(screen, static_cast<int>(number_arg(a, i, 0)), static_cast<int>(number_arg(a, i + 1, 0)))));
    ReleaseDC(nullptr, screen);
    return 0;
}

// dark-count L T R B MAX: how many screen pixels in the rectangle have no channel above MAX.
int cmd_dark_count(const Args& a) {
    if (a.size() < 5) return 2;
    const int l = static_cast<int>(number_arg(a, 0, 0)), t = static_cast<int>(number_arg(a, 1, 0));
    const int r = static_cast<int>(number_arg(a, 2, 0)), b = static_cast<int>(number_arg(a, 3, 0));
    const auto max = static_cast<uint32_t>(number_arg(a, 4, 0));
    HDC screen = GetDC(nullptr);
    size_t count = 0;
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x) {
            const uint32_t c = rgb_at(screen, x, y);
            if (std::max({c >> 16, (c >> 8) & 255, c & 255}) <= max) ++count;
        }
    ReleaseDC(nullptr, screen);
    emit(std::to_string(count));
    return 0;
}
