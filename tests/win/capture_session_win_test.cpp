// Capture sessions on the real overlay under Wine: what a session holds, how it ends, the UI
// Automation wait, pin edits and the "--bench" job.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string_view>
#include <vector>

#include "capture/auto_select_win.h"
#include "capture/capture_win.h"
#include "capture/dim.h"
#include "capture/session_win.h"
#include "dev/dev_jobs_win.h"
#include "settings/settings_win.h"
#include "util/clock.h"
#include "util/record_registry.h"
#include "util/text.h"
#include "win/env.h"
#include "win/messages.h"
#include "win/post_result.h"

#include "support/test_support_win.h"

namespace {

using namespace test_support;

// A top-level popup of a plain class; destroyed with the object.
class TestWindow {
public:
    TestWindow(const Rect& r, DWORD ex_style, bool show) {
        hwnd_ = create_test_popup(
            {L"OrmickOxelCaptureTestWindow", DefWindowProcW, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))}, r,
            ex_style);
        if (show) ShowWindow(hwnd_, SW_SHOWNA);
    }
    ~TestWindow() {
        if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND get() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

bool session_open() {
    auto cell = OVERLAY_SESSION.borrow();
    return cell->has_value();
}

// Ends whatever session a test left open.
class CaptureTest : public ::testing::Test {
protected:
    void SetUp() override { saved_detect_ = SETTINGS.borrow()->capture_detect; }
    void TearDown() override {
        SETTINGS.borrow()->capture_detect = saved_detect_;
        if (session_open()) {
            HWND window = nullptr;
            {
                auto cell = OVERLAY_SESSION.borrow();
                window = (*cell)->window;
            }
            end_capture(window, false);
        }
        BENCH_MODE.set(false);
        TIMING_RUNS.set({});
    }

private:
    CaptureDetect saved_detect_ = CaptureDetect::Window;
};

}  // namespace

TEST_F(CaptureTest, ASessionHoldsTheDimmedFrozenScreenAndTheOverlayIsShown) {
    TestWindow target({200, 150, 600, 450}, 0, true);
    pump_messages_for(50);
    const uint64_t seq_before = CAPTURE_SEQ.get();
    begin_capture(std::nullopt);
    ASSERT_TRUE(session_open());
    EXPECT_EQ(CAPTURE_SEQ.get(), seq_before + 1);

    const HWND overlay = OVERLAY_HWND.get();
    ASSERT_TRUE(IsWindow(overlay));
    EXPECT_TRUE(IsWindowVisible(overlay));
    {
        auto cell = OVERLAY_SESSION.borrow();
        const OverlayState& s = **cell;
        EXPECT_EQ(s.window, overlay);
        EXPECT_EQ(s.selection.request_id, seq_before + 1);
        EXPECT_EQ(s.width(), GetSystemMetrics(SM_CXVIRTUALSCREEN));
        EXPECT_EQ(s.height(), GetSystemMetrics(SM_CYVIRTUALSCREEN));
        const OverlayImages& images = s.images;
        ASSERT_TRUE(images.frozen && images.dimmed && images.back_buffer && images.highlight);
        for (size_t i = 0; i < images.frozen->pixel_count(); i += 997)
            ASSERT_EQ(images.dimmed->bits[i], dim_pixel(images.frozen->bits[i])) << i;
        EXPECT_EQ(images.back_buffer->bits[images.back_buffer->pixel_count() / 2], 0u);
        EXPECT_EQ(images.highlight->bits[0], 0x002B7FFFu);
        EXPECT_FALSE(s.selection.auto_select.monitors.empty());
        EXPECT_FLOAT_EQ(s.scale, 1.0f);
        EXPECT_NE(s.font, nullptr);
        EXPECT_EQ(s.editor.tool, Tool::None);
        EXPECT_EQ(s.selection.mouse_state, MouseState::Idle);
        EXPECT_FALSE(s.pin_edit);
        bool listed = false;
        for (const WindowTarget& w : s.selection.auto_select.windows) {
            EXPECT_NE(w.window, reinterpret_cast<WindowHandle>(overlay)) << "the overlay is never a target";
            if (w.window == reinterpret_cast<WindowHandle>(target.get())) {
                listed = true;
                EXPECT_EQ(w.rect, to_overlay(s.selection.auto_select, Rect{200, 150, 600, 450}));
            }
        }
        EXPECT_TRUE(listed);
        ASSERT_FALSE(s.timing.marks.empty());
        EXPECT_EQ(s.timing.marks.back().label, MARK_FOCUS);
    }

    // A second trigger while the overlay shows changes nothing.
    begin_capture(std::nullopt);
    EXPECT_EQ(CAPTURE_SEQ.get(), seq_before + 1);
}

