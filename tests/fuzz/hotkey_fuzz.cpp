// Hotkey text and the settings numbers: a parsed hotkey is canonical and parses back to
// itself; a number is never above its bound.
#include <cstddef>
#include <cstdint>
#include <string>

#include "settings/settings.h"
#include "support/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const uint64_t max = in.number<uint64_t>();
    const uint32_t modifiers = in.number<uint8_t>() & 15u;  // the four modifier bits
    const uint32_t vk = in.number<uint16_t>();
    const std::string text = in.rest();

    if (const std::optional<uint64_t> n = parse_settings_number(text, max)) FUZZ_CHECK(*n <= max);

    if (const std::optional<HotkeySetting> h = parse_hotkey(text)) {
        FUZZ_CHECK(!h->text.empty());
        FUZZ_CHECK(h->modifiers <= 15);
        FUZZ_CHECK(parse_hotkey(h->text) == h);
        FUZZ_CHECK(key_name(h->modifiers, h->vk) == h);
    }
    if (const std::optional<HotkeySetting> named = key_name(modifiers, vk)) {
        FUZZ_CHECK(named->vk == vk);
        FUZZ_CHECK(parse_hotkey(named->text) == named);
    }
    (void)setting_is_false(text);
    return 0;
}
