#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

#include "main/shell_win.h"
#include "main/tray_win.h"
#include "main/window_classes_win.h"
#include "ocr/ocr_types.h"
#include "record/record_win.h"
#include "settings/settings_win.h"
#include "strings/ui_strings.h"
#include "util/env_win.h"
#include "util/log.h"
#include "util/text.h"
#include "win/post_result.h"
#include "win/shell_cells.h"

namespace {

// Points TMP and TEMP at a fresh folder with the log on, and puts everything back afterwards.
class LogCapture {
public:
    LogCapture() {
        old_tmp_ = env_var("TMP");
        old_temp_ = env_var("TEMP");
        dir_ = join_path(temp_dir(), "oxel-main-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                                         std::to_string(GetTickCount64()));
        CreateDirectoryW(to_wide(dir_).c_str(), nullptr);
        set("TMP", dir_);
        set("TEMP", dir_);
        SetEnvironmentVariableW(L"ORMICK_OXEL_LOG", L"1");
    }
    ~LogCapture() {
        SetEnvironmentVariableW(L"ORMICK_OXEL_LOG", nullptr);
        DeleteFileW(to_wide(log_path()).c_str());
        RemoveDirectoryW(to_wide(dir_).c_str());
        restore("TMP", old_tmp_);
        restore("TEMP", old_temp_);
    }
    std::string log_path() const { return join_path(dir_, "ormick-oxel.log"); }
    std::string text() const {
        std::ifstream in(log_path(), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    bool has(const std::string& part) const { return text().find(part) != std::string::npos; }

private:
    static void set(const char* name, const std::string& value) {
        SetEnvironmentVariableW(to_wide(name).c_str(), to_wide(value).c_str());
    }
    static void restore(const char* name, const std::optional<std::string>& value) {
        if (value) set(name, *value);
        else SetEnvironmentVariableW(to_wide(name).c_str(), nullptr);
    }
    std::optional<std::string> old_tmp_, old_temp_;
    std::string dir_;
};

// A window that runs main_window_proc; never destroyed, since that would end a message loop.
HWND test_main_window() {
    static HWND window = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = main_window_proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"OrmickOxelMainTest";
        RegisterClassExW(&wc);
        return CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    }();
    return window;
}

void pump(HWND window) {
    MSG m;
    while (PeekMessageW(&m, window, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = test_main_window();
        ASSERT_NE(window_, nullptr);
        saved_main_ = MAIN_HWND.get();
        saved_settings_ = *SETTINGS.borrow();
        MAIN_HWND.set(window_);
    }
    void TearDown() override {
        MAIN_HWND.set(saved_main_);
        *SETTINGS.borrow() = saved_settings_;
    }
    HWND window_ = nullptr;
    HWND saved_main_ = nullptr;
    Settings saved_settings_;
};

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

}  // namespace

TEST_F(MainWindow, ForgedWorkerResultsAreIgnored) {
    LogCapture log;
    OcrJobResult on_stack{{}, OcrText{"not mine", ""}, {}};
    const LPARAM forged[] = {0, 1, 0x12345678, static_cast<LPARAM>(-1), reinterpret_cast<LPARAM>(&on_stack)};
    for (LPARAM lp : forged) {
        for (UINT msg : {WM_APP_OCR_DONE, WM_APP_QR_DONE, WM_APP_RECORD_DONE})
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
        std::string balloon;
    };
    const Case cases[] = {
        {make_error("engine \"x\" missing"), "ocr done: Err(\"engine \\\"x\\\" missing\")",
         std::string("balloon: ") + ui_text(OCR_FAILED) + " | engine \"x\" missing"},
        {OcrText{" \n\t ", " "}, "ocr done: Ok(4)", std::string("balloon: Ormick Oxel | ") + ui_text(OCR_NO_TEXT)},
    };
    for (const Case& c : cases) {
        LogCapture log;
        ASSERT_TRUE(post_result(window_, WM_APP_OCR_DONE, 0, std::make_unique<OcrJobResult>(OcrJobResult{{}, c.result, {}})));
        pump(window_);
        EXPECT_TRUE(log.has(c.log_line)) << log.text();
        EXPECT_TRUE(log.has(c.balloon)) << log.text();
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
    // Another thread keeps the clipboard open for longer than the retries last.
    HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        const bool ok = OpenClipboard(nullptr);
        SetEvent(opened);
        WaitForSingleObject(release, 5000);
        if (ok) CloseClipboard();
    });
    WaitForSingleObject(opened, 5000);
    const std::string path = "C:\\v\\busy.mp4";
    ASSERT_TRUE(post_result(window_, WM_APP_RECORD_DONE, 0, std::make_unique<RecordingResult>(RecordingResult{true, path})));
    pump(window_);
    SetEvent(release);
    holder.join();
    CloseHandle(opened);
    CloseHandle(release);
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
    pump(window_);
    EXPECT_TRUE(log.has(std::string("balloon: ") + ui_text(RECORD_FAILED) + " | no H.264 encoder")) << log.text();
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
    TASKBAR_CREATED_MSG.set(saved);
}

TEST_F(MainWindow, HotkeysHeldElsewhereAreReportedInOrder) {
    // This thread takes Ctrl+Alt+F9 first, as another program would.
    ASSERT_TRUE(RegisterHotKey(nullptr, 0x7001, MOD_CONTROL | MOD_ALT, VK_F9));
    SETTINGS.borrow()->capture_hotkey = parse_hotkey("Ctrl+Alt+F10");
    SETTINGS.borrow()->pin_hotkey = parse_hotkey("Ctrl+Alt+F9");
    SETTINGS.borrow()->capture_copy_hotkey = parse_hotkey("Ctrl+Alt+F11");
    const std::vector<std::string> failed = register_hotkeys(window_);
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

TEST(WindowClasses, RegisteredAsTheTableSays) {
    register_window_classes();
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
