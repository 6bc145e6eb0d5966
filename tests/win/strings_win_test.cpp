#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "strings/ui_strings.h"
#include "win/env.h"

TEST(UiStrings, ChosenOnceFromThisProcessEnvironment) {
    const UiStrings& first = ui_strings();
    EXPECT_EQ(&ui_strings(), &first);
    const UiLanguage expected = choose_language(env_var("ORMICK_OXEL_LANG"), GetUserDefaultUILanguage());
    EXPECT_EQ(&first, &ui_table(expected)) << first[LANG_CODE];
    EXPECT_STREQ(ui_text(LANG_CODE), first[LANG_CODE]);
}

// The ctest entries that run this binary under another Windows UI language (Wine takes it from
// LC_ALL) name the table that language must choose; the ordinary run has no such language.
TEST(UiStrings, FollowsTheWindowsUiLanguage) {
    const std::optional<std::string> expected = env_var("ORMICK_TEST_UI_LANG_CODE");
    if (!expected) GTEST_SKIP() << "no UI language given for this run";
    ASSERT_FALSE(env_var("ORMICK_OXEL_LANG").has_value()) << "the variable would choose instead";
    EXPECT_STREQ(ui_text(LANG_CODE), expected->c_str())
        << "Windows UI language 0x" << std::hex << GetUserDefaultUILanguage();
}
