// settings.ini as the loader reads it: any bytes give a record within its bounds, whose
// hotkeys are canonical.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "settings/settings.h"
#include "support/fuzz_input.h"

namespace {
void check_hotkey(const std::optional<HotkeySetting>& hotkey) {
    if (!hotkey) return;
    FUZZ_CHECK(parse_hotkey(hotkey->text) == hotkey);
    FUZZ_CHECK(key_name(hotkey->modifiers, hotkey->vk) == hotkey);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Settings s = parse_settings_text(std::string_view(reinterpret_cast<const char*>(data), size));
    FUZZ_CHECK(s.history <= 500);
    FUZZ_CHECK(s.record_fps >= 1 && s.record_fps <= 60);
    FUZZ_CHECK(s.translate_url.find("{text}") != std::string::npos);
    check_hotkey(s.capture_hotkey);
    check_hotkey(s.pin_hotkey);
    check_hotkey(s.capture_copy_hotkey);
    return 0;
}
