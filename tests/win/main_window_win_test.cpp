#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dxgi/prewarm_timer_win.h"
#include "main/app_state_win.h"
#include "main/main_window_win.h"
#include "main/tray_win.h"
#include "ocr/ocr_types.h"
#include "qr/qr_result.h"
#include "record/gif_writer.h"
#include "record/record_win.h"
#include "settings/settings_win.h"
#include "strings/ui_strings.h"
#include "util/log.h"
#include "util/text.h"
#include "win/env.h"
#include "win/handles.h"
#include "win/main_window.h"
#include "win/messages.h"
#include "win/post_result.h"

#include "support/main_window_support_win.h"
#include "support/ocr_window_support_win.h"

namespace {

using namespace test_support;

std::vector<std::wstring> clipboard_files() {
    std::vector<std::wstring> files;
    if (!OpenClipboard(nullptr)) return files;
    if (auto drop = static_cast<HDROP>(GetClipboardData(CF_HDROP))) {
        const UINT n = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < n; ++i) {
            wchar_t path[1024] = {};
            DragQueryFileW(drop, i, path, 1024);
            files.emplace_back(path);
        }
    }
    CloseClipboard();
    return files;
}

void clear_clipboard() {
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

// Stands in for the shell's notification area (the first window of its class is the one the
// shell calls find): takes or refuses icons as told and keeps which balloon titles reached it.
class FakeTray {
public:
    explicit FakeTray(bool accept) {
        accept_ = accept;
        titles_.clear();
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &FakeTray::proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"Shell_TrayWnd";
        RegisterClassExW(&wc);
        window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~FakeTray() { DestroyWindow(window_); }
    FakeTray(const FakeTray&) = delete;
    FakeTray& operator=(const FakeTray&) = delete;
    bool found_first() const { return FindWindowExW(nullptr, nullptr, L"Shell_TrayWnd", nullptr) == window_; }
    void accept(bool yes) { accept_ = yes; }
    // The titles from `candidates` that arrived, in the order they arrived.
    std::vector<std::string> titles_seen(const std::vector<std::string>& candidates) const {
        std::vector<std::string> out;
        for (const std::u16string& payload : titles_)
            for (const std::string& c : candidates) {
                if (payload.find(utf8_to_utf16(c) + u'\0') != std::u16string::npos) out.push_back(c);
            }
        return out;
    }

private:
    static LRESULT CALLBACK proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
        if (m != WM_COPYDATA) return DefWindowProcW(w, m, wp, lp);
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
        if (data->dwData == NIM_MODIFY && data->lpData)
            titles_.emplace_back(static_cast<const char16_t*>(data->lpData), data->cbData / sizeof(char16_t));
        return accept_ ? TRUE : FALSE;
    }
    static inline bool accept_ = false;
    static inline std::vector<std::u16string> titles_;
    HWND window_ = nullptr;
};

}  // namespace

TEST_F(MainWindow, ForgedWorkerResultsAreIgnored) {
    LogCapture log;
    OcrJobResult on_stack{{}, OcrText{"not mine", ""}, {}};
    const LPARAM forged[] = {0, 1, 0x12345678, static_cast<LPARAM>(-1), reinterpret_cast<LPARAM>(&on_stack)};
    for (LPARAM lp : forged) {
        for (UINT msg : {WM_APP_OCR_DONE, WM_APP_QR_DONE, WM_APP_RECORD_DONE, WM_APP_HISTORY_DONE})
            EXPECT_EQ(main_window_proc(window_, msg, 0, lp), 0);
    }
    EXPECT_FALSE(log.has("ocr done"));
    EXPECT_FALSE(log.has("balloon:"));
    EXPECT_EQ(on_stack.result.value().assembled, "not mine");
}

