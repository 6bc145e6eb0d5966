#include "win/shell.h"

#include <windows.h>
#include <shellapi.h>

#include "util/log.h"
#include "util/text.h"
#include "win/handles.h"

void open_path(const std::string& path, bool with_notepad) {
    if (path.empty()) return;
    debug_log("shell open: " + path + (with_notepad ? " (Notepad)" : ""));
    // Shell extensions behind ShellExecuteW may need COM on this thread.
    const ComApartment com(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const std::wstring wide = to_wide(path);
    HINSTANCE done;
    if (with_notepad) {
        const std::wstring quoted = L"\"" + wide + L"\"";
        done = ShellExecuteW(nullptr, L"open", L"notepad.exe", quoted.c_str(), nullptr, SW_SHOWNORMAL);
    } else {
        done = ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
    // Values up to 32 are errors.
    const auto code = reinterpret_cast<INT_PTR>(done);
    if (code <= 32) debug_log("shell open failed: " + std::to_string(code));
}