TEST_F(CaptureTest, PhaseMarksComeInTheirOrder) {
    for (const CaptureDetect detect : {CaptureDetect::Window, CaptureDetect::Element}) {
        const bool element = detect == CaptureDetect::Element;
        SCOPED_TRACE(element ? "element detection" : "window detection");
        SETTINGS.borrow()->capture_detect = detect;
        overlay_prewarm();  // an element query needs the overlay to answer to
        begin_capture(std::nullopt);
        ASSERT_TRUE(session_open());
        std::vector<PhaseMark> marks;
        HWND overlay = nullptr;
        {
            auto cell = OVERLAY_SESSION.borrow();
            marks = (*cell)->timing.marks;
            overlay = (*cell)->window;
        }
        std::vector<std::string_view> labels;
        for (const PhaseMark& m : marks) labels.push_back(m.label);
        const auto has = [&](std::string_view l) { return std::find(labels.begin(), labels.end(), l) != labels.end(); };
        EXPECT_EQ(labels, expected_mark_labels(has(MARK_GDI), element, has(MARK_FOCUS_FORCED)));
        for (size_t i = 1; i < marks.size(); ++i) EXPECT_LE(marks[i - 1].ms, marks[i].ms) << marks[i].label;
        end_capture(overlay, false);
    }
}

TEST_F(CaptureTest, EscRightClickOrCloseEndTheSessionAndKeepTheOverlay) {
    for (UINT message : {static_cast<UINT>(WM_KEYDOWN), static_cast<UINT>(WM_RBUTTONUP), static_cast<UINT>(WM_CLOSE)}) {
        begin_capture(std::nullopt);
        ASSERT_TRUE(session_open());
        const HWND overlay = OVERLAY_HWND.get();
        {
            auto cell = OVERLAY_SESSION.borrow();
            (*cell)->editor.tools.colour = 0xFF000000 | message;
            (*cell)->editor.tools.size_steps[4] = 2;
        }
        SendMessageW(overlay, message, message == WM_KEYDOWN ? VK_ESCAPE : 0, 0);
        EXPECT_FALSE(session_open()) << message;
        EXPECT_TRUE(IsWindow(overlay)) << "the overlay is kept for the next capture";
        EXPECT_FALSE(IsWindowVisible(overlay)) << message;
        EXPECT_TRUE(LAST_SESSION_END.get().has_value());
        EXPECT_EQ(SESSION_CARRY.get().colour, 0xFF000000 | message);
    }
    start_capture_copy();
    ASSERT_TRUE(session_open());
    auto cell = OVERLAY_SESSION.borrow();
    EXPECT_TRUE((*cell)->selection.copy_on_select);
    EXPECT_EQ((*cell)->editor.tools.colour, 0xFF000000u | WM_CLOSE) << "the last session's settings carry over";
    EXPECT_EQ((*cell)->editor.tools.size_steps[4], 2u);
    EXPECT_EQ((*cell)->editor.tools.size_steps[3], 1u);
}
TEST_F(CaptureTest, AnOverlayHiddenAtTheEndStaysHiddenUntilTheNextSessionShowsIt) {
    begin_capture(std::nullopt);
    ASSERT_TRUE(session_open());
    const HWND overlay = OVERLAY_HWND.get();
    SendMessageW(overlay, WM_CLOSE, 0, 0);
    if (IsWindowVisible(overlay)) GTEST_SKIP() << "the compositor cloaked the overlay";
    // Still holding the last session's frame: making the overlay ready must not show it.
    overlay_prewarm();
    EXPECT_EQ(OVERLAY_HWND.get(), overlay);
    EXPECT_FALSE(IsWindowVisible(overlay));
    begin_capture(std::nullopt);
    ASSERT_TRUE(session_open());
    EXPECT_TRUE(IsWindowVisible(overlay));
}