TEST_F(MainWindow, OcrResultsEndInTheirNotices) {
    struct Case {
        OcrTextResult result;
        std::string log_line;
        std::string notice;  // a balloon; none when the result window opens
    };
    const Case cases[] = {
        {make_error("engine \"x\" missing"), "ocr done: Err(\"engine \\\"x\\\" missing\")",
         std::string("balloon: ") + ui_text(OCR_FAILED) + " | engine \"x\" missing"},
        {OcrText{" \n\t ", " "}, "ocr done: Ok(4)", std::string("balloon: Ormick Oxel | ") + ui_text(OCR_NO_TEXT)},
        {OcrText{"Hello", "Hello"}, "ocr done: Ok(5)", ""},
    };
    ensure_ocr_window_class();
    for (const Case& c : cases) {
        LogCapture log;
        ASSERT_TRUE(post_result(window_, WM_APP_OCR_DONE, 0, std::make_unique<OcrJobResult>(OcrJobResult{{}, c.result, {}})));
        pump(window_);
        std::vector<std::string> expected{c.log_line};
        if (!c.notice.empty()) expected.push_back(c.notice);
        EXPECT_EQ(log.messages(), expected);
        const std::vector<HWND> windows = ocr_windows();
        if (c.notice.empty()) {
            ASSERT_EQ(windows.size(), 1u);
            EXPECT_EQ(window_text(windows[0]), ui_text(OCR_WINDOW_TITLE));
            EXPECT_EQ(edit_text(windows[0]), "Hello");
        } else {
            EXPECT_TRUE(windows.empty());
        }
        close_ocr_windows();
    }
}

TEST_F(MainWindow, QrResultsEndInTheirNotices) {
    struct Case {
        std::vector<std::string> texts;
        std::string notice;  // a balloon; none when the result window opens
        std::string shown;
        bool open_link;
    };
    const Case cases[] = {
        {{}, std::string("balloon: Ormick Oxel | ") + ui_text(QR_NOT_FOUND), "", false},
        {{"https://example.com/a"}, "", "https://example.com/a", true},
        {{"first", "second"}, "", "first\r\n\r\nsecond", false},
    };
    ensure_ocr_window_class();
    for (const Case& c : cases) {
        LogCapture log;
        ASSERT_TRUE(post_result(window_, WM_APP_QR_DONE, 0,
                                std::make_unique<QrScanResult>(QrScanResult{c.texts, Rect{10, 20, 110, 70}})));
        pump(window_);
        const std::vector<HWND> windows = ocr_windows();
        if (c.notice.empty()) {
            EXPECT_TRUE(log.messages().empty()) << log.text();
            ASSERT_EQ(windows.size(), 1u);
            EXPECT_EQ(window_text(windows[0]), ui_text(QR_WINDOW_TITLE));
            EXPECT_EQ(edit_text(windows[0]), c.shown);
            EXPECT_EQ(GetDlgItem(windows[0], OCR_ID_OPEN_LINK) != nullptr, c.open_link);
        } else {
            EXPECT_EQ(log.messages(), std::vector<std::string>{c.notice}) << c.texts.size() << " texts";
            EXPECT_TRUE(windows.empty());
        }
        close_ocr_windows();
    }
}

TEST_F(MainWindow, FinishedRecordingGoesOnTheClipboardAsAFile) {
    LogCapture log;
    clear_clipboard();
    const std::string path = "C:\\users\\Videos\\Ormick_20240102_030405.mp4";
    ASSERT_TRUE(post_result(window_, WM_APP_RECORD_DONE, 0, std::make_unique<RecordingResult>(RecordingResult{true, path})));
    pump(window_);
    const auto files = clipboard_files();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0], L"C:\\users\\Videos\\Ormick_20240102_030405.mp4");
    EXPECT_TRUE(log.has(std::string("balloon: ") + ui_text(RECORD_SAVED) + " | " + path + "\\n" +
                        ui_text(RECORD_ON_CLIPBOARD)))
        << log.text();
}

