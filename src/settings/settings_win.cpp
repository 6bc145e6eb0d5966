#include "settings/settings_win.h"

#include <windows.h>

#include "strings/ui_strings.h"
#include "util/log.h"
#include "util/text.h"
#include "win/env.h"
#include "win/file_io.h"
#include "win/shell.h"

UiCell<Settings> SETTINGS;

namespace {

// Far beyond any hand-edited settings file; refuses to pull a stray huge file into memory.
constexpr uint64_t MAX_SETTINGS_BYTES = 16 * 1024 * 1024;

bool already_exists(const Error& e) {
    return e.code && (*e.code == ERROR_ALREADY_EXISTS || *e.code == ERROR_FILE_EXISTS);
}

}  // namespace

std::string settings_folder() {
    // An empty APPDATA would make the path relative to whatever the current folder is.
    const auto appdata = env_var("APPDATA");
    return join_path(appdata && !appdata->empty() ? *appdata : temp_dir(), "Ormick Oxel");
}

std::string settings_path() { return join_path(settings_folder(), "settings.ini"); }

bool settings_file_exists() { return path_exists(settings_path()); }

Status settings_load() {
    const std::string path = settings_path();
    const auto read = read_file(path, MAX_SETTINGS_BYTES);
    if (!read.ok()) return read.error();
    if (read.value() && !is_valid_utf8(*read.value())) return make_error(path + ": not UTF-8 text");
    *SETTINGS.borrow() = read.value() ? parse_settings_text(*read.value()) : default_settings();
    return {};
}

Settings current_settings() { return SETTINGS.get(); }

Status settings_set_values(const std::vector<std::pair<std::string, std::string>>& pairs) {
    for (const auto& pair : pairs)
        if (!settings_key_is_valid(pair.first))
            return make_error("settings: invalid key");
    const std::string path = settings_path();
    // A second round only when the file appeared between reading and writing.
    for (int round = 0;; ++round) {
        auto old = read_file(path, MAX_SETTINGS_BYTES);
        if (!old.ok()) return old.error();
        if (old.value() && !is_valid_utf8(*old.value()))
            return make_error(path + ": not UTF-8 text, left unchanged");
        if (Status s = create_folders(settings_folder()); !s) return s;
        const bool existed = old.value().has_value();
        const std::string text = update_settings_text(old.value(), pairs);
        Status s = write_file_replacing(path, std::string_view(text), ReplaceOptions{existed});
        if (!s && !existed && round == 0 && already_exists(s.error())) continue;
        return s;
    }
}

Status settings_store(const SettingPairs& pairs, StoreKind kind) {
    Status written = settings_set_values(pairs);
    if (!written) debug_log("settings not written: " + written.error().message);
    if (!written && kind == StoreKind::Form) return written;
    // A form is saved over a file the user may have edited by hand meanwhile ("Edit settings
    // file…"): the file as written holds everything the form did not.
    const bool loaded = written && kind == StoreKind::Form && settings_load().ok();
    if (!loaded) apply_setting_pairs(*SETTINGS.borrow(), pairs);
    settings_changed(pairs);
    return written;
}

void settings_not_saved(const Status& failed) {
    if (!failed) tray_balloon(ui_text(SAVE_FAILED), failed.error().message);
}

void write_settings_template() {
    if (settings_file_exists()) return;
    Status s = create_folders(settings_folder());
    if (s) s = write_file_replacing(settings_path(), SETTINGS_TEMPLATE, ReplaceOptions{false});
    if (!s) debug_log("settings: template not written: " + s.error().message);
}
