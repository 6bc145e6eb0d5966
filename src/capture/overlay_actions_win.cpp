#include "capture/overlay_actions_win.h"

#include <commdlg.h>
#include <dwmapi.h>

#include <string>
#include <utility>
#include <vector>

#include "capture/overlay_output_win.h"
#include "capture/overlay_paint_win.h"
#include "capture/overlay_redact_win.h"
#include "capture/overlay_session_win.h"
#include "capture/session_rules.h"
#include "capture/session_win.h"
#include "image/bitmap_ops_win.h"
#include "image/clipboard_win.h"
#include "image/history_win.h"
#include "image/image_file_win.h"
#include "livepin/livepin_win.h"
#include "win/shell.h"
#include "ocr/ocr_jobs_win.h"
#include "pin/pins_win.h"
#include "qr/qr_worker_win.h"
#include "record/record_win.h"
#include "scroll/scroll_win.h"
#include "settings/settings_win.h"
#include "strings/ui_strings.h"
#include "util/text.h"
#include "win/error.h"
#include "win/main_window.h"

UiCell<std::array<COLORREF, 16>> CUSTOM_COLORS;
UiCell<std::optional<Rect>> LAST_SELECTION;

namespace {

void remember_selection(const OverlayState& s) {
    if (!s.selection.rect || s.pin_edit) return;
    if (auto last = LAST_SELECTION.try_borrow()) **last = overlay_to_screen(*s.selection.rect, s.origin_x(), s.origin_y());
}

void ask_discard(HWND window) {
    const std::wstring text = to_wide(ui_text(CONFIRM_DISCARD_ANNOTATIONS));
    const std::wstring caption = to_wide(std::string(PROGRAM_NAME));
    // Modal: no borrow is held while it runs.
    if (MessageBoxW(window, text.c_str(), caption.c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES)
        end_capture(window, true);
}

// A selection whose output could not be made (memory is short, unless `why` says otherwise):
// the capture stays as it is, with any edit the attempt finished shown, so nothing is lost and
// the user can try again.
void keep_capture(HWND window, std::string_view title,
                  const std::string& why = system_message(ERROR_NOT_ENOUGH_MEMORY)) {
    if (auto s = OpenSession::of(window)) overlay_invalidate_changes(**s);
    tray_balloon(title, why);
}

void copy(HWND window, const ActionRules& rules) {
    std::optional<DibBitmap> image;
    bool selected = false;
    if (auto s = OpenSession::of(window)) {
        if (rules.pin_edit_outcome) {
            finish_pin_edit(**s, *rules.pin_edit_outcome);
        } else {
            remember_selection(**s);
            selected = (*s)->selection.rect.has_value();
            image = take_output_image(**s);
        }
    }
    if (selected && !image) return keep_capture(window, ui_text(COPY_FAILED));
    // A copy that did not happen keeps the capture open, so the user can try again; taking the
    // image finished any open edit, which is shown now.
    if (image && !copy_image_or_notify(*image)) {
        if (auto s = OpenSession::of(window)) overlay_invalidate_changes(**s);
        return;
    }
    end_capture(window, rules.restore_focus);
    if (image) history_save(*image, current_settings().history);
}

void save(HWND window, const ActionRules& rules, bool quick) {
    if (rules.pin_edit_outcome) return copy(window, rules);
    bool composed = false, selected = false;
    {
        auto s = OpenSession::of(window);
        if (!s) return;
        remember_selection(**s);
        composed = compose_output_image(**s) != nullptr;
        selected = (*s)->selection.rect.has_value();
        // Composing finished any open edit: show it while the dialog is up, or after a cancel.
        overlay_invalidate_changes(**s);
    }
    if (!composed) {
        if (selected) keep_capture(window, ui_text(SAVE_FAILED));
        return;
    }
    const std::string folder = effective_save_dir();
    const std::optional<std::string> path =
        quick ? std::optional(auto_save_path(folder, "png")) : ask_save_path(window, folder);
    // Cancelled: the overlay stays with everything in it.
    if (!path) return;
    std::optional<DibBitmap> image;
    ScreenPoint at;
    selected = false;
    if (auto s = OpenSession::of(window)) {
        const OverlayState& st = **s;
        if (st.selection.rect) {
            selected = true;
            at = pin_origin(*st.selection.rect, st.origin_x(), st.origin_y());
        }
        image = take_output_image(**s);  // what shows now, after the dialog
    }
    if (!image) {
        if (selected) keep_capture(window, ui_text(SAVE_FAILED));
        return;
    }
    // The overlay goes at once; the file is written after.
    end_capture(window, true);
    history_save(*image, current_settings().history);
    if (const Status st = save_image(*image, *path); !st) {
        // The capture must not be lost with the overlay: it stays on screen as a pin where it was.
        pin_image_at(std::move(*image), at.x, at.y);
        tray_balloon(ui_text(SAVE_FAILED), st.error().message);
    } else if (quick) {
        tray_balloon(ui_text(SAVED), *path);
    }
}

void pin(HWND window) {
    std::optional<DibBitmap> composed, plain;
    std::vector<Annotation> annotations;
    ScreenPoint at;
    bool selected = false;
    if (auto s = OpenSession::of(window)) {
        OverlayState& st = **s;
        remember_selection(st);
        composed = take_output_image(st);
        selected = st.selection.rect.has_value();
        if (st.selection.rect && st.images.frozen) {
            const Rect sel = *st.selection.rect;
            plain = crop_bitmap(*st.images.frozen, sel);
            annotations = moved_annotations(st.editor.annotations, saturate_i32(-int64_t{sel.l}),
                                            saturate_i32(-int64_t{sel.t}));
            at = pin_origin(sel, st.origin_x(), st.origin_y());
        }
    }
    if (selected && !plain) return keep_capture(window, PROGRAM_NAME);
    if (selected && !create_pin(std::move(*plain), std::move(annotations), at.x, at.y, 1.0f, 100))
        return keep_capture(window, PROGRAM_NAME, pin_failure_reason());
    end_capture(window, false);
    if (composed) history_save(*composed, current_settings().history);
}

void copy_color_text(HWND window, uint32_t rgb) {
    if (!copy_text_or_notify(color_to_text(rgb))) return;
    end_capture(window, true);
}

void custom_color(HWND window) {
    uint32_t argb = 0;
    if (auto s = OpenSession::of(window)) argb = (*s)->editor.tools.colour;
    else return;
    std::array<COLORREF, 16> custom = CUSTOM_COLORS.get();
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = window;
    cc.rgbResult = argb_to_colorref(argb);
    cc.lpCustColors = custom.data();
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    const bool chosen = ChooseColorW(&cc) != FALSE;  // modal: no borrow held
    CUSTOM_COLORS.set(custom);
    if (!chosen) return;
    if (auto s = OpenSession::of(window)) {
        apply_color((*s)->editor, colorref_to_argb(cc.rgbResult));
        overlay_invalidate_changes(**s);
    }
}

// Recognition and QR decoding work on the plain selection, annotations left out.
void recognise(HWND window, const ActionRules& rules, bool qr) {
    std::optional<DibBitmap> image;
    Rect placement;
    bool selected = false;
    if (auto s = OpenSession::of(window)) {
        OverlayState& st = **s;
        commit_open_edits(st.editor);
        selected = st.selection.rect.has_value();
        if (st.selection.rect && st.images.frozen) {
            image = crop_bitmap(*st.images.frozen, *st.selection.rect);
            placement = overlay_to_screen(*st.selection.rect, st.origin_x(), st.origin_y());
        }
        // A pin edit is finished only when the capture ends here.
        if (image || !selected) {
            if (rules.pin_edit_outcome) finish_pin_edit(st, *rules.pin_edit_outcome);
            remember_selection(st);
        }
    }
    if (selected && !image) return keep_capture(window, PROGRAM_NAME);
    end_capture(window, rules.restore_focus);
    if (!image) return;
    if (!qr) return start_ocr(*image, placement);
    GdiFlush();
    const std::span<const uint32_t> px = image->pixels();
    start_qr_worker(QrRequest{std::vector<uint32_t>(px.begin(), px.end()), static_cast<uint32_t>(image->width),
                              static_cast<uint32_t>(image->height), placement, MAIN_HWND.get()});
}

// Scrolling capture and recording grab the screen: the overlay must be gone first.
void start_region_tool(HWND window, bool record) {
    std::optional<Rect> region;
    if (auto s = OpenSession::of(window)) {
        commit_open_edits((*s)->editor);
        remember_selection(**s);
        if ((*s)->selection.rect) region = overlay_to_screen(*(*s)->selection.rect, (*s)->origin_x(), (*s)->origin_y());
    }
    end_capture(window, true);
    DwmFlush();
    if (!region) return;
    if (record) start_recording(*region);
    else start_scroll_capture(*region);
}

void live_pin(HWND window) {
    HWND source = nullptr;
    Rect region;
    {
        auto s = OpenSession::of(window);
        if (!s || !(*s)->selection.rect) return;
        const OverlayState& st = **s;
        std::vector<Rect> windows;
        for (const WindowTarget& w : st.selection.auto_select.windows) windows.push_back(w.rect);
        if (const std::optional<size_t> i = live_pin_source(windows, *st.selection.rect))
            source = reinterpret_cast<HWND>(st.selection.auto_select.windows[*i].window);
        remember_selection(st);
        region = overlay_to_screen(*st.selection.rect, st.origin_x(), st.origin_y());
    }
    end_capture(window, true);
    if (!source) return tray_balloon(PROGRAM_NAME, ui_text(LIVE_PIN_HINT));
    open_live_pin(source, region);
}

}  // namespace

void run_overlay_action(HWND window, uint64_t argument) {
    const ActionCall call = unpack_action(argument);
    if (call.action == OverlayAction::None) return;
    std::optional<bool> pin_edit;
    uint64_t request = 0;
    if (auto s = OpenSession::of(window)) {
        pin_edit = (*s)->pin_edit.has_value();
        request = (*s)->selection.request_id;
    }
    // Without the session only closing works.
    if (!pin_edit) {
        if (call.action == OverlayAction::Close) end_capture(window, true);
        if (call.action == OverlayAction::ConfirmDiscard) ask_discard(window);
        return;
    }
    const ActionRules rules = action_rules(call.action, *pin_edit);
    if (!rules.offered) return;
    switch (call.action) {
        case OverlayAction::None: break;
        case OverlayAction::Close: end_capture(window, true); break;
        case OverlayAction::ConfirmDiscard: ask_discard(window); break;
        case OverlayAction::Copy: copy(window, rules); break;
        case OverlayAction::FinishPinEdit:
            if (rules.pin_edit_outcome) {
                if (auto s = OpenSession::of(window)) finish_pin_edit(**s, *rules.pin_edit_outcome);
            }
            end_capture(window, false);
            break;
        case OverlayAction::Save: save(window, rules, call.quick_save); break;
        case OverlayAction::Pin: pin(window); break;
        case OverlayAction::CopyColorText: copy_color_text(window, call.rgb); break;
        case OverlayAction::CustomColor: custom_color(window); break;
        case OverlayAction::RecognizeText:
        case OverlayAction::DecodeQr: recognise(window, rules, call.action == OverlayAction::DecodeQr); break;
        case OverlayAction::ScrollCapture:
        case OverlayAction::Record: start_region_tool(window, call.action == OverlayAction::Record); break;
        case OverlayAction::LivePin: live_pin(window); break;
        case OverlayAction::HidePersonalData: start_redact(window, request); break;
    }
}
