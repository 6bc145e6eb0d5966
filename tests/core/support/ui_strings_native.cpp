// Native stand-in for the Win32 language choice: the English table.
#include "strings/ui_strings.h"

const UiStrings& ui_strings() { return UI_STRINGS_EN; }
