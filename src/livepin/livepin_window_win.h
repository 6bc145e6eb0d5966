#pragma once
// The live pin's record and window inside the module: the record lives in its window (the one
// window pattern); LIVE_PINS lists the windows of the pins that are running.
#include <windows.h>
#include <dwmapi.h>

#include <cstdint>
#include <vector>

#include "livepin/livepin_core.h"
#include "util/geometry.h"
#include "util/ui_cell.h"
#include "win/window.h"

inline constexpr UINT_PTR LIVEPIN_ALIVE_TIMER = 1;
inline constexpr UINT LIVEPIN_ALIVE_MS = 1000;

struct LivePin : BaseWindow<LivePin> {
    static constexpr const wchar_t* CLASS_NAME = L"OrmickOxelLive";

    LivePin(const Rect& pinned, HWND source) : source(pinned), source_window(source) {}

    Rect source;                     // relative to the source window's rectangle, frame included
    HWND source_window = nullptr;
    HTHUMBNAIL thumbnail = nullptr;  // unregistered when the window goes
    float scale = 1.0f;
    uint8_t opacity = 100;

    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);

private:
    void paint();
    void show_menu(LPARAM screen_point);
    void on_wheel(WPARAM wparam);
    void on_destroy();
};

extern UiCell<std::vector<HWND>> LIVE_PINS;

// The record of a running live pin; null for any other window. Look it up again after a call
// that can destroy windows or send messages to other programs.
LivePin* find_live_pin(HWND window);

// The hidden window for `area` (screen coordinates) of the source window whose rectangle is
// `source_window_rect`, with its record; null when it cannot be made.
HWND create_live_window(HWND source, const Rect& area, const Rect& source_window_rect);
// Lists, sizes, times and shows a live pin with its registered thumbnail (null: only the
// border shows).
void start_live_pin(HWND window, HTHUMBNAIL thumbnail);
// A context-menu command or opacity id (200, 180, 160, 140).
void run_live_command(HWND window, uint32_t command);
