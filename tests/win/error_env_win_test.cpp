#include <gtest/gtest.h>
#include <windows.h>

#include "util/text.h"
#include "win/env.h"
#include "win/error.h"

TEST(ErrorFromHresult, FallsBackToHexWhenTheSystemHasNoText) {
    const Error e = error_from_hresult(static_cast<HRESULT>(0x8badf00d), "thing");
    EXPECT_EQ(e.code, static_cast<int64_t>(static_cast<HRESULT>(0x8badf00d)));
    EXPECT_EQ(e.message.rfind("thing: ", 0), 0u);
    EXPECT_GT(e.message.size(), std::string("thing: ").size());
}

TEST(EnvVar, SetButEmptyDiffersFromUnset) {
    SetEnvironmentVariableW(L"ORMICK_TEST_EMPTY", L"");
    SetEnvironmentVariableW(L"ORMICK_TEST_UNSET", nullptr);
    ASSERT_TRUE(env_var("ORMICK_TEST_EMPTY").has_value());
    EXPECT_EQ(*env_var("ORMICK_TEST_EMPTY"), "");
    EXPECT_FALSE(env_var("ORMICK_TEST_UNSET").has_value());
    EXPECT_TRUE(env_is_set("ORMICK_TEST_EMPTY"));
    EXPECT_FALSE(env_is_set("ORMICK_TEST_UNSET"));
    SetEnvironmentVariableW(L"ORMICK_TEST_VALUE", L"Gr\u00fc\u00dfe");
    EXPECT_EQ(*env_var("ORMICK_TEST_VALUE"), "Gr\xC3\xBC\xC3\x9F" "e");
}
