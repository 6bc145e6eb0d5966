#include <gtest/gtest.h>
#include <windows.h>

#include "settings/settings_win.h"
#include "util/text.h"
#include "win/env.h"
#include "win/handles.h"

#include "support/test_support_win.h"

namespace {

using namespace test_support;

// Each test gets a fresh APPDATA under the temp folder, so no real settings are touched.
class SettingsFile : public testing::Test {
protected:
    void SetUp() override {
        saved_settings_ = *SETTINGS.borrow();
        root_ = appdata_.path();
        folder_ = join_path(root_, "Ormick Oxel");
        path_ = join_path(folder_, "settings.ini");
    }
    void TearDown() override { *SETTINGS.borrow() = saved_settings_; }
    void make_folder() { ASSERT_TRUE(CreateDirectoryW(to_wide(folder_).c_str(), nullptr)); }

    ScratchEnvFolder appdata_{"settings", {"APPDATA"}};
    Settings saved_settings_;
    std::string root_, folder_, path_;
};

TEST_F(SettingsFile, PathFollowsAppdata) {
    EXPECT_EQ(settings_path(), path_);
    EXPECT_EQ(settings_folder(), folder_);
    const std::string in_temp = join_path(join_path(temp_dir(), "Ormick Oxel"), "settings.ini");
    for (const std::optional<std::string>& value : {std::optional<std::string>(), std::optional<std::string>("")}) {
        set_env("APPDATA", value);
        EXPECT_EQ(settings_path(), in_temp) << (value ? "empty" : "unset");
    }
    set_env("APPDATA", root_ + "\\");
    EXPECT_EQ(settings_path(), path_);
}

TEST_F(SettingsFile, UpdateOfMissingFileWritesTheTemplateWithCrLf) {
    const std::vector<std::pair<std::string, std::string>> pairs = {{"history", "12"}};
    ASSERT_FALSE(settings_file_exists());
    const Status s = settings_set_values(pairs);
    ASSERT_TRUE(s.ok()) << s.error().message;
    const std::string text = read_whole_file(path_);
    EXPECT_EQ(text, update_settings_text(std::nullopt, pairs));
    EXPECT_TRUE(starts_with(text, "; Ormick Oxel settings"));
    EXPECT_NE(text.find("\r\nhistory=12\r\n"), std::string::npos);
    EXPECT_EQ(folder_names(folder_), std::vector<std::string>{"settings.ini"});
    ASSERT_TRUE(settings_load().ok());
    EXPECT_EQ(current_settings().history, 12u);
}

TEST_F(SettingsFile, UpdateInPlaceRewritesEveryLineOfTheKey) {
    make_folder();
    write_whole_file(path_, "\xEF\xBB\xBF; mine\r\nhistory=5\r\nhistory=6\r\n\r\n");
    ASSERT_TRUE(settings_set_values({{"history", "7"}, {"ocr_lang", "ja"}}).ok());
    EXPECT_EQ(read_whole_file(path_), "; mine\r\nhistory=7\r\nhistory=7\r\nocr_lang=ja\r\n");
    ASSERT_TRUE(settings_load().ok());
    const Settings s = current_settings();
    EXPECT_EQ(s.history, 7u);
    EXPECT_EQ(s.ocr_lang, "ja");
    EXPECT_EQ(folder_names(folder_).size(), 1u);
}

TEST_F(SettingsFile, LockedFileIsLeftUntouched) {
    make_folder();
    const std::string before = "; mine\nhistory=5\n";
    write_whole_file(path_, before);
    {
        Handle lock(CreateFileW(to_wide(path_).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock);
        const Status s = settings_set_values({{"history", "9"}});
        ASSERT_FALSE(s.ok());
        EXPECT_FALSE(s.error().message.empty());
        EXPECT_EQ(s.error().code, ERROR_SHARING_VIOLATION);
        // Unreadable now: the settings in force stay and the reason is returned.
        *SETTINGS.borrow() = Settings{};
        const Status loaded = settings_load();
        ASSERT_FALSE(loaded.ok());
        EXPECT_EQ(loaded.error().code, ERROR_SHARING_VIOLATION);
        EXPECT_EQ(current_settings(), Settings{});
    }
    EXPECT_EQ(read_whole_file(path_), before);
    EXPECT_EQ(folder_names(folder_), std::vector<std::string>{"settings.ini"});
}

TEST_F(SettingsFile, FileThatIsNotUtf8IsLeftUntouched) {
    make_folder();
    // What an editor writes when it saves as UTF-16: "history=5".
    const std::string before("\xFF\xFEh\0i\0s\0t\0o\0r\0y\0=\0005\0", 20);
    write_whole_file(path_, before);
    const Status s = settings_set_values({{"history", "9"}});
    ASSERT_FALSE(s.ok());
    EXPECT_NE(s.error().message.find("UTF-8"), std::string::npos);
    EXPECT_EQ(read_whole_file(path_), before);
    *SETTINGS.borrow() = Settings{};
    const Status loaded = settings_load();
    ASSERT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.error().message, path_ + ": not UTF-8 text");
    EXPECT_EQ(current_settings(), Settings{}) << "the record in force is kept";
}

TEST_F(SettingsFile, FailedReplaceReportsAndKeepsTheOldFile) {
    make_folder();
    const std::string before = "; mine\nhistory=5\n";
    write_whole_file(path_, before);
    {
        // Another program reads the file and lets others read it, but not replace it.
        Handle reader(CreateFileW(to_wide(path_).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(reader);
        const Status s = settings_set_values({{"history", "9"}});
        ASSERT_FALSE(s.ok());
        EXPECT_FALSE(s.error().message.empty());
    }
    EXPECT_EQ(read_whole_file(path_), before);
    EXPECT_EQ(folder_names(folder_), std::vector<std::string>{"settings.ini"}) << "temporary file left";
}

TEST_F(SettingsFile, InvalidKeyIsAnErrorAndWritesNothing) {
    EXPECT_FALSE(settings_set_values({{"history", "1"}, {"a=b", "2"}}).ok());
    EXPECT_FALSE(settings_file_exists());
}

TEST_F(SettingsFile, TemplateIsWrittenOnlyWhenTheFileIsMissing) {
    write_settings_template();  // creates the folder too
    EXPECT_EQ(read_whole_file(path_), SETTINGS_TEMPLATE);
    EXPECT_EQ(read_whole_file(path_).size(), 1652u);
    EXPECT_EQ(folder_names(folder_), std::vector<std::string>{"settings.ini"});
    write_whole_file(path_, "history=4\n");
    write_settings_template();
    EXPECT_EQ(read_whole_file(path_), "history=4\n");
}

TEST_F(SettingsFile, LoadReplacesTheRecord) {
    *SETTINGS.borrow() = Settings{};
    ASSERT_TRUE(settings_load().ok());  // no file
    EXPECT_EQ(current_settings(), default_settings());
    make_folder();
    write_whole_file(path_, "capture_hotkey=ctrl+shift+a\r\nhistory=700\r\n");
    ASSERT_TRUE(settings_load().ok());
    const Settings s = current_settings();
    EXPECT_EQ(s.capture_hotkey, (HotkeySetting{"Ctrl+Shift+A", 6, 0x41}));
    EXPECT_EQ(s.history, 500u);
}

TEST_F(SettingsFile, EffectiveSaveDirNeedsAnExistingFolder) {
    const std::string fallback = default_save_dir();
    EXPECT_FALSE(fallback.empty());
    struct Case { std::optional<std::string> save_dir; std::string expected; };
    const Case cases[] = {
        {std::nullopt, fallback},
        {root_, root_},
        {join_path(root_, "missing"), fallback},
    };
    for (const Case& c : cases) {
        SETTINGS.borrow()->save_dir = c.save_dir;
        EXPECT_EQ(effective_save_dir(), c.expected) << c.save_dir.value_or("<none>");
    }
}

TEST(Autostart, RunValueRoundTrip) {
    const wchar_t* key = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    const bool was_on = autostart_enabled();
    EXPECT_TRUE(set_autostart(true));
    EXPECT_TRUE(autostart_enabled());
    wchar_t data[2048] = {};
    DWORD size = sizeof data;
    DWORD type = 0;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, key, L"Ormick Oxel", RRF_RT_REG_SZ, &type, data, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    const std::wstring expected = L"\"" + to_wide(module_path()) + L"\"";
    EXPECT_EQ(std::wstring(data), expected);
    EXPECT_EQ(size, (expected.size() + 1) * sizeof(wchar_t));
    EXPECT_TRUE(set_autostart(false));
    EXPECT_FALSE(autostart_enabled());
    EXPECT_TRUE(set_autostart(false));  // already off: nothing to do, nothing reported
    EXPECT_FALSE(autostart_enabled());
    if (was_on) (void)set_autostart(true);
}

}  // namespace
