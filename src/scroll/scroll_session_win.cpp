// The session: started over a region, driven by the frame's timer, its keys and buttons.
#include <windows.h>

#include <cstdint>
#include <utility>

#include "dxgi/dxgi_win.h"
#include "frame/frame_win.h"
#include "scroll/scroll_platform_win.h"
#include "scroll/scroll_win.h"
#include "strings/ui_strings.h"
#include "util/clock.h"
#include "util/log.h"
#include "win/env.h"

UiCell<std::optional<ScrollSession>> SCROLL_SESSION;
UiCell<std::optional<std::string>> SCROLL_OUT;

namespace {


int64_t now_ms() { return static_cast<int64_t>(clock_ms()); }

// What the session asked for, done with its cell released: frame calls, input, files.
void carry_out(const ScrollActions& a, std::optional<DibBitmap> preview) {
    for (const std::string& line : a.log) debug_log(line);
    if (a.dump) dump_scroll_frames(*a.dump);
    if (a.move_cursor) SetCursorPos(a.move_cursor->x, a.move_cursor->y);
    if (a.status) frame_set_status(scroll_status_text(*a.status, ui_strings()), a.status->alert());
    if (preview) frame_set_preview(std::move(preview));
    if (a.notch) send_wheel_notch();
}

struct PreviewSize {
    int32_t width = 0, height = 0;
};

PreviewSize preview_size() {
    RECT client{};
    const HWND preview = frame_preview_hwnd();
    if (!preview || !GetClientRect(preview, &client)) return {};
    return {client.right - client.left, client.bottom - client.top};
}

}  // namespace

bool scroll_session_active() { return SCROLL_SESSION.borrow()->has_value(); }

void start_scroll_capture(const Rect& region) {
    if (frame_is_shown() || region.width64() < SCROLL_MIN_SIDE || region.height64() < SCROLL_MIN_SIDE) return;
    const bool dump = env_is_set("ORMICK_OXEL_DUMP");
    std::optional<ScrollCore> core = ScrollCore::start(region, find_capture_rect(region), dump);
    if (!core) return;
    *SCROLL_SESSION.borrow() = ScrollSession{std::move(*core)};

    FrameSpec spec;
    spec.buttons = scroll_frame_buttons(ui_strings());
    spec.on_event = on_scroll_frame_event;
    spec.accent = FRAME_ACCENT_SCROLL;
    spec.show_preview = 1;
    spec.take_focus = 1;
    spec.status_samples = scroll_status_samples(ui_strings());
    if (!frame_show(region, std::move(spec))) {
        debug_log("scroll: the frame could not be shown");
        SCROLL_SESSION.borrow()->reset();
        frame_hide();
        return;
    }
    // Where the frame cannot be kept out of grabs, the ring around the region would be stitched
    // in row after row: only the region is grabbed, clear of the strip.
    if (const std::optional<std::vector<Rect>> in_grabs = frame_rects_in_grabs()) {
        const Rect inside = region_clear_of(region, *in_grabs);
        if (std::optional<ScrollCore> narrowed = ScrollCore::start(inside, inside, dump)) {
            debug_log("scroll: the frame shows in grabs; only the region is grabbed");
            (*SCROLL_SESSION.borrow())->core = std::move(*narrowed);
        }
    }
    {
        auto session = SCROLL_SESSION.borrow();
        if (*session) debug_log((*session)->core.start_log());
    }
    frame_set_status(ui_text(SCROLL_HINT), false);
    SetTimer(frame_strip_hwnd(), FRAME_TICK_TIMER, SCROLL_TIMER_MS, nullptr);
}

void on_scroll_frame_event(FrameEvent event) {
    ScrollCommand command = ScrollCommand::None;
    switch (event.kind) {
        case FRAME_EVENT_TICK: scroll_tick(); return;
        case FRAME_EVENT_CLOSE: command = ScrollCommand::Cancel; break;
        case FRAME_EVENT_BUTTON:
            command = event.id <= 5 ? scroll_button_action(static_cast<int32_t>(event.id)) : ScrollCommand::None;
            break;
        case FRAME_EVENT_KEY: command = scroll_key_action(event.key, GetKeyState(VK_CONTROL) < 0); break;
        default: return;
    }
    switch (command) {
        case ScrollCommand::None: return;
        case ScrollCommand::ToggleAuto: toggle_auto_scroll(); return;
        case ScrollCommand::Cancel: finish_scroll_capture(false, command); return;
        case ScrollCommand::Copy:
        case ScrollCommand::Pin:
        case ScrollCommand::Save: finish_scroll_capture(true, command); return;
    }
}

void toggle_auto_scroll() {
    ScrollActions a;
    {
        auto session = SCROLL_SESSION.borrow();
        if (!*session) return;
        a = (*session)->core.toggle_auto(now_ms());
    }
    carry_out(a, std::nullopt);
}

void scroll_tick() {
    Rect capture;
    Point32 centre;
    {
        auto session = SCROLL_SESSION.borrow();
        if (!*session || !(*session)->core.begin_tick()) return;
        capture = (*session)->core.capture();
        centre = region_centre((*session)->core.region());
    }
    std::optional<DibBitmap> grab = frame_to_dib(capture);
    if (!grab) return;
    GdiFlush();
    POINT cursor{};
    // A cursor that cannot be read (another desktop has the input) counts as not moved.
    const Point32 at = GetCursorPos(&cursor) ? Point32{cursor.x, cursor.y} : centre;
    const PreviewSize size = preview_size();

    ScrollActions a;
    std::optional<DibBitmap> preview;
    {
        auto session = SCROLL_SESSION.borrow();
        if (!*session) return;
        ScrollCore& core = (*session)->core;
        a = core.on_grab(grab->pixels(), now_ms(), at);
        if (a.preview && size.width > 0 && size.height > 0)
            preview = render_scroll_preview(core.preview_source(), size.width, size.height);
    }
    grab.reset();
    carry_out(a, std::move(preview));

    if (a.end_reached && SCROLL_OUT.borrow()->has_value()) {
        write_scroll_out();
        finish_scroll_capture(false, ScrollCommand::None);
    }
}

std::optional<ScrollImage> scroll_result_image() {
    auto session = SCROLL_SESSION.borrow();
    if (!*session) return std::nullopt;
    return (*session)->core.result_image();
}
