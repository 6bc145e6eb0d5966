// The pin's context menu and the hand-overs of its image: clipboard, Save As, recognition, the
// editor and the transforms. Every step looks the pin up again after a call that pumps
// messages or moves windows, and stops when the pin has gone meanwhile.
#include "pin/pin_actions_win.h"

#include <optional>
#include <string>
#include <utility>

#include "capture/capture_win.h"
#include "image/bitmap_ops_win.h"
#include "image/clipboard_win.h"
#include "image/image_file_win.h"
#include "win/shell.h"
#include "ocr/ocr_jobs_win.h"
#include "pin/pin_geometry.h"
#include "pin/pin_menu.h"
#include "pin/pin_pixels.h"
#include "pin/pin_window_win.h"
#include "pin/pins_win.h"
#include "settings/settings_win.h"
#include "strings/ui_strings.h"
#include "util/log.h"
#include "win/error.h"
#include "win/popup_menu.h"

namespace {

std::optional<DibBitmap> whole_copy(const DibBitmap* image) {
    if (!image) return std::nullopt;
    return crop_bitmap(*image, Rect{0, 0, image->width, image->height});
}

void say_no_memory(std::string_view title) { tray_balloon(title, system_message(ERROR_NOT_ENOUGH_MEMORY)); }

// The shown image's copy; none when the pin has gone, or (told under `title`) when memory is short.
std::optional<DibBitmap> shown_copy(HWND window, std::string_view title) {
    const PinRecord* pin = find_pin(window);
    return pin ? pin_image_copy(*pin->shown_image(), title) : std::nullopt;
}

Rect window_rect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

std::optional<DibBitmap> transformed(const DibBitmap& source, PinImageOp op) {
    if (op == PinImageOp::RotateLeft || op == PinImageOp::RotateRight)
        return rotate_bitmap(source, op == PinImageOp::RotateRight);
    std::optional<DibBitmap> out = whole_copy(&source);
    if (!out) return out;
    GdiFlush();
    switch (op) {
        case PinImageOp::FlipH: flip_h(out->pixels(), out->width, out->height); break;
        case PinImageOp::FlipV: flip_v(out->pixels(), out->width, out->height); break;
        case PinImageOp::Grayscale: grayscale(out->pixels()); break;
        case PinImageOp::Invert: invert(out->pixels()); break;
        default: break;
    }
    return out;
}

void toggle_annotations(HWND window) {
    PinRecord* pin = find_pin(window);
    if (!pin || pin->annotations.empty()) return;
    pin->show_annotations = !pin->show_annotations;
    InvalidateRect(window, nullptr, FALSE);
}

void toggle_lock(HWND window) {
    if (PinRecord* pin = find_pin(window)) pin->locked = !pin->locked;
}

}  // namespace

bool pin_record_exists(HWND window) { return find_pin(window) != nullptr; }

std::optional<DibBitmap> pin_image_copy(const DibBitmap& image, std::string_view failure_title) {
    std::optional<DibBitmap> copy = whole_copy(&image);
    if (!copy) say_no_memory(failure_title);
    return copy;
}

bool write_pin_annotations(HWND window, std::vector<Annotation> annotations) {
    PinRecord* pin = find_pin(window);
    if (!pin) return false;
    std::vector<Annotation> before = std::exchange(pin->annotations, std::move(annotations));
    // The pin keeps what it showed rather than show what a Mosaic of the edit hides.
    if (!render_pin_image(*pin)) {
        pin->annotations = std::move(before);
        say_no_memory(PROGRAM_NAME);
        return false;
    }
    pin->show_annotations = true;
    InvalidateRect(window, nullptr, FALSE);
    return true;
}

void copy_pin_image(HWND window) {
    if (const std::optional<DibBitmap> copy = shown_copy(window, ui_text(COPY_FAILED))) copy_image_or_notify(*copy);
}

void save_pin_image(HWND window) {
    const std::optional<DibBitmap> copy = shown_copy(window, ui_text(SAVE_FAILED));
    if (!copy) return;
    // A modal dialog: the pin may close meanwhile, the copy stays ours.
    const std::optional<std::string> path = ask_save_path(window, effective_save_dir());
    if (!path) return;
    if (const Status saved = save_image(*copy, *path); !saved)
        tray_balloon(ui_text(SAVE_FAILED), saved.error().message);
}