TEST_F(MainWindow, RecordingNoticeDoesNotClaimTheClipboardWhenItIsBusy) {
    LogCapture log;
    clear_clipboard();
    const std::string path = "C:\\v\\busy.mp4";
    {
        const ClipboardHolder holder;
        ASSERT_TRUE(holder.held());
        ASSERT_TRUE(
            post_result(window_, WM_APP_RECORD_DONE, 0, std::make_unique<RecordingResult>(RecordingResult{true, path})));
        pump(window_);
    }
    const std::string text = log.text();
    EXPECT_NE(text.find(std::string("balloon: ") + ui_text(RECORD_SAVED) + " | " + path + "\n"), std::string::npos)
        << text;
    EXPECT_EQ(text.find(ui_text(RECORD_ON_CLIPBOARD)), std::string::npos);
    EXPECT_TRUE(clipboard_files().empty());
}

TEST_F(MainWindow, FailedRecordingShowsItsError) {
    LogCapture log;
    ASSERT_TRUE(post_result(window_, WM_APP_RECORD_DONE, 0,
                            std::make_unique<RecordingResult>(RecordingResult{false, "no H.264 encoder"})));
    ASSERT_TRUE(post_result(window_, WM_APP_RECORD_DONE, 0,
                            std::make_unique<RecordingResult>(RecordingResult{false, std::string(NO_FRAME_RECORDED)})));
    pump(window_);
    EXPECT_TRUE(log.has(std::string("balloon: ") + ui_text(RECORD_FAILED) + " | no H.264 encoder")) << log.text();
    EXPECT_TRUE(log.has(std::string("balloon: ") + ui_text(RECORD_FAILED) + " | " + ui_text(RECORD_NO_FRAME)))
        << log.text();
}

TEST_F(MainWindow, TaskbarCreatedAddsTheIconButWmNullDoesNot) {
    const UINT saved = TASKBAR_CREATED_MSG.get();
    {
        LogCapture log;
        TASKBAR_CREATED_MSG.set(0);
        EXPECT_EQ(main_window_proc(window_, WM_NULL, 0, 0), 0);
        EXPECT_FALSE(log.has("tray tip"));
    }
    {
        LogCapture log;
        const UINT id = RegisterWindowMessageW(L"TaskbarCreated");
        TASKBAR_CREATED_MSG.set(id);
        EXPECT_EQ(main_window_proc(window_, id, 0, 0), 0);
        EXPECT_TRUE(log.has("tray tip"));
    }
    {
        // A refused icon is tried again on a timer, which stops once the icon is there.
        LogCapture log;
        SetTimer(window_, TIMER_TRAY_RETRY, 60000, nullptr);
        EXPECT_EQ(main_window_proc(window_, WM_TIMER, TIMER_TRAY_RETRY, 0), 0);
        EXPECT_TRUE(log.has("tray tip"));
        EXPECT_FALSE(KillTimer(window_, TIMER_TRAY_RETRY));
    }
    TASKBAR_CREATED_MSG.set(saved);
}

TEST_F(MainWindow, NoticesGivenWhileTheShellRefusesTheIconWaitForIt) {
    FakeTray tray(false);
    if (!tray.found_first()) GTEST_SKIP() << "the shell's own notification area comes first";
    tray_add_icon(window_);
    const std::vector<std::string> titles = {"Notice 1", "Notice 2", "Notice 3", "Notice 4", "Notice 5", "Notice 6"};
    for (size_t i = 0; i < 5; ++i) tray_balloon(titles[i], "body");
    EXPECT_TRUE(tray.titles_seen(titles).empty());

    // The retry that gets the icon in shows the newest four, in order; later notices go at once.
    tray.accept(true);
    EXPECT_EQ(main_window_proc(window_, WM_TIMER, TIMER_TRAY_RETRY, 0), 0);
    EXPECT_FALSE(KillTimer(window_, TIMER_TRAY_RETRY));
    tray_balloon(titles[5], "body");
    EXPECT_EQ(tray.titles_seen(titles), std::vector<std::string>(titles.begin() + 1, titles.end()));
}

