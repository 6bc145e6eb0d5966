#pragma once
// The UI language: chosen once per process (ORMICK_OXEL_LANG, else the Windows UI language),
// then every window, menu and notice takes its words from that table.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "strings/tables.h"

// The program's name, the same in every language; the title of notices without a subject.
inline constexpr std::string_view PROGRAM_NAME = "Ormick Oxel";

enum class UiLanguage : uint8_t { ZhTw, ZhCn, En, Ja, Ko, De, Fr, Es, Ru, Pt };
inline constexpr int UI_LANGUAGE_COUNT = 10;

// The choice from the variable's value (absent when unset or not valid Unicode) and the
// Windows UI language id.
UiLanguage choose_language(const std::optional<std::string>& env_value, uint16_t ui_langid);
const UiStrings& ui_table(UiLanguage language);

// The chosen table; the first caller makes the choice (select_ui_language), once per process.
const UiStrings& ui_strings();
inline const char* ui_text(UiText id) { return ui_strings()[id]; }
