#include <gtest/gtest.h>
#include <windows.h>

#include "strings/ui_strings.h"
#include "util/env_win.h"

TEST(UiStrings, ChosenOnceFromThisProcessEnvironment) {
    const UiStrings& first = ui_strings();
    EXPECT_EQ(&ui_strings(), &first);
    const UiLanguage expected = choose_language(env_var("ORMICK_OXEL_LANG"), GetUserDefaultUILanguage());
    EXPECT_EQ(&first, &ui_table(expected)) << first[LANG_CODE];
    EXPECT_STREQ(ui_text(LANG_CODE), first[LANG_CODE]);
}