TEST_F(MainWindow, HotkeysHeldElsewhereAreReportedInOrder) {
    // This thread takes Ctrl+Alt+F9 first, as another program would.
    ASSERT_TRUE(RegisterHotKey(nullptr, 0x7001, MOD_CONTROL | MOD_ALT, VK_F9));
    SETTINGS.borrow()->capture_hotkey = parse_hotkey("Ctrl+Alt+F10");
    SETTINGS.borrow()->pin_hotkey = parse_hotkey("Ctrl+Alt+F9");
    SETTINGS.borrow()->capture_copy_hotkey = parse_hotkey("Ctrl+Alt+F11");
    const std::vector<std::string> failed = register_hotkeys(window_).in_use;
    EXPECT_EQ(failed, std::vector<std::string>{"Ctrl+Alt+F9"});
    const std::vector<Hotkey> expected = {{MOD_CONTROL | MOD_ALT, VK_F10}, {MOD_CONTROL | MOD_ALT, VK_F11}};
    EXPECT_EQ(REGISTERED_HOTKEYS.get(), expected);

    unregister_hotkeys();
    EXPECT_TRUE(REGISTERED_HOTKEYS.get().empty());
    // Released: they can be taken again.
    EXPECT_TRUE(RegisterHotKey(nullptr, 0x7002, MOD_CONTROL | MOD_ALT, VK_F10));
    UnregisterHotKey(nullptr, 0x7002);
    UnregisterHotKey(nullptr, 0x7001);
}

TEST_F(MainWindow, HotkeyInUseBalloonNamesTheTakenKeysInTheirOrder) {
    // The order of the settings (capture, pin, capture and copy) is neither the order in which
    // the keys are taken nor that of their names.
    ScratchEnvFolder appdata("main-hotkeys", {"APPDATA"});
    const std::string folder = appdata.at("Ormick Oxel");
    ASSERT_TRUE(CreateDirectoryW(to_wide(folder).c_str(), nullptr));
    const std::string path = join_path(folder, "settings.ini");
    const std::string mine =
        "capture_engine=gdi\r\ncapture_hotkey=Ctrl+Alt+F11\r\npin_hotkey=Ctrl+Alt+F10\r\n"
        "capture_copy_hotkey=Ctrl+Alt+F9\r\n";
    // The same file saved as UTF-16, with other keys: none of it may be applied.
    const std::string utf16("\xFF\xFE" "c\0a\0p\0t\0u\0r\0e\0_\0h\0o\0t\0k\0e\0y\0=\0F\0007\0", 36);
    const Hotkey capture{MOD_CONTROL | MOD_ALT, VK_F11};
    const Hotkey pin{MOD_CONTROL | MOD_ALT, VK_F10};
    const Hotkey copy{MOD_CONTROL | MOD_ALT, VK_F9};
    const auto in_use = [](std::string_view keys) {
        return std::string(ui_text(BALLOON_HOTKEY_IN_USE_TITLE)) + " | " +
               replace_all(ui_text(BALLOON_HOTKEY_IN_USE_TEXT), "{keys}", keys);
    };
    struct Case {
        std::optional<std::string> file;  // none: there is no settings.ini
        std::vector<Hotkey> taken;
        std::optional<std::string> balloon;  // "title | body"; none: no balloon
        std::vector<Hotkey> registered;
    };
    const Case cases[] = {
        {mine, {copy, capture}, in_use("Ctrl+Alt+F11, Ctrl+Alt+F9"), {pin}},
        {mine, {copy, pin, capture}, in_use("Ctrl+Alt+F11, Ctrl+Alt+F10, Ctrl+Alt+F9"), {}},
        {mine, {}, std::nullopt, {capture, pin, copy}},
        // Unreadable: the settings in force stay, and the user is told why, with a key in use too.
        {utf16, {}, std::string(ui_text(SETTINGS_READ_FAILED)) + " | " + path + ": not UTF-8 text", {capture, pin, copy}},
        {utf16, {copy}, std::string(ui_text(SETTINGS_READ_FAILED)) + " | " + path + ": not UTF-8 text\\n" +
                            replace_all(ui_text(BALLOON_HOTKEY_IN_USE_TEXT), "{keys}", "Ctrl+Alt+F9"),
         {capture, pin}},
        // Two of ours on one key: the first works, and the pair is named, not another program.
        {"capture_hotkey=Ctrl+Alt+F11\r\npin_hotkey=ctrl+alt+f11\r\ncapture_copy_hotkey=F99\r\n", {},
         std::string(ui_text(HOTKEY_PROBLEM_TITLE)) + " | " +
             replace_all(replace_all(ui_text(HOTKEY_NOT_A_KEY), "{name}", "capture_copy_hotkey"), "{keys}", "F99") +
             "\\n" +
             replace_all(replace_all(replace_all(ui_text(HOTKEY_SAME_KEY), "{name}", ui_text(MENU_CAPTURE)), "{other}",
                                     ui_text(MENU_PIN_CLIPBOARD)),
                         "{keys}", "Ctrl+Alt+F11"),
         {capture}},
        // Missing is a first run, not a fault: the defaults, quietly.
        {std::nullopt, {}, std::nullopt, {{0, VK_F1}, {0, VK_F3}}},
    };
    for (const Case& c : cases) {
        if (c.file) write_whole_file(path, *c.file);
        else DeleteFileW(to_wide(path).c_str());
        LogCapture log;
        {
            HotkeyHolder holder(c.taken);
            ASSERT_TRUE(holder.holds_all());
            reload_settings();
            stop_prewarm_timer();
        }
        EXPECT_EQ(REGISTERED_HOTKEYS.get(), c.registered);
        unregister_hotkeys();
        std::vector<std::string> balloons;
        for (const std::string& m : log.messages())
            if (m.rfind("balloon: ", 0) == 0) balloons.push_back(m);
        if (!c.balloon) {
            EXPECT_TRUE(balloons.empty()) << log.text();
            continue;
        }
        EXPECT_EQ(balloons, std::vector<std::string>{"balloon: " + *c.balloon});
    }
}

