#pragma once
// The shown frame's record, shared by the frame's functions and its window procedure.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "frame/frame_types.h"
#include "frame/frame_win.h"
#include "image/dib_bitmap_win.h"
#include "util/geometry.h"
#include "util/ui_cell.h"
#include "win/window.h"

struct LaidOutButton {
    std::string label;
    uint64_t id = 0;
    Rect rect;  // strip client coordinates
};

struct FrameRecord {
    std::optional<uint64_t> hovered;
    std::optional<DibBitmap> preview_image;
    std::vector<LaidOutButton> buttons;
    std::string status;
    bool alert = false;
    FrameCallback on_event = nullptr;
    HWND ring = nullptr, strip = nullptr, preview = nullptr;
    HFONT font = nullptr;  // owned by ui_font's cache
    float scale = 1.0f;
    Rect status_rect;      // strip client coordinates
    int32_t corner = 0;
    bool in_grabs = false;              // a window could not be kept out of captures
    Rect strip_rect;                    // screen coordinates
    std::optional<Rect> preview_rect;   // screen coordinates
};

extern UiCell<std::optional<FrameRecord>> REGION_FRAME;

// Each of the three windows' own record: which one it is, and the ring's colour.
struct FrameWindow : BaseWindow<FrameWindow> {
    static constexpr const wchar_t* CLASS_NAME = L"OrmickOxelFrame";
    FrameWindow(FrameRole r, COLORREF a) : role(r), accent(a) {}
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);

    FrameRole role;
    COLORREF accent;
};

// Colours (COLORREF, 0x00BBGGRR).
inline constexpr COLORREF FRAME_STRIP_BACKGROUND = 0xFDFCFC;
inline constexpr COLORREF FRAME_STRIP_OUTLINE = 0xD6D0CD;
inline constexpr COLORREF FRAME_STATUS_TEXT = 0x2E2828;
inline constexpr COLORREF FRAME_STATUS_ALERT = 0x2F3AD7;
inline constexpr COLORREF FRAME_PRIMARY = 0xFF7F2B;
inline constexpr COLORREF FRAME_PRIMARY_HOVER = 0xF06F1F;
inline constexpr COLORREF FRAME_PRIMARY_LABEL = 0xFFFFFF;
inline constexpr COLORREF FRAME_BUTTON = 0xF5F1F0;
inline constexpr COLORREF FRAME_BUTTON_HOVER = 0xF4E8E2;
inline constexpr COLORREF FRAME_BUTTON_LABEL = 0x242020;
inline constexpr COLORREF FRAME_PREVIEW_EMPTY = 0x2C2828;
inline constexpr COLORREF FRAME_PREVIEW_OUTLINE = 0x807878;
