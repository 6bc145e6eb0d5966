#pragma once
// Shared by the main window's Win32 tests: the log switched on into a scratch folder (notices
// and stubs are read back from it), hotkeys held as another program would, and a window that
// runs main_window_proc.
#include <gtest/gtest.h>
#include <windows.h>

#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "dxgi/dxgi_win.h"
#include "main/main_window_win.h"
#include "settings/settings_win.h"
#include "win/handles.h"
#include "win/main_window.h"
#include "win/messages.h"

#include "test_support_win.h"

namespace test_support {

// TMP and TEMP point at a fresh folder with the log on while it lives.
class LogCapture {
public:
    LogCapture() : temp_("main-log", {"TMP", "TEMP"}), on_({"ORMICK_OXEL_LOG"}, std::string("1")) {}
    std::string log_path() const { return temp_.at("ormick-oxel.log"); }
    std::string text() const { return read_whole_file(log_path()); }
    bool has(const std::string& part) const { return text().find(part) != std::string::npos; }
    // Every line without its "[ms] " stamp, in order.
    std::vector<std::string> messages() const {
        std::vector<std::string> out;
        std::istringstream in(text());
        for (std::string line; std::getline(in, line);) {
            const size_t stamp_end = line.find("] ");
            out.push_back(line[0] == '[' && stamp_end != std::string::npos ? line.substr(stamp_end + 2) : line);
        }
        return out;
    }

private:
    ScratchEnvFolder temp_;
    ScopedEnv on_;
};

// Holds hotkeys from a thread of its own, as another program would, until it goes.
class HotkeyHolder {
public:
    explicit HotkeyHolder(std::vector<Hotkey> keys)
        : wanted_(keys.size()),
          ready_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          thread_([this, keys] {
              int id = 0x7100;
              for (const Hotkey& k : keys)
                  if (RegisterHotKey(nullptr, ++id, k.modifiers, k.vk)) ++held_;
              SetEvent(ready_.get());
              WaitForSingleObject(release_.get(), INFINITE);
              while (id > 0x7100) UnregisterHotKey(nullptr, id--);
          }) {
        WaitForSingleObject(ready_.get(), 10000);
    }
    ~HotkeyHolder() {
        SetEvent(release_.get());
        thread_.join();
    }
    HotkeyHolder(const HotkeyHolder&) = delete;
    HotkeyHolder& operator=(const HotkeyHolder&) = delete;
    // Read once the constructor has returned: the thread has counted by then.
    bool holds_all() const { return held_ == wanted_; }

private:
    const size_t wanted_;
    size_t held_ = 0;
    Handle ready_;
    Handle release_;
    std::thread thread_;
};

// A window that runs main_window_proc; never destroyed, since that would end a message loop.
inline HWND test_main_window() {
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

// Dispatches what is queued for the window now.
// Bounded: a timer of the window that is always due again would keep the loop going.
inline void pump(HWND window) {
    MSG m;
    for (int i = 0; i < 1000 && PeekMessageW(&m, window, 0, 0, PM_REMOVE); ++i) DispatchMessageW(&m);
}

// The test window stands in for the main window; the settings record is put back afterwards.
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
        // A capture engine that a test's settings chose goes with them (no main window: no timer).
        choose_capture_engine(false);
    }
    HWND window_ = nullptr;
    HWND saved_main_ = nullptr;
    Settings saved_settings_;
};

}  // namespace test_support
