// A recording driven through its frame under Wine: Stop keeps and posts, Cancel deletes and
// posts nothing, what refuses to start, an encoder that fails takes the frame down, and every
// encoder is joined at the end.
#include <gtest/gtest.h>
#include <windows.h>

#include "dxgi/prewarm_timer_win.h"
#include "frame/frame_win.h"
#include "record/record_session_win.h"
#include "record/record_win.h"
#include "settings/settings_win.h"
#include "win/main_window.h"
#include "win/messages.h"
#include "win/post_result.h"

#include "gif_decoder.h"
#include "support/test_support_win.h"

namespace {

using namespace test_support;

// The main window's stand-in keeps the recording results that reach it.
std::vector<RecordingResult> POSTED;
LRESULT CALLBACK collect_proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_APP_RECORD_DONE) {
        if (auto r = take_result<RecordingResult>(lp)) POSTED.push_back(*r);
        return 0;
    }
    return DefWindowProcW(w, m, wp, lp);
}

class RecordSession : public testing::Test {
protected:
    void SetUp() override {
        register_window_class(FRAME_WINDOW_CLASS);
        saved_settings_ = current_settings();
        {
            auto s = SETTINGS.borrow();
            s->save_dir = folder_.path();
            s->record_format = RecordFormat::Gif;
            s->record_fps = 15;
            s->record_cursor = true;
        }
        POSTED.clear();
        main_ = create_test_popup({L"OxelTestRecordMain", collect_proc}, {0, 0, 10, 10});
        saved_main_ = MAIN_HWND.get();
        MAIN_HWND.set(main_);
    }
    void TearDown() override {
        stop_recording(true);
        join_record_thread();
        posted();
        // A failed desktop-duplication grab restarts the pre-warm timer on the main window.
        stop_prewarm_timer();
        MAIN_HWND.set(saved_main_);
        DestroyWindow(main_);
        *SETTINGS.borrow() = saved_settings_;
    }

    // The recording results posted to the main window so far.
    std::vector<RecordingResult> posted() {
        pump_messages_for(20);
        return std::exchange(POSTED, {});
    }

    static void click(bool stop) {
        const HWND strip = frame_strip_hwnd();
        ASSERT_TRUE(strip);
        RECT client{};
        GetClientRect(strip, &client);
        SendMessageW(strip, WM_LBUTTONUP, 0, MAKELPARAM(stop ? client.right - 12 : 190, client.bottom / 2));
    }

    std::vector<std::string> gifs() {
        std::vector<std::string> out;
        for (const std::string& n : folder_names(folder_.path()))
            if (n.size() > 4 && n.compare(n.size() - 4, 4, ".gif") == 0) out.push_back(n);
        return out;
    }

    ScopedEnv gdi_{{"ORMICK_OXEL_GDI"}, std::string()};
    ScratchFolder folder_{"rec-session"};
    Settings saved_settings_;
    HWND main_ = nullptr;
    HWND saved_main_ = nullptr;
};

}  // namespace

TEST_F(RecordSession, StopKeepsTheFileAndPostsItsPath) {
    std::optional<EncoderThread> encoder = setup_recording({100, 100, 301, 201}, true, 15, true);
    ASSERT_TRUE(encoder);
    EXPECT_TRUE(recorder_is_recording());
    EXPECT_TRUE(frame_is_shown());
    pump_messages_for(500);  // about seven ticks of 66 ms
    click(true);
    EXPECT_FALSE(recorder_is_recording());
    EXPECT_FALSE(frame_is_shown());
    const Result<std::string> outcome = join_encoder(*encoder);
    ASSERT_TRUE(outcome) << outcome.error().message;
    EXPECT_EQ(outcome.value().rfind(folder_.path() + "\\Ormick_", 0), 0u) << outcome.value();
    const std::vector<RecordingResult> results = posted();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_TRUE(results[0].ok);
    EXPECT_EQ(results[0].text, outcome.value());

    const std::string bytes = read_whole_file(outcome.value());
    std::string error;
    const auto gif = decode_gif({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}, &error);
    ASSERT_TRUE(gif) << error;
    EXPECT_EQ(gif->width, 200);  // 201 x 101 records 200 x 100
    EXPECT_EQ(gif->height, 100);
    EXPECT_GE(gif->frames.size(), 1u);
}

TEST_F(RecordSession, CancelLeavesNoFileAndPostsNothing) {
    std::optional<EncoderThread> encoder = setup_recording({100, 100, 300, 200}, true, 15, false);
    ASSERT_TRUE(encoder);
    pump_messages_for(400);
    click(false);
    EXPECT_FALSE(recorder_is_recording());
    EXPECT_FALSE(frame_is_shown());
    const Result<std::string> outcome = join_encoder(*encoder);
    ASSERT_FALSE(outcome);
    EXPECT_EQ(outcome.error().message, "cancelled");
    EXPECT_TRUE(gifs().empty());
    EXPECT_TRUE(posted().empty());
}