void recognize_pin_text(HWND window) {
    const PinRecord* pin = find_pin(window);
    if (!pin) return;
    // Recognition reads the picture without the annotations drawn over it.
    if (const std::optional<DibBitmap> copy = pin_image_copy(*pin->base_image, PROGRAM_NAME))
        start_ocr(*copy, window_rect(window));
}

void annotate_pin(HWND window) {
    const PinRecord* pin = find_pin(window);
    if (!pin) return;
    PinEditRequest request;
    request.image = pin_image_copy(*pin->base_image, PROGRAM_NAME);
    if (!request.image) return;
    request.pin = window;
    request.annotations = pin->annotations;
    GetWindowRect(window, &request.window_rect);
    // The image starts inside the border.
    request.x = request.window_rect.left + 1;
    request.y = request.window_rect.top + 1;
    ShowWindow(window, SW_HIDE);
    if (capture_session_showing()) {
        ShowWindow(window, SW_SHOWNA);
        return;
    }
    begin_capture(std::move(request));
    if (!capture_session_showing() && IsWindow(window)) ShowWindow(window, SW_SHOWNA);
}

void transform_pin_image(HWND window, PinImageOp op) {
    PinRecord* pin = find_pin(window);
    if (!pin || !pin->shown_image()) return;
    std::optional<DibBitmap> out = transformed(*pin->shown_image(), op);
    if (!out) return say_no_memory(PROGRAM_NAME);
    // Shown annotations are in the new picture now; hidden ones go.
    pin->base_image = std::move(out);
    pin->annotations.clear();
    pin->annotated_image.reset();
    pin->show_annotations = true;
    const Size32 outer = pin_outer_size(pin->base_image->width, pin->base_image->height, pin->scale);
    const Point32 origin = recentred_origin(window_rect(window), outer);
    SetWindowPos(window, nullptr, origin.x, origin.y, outer.w, outer.h, SWP_NOACTIVATE | SWP_NOZORDER);
    InvalidateRect(window, nullptr, FALSE);
}

void show_pin_menu(HWND window) {
    const PinRecord* pin = find_pin(window);
    if (!pin) return;
    const std::vector<MenuItem> items = pin_menu_model(
        {!pin->annotations.empty(), pin->show_annotations, pin->thumbnail, pin->locked, pin->opacity});
    Menu menu = make_popup_menu(items);
    if (!menu) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    debug_log("pin menu: " + menu_summary(items));
    // The pin may close while the menu runs: run_pin_command looks it up again.
    const uint32_t command = track_popup_menu(window, menu, cursor);
    menu.reset();
    if (command) run_pin_command(window, command);
}

void run_pin_command(HWND window, uint32_t command) {
    if (!find_pin(window)) return;
    if (command >= PIN_CMD_TRANSFORM_FIRST && command < PIN_CMD_TRANSFORM_FIRST + PIN_IMAGE_OP_COUNT) {
        transform_pin_image(window, static_cast<PinImageOp>(command - PIN_CMD_TRANSFORM_FIRST));
        return;
    }
    if (command >= PIN_CMD_OPACITY_FIRST && command < PIN_CMD_OPACITY_FIRST + std::size(PIN_MENU_OPACITIES)) {
        set_pin_opacity(window, PIN_MENU_OPACITIES[command - PIN_CMD_OPACITY_FIRST]);
        return;
    }
    switch (command) {
        case PIN_CMD_COPY: copy_pin_image(window); break;
        case PIN_CMD_SAVE_AS: save_pin_image(window); break;
        case PIN_CMD_ANNOTATE: annotate_pin(window); break;
        case PIN_CMD_RECOGNIZE_TEXT: recognize_pin_text(window); break;
        case PIN_CMD_TOGGLE_ANNOTATIONS: toggle_annotations(window); break;
        case PIN_CMD_ACTUAL_SIZE: {
            const POINT c = window_center(window);
            set_pin_scale(window, 1.0f, c.x, c.y);
            break;
        }
        case PIN_CMD_THUMBNAIL: toggle_pin_thumbnail(window); break;
        case PIN_CMD_LOCK: toggle_lock(window); break;
        case PIN_CMD_CLICK_THROUGH: set_pin_click_through(window, true); break;
        case PIN_CMD_PRINT: print_pin_image(window); break;
        case PIN_CMD_CLOSE: DestroyWindow(window); break;
        case PIN_CMD_CLOSE_ALL:
            for (HWND w : pin_windows()) DestroyWindow(w);
            break;
        default: break;
    }
}
