#include "prefs/prefs_layout.h"

#include <algorithm>
#include <cmath>

namespace {

// A measured width as used here: a failed measurement counts as 0, and no text is wider than
// this, so the table's sums stay far inside 32 bits.
constexpr int32_t MAX_TEXT_WIDTH = 1 << 20;

int32_t width_of(int32_t measured) { return std::clamp(measured, 0, MAX_TEXT_WIDTH); }

int32_t round_to_i32(double v) {
    if (!(v == v)) return 0;  // NaN
    if (v >= 2147483647.0) return INT32_MAX;
    if (v <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(std::lround(v));
}

}  // namespace

PrefsMetrics compute_prefs_metrics(const PrefsTextWidths& w) {
    PrefsMetrics m;
    m.label = 200;
    for (int32_t label : w.row_labels) m.label = std::max(m.label, width_of(label) + 50);
    m.browse = std::max(width_of(w.browse) + 28, 88);
    m.edit_file = std::max(width_of(w.edit_file) + 28, 150);
    m.button = std::max(std::max(width_of(w.save), width_of(w.cancel)) + 28, 104);
    const int32_t candidates[] = {
        width_of(w.hotkey_hint) + 60,
        m.label + width_of(w.detect_tab_hint) + 214,
        m.label + std::max(width_of(w.history_off_hint), width_of(w.record_fps_hint)) + 96,
        m.label + m.browse + 284,
        m.edit_file + 2 * m.button + 80,
        width_of(w.start_with_windows) + 88,
        width_of(w.low_memory) + 88,
        width_of(w.record_cursor) + 88,
    };
    m.width = std::clamp(*std::max_element(std::begin(candidates), std::end(candidates)), PREFS_MIN_WIDTH,
                         PREFS_MAX_WIDTH);
    return m;
}

std::vector<PrefsControlSpec> prefs_control_table(const PrefsMetrics& m) {
    using K = PrefsControlKind;
    const int32_t L = m.label, W = m.width, BW = m.browse, EW = m.edit_file, BTN = m.button;
    std::vector<PrefsControlSpec> t = {
        {300, K::Header, PREFS_HOTKEYS, {24, 18, W - 24, 42}},
    };
    const UiText slot_labels[] = {MENU_CAPTURE, MENU_CAPTURE_COPY, MENU_PIN_CLIPBOARD};
    for (int slot = 0; slot < 3; ++slot) {
        const int32_t top = 50 + 36 * slot;
        t.push_back({340 + slot, K::Label, slot_labels[slot], {36, top, L - 8, top + 28}});
        t.push_back({PREFS_ID_HOTKEY_FIRST + slot, K::Hotkey, std::nullopt, {L, top, L + 170, top + 28}});
        t.push_back({PREFS_ID_STATUS_FIRST + slot, K::Status, std::nullopt, {L + 180, top, W - 24, top + 28}});
    }
    const std::vector<PrefsControlSpec> rest = {
        {320, K::Note, PREFS_HOTKEY_HINT, {36, 158, W - 24, 180}},
        {301, K::Header, PREFS_GENERAL, {24, 198, W - 24, 222}},
        {PREFS_ID_AUTOSTART, K::Check, MENU_START_WITH_WINDOWS, {36, 230, W - 24, 256}},
        {343, K::Label, PREFS_DETECT_AUTO, {36, 264, L - 8, 292}},
        {PREFS_ID_DETECT, K::Combo, std::nullopt, {L, 265, L + 180, 465}},
        {323, K::Label, PREFS_DETECT_TAB_HINT, {L + 190, 264, W - 24, 292}},
        {344, K::Label, PREFS_SAVE_FOLDER, {36, 300, L - 8, 328}},
        {PREFS_ID_SAVE_DIR, K::FolderEdit, std::nullopt, {L, 301, W - 24 - BW - 8, 327}},
        {PREFS_ID_BROWSE, K::Button, PREFS_BROWSE, {W - 24 - BW, 300, W - 24, 328}},
        {345, K::Label, PREFS_HISTORY, {36, 336, L - 8, 364}},
        {PREFS_ID_HISTORY, K::NumberEdit, std::nullopt, {L, 337, L + 64, 363}},
        {321, K::Label, PREFS_HISTORY_OFF_HINT, {L + 72, 336, W - 24, 364}},
        {PREFS_ID_LOW_MEMORY, K::Check, PREFS_LOW_MEMORY, {36, 372, W - 24, 398}},
        {302, K::Header, TOOLBAR_RECORD, {24, 418, W - 24, 442}},
        {346, K::Label, PREFS_RECORD_FORMAT, {36, 450, L - 8, 478}},
        {PREFS_ID_RECORD_FORMAT, K::Combo, std::nullopt, {L, 451, L + 140, 651}},
        {347, K::Label, PREFS_RECORD_FPS, {36, 486, L - 8, 514}},
        {PREFS_ID_RECORD_FPS, K::NumberEdit, std::nullopt, {L, 487, L + 64, 513}},
        {322, K::Label, PREFS_RECORD_FPS_HINT, {L + 72, 486, W - 24, 514}},
        {PREFS_ID_RECORD_CURSOR, K::Check, PREFS_RECORD_CURSOR, {36, 522, W - 24, 548}},
        {303, K::Header, TRANSLATE, {24, 568, W - 24, 592}},
        {348, K::Label, PREFS_TRANSLATE_INTO, {36, 600, L - 8, 628}},
        {PREFS_ID_TRANSLATE, K::Combo, std::nullopt, {L, 601, L + 200, 901}},
        {PREFS_ID_EDIT_FILE, K::Button, PREFS_EDIT_FILE, {24, 666, 24 + EW, 696}},
        {PREFS_ID_SAVE, K::DefaultButton, TOOLBAR_SAVE, {W - 32 - 2 * BTN, 666, W - 32 - BTN, 696}},
        {PREFS_ID_CANCEL, K::Button, TOOLBAR_CANCEL, {W - 24 - BTN, 666, W - 24, 696}},
    };
    t.insert(t.end(), rest.begin(), rest.end());
    return t;
}

std::optional<uint32_t> prefs_static_colour(int id) {
    const auto rgb = [](uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); };
    if (id >= 300 && id <= 319) return rgb(26, 26, 26);
    if (id >= PREFS_ID_STATUS_FIRST && id <= PREFS_ID_STATUS_FIRST + 2) return rgb(196, 43, 28);
    if (id >= 320 && id <= 339) return rgb(107, 107, 107);
    return std::nullopt;
}

