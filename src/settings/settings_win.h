#pragma once
// settings.ini on disk, the UI thread's SETTINGS cell, the save folders and autostart.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "settings/settings.h"
#include "util/result.h"
#include "util/ui_cell.h"

// Holds the empty record until start-up loads the file.
extern UiCell<Settings> SETTINGS;

// %APPDATA%\Ormick Oxel\settings.ini (the temp folder in place of an unset or empty APPDATA).
std::string settings_path();
std::string settings_folder();
// True when something exists at settings_path (a first run is when it does not).
bool settings_file_exists();
// Reads and parses the file into SETTINGS; a missing file gives the defaults. A file that exists
// but cannot be read (locked, an I/O error) or is not UTF-8 leaves SETTINGS as it was and returns
// the error, so the settings in force are never swapped for defaults the user did not choose.
Status settings_load();
// A complete copy of the current record (UI thread).
Settings current_settings();
// Writes the pairs into the file in place. A file that exists but cannot be read (locked, not
// UTF-8) is left alone and its error returned; the update goes through a temporary file that is
// moved over settings.ini, so a failure never leaves a half-written file.
Status settings_set_values(const std::vector<std::pair<std::string, std::string>>& pairs);
// Who stores: the settings window's form, which stays open after a failed write to be saved
// again (SETTINGS keeps the old values), and whose written file is put into effect whole, with
// any lines the user edited by hand meanwhile; or a choice made in passing (the overlay's Tab,
// the OCR window's language), whose keys hold for the rest of this run even when the file
// cannot be written.
enum class StoreKind : uint8_t { Form, InPassing };
// The one way a window changes settings: writes the pairs into the file and into SETTINGS as
// the loader reads them, then has settings_changed put them into effect. The failure is the
// caller's to show, with settings_not_saved.
Status settings_store(const SettingPairs& pairs, StoreKind kind);
// The "Save failed" notice of a settings write that did not reach the file.
void settings_not_saved(const Status& failed);
// Implemented by main, so that settings/ reaches no module above it: puts the stored keys into
// effect in the running program (hotkeys, the tray's tooltip, the capture engine) and shows
// them in an open settings window. Called by settings_store whenever SETTINGS changed.
void settings_changed(const SettingPairs& pairs);
// First run: writes the template only when no settings.ini exists (never overwrites).
void write_settings_template();

std::string default_save_dir();
std::string effective_save_dir();

bool autostart_enabled();
// Writes (on) or removes (off) the Run value; the registry's error when it cannot. A value that
// is already gone counts as removed.
Status set_autostart(bool on);
