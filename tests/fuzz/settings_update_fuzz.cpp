// The in-place update of settings.ini: writing any pair over any file changes, as the loader
// reads it, nothing but that key; a known key reads back as written; the update of its own
// output changes nothing more.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "settings/settings.h"
#include "support/fuzz_input.h"
#include "util/text.h"

namespace {

constexpr const char* KNOWN_KEYS[] = {
    "capture_hotkey", "pin_hotkey",     "capture_copy_hotkey", "save_dir",      "capture_engine",
    "capture_detect", "history",        "record_format",       "record_fps",    "record_cursor",
    "translate_to",   "translate_url",  "ocr_lang",
};

bool is_known(const std::string& key) {
    for (const char* k : KNOWN_KEYS)
        if (iequals_ascii(key, k)) return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const bool known = in.flag();
    std::string key = known ? KNOWN_KEYS[in.below(std::size(KNOWN_KEYS))] : in.text(24);
    const std::string value = in.text(64);
    const bool from_template = in.flag();
    const std::optional<std::string> old = from_template ? std::nullopt : std::optional<std::string>(in.rest());

    const std::string written = update_settings_text(old, {{key, value}});
    FUZZ_CHECK(written.empty() || written.size() >= 2);
    FUZZ_CHECK(written.empty() || written.compare(written.size() - 2, 2, "\r\n") == 0);
    FUZZ_CHECK(!starts_with(written, "\xEF\xBB\xBF"));

    const Settings before = parse_settings_text(old ? *old : std::string(SETTINGS_TEMPLATE));
    const Settings after = parse_settings_text(written);
    // The program never updates a file that is not UTF-8 (settings_set_values refuses it), and the
    // loader reads such a file as defaults, so the comparison means nothing there.
    const bool old_readable = is_valid_utf8(old.value_or(""));
    if (!is_known(key) || !settings_key_is_valid(key)) {
        if (old_readable) FUZZ_CHECK(after == before);
    } else if (iequals_ascii(key, "save_dir") && old_readable) {
        // Kept whole (no comment cut), trimmed as the loader trims every value.
        std::string cleaned = is_valid_utf8(value) ? value : utf16_to_utf8(utf8_to_utf16(value));
        std::erase_if(cleaned, [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
        const std::string_view expected = trim(cleaned);
        FUZZ_CHECK(expected.empty() ? !after.save_dir : after.save_dir == std::string(expected));
    }
    // Writing the same pair again over the result is a fixed point.
    FUZZ_CHECK(update_settings_text(written, {{key, value}}) == written);
    return 0;
}
