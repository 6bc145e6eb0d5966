#pragma once
// Shared by the Win32 tests: scratch folders, environment overrides, whole-file reads and
// writes, popup windows of test classes and message pumping.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "util/geometry.h"
#include "util/text.h"
#include "win/env.h"
#include "win/file_io.h"
#include "win/handles.h"

namespace test_support {

inline void set_env(const std::string& name, const std::optional<std::string>& value) {
    SetEnvironmentVariableW(to_wide(name).c_str(), value ? to_wide(*value).c_str() : nullptr);
}

// Sets the variables for one scope (none: unset) and puts the old values back at the end.
class ScopedEnv {
public:
    ScopedEnv(std::initializer_list<const char*> names, const std::optional<std::string>& value) {
        for (const char* name : names) {
            saved_.emplace_back(name, env_var(name));
            set_env(name, value);
        }
    }
    ~ScopedEnv() {
        for (const auto& [name, old] : saved_) set_env(name, old);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// The names in a folder, without "." and "..", sorted; empty when it cannot be listed.
inline std::vector<std::string> folder_names(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW fd;
    FindHandle h(FindFirstFileW(to_wide(join_path(folder, "*")).c_str(), &fd));
    if (!h) return names;
    do {
        const std::string name = from_wide(fd.cFileName);
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileW(h.get(), &fd));
    std::sort(names.begin(), names.end());
    return names;
}

// Deletes a file or a folder with everything in it, read-only files too.
inline void remove_tree(const std::string& path) {
    const std::wstring wide = to_wide(path);
    if (!is_folder(path)) {
        SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(wide.c_str());
        return;
    }
    for (const std::string& name : folder_names(path)) remove_tree(join_path(path, name));
    RemoveDirectoryW(wide.c_str());
}

// Read and written here rather than through win/file_io.h, so the tests of that code do not
// check it against itself. Empty when the file cannot be read.
inline std::string read_whole_file(const std::string& path) {
    Handle f(CreateFileW(to_wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, 0, nullptr));
    if (!f) return {};
    std::string out;
    char buf[65536];
    DWORD n = 0;
    while (ReadFile(f.get(), buf, sizeof buf, &n, nullptr) && n > 0) out.append(buf, n);
    return out;
}

// Creates or truncates the file and writes every byte.
inline void write_whole_file(const std::string& path, std::string_view bytes) {
    Handle f(CreateFileW(to_wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(f) << path;
    if (bytes.empty()) return;
    DWORD n = 0;
    ASSERT_TRUE(WriteFile(f.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr)) << path;
    ASSERT_EQ(n, bytes.size()) << path;
}

inline void write_whole_file(const std::string& path, const std::vector<uint8_t>& bytes) {
    write_whole_file(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// A fresh empty folder under the temp folder, removed with all it holds at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& tag) {
        static int serial = 0;
        path_ = join_path(temp_dir(), "oox-" + tag + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                                          std::to_string(++serial));
        remove_tree(path_);
        if (!CreateDirectoryW(to_wide(path_).c_str(), nullptr)) ADD_FAILURE() << "cannot create " << path_;
    }
    ~ScratchFolder() { remove_tree(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string at(const std::string& name) const { return join_path(path_, name); }

private:
    std::string path_;
};

// A scratch folder that the named variables (APPDATA, LOCALAPPDATA, TMP, TEMP…) point at
// while it lives, so nothing the code under test writes lands in the real ones.
class ScratchEnvFolder {
public:
    ScratchEnvFolder(const std::string& tag, std::initializer_list<const char*> names)
        : folder_(tag), env_(names, folder_.path()) {}
    const std::string& path() const { return folder_.path(); }
    std::string at(const std::string& name) const { return folder_.at(name); }

private:
    ScratchFolder folder_;  // made before the variables change, removed after they are back
    ScopedEnv env_;
};

// A window's text (a control's, or a caption) in UTF-8.
inline std::string window_text(HWND w) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(w)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(w, text.data(), static_cast<int>(text.size()))));
    return from_wide(text);
}

// Dispatches this thread's messages for about `ms` milliseconds.
// The deadline is checked between messages too: on a busy machine a timer whose handler takes
// longer than its period is always due again, and a loop that empties the queue never ends.
inline void pump_messages_for(DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    do {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageW(&m);
            if (GetTickCount64() >= end) return;
        }
        Sleep(2);
    } while (GetTickCount64() < end);
}

struct TestWindowClass {
    const wchar_t* name;
    WNDPROC proc = DefWindowProcW;
    HBRUSH background = nullptr;
};

// A WS_POPUP window of the class, which is registered on first use; not shown.
inline HWND create_test_popup(const TestWindowClass& cls, const Rect& r, DWORD ex_style = 0,
                              const wchar_t* title = L"") {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    if (!GetClassInfoW(instance, cls.name, &wc)) {
        wc = WNDCLASSW{};
        wc.lpfnWndProc = cls.proc;
        wc.hInstance = instance;
        wc.lpszClassName = cls.name;
        wc.hbrBackground = cls.background;
        if (!RegisterClassW(&wc)) return nullptr;
    }
    return CreateWindowExW(ex_style, cls.name, title, WS_POPUP, r.l, r.t, r.width(), r.height(), nullptr, nullptr,
                           instance, nullptr);
}

// Another thread holds the clipboard open while this lives, longer than any retry lasts.
class ClipboardHolder {
public:
    ClipboardHolder() {
        thread_ = std::thread([this] {
            // Wine's desktop process opens the clipboard for a moment after each change.
            for (int i = 0; i < 200 && !held_; ++i) {
                held_ = OpenClipboard(nullptr) != FALSE;
                if (!held_) Sleep(10);
            }
            SetEvent(opened_.get());
            WaitForSingleObject(release_.get(), 10000);
            if (held_) CloseClipboard();
        });
        WaitForSingleObject(opened_.get(), 5000);
    }
    ~ClipboardHolder() {
        SetEvent(release_.get());
        thread_.join();
    }
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;
    bool held() const { return held_; }

private:
    Handle opened_{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    Handle release_{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    std::atomic<bool> held_{false};
    std::thread thread_;
};

inline Rect window_rect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return {r.left, r.top, r.right, r.bottom};
}

// This thread's windows of one class, in z-order.
inline std::vector<HWND> thread_windows_of_class(const wchar_t* class_name) {
    struct Search {
        const wchar_t* name;
        std::vector<HWND> found;
    } search{class_name, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            wchar_t name[64] = {};
            GetClassNameW(w, name, 64);
            if (std::wstring(name) == s->name) s->found.push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Ctrl and Shift as GetKeyState reads them on this thread, for one scope.
class HeldKeys {
public:
    HeldKeys(bool ctrl, bool shift) {
        GetKeyboardState(saved_);
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_CONTROL] = ctrl ? 0x80 : 0;
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
    }
    ~HeldKeys() { SetKeyboardState(saved_); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    BYTE saved_[256]{};
};

}  // namespace test_support