// Registered once by the tests' start-up (window_win_test.cpp), as the program does.
TEST(WindowClasses, RegisteredAsTheTableSays) {
    struct Case {
        const wchar_t* name;
        UINT style;
        const wchar_t* cursor;
        bool icon;
        HBRUSH brush;
    };
    const HBRUSH face = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    const Case cases[] = {
        {L"OrmickOxelOverlay", CS_DBLCLKS, IDC_CROSS, false, nullptr},
        {L"OrmickOxelPin", CS_DBLCLKS, IDC_ARROW, false, nullptr},
        {L"OrmickOxelOcr", 0, IDC_ARROW, true, face},
        {L"OrmickOxelFrame", 0, IDC_ARROW, false, nullptr},
        {L"OrmickOxelLive", CS_DBLCLKS, IDC_SIZEALL, false, nullptr},
        {L"OrmickOxelPrefs", 0, IDC_ARROW, true, nullptr},
        {L"OrmickOxelHotkey", 0, IDC_IBEAM, false, nullptr},
    };
    for (const Case& c : cases) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), c.name, &wc)) << c.name;
        EXPECT_EQ(wc.style, c.style) << c.name;
        EXPECT_EQ(wc.hCursor, LoadCursorW(nullptr, c.cursor)) << c.name;
        EXPECT_EQ(wc.hIcon != nullptr, c.icon) << c.name;
        EXPECT_EQ(wc.hbrBackground, c.brush) << c.name;
        EXPECT_EQ(wc.cbClsExtra, 0);
        EXPECT_EQ(wc.cbWndExtra, 0);
    }
}
