#pragma once
// The ten constant tables of UI texts (UTF-8), one per language. Each table file lists its
// entries keyed by id; the build turns them into an array indexed by id, and fails when an
// entry is missing or out of place.
#include <array>
#include <cstddef>

#include "strings/ui_text.h"

using UiStrings = std::array<const char*, UI_TEXT_COUNT>;

// One text of a table and the id it stands for.
struct UiEntry {
    UiText id;
    const char* text;
};
using UiEntries = std::array<UiEntry, UI_TEXT_COUNT>;

// The id of the first position whose entry carries another id, or UI_TEXT_COUNT when every entry
// is in place. A table one entry short ends in an empty entry (id 0), which counts as out of place.
consteval UiText first_out_of_place(const UiEntries& entries) {
    for (size_t i = 0; i < entries.size(); ++i) {
        if (static_cast<size_t>(entries[i].id) != i || entries[i].text == nullptr) return static_cast<UiText>(i);
    }
    return UI_TEXT_COUNT;
}

// Fails to compile unless FirstOutOfPlace is UI_TEXT_COUNT; the error shows FirstOutOfPlace.
template <UiText FirstOutOfPlace>
consteval UiStrings checked_texts(const UiEntries& entries) {
    static_assert(FirstOutOfPlace == UI_TEXT_COUNT,
                  "the entry for FirstOutOfPlace is missing from this table or not at its id's position");
    UiStrings texts{};
    for (size_t i = 0; i < entries.size(); ++i) texts[i] = entries[i].text;
    return texts;
}

// A table's texts indexed by id, checked when the table is compiled.
template <const UiEntries& Entries>
consteval UiStrings texts_in_id_order() {
    return checked_texts<first_out_of_place(Entries)>(Entries);
}

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
