// The settings window's fields: a number field always stores a decimal within its range, the
// "Translate into" list always selects the value it was given, a key in a hotkey box gives a
// canonical hotkey or none, and Save's eleven pairs come out whatever the fields hold.
#include <cstddef>
#include <cstdint>
#include <string>

#include "prefs/prefs_form.h"
#include "prefs/prefs_hotkeys.h"
#include "support/fuzz_input.h"
#include "util/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const uint64_t current = in.number<uint64_t>();
    const uint64_t minimum = in.number<uint16_t>();
    const uint64_t maximum = minimum + in.number<uint16_t>();
    const uint32_t modifiers = in.number<uint8_t>() & 15u;
    const uint32_t vk = in.number<uint16_t>();
    const int64_t selection = in.number<int8_t>();
    const std::string field = in.text(64);
    const std::string translate_to = in.rest();

    const std::string stored = read_number_text(field, current, minimum, maximum);
    const std::optional<uint64_t> n = parse_settings_number(stored, UINT64_MAX);
    FUZZ_CHECK(n && *n >= minimum && *n <= maximum);
    FUZZ_CHECK(std::to_string(*n) == stored);

    const TranslateList list = translate_list("same", translate_to);
    FUZZ_CHECK(list.items.size() == list.codes.size());
    FUZZ_CHECK(list.selected < list.codes.size());
    FUZZ_CHECK(iequals_ascii(list.codes[list.selected], trim(translate_to)));
    FUZZ_CHECK(translate_code_at(list.codes, selection).size() <= translate_to.size() + 5);

    const HotkeyKeyResult key = classify_hotkey_key(modifiers, vk);
    FUZZ_CHECK(key.hotkey.has_value() == (key.outcome == HotkeyKeyOutcome::Set));
    if (key.hotkey) {
        FUZZ_CHECK(parse_hotkey(key.hotkey->text) == key.hotkey);
        FUZZ_CHECK(key.hotkey->modifiers == modifiers && key.hotkey->vk == vk);
    }
    if (key.outcome == HotkeyKeyOutcome::NeedModifier) FUZZ_CHECK(modifiers == 0 || modifiers == MOD_SHIFT_BIT);

    PrefsForm form;
    form.slots[0] = key.hotkey;
    form.history = field;
    form.record_fps = translate_to;
    form.save_dir = translate_to;
    form.detect = form.record_format = form.translate = selection;
    Settings settings;
    settings.history = current;
    settings.record_fps = static_cast<uint32_t>(current);
    const SettingPairs pairs = build_save_pairs(form, settings, list.codes);
    FUZZ_CHECK(pairs.size() == 11);
    return 0;
}