TEST_F(RecordSession, WhatRefusesToStart) {
    EXPECT_FALSE(setup_recording({0, 0, 100, 15}, true, 15, false));  // 14 high after rounding
    EXPECT_FALSE(frame_is_shown());

    FrameSpec other;
    other.buttons = {{1, "x"}};
    ASSERT_TRUE(frame_show({300, 300, 500, 400}, std::move(other)));
    EXPECT_FALSE(setup_recording({0, 0, 100, 100}, true, 15, false));  // a frame is shown
    frame_hide();

    std::optional<EncoderThread> first = setup_recording({0, 0, 100, 100}, true, 15, false);
    ASSERT_TRUE(first);
    EXPECT_FALSE(setup_recording({200, 200, 300, 300}, true, 15, false));  // one runs
    pump_messages_for(150);  // a few frames: a recording stopped before its first one fails
    stop_recording(false);
    EXPECT_TRUE(join_encoder(*first));
}

TEST_F(RecordSession, AnEncoderThatEndsTakesTheFrameDown) {
    // Wine has no MPEG-4 sink writer: the MP4 encoder ends at once with the call's error.
    std::optional<EncoderThread> encoder = setup_recording({100, 100, 300, 200}, false, 30, false);
    ASSERT_TRUE(encoder);
    const ULONGLONG end = GetTickCount64() + 3000;
    while (recorder_is_recording() && GetTickCount64() < end) pump_messages_for(20);
    EXPECT_FALSE(recorder_is_recording());
    EXPECT_FALSE(frame_is_shown());
    const Result<std::string> outcome = join_encoder(*encoder);
    ASSERT_FALSE(outcome);
    EXPECT_NE(outcome.error().message.find("0x"), std::string::npos) << outcome.error().message;
    const std::vector<RecordingResult> results = posted();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_FALSE(results[0].ok);
    EXPECT_EQ(results[0].text, outcome.error().message);
}

TEST_F(RecordSession, EveryEncoderIsJoinedAtTheEnd) {
    start_recording({0, 0, 100, 100});
    ASSERT_TRUE(recorder_is_recording());
    pump_messages_for(150);
    stop_recording(false);
    start_recording({100, 100, 200, 200});  // replaces the first encoder in its cell
    ASSERT_TRUE(recorder_is_recording());
    pump_messages_for(150);
    stop_recording(false);
    join_record_thread();  // both files are finished once this returns
    const std::vector<std::string> names = gifs();
    ASSERT_EQ(names.size(), 2u);
    for (const std::string& n : names) {
        const std::string bytes = read_whole_file(folder_.at(n));
        ASSERT_FALSE(bytes.empty()) << n;
        EXPECT_EQ(static_cast<uint8_t>(bytes.back()), 0x3B) << n;
    }
    EXPECT_EQ(posted().size(), 2u);
}

TEST_F(RecordSession, ThePointerIsDrawnWhereItIs) {
    // A green field of this process under the pointer, showing the arrow.
    const HWND field = create_test_popup({L"OxelTestRecordField", DefWindowProcW, CreateSolidBrush(RGB(0, 160, 0))},
                                         {100, 100, 300, 200}, WS_EX_TOPMOST);
    ASSERT_TRUE(field);
    ShowWindow(field, SW_SHOW);
    SetForegroundWindow(field);
    SetCursorPos(150, 140);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    pump_messages_for(100);
    // Pixels that are not the field's green, in the 32 x 32 box at the pointer and elsewhere.
    const auto recorded = [&](bool cursor) {
        std::optional<EncoderThread> encoder = setup_recording({100, 100, 300, 200}, true, 15, cursor);
        EXPECT_TRUE(encoder);
        if (!encoder) return std::pair{-1, -1};
        pump_messages_for(300);
        click(true);
        const Result<std::string> outcome = join_encoder(*encoder);
        EXPECT_TRUE(outcome) << outcome.error().message;
        if (!outcome) return std::pair{-1, -1};
        const std::string bytes = read_whole_file(outcome.value());
        std::string error;
        const auto gif = decode_gif({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}, &error);
        EXPECT_TRUE(gif) << error;
        if (!gif) return std::pair{-1, -1};
        int at_pointer = 0, away = 0;
        const std::vector<uint32_t>& px = gif->frames[0].canvas;
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 200; ++x) {
                const uint32_t c = px[static_cast<size_t>(y) * 200 + x];
                const bool green = (c >> 16) < 8 && (c >> 8 & 0xFF) > 150 && (c & 0xFF) < 8;
                if (green) continue;
                (x >= 50 && x < 82 && y >= 40 && y < 72 ? at_pointer : away)++;
            }
        }
        return std::pair{at_pointer, away};
    };
    const auto [off_near, off_elsewhere] = recorded(false);
    const auto [on_near, on_elsewhere] = recorded(true);
    DestroyWindow(field);
    EXPECT_EQ(off_near, 0);
    EXPECT_EQ(off_elsewhere, 0);
    EXPECT_GT(on_near, 20);  // the arrow's outline and fill
    EXPECT_EQ(on_elsewhere, 0);
}
