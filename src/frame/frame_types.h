#pragma once
// What a feature passes to the region frame and what the frame hands back. Platform-free.
#include <cstdint>
#include <string>
#include <vector>

struct FrameButton {
    uint64_t id = 0;    // reported back in button events
    std::string label;
};

inline constexpr uint16_t FRAME_EVENT_BUTTON = 0;  // released over a button: `id`
inline constexpr uint16_t FRAME_EVENT_KEY = 1;     // key pressed: `key` is the virtual-key code
inline constexpr uint16_t FRAME_EVENT_TICK = 2;    // timer 1 of the strip
// A frame window was closed (WM_CLOSE, Alt+F4) or destroyed by anyone but frame_hide: the
// feature ends as by its Cancel, or the program would be left with half a frame.
inline constexpr uint16_t FRAME_EVENT_CLOSE = 3;

struct FrameEvent {
    uint16_t kind = 0;
    uint16_t key = 0;
    uint64_t id = 0;
};

// A plain function: the caller keeps its state in its own cell. It may call frame_set_status,
// frame_hide or frame_show.
using FrameCallback = void (*)(FrameEvent);

struct FrameSpec {
    std::vector<FrameButton> buttons;  // left to right; the last one is the primary button
    FrameCallback on_event = nullptr;
    uint32_t accent = 0;               // COLORREF (0x00BBGGRR) of the ring
    uint8_t show_preview = 0;          // create the preview window
    uint8_t take_focus = 0;            // the strip is activated and gets the keyboard
    // Every status text the feature may show: the strip is made wide enough for the widest.
    std::vector<std::string> status_samples;
};

// Ring colours the two users pass.
inline constexpr uint32_t FRAME_ACCENT_RECORD = 0x303BE5;
inline constexpr uint32_t FRAME_ACCENT_SCROLL = 0xFF7F2B;
