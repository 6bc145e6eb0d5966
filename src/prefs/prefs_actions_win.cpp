// The settings window's buttons: Save and the folder dialog, and the fields they read.
#include <shlobj.h>
#include <shobjidl.h>

#include "prefs/prefs_form.h"
#include "prefs/prefs_layout.h"
#include "prefs/prefs_window_win.h"
#include "prefs/prefs_win.h"
#include "settings/settings_win.h"
#include "strings/ui_strings.h"
#include "util/log.h"
#include "util/text.h"
#include "win/file_io.h"
#include "win/handles.h"
#include "win/shell.h"

namespace {

int64_t selection(HWND window, int id) {
    return static_cast<int64_t>(SendDlgItemMessageW(window, id, CB_GETCURSEL, 0, 0));
}

bool checked(HWND window, int id) { return IsDlgButtonChecked(window, id) == BST_CHECKED; }

// The folder the user picks, or none (cancelled, or the dialog could not be shown).
std::optional<std::string> pick_folder(HWND owner, const std::string& start) {
    const ComApartment com(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    ComPtr<IFileOpenDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&dialog))))
        return std::nullopt;
    FILEOPENDIALOGOPTIONS options = 0;
    if (FAILED(dialog->GetOptions(&options)) ||
        FAILED(dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM)))
        return std::nullopt;
    ComPtr<IShellItem> folder;
    if (SUCCEEDED(SHCreateItemFromParsingName(to_wide(start).c_str(), nullptr, IID_PPV_ARGS(&folder))))
        dialog->SetFolder(folder.Get());
    if (FAILED(dialog->Show(owner))) return std::nullopt;
    ComPtr<IShellItem> chosen;
    if (FAILED(dialog->GetResult(&chosen))) return std::nullopt;
    PWSTR path = nullptr;
    if (FAILED(chosen->GetDisplayName(SIGDN_FILESYSPATH, &path)) || !path) return std::nullopt;
    std::string out = from_wide(path);
    CoTaskMemFree(path);
    return out;
}

}  // namespace

std::string control_text(HWND window, int id) {
    const HWND control = GetDlgItem(window, id);
    if (!control) return {};
    std::wstring text(static_cast<size_t>(std::max(GetWindowTextLengthW(control), 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(std::max(GetWindowTextW(control, text.data(), static_cast<int>(text.size())), 0)));
    return std::string(trim(from_wide(text)));
}

std::string read_number_field(HWND window, int id, uint64_t current, uint64_t minimum, uint64_t maximum) {
    return read_number_text(control_text(window, id), current, minimum, maximum);
}

void PrefsWindow::save() {
    const HWND window = hwnd();
    const Settings current = current_settings();
    PrefsForm form;
    form.slots = slots;
    form.save_dir = control_text(window, PREFS_ID_SAVE_DIR);
    form.history = control_text(window, PREFS_ID_HISTORY);
    form.record_fps = control_text(window, PREFS_ID_RECORD_FPS);
    form.low_memory = checked(window, PREFS_ID_LOW_MEMORY);
    form.record_cursor = checked(window, PREFS_ID_RECORD_CURSOR);
    form.detect = selection(window, PREFS_ID_DETECT);
    form.record_format = selection(window, PREFS_ID_RECORD_FORMAT);
    form.translate = selection(window, PREFS_ID_TRANSLATE);
    const SettingPairs pairs = build_save_pairs(form, current, translate_codes);

    // Autostart lives in the registry, apart from the file: a refusal there must not cost the
    // user the other settings.
    const bool autostart = checked(window, PREFS_ID_AUTOSTART);
    Status autostart_set;
    if (autostart != autostart_enabled()) autostart_set = set_autostart(autostart);
    if (!autostart_set) {
        debug_log("prefs autostart not changed: " + autostart_set.error().message);
        // Before the store: a notice shows at once over the last one, and the store's (a hotkey
        // in use, the file not written) matters more.
        tray_balloon(ui_text(AUTOSTART_FAILED), autostart_set.error().message);
    }
    const Status written = settings_store(pairs, StoreKind::Form);
    if (!written) {
        // The file and the settings in force stay as they were; the window keeps what the user entered.
        debug_log("prefs save failed: " + written.error().message);
        settings_not_saved(written);
        return;
    }
    debug_log("prefs saved");
    // The store has registered the new keys; the window's end leaves them be.
    saved = true;
    DestroyWindow(window);
}

void PrefsWindow::browse() {
    const HWND window = hwnd();
    const std::string typed = control_text(window, PREFS_ID_SAVE_DIR);
    const std::string start = !typed.empty() && is_folder(typed) ? typed : default_save_dir();
    // The dialog runs its own message loop, where the window may be closed: this record is kept
    // until the handler that called here returns, but the window may be gone.
    const std::optional<std::string> chosen = pick_folder(window, start);
    if (!chosen || !alive()) return;
    SetDlgItemTextW(window, PREFS_ID_SAVE_DIR, to_wide(*chosen).c_str());
}
