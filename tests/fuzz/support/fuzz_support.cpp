// What the platform-free code expects of the program around it, for the harnesses: a log that
// goes nowhere and the English strings.
#include "strings/tables.h"
#include "strings/ui_strings.h"
#include "util/log.h"

void debug_log(std::string_view) {}

const UiStrings& ui_strings() { return UI_STRINGS_EN; }
