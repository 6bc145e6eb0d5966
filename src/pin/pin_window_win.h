#pragma once
// The pin's record and window inside the module: the record lives in its window (the one window
// pattern), the list of open pins holds their windows, the closed list their images.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "annot/annotation.h"
#include "image/dib_bitmap_win.h"
#include "util/ui_cell.h"
#include "win/window.h"

inline constexpr UINT_PTR PIN_LABEL_TIMER = 1;
inline constexpr UINT PIN_LABEL_MS = 1000;

struct PinRecord : BaseWindow<PinRecord> {
    static constexpr const wchar_t* CLASS_NAME = L"OrmickOxelPin";

    PinRecord(DibBitmap image, std::vector<Annotation> list, float initial_scale, uint8_t initial_opacity)
        : annotations(std::move(list)), base_image(std::move(image)), scale(initial_scale),
          lowest_scale(initial_scale), opacity(initial_opacity) {}

    std::optional<DibBitmap> annotated_image;     // the base image with the annotations drawn on it
    std::vector<Annotation> annotations;   // pin image coordinates
    std::optional<std::string> label;
    bool thumbnail = false;
    float scale_before_thumbnail = 1.0f;
    std::optional<DibBitmap> base_image;          // none once the window is closing
    float scale = 1.0f;
    float lowest_scale = 1.0f;  // the scale it was made at: the zoom floor when under the minimum
    bool show_annotations = true;
    bool locked = false;
    bool click_through = false;
    uint8_t opacity = 100;

    // The annotated image while the annotations are shown, else the base image.
    const DibBitmap* shown_image() const;

    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);

private:
    void paint(HDC dc);
    void on_key(WPARAM vk);
    void on_destroy();
};

// A recently closed pin: enough to make it again where it was.
struct ClosedPin {
    std::vector<Annotation> annotations;
    DibBitmap base_image;
    int32_t x = 0, y = 0;
    float scale = 1.0f;
    uint8_t opacity = 100;
};

// The open pins' windows in creation order; the closed pins, oldest first.
extern UiCell<std::vector<HWND>> PINS;
extern UiCell<std::vector<ClosedPin>> CLOSED_PINS;

// The record of an open pin; null for any other window and once the pin is closing. Never keep
// it across a call that can destroy or move windows: look it up again afterwards.
PinRecord* find_pin(HWND window);

// Rebuilds the annotated image from the base image and the annotations. False, with the
// annotated image left as it was, when it cannot be drawn whole (memory is short).
bool render_pin_image(PinRecord& pin);

// The pin's context menu at the cursor, and what its items do.
void show_pin_menu(HWND pin);
void run_pin_command(HWND pin, uint32_t command);
