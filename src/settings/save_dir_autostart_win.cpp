#include <windows.h>
#include <shlobj.h>

#include "settings/settings_win.h"
#include "util/text.h"
#include "win/env.h"
#include "win/error.h"
#include "win/file_io.h"

namespace {

constexpr wchar_t RUN_KEY[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t RUN_VALUE[] = L"Ormick Oxel";

}  // namespace

std::string default_save_dir() {
    wchar_t buf[512] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_MYPICTURES, nullptr, SHGFP_TYPE_CURRENT, buf))) {
        buf[511] = L'\0';
        const std::string pictures = from_wide(buf);
        if (!pictures.empty() && is_folder(pictures)) return pictures;
    }
    // An empty USERPROFILE would give a folder relative to the current one.
    const auto profile = env_var("USERPROFILE");
    if (profile && !profile->empty()) return join_path(*profile, "Pictures");
    return temp_dir();
}

std::string effective_save_dir() {
    std::optional<std::string> chosen = SETTINGS.borrow()->save_dir;
    if (chosen && is_folder(*chosen)) return *chosen;
    return default_save_dir();
}

bool autostart_enabled() {
    DWORD size = 0;
    return RegGetValueW(HKEY_CURRENT_USER, RUN_KEY, RUN_VALUE, RRF_RT_REG_SZ, nullptr, nullptr,
                        &size) == ERROR_SUCCESS;
}

Status set_autostart(bool on) {
    if (!on) {
        const LSTATUS removed = RegDeleteKeyValueW(HKEY_CURRENT_USER, RUN_KEY, RUN_VALUE);
        if (removed == ERROR_SUCCESS || removed == ERROR_FILE_NOT_FOUND) return {};
        return error_from_win32(static_cast<DWORD>(removed), "Run");
    }
    const std::string exe = module_path();
    if (exe.empty()) return last_error("GetModuleFileNameW");
    const std::wstring data = L"\"" + to_wide(exe) + L"\"";
    const LSTATUS written = RegSetKeyValueW(HKEY_CURRENT_USER, RUN_KEY, RUN_VALUE, REG_SZ, data.c_str(),
                                            static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    if (written != ERROR_SUCCESS) return error_from_win32(static_cast<DWORD>(written), "Run");
    return {};
}
