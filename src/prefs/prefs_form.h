#pragma once
// What the settings window's fields hold and what Save writes: number fields, the "Translate
// into" list and the eleven key=value pairs. Platform-free.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "prefs/prefs_hotkeys.h"
#include "settings/settings.h"

// The number to store, as decimal text: the field's trimmed text as an unsigned 32-bit decimal
// with an optional leading '+', else `current`; then kept within [minimum, maximum].
std::string read_number_text(std::string_view field, uint64_t current, uint64_t minimum, uint64_t maximum);

struct TranslateList {
    std::vector<std::string> items;  // as the box shows them
    std::vector<std::string> codes;  // index-aligned; "" = the UI language
    size_t selected = 0;
};
// "Same as the interface", the ten languages as "name  (code)", and the current value as an
// item of its own when it is none of them (compared without regard to ASCII case, trimmed).
TranslateList translate_list(std::string_view same_as_ui, std::string_view translate_to);
// The code of a selection: a negative one counts as 0, one past the list gives "".
std::string translate_code_at(const std::vector<std::string>& codes, int64_t selection);

// The detection box lists UI elements, then whole windows: the one place that order is kept.
size_t detect_item(CaptureDetect detect);
// The mode of the box's selection; nothing selected (-1) counts as whole windows.
CaptureDetect detect_of_item(int64_t item);

// The window's fields as read at Save.
struct PrefsForm {
    HotkeySlots slots;
    std::string save_dir;  // trimmed
    std::string history;   // the fields' raw texts
    std::string record_fps;
    bool low_memory = false;
    bool record_cursor = false;
    int64_t detect = 0;         // the detection box's selection (detect_of_item)
    int64_t record_format = 0;  // 0 MP4, 1 GIF
    int64_t translate = 0;
};
// The eleven pairs in the order they are written; numbers the fields cannot give keep the
// current settings' values.
SettingPairs build_save_pairs(const PrefsForm& form, const Settings& current, const std::vector<std::string>& codes);
