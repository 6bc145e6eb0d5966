#pragma once
// The names of the temporary files a whole-or-nothing write makes beside its target, so that
// ones left by a killed process can be told from anybody else's files. Platform-free.
#include <string_view>

// GetTempFileName's prefix for them: the name is "oox", one to four hex digits, ".tmp".
inline constexpr wchar_t REPLACING_TEMP_PREFIX[] = L"oox";
inline constexpr wchar_t REPLACING_TEMP_PATTERN[] = L"oox*.tmp";

// True for a name (no folder) of that form, letters in any ASCII case.
bool is_replacing_temp_name(std::string_view name);
