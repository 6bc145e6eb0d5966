#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "image/dib_bitmap_win.h"
#include "util/draw_win.h"
#include "util/env_win.h"
#include "util/log.h"
#include "util/text.h"

namespace {

// Points TMP/TEMP at a fresh folder for one test and puts them back afterwards.
class ScopedTempDir {
public:
    ScopedTempDir() {
        old_tmp_ = env_var("TMP");
        old_temp_ = env_var("TEMP");
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        dir_ = from_wide(base) + "ormick-log-test-" + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(GetTickCount64());
        CreateDirectoryW(to_wide(dir_).c_str(), nullptr);
        SetEnvironmentVariableW(L"TMP", to_wide(dir_).c_str());
        SetEnvironmentVariableW(L"TEMP", to_wide(dir_).c_str());
    }
    ~ScopedTempDir() {
        DeleteFileW(to_wide(log_path()).c_str());
        RemoveDirectoryW(to_wide(dir_).c_str());
        restore(L"TMP", old_tmp_);
        restore(L"TEMP", old_temp_);
    }
    std::string log_path() const { return dir_ + "\\ormick-oxel.log"; }

private:
    static void restore(const wchar_t* name, const std::optional<std::string>& v) {
        SetEnvironmentVariableW(name, v ? to_wide(*v).c_str() : nullptr);
    }
    std::optional<std::string> old_tmp_, old_temp_;
    std::string dir_;
};

bool file_exists(const std::string& path) {
    return GetFileAttributesW(to_wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string read_file(const std::string& path) {
    HANDLE f = CreateFileW(to_wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return {};
    std::string s(4096, '\0');
    DWORD n = 0;
    ReadFile(f, s.data(), static_cast<DWORD>(s.size()), &n, nullptr);
    CloseHandle(f);
    s.resize(n);
    return s;
}

}  // namespace

TEST(DebugLog, SetButEmptyVariableWritesTheLog) {
    ScopedTempDir tmp;
    SetEnvironmentVariableW(L"ORMICK_OXEL_LOG", L"");
    debug_log("first line");
    debug_log("second");
    SetEnvironmentVariableW(L"ORMICK_OXEL_LOG", nullptr);
    const std::string text = read_file(tmp.log_path());
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text[0], '[');
    EXPECT_NE(text.find("] first line\n"), std::string::npos);
    EXPECT_NE(text.find("] second\n"), std::string::npos);
}

TEST(DebugLog, UnsetVariableCreatesNothing) {
    ScopedTempDir tmp;
    SetEnvironmentVariableW(L"ORMICK_OXEL_LOG", nullptr);
    debug_log("not written");
    EXPECT_FALSE(file_exists(tmp.log_path()));
}

TEST(UiFont, SameRequestGivesTheSameHandleAndBoldIsWeight600) {
    HFONT a = ui_font(14, false);
    HFONT b = ui_font(14, false);
    HFONT bold = ui_font(14, true);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, bold);
    LOGFONTW lf{};
    ASSERT_NE(GetObjectW(bold, sizeof lf, &lf), 0);
    EXPECT_EQ(lf.lfWeight, 600);
    EXPECT_EQ(lf.lfHeight, -14);
}

TEST(FillRectColor, PaintsOnlyTheBorder) {
    struct Case { Rect rect; int32_t thickness; int expected; };
    const Case cases[] = {
        {{0, 0, 10, 10}, 1, 36},
        {{0, 3, 10, 4}, 1, 10},  // one row, no side bands
        {{2, 2, 8, 8}, 2, 32},
    };
    for (const Case& c : cases) {
        auto dib = DibBitmap::create(10, 10);
        ASSERT_TRUE(dib);
        fill_rect_color(dib->hdc, c.rect, c.thickness, RGB(255, 0, 0));
        GdiFlush();
        int painted = 0;
        for (uint32_t p : dib->pixels())
            if ((p & 0xFFFFFF) == 0xFF0000) ++painted;
        EXPECT_EQ(painted, c.expected) << c.rect.l << "," << c.rect.t << " " << c.thickness;
    }
}