TEST_F(CaptureTest, EndingGivesTheFocusBackToTheRememberedWindowOnlyWhenAsked) {
    struct Case {
        const char* what;
        bool restore;
        bool remembered_closes;
        bool remembered_gets_focus;
    };
    const Case cases[] = {
        {"restore", true, false, true},
        {"no restore", false, false, false},
        {"restore, but the remembered window closed", true, true, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        auto remembered = std::make_unique<TestWindow>(Rect{100, 100, 400, 300}, 0, true);
        TestWindow other({500, 100, 800, 300}, 0, true);
        ASSERT_TRUE(SetForegroundWindow(remembered->get()));
        // `other` lies above it without being active: the system's pick when the overlay goes.
        SetWindowPos(other.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        pump_messages_for(20);
        ASSERT_EQ(GetForegroundWindow(), remembered->get());

        begin_capture(std::nullopt);
        ASSERT_TRUE(session_open());
        const HWND overlay = OVERLAY_HWND.get();
        {
            auto cell = OVERLAY_SESSION.borrow();
            EXPECT_EQ((*cell)->foreground, remembered->get());
        }
        ASSERT_EQ(GetForegroundWindow(), overlay);
        const HWND remembered_hwnd = remembered->get();
        if (k.remembered_closes) remembered.reset();

        end_capture(overlay, k.restore);
        pump_messages_for(20);
        EXPECT_FALSE(session_open());
        EXPECT_NE(GetForegroundWindow(), overlay);
        EXPECT_EQ(GetForegroundWindow() == remembered_hwnd, k.remembered_gets_focus);
        if (k.restore && k.remembered_closes) {
            EXPECT_FALSE(IsWindowVisible(overlay)) << "hidden, not left active";
        }
    }
}

TEST_F(CaptureTest, CancelAfterTheUserSwitchedAwayActivatesNoWindow) {
    TestWindow remembered({100, 100, 400, 300}, 0, true);
    TestWindow chosen({500, 100, 800, 300}, 0, true);
    ASSERT_TRUE(SetForegroundWindow(remembered.get()));
    pump_messages_for(20);
    begin_capture(std::nullopt);
    ASSERT_TRUE(session_open());
    const HWND overlay = OVERLAY_HWND.get();
    ASSERT_EQ(GetForegroundWindow(), overlay);

    ASSERT_TRUE(SetForegroundWindow(chosen.get()));  // the user moves on while the overlay shows
    pump_messages_for(20);
    ASSERT_EQ(GetForegroundWindow(), chosen.get());
    SendMessageW(overlay, WM_KEYDOWN, VK_ESCAPE, 0);
    pump_messages_for(20);
    EXPECT_FALSE(session_open());
    EXPECT_EQ(GetForegroundWindow(), chosen.get()) << "neither the remembered window nor any other is activated";
}

TEST_F(CaptureTest, ASessionWhoseWindowIsGoneIsReplaced) {
    begin_capture(std::nullopt);
    ASSERT_TRUE(session_open());
    const HWND old = OVERLAY_HWND.get();
    // An answer still queued when the overlay goes is freed with it, not left listed.
    auto late = std::make_unique<UiaResult>();
    const UiaResult* late_raw = late.get();
    ASSERT_TRUE(post_result(old, WM_APP_UIA_RESULT, 1, std::move(late)));
    DestroyWindow(old);
    EXPECT_FALSE(OVERLAY_HWND.get());
    EXPECT_FALSE(record_registry_remove(late_raw, typeid(UiaResult))) << "taken and freed at WM_DESTROY";
    begin_capture(std::nullopt);
    ASSERT_TRUE(session_open());
    const HWND fresh = OVERLAY_HWND.get();
    EXPECT_TRUE(IsWindow(fresh));
    auto cell = OVERLAY_SESSION.borrow();
    EXPECT_EQ((*cell)->window, fresh);
}

TEST_F(CaptureTest, AWindowThatIsNotTheOverlayIsDestroyedAtTheEnd) {
    TestWindow other({0, 0, 50, 50}, 0, false);
    end_capture(other.get(), true);
    EXPECT_FALSE(IsWindow(other.get()));
}

TEST_F(CaptureTest, LateElementAnswersOfThisSessionAreMerged) {
    TestWindow target({300, 300, 700, 600}, 0, true);
    pump_messages_for(30);
    begin_capture(std::nullopt);
    ASSERT_TRUE(session_open());
    const HWND overlay = OVERLAY_HWND.get();
    uint64_t id = 0;
    int32_t ox = 0, oy = 0;
    {
        auto cell = OVERLAY_SESSION.borrow();
        id = (*cell)->selection.request_id;
        ox = (*cell)->origin_x();
        oy = (*cell)->origin_y();
    }
    const uintptr_t root = reinterpret_cast<uintptr_t>(target.get());
    ASSERT_TRUE(post_result(overlay, WM_APP_UIA_RESULT, id + 7,
                            std::make_unique<UiaResult>(UiaResult{{{310, 310, 320, 320}}, root, 311, 311})));
    ASSERT_TRUE(post_result(overlay, WM_APP_UIA_RESULT, id,
                            std::make_unique<UiaResult>(UiaResult{{{400, 400, 450, 450}}, root, 410, 410})));
    pump_messages_for(30);
    auto cell = OVERLAY_SESSION.borrow();
    const AutoSelect& sel = (*cell)->selection.auto_select;
    ASSERT_TRUE(sel.hover);
    EXPECT_EQ(sel.hover->x, 410 - ox);
    ASSERT_EQ(sel.element_cache.count(root), 1u);
    EXPECT_EQ(sel.element_cache.at(root), (std::vector<Rect>{Rect{400 - ox, 400 - oy, 450 - ox, 450 - oy}}));
}

TEST_F(CaptureTest, PinEditFreezesThePinImageClipsTheSelectionAndMovesTheAnnotations) {
    TestWindow pin({0, 0, 10, 10}, 0, false);
    std::optional<DibBitmap> image = DibBitmap::create(300, 200);
    ASSERT_TRUE(image);
    for (uint32_t& p : image->pixels()) p = 0x00FF8040;
    const int32_t ox = GetSystemMetrics(SM_XVIRTUALSCREEN), oy = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int32_t sw = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    PinEditRequest request;
    request.pin = pin.get();
    request.image = std::move(image);
    Annotation drawn;
    drawn.points = {{0, 0}, {10.5f, 20}};
    request.annotations = {drawn};
    request.x = ox + sw - 100;  // two thirds of the image off the right edge
    request.y = oy + 40;
    begin_capture(std::move(request));
    ASSERT_TRUE(session_open());
    {
        auto cell = OVERLAY_SESSION.borrow();
        const OverlayState& s = **cell;
        ASSERT_TRUE(s.pin_edit);
        EXPECT_EQ(s.pin_edit->pin, pin.get());
        EXPECT_EQ(s.editor.selection, (Rect{sw - 100, 40, sw, 240}));
        ASSERT_EQ(s.editor.annotations.size(), 1u);
        EXPECT_EQ(s.editor.annotations[0].points[1], (AnnotationPoint{10.5f + static_cast<float>(sw - 100), 60}));
        const size_t at = static_cast<size_t>(100) * static_cast<size_t>(s.width()) + static_cast<size_t>(sw - 50);
        EXPECT_EQ(s.images.frozen->bits[at] & 0xFFFFFFu, 0xFF8040u);
        EXPECT_EQ(s.images.dimmed->bits[at], 0x007F4020u);
    }
    {
        auto cell = OVERLAY_SESSION.borrow();
        (*cell)->editor.edited = std::vector<Annotation>{};
        (*cell)->pin_edit->outcome = PinEditOutcome::Copy;
    }
    end_capture(OVERLAY_HWND.get(), true);
    EXPECT_FALSE(session_open());
    // No pin record has this window: it is neither shown nor activated.
    EXPECT_FALSE(IsWindowVisible(pin.get()));
}

TEST_F(CaptureTest, WaitUiaResultTakesOnlyTheOverlaysAwaitedAnswer) {
    overlay_prewarm();
    const HWND overlay = OVERLAY_HWND.get();
    ASSERT_TRUE(overlay);
    TestWindow other({0, 0, 10, 10}, 0, false);  // its messages are not the overlay's

    auto stale = std::make_unique<UiaResult>();
    const UiaResult* stale_raw = stale.get();
    ASSERT_TRUE(post_result(overlay, WM_APP_UIA_RESULT, 4, std::move(stale)));
    ASSERT_TRUE(PostMessageW(other.get(), WM_APP_UIA_RESULT, 5, 1234));
    auto wanted = std::make_unique<UiaResult>(UiaResult{{{1, 2, 3, 4}}, 99, 7, 8});
    ASSERT_TRUE(post_result(overlay, WM_APP_UIA_RESULT, 5, std::move(wanted)));

    const std::unique_ptr<UiaResult> got = wait_uia_result(overlay, 5, clock_ms() + 1e6);
    ASSERT_TRUE(got);
    EXPECT_EQ(got->root, 99u);
    EXPECT_FALSE(record_registry_remove(stale_raw, typeid(UiaResult))) << "the stale answer was taken and freed";
    MSG m{};
    EXPECT_TRUE(PeekMessageW(&m, other.get(), WM_APP_UIA_RESULT, WM_APP_UIA_RESULT, PM_REMOVE));
    EXPECT_EQ(m.lParam, 1234);

    const ULONGLONG start = GetTickCount64();
    EXPECT_FALSE(wait_uia_result(overlay, 6, clock_ms() + 50));
    const ULONGLONG waited = GetTickCount64() - start;
    EXPECT_GE(waited, 30u);
    EXPECT_LT(waited, 1000u);
    EXPECT_FALSE(wait_uia_result(nullptr, 6, clock_ms() + 1000));
}

TEST_F(CaptureTest, EnumerationKeepsOnlyUsableWindows) {
    TestWindow shown({100, 100, 300, 200}, 0, true);
    TestWindow hidden({100, 100, 300, 200}, 0, false);
    TestWindow transparent({100, 100, 300, 200}, WS_EX_TRANSPARENT, true);
    TestWindow tiny({100, 100, 103, 200}, 0, true);
    TestWindow excluded({100, 100, 300, 200}, 0, true);
    pump_messages_for(20);
    const std::vector<WindowTarget> list = enumerate_windows(excluded.get());
    auto listed = [&](HWND h) {
        for (const WindowTarget& w : list)
            if (w.window == reinterpret_cast<WindowHandle>(h)) return true;
        return false;
    };
    EXPECT_TRUE(listed(shown.get()));
    EXPECT_FALSE(listed(hidden.get()));
    EXPECT_FALSE(listed(transparent.get()));
    EXPECT_FALSE(listed(tiny.get()));
    EXPECT_FALSE(listed(excluded.get()));
}

TEST_F(CaptureTest, BenchWithoutRunsWritesOnlyTheHeading) {
    const std::string path = join_path(temp_dir(), "ormick-capture-bench-test.txt");
    SetEnvironmentVariableW(L"ORMICK_OXEL_NO_PREWARM", L"1");
    run_bench({"ormick-oxel.exe", "--bench", "0", "--bench-out", path});
    SetEnvironmentVariableW(L"ORMICK_OXEL_NO_PREWARM", nullptr);
    const std::string report = read_whole_file(path);
    DeleteFileW(to_wide(path).c_str());
    EXPECT_EQ(report, "virtual screen " + std::to_string(GetSystemMetrics(SM_CXVIRTUALSCREEN)) + "x" +
                          std::to_string(GetSystemMetrics(SM_CYVIRTUALSCREEN)) + ", 0 runs (ms from trigger)\n");
    EXPECT_FALSE(session_open());
}
