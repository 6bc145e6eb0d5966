#pragma once
// The ten constant tables of UI texts (UTF-8), one per language.
#include <array>

#include "strings/ui_text.h"

using UiStrings = std::array<const char*, UI_TEXT_COUNT>;

extern const UiStrings UI_STRINGS_ZH_TW;
extern const UiStrings UI_STRINGS_ZH_CN;
extern const UiStrings UI_STRINGS_EN;
extern const UiStrings UI_STRINGS_JA;
extern const UiStrings UI_STRINGS_KO;
extern const UiStrings UI_STRINGS_DE;
extern const UiStrings UI_STRINGS_FR;
extern const UiStrings UI_STRINGS_ES;
extern const UiStrings UI_STRINGS_RU;
extern const UiStrings UI_STRINGS_PT;