int32_t prefs_scale(int32_t dips, uint32_t dpi) {
    const float s = static_cast<float>(dpi) / 96.0f;
    return round_to_i32(static_cast<double>(static_cast<float>(dips) * s));
}

PixelPlace scale_placement(const Rect& dips, uint32_t dpi) {
    PixelPlace p;
    p.x = prefs_scale(dips.l, dpi);
    p.y = prefs_scale(dips.t, dpi);
    p.w = saturate_i32(int64_t{prefs_scale(dips.r, dpi)} - p.x);
    p.h = saturate_i32(int64_t{prefs_scale(dips.b, dpi)} - p.y);
    return p;
}

int32_t prefs_pixels(uint32_t dpi, int32_t dips) {
    return round_to_i32(static_cast<double>(dpi) * dips / 96.0);
}

PrefsFonts prefs_font_heights(uint32_t dpi) { return {prefs_pixels(dpi, 15), prefs_pixels(dpi, 14)}; }

PixelSize prefs_client_size(int32_t width_dips, uint32_t dpi) {
    return {prefs_pixels(dpi, width_dips), prefs_pixels(dpi, PREFS_CLIENT_HEIGHT)};
}

uint32_t prefs_fit_dpi(uint32_t monitor_dpi, int32_t width_dips, PixelSize work, PixelSize frame) {
    // round(d × n / 96) ≤ room holds for every d ≤ room × 96 / n.
    const auto fitting = [](int64_t room, int64_t dips) -> int64_t {
        return dips > 0 ? std::max<int64_t>(room, 0) * 96 / dips : INT64_MAX;
    };
    const int64_t by_height = fitting(int64_t{work.h} - frame.h, PREFS_CLIENT_HEIGHT);
    const int64_t by_width = fitting(int64_t{work.w} - frame.w, width_dips);
    const int64_t fit = std::min<int64_t>({int64_t{monitor_dpi}, by_height, by_width});
    return static_cast<uint32_t>(std::max<int64_t>(fit, std::min<uint32_t>(monitor_dpi, PREFS_MIN_LAYOUT_DPI)));
}

PixelPoint prefs_window_origin(const Rect& work, PixelSize outer) {
    int64_t x = int64_t{work.l} + (work.width64() - outer.w) / 2;
    int64_t y = int64_t{work.t} + (work.height64() - outer.h) / 2;
    x = std::max<int64_t>(x, work.l);
    y = std::max<int64_t>(y, work.t);
    return {saturate_i32(x), saturate_i32(y)};
}
