#include <gtest/gtest.h>
#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "image/image_file_win.h"
#include "main/main_window_win.h"
#include "main/tray_menu.h"
#include "main/tray_win.h"
#include "main/window_classes_win.h"
#include "pin/pins_win.h"
#include "strings/ui_strings.h"
#include "util/text.h"
#include "win/env.h"
#include "win/file_io.h"
#include "win/handles.h"

#include "support/main_window_support_win.h"

namespace {

using namespace test_support;

// Processes this one started, by id.
std::vector<DWORD> child_processes() {
    std::vector<DWORD> ids;
    Handle snap(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snap) return ids;
    PROCESSENTRY32W e{};
    e.dwSize = sizeof e;
    for (BOOL ok = Process32FirstW(snap.get(), &e); ok; ok = Process32NextW(snap.get(), &e))
        if (e.th32ParentProcessID == GetCurrentProcessId()) ids.push_back(e.th32ProcessID);
    return ids;
}

// Ends the children that were not there before: what the shell opened for the test.
void end_new_children(const std::vector<DWORD>& before) {
    for (DWORD id : child_processes()) {
        if (std::find(before.begin(), before.end(), id) != before.end()) continue;
        Handle p(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
        if (!p) continue;
        TerminateProcess(p.get(), 0);
        WaitForSingleObject(p.get(), 5000);
    }
}

// A 2x2 PNG, or bytes that only look like one by name.
void write_history_file(const std::string& path, bool loadable) {
    if (!loadable) {
        write_whole_file(path, "not an image");
        return;
    }
    const uint32_t pixels[] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF};
    ASSERT_TRUE(write_png(pixels, 4, 2, 2, path).ok()) << path;
}

// Set while the menu test runs: whether the tray menu was on screen when the timer ended it.
bool MENU_SEEN = false;

void CALLBACK end_menu(HWND, UINT, UINT_PTR, DWORD) {
    const HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu && IsWindowVisible(menu)) MENU_SEEN = true;
    EndMenu();
}

class TrayCommands : public MainWindow {
protected:
    void SetUp() override {
        MainWindow::SetUp();
        register_window_classes();  // the pins it makes
    }
};

}  // namespace

TEST_F(TrayCommands, PinLastCaptureTakesTheNewestHistoryFile) {
    struct File {
        const char* name;
        bool loadable;
    };
    struct Case {
        const char* what;
        bool folder;
        std::vector<File> files;
        std::vector<std::string> messages;
    };
    const std::string empty_notice = std::string("balloon: Ormick Oxel | ") + ui_text(HISTORY_EMPTY);
    // The 2 x 2 capture becomes a 4 x 4 pin window, whose place follows the cursor.
    const std::string pinned = "pin 4x4 at ";
    const Case cases[] = {
        {"no folder", false, {}, {empty_notice}},
        {"empty folder", true, {}, {empty_notice}},
        {"no PNG", true, {{"Ormick_20240101_000000.txt", true}}, {empty_notice}},
        {"one capture", true, {{"Ormick_20240101_000000.png", true}}, {pinned}},
        {"newest loads", true, {{"Ormick_20240101_000000.png", false}, {"Ormick_20240102_000000.png", true}}, {pinned}},
        // A newest entry that does not load gives way to the newest that does; with none, the notice.
        {"newest broken", true, {{"Ormick_20240101_000000.png", true}, {"Ormick_20240102_000000.png", false}}, {pinned}},
        {"none loads", true, {{"Ormick_20240101_000000.png", false}, {"Ormick_20240102_000000.png\\", true}},
         {empty_notice}},
    };
    for (const Case& c : cases) {
        ScratchEnvFolder local("main-history", {"LOCALAPPDATA"});
        const std::string folder = join_path(local.at("Ormick Oxel"), "History");
        if (c.folder) {
            ASSERT_TRUE(create_folders(folder)) << folder;
        }
        for (const File& f : c.files) {
            const std::string path = join_path(folder, f.name);
            if (path.ends_with('\\')) ASSERT_TRUE(create_folders(path.substr(0, path.size() - 1))) << path;
            else write_history_file(path, f.loadable);
        }
        LogCapture log;
        run_tray_command(window_, TRAY_PIN_LAST_CAPTURE);
        std::vector<std::string> expected = {"tray command 13"};
        expected.insert(expected.end(), c.messages.begin(), c.messages.end());
        std::vector<std::string> got = log.messages();
        if (got.size() == expected.size() && expected.back() == pinned && got.back().starts_with(pinned))
            got.back() = pinned;
        EXPECT_EQ(got, expected) << c.what;
        const std::vector<HWND> pins = pin_windows();
        EXPECT_EQ(pins.size(), c.messages == std::vector<std::string>{pinned} ? 1u : 0u) << c.what;
        for (HWND w : pins) DestroyWindow(w);
    }
}

TEST_F(TrayCommands, OpenHistoryFolderCreatesItWithItsParents) {
    ScratchFolder scratch("main-open-history");
    // LOCALAPPDATA itself does not exist yet.
    const std::string local = scratch.at("Local\\AppData");
    ScopedEnv env({"LOCALAPPDATA"}, local);
    const std::vector<DWORD> before = child_processes();
    run_tray_command(window_, TRAY_OPEN_HISTORY_FOLDER);
    // Whatever window the shell opens for it is no part of the check.
    end_new_children(before);
    EXPECT_TRUE(is_folder(join_path(join_path(local, "Ormick Oxel"), "History")));
}

TEST_F(TrayCommands, IconCallbackOpensTheMenuOnRightClickAndContextMenuOnly) {
    struct Case {
        LPARAM mouse_message;
        bool menu;
    };
    const Case cases[] = {
        {WM_RBUTTONUP, true},
        {WM_CONTEXTMENU, true},
        {WM_RBUTTONDOWN, false},
        {WM_MOUSEMOVE, false},
        {WM_LBUTTONDOWN, false},
        {WM_LBUTTONDBLCLK, false},
    };
    for (const Case& c : cases) {
        LogCapture log;
        MENU_SEEN = false;
        // The menu is modal: the timer, run by the menu's own loop, ends it.
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, end_menu);
        ASSERT_NE(timer, 0u);
        EXPECT_EQ(main_window_proc(window_, WM_APP_TRAY, 0, c.mouse_message), 0);
        KillTimer(nullptr, timer);
        EXPECT_EQ(MENU_SEEN, c.menu) << std::hex << c.mouse_message;
        EXPECT_EQ(log.has("tray menu: "), c.menu) << std::hex << c.mouse_message;
        EXPECT_FALSE(log.has("tray command")) << std::hex << c.mouse_message;
    }
}
