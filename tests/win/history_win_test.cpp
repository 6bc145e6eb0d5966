#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "image/dib_bitmap_win.h"
#include "image/history_win.h"
#include "settings/settings_win.h"
#include "util/env_win.h"
#include "util/text.h"
#include "win/handles.h"

namespace {

std::vector<std::string> names_in(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW fd;
    FindHandle h(FindFirstFileW(to_wide(join_path(folder, "*")).c_str(), &fd));
    if (!h) return names;
    do {
        const std::string name = from_wide(fd.cFileName);
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileW(h.get(), &fd));
    std::sort(names.begin(), names.end());
    return names;
}

void remove_tree(const std::string& path) {
    for (const std::string& name : names_in(path)) {
        const std::string child = join_path(path, name);
        const DWORD a = GetFileAttributesW(to_wide(child).c_str());
        if (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY)) {
            remove_tree(child);
        } else {
            DeleteFileW(to_wide(child).c_str());
        }
    }
    RemoveDirectoryW(to_wide(path).c_str());
}

bool exists(const std::string& path) { return GetFileAttributesW(to_wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

void touch(const std::string& path) {
    Handle f(CreateFileW(to_wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    EXPECT_TRUE(f) << path;
}

// The width in a PNG file's IHDR; 0 when unreadable.
uint32_t png_width(const std::string& path) {
    Handle f(CreateFileW(to_wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, 0, nullptr));
    uint8_t head[24] = {};
    DWORD n = 0;
    if (!f || !ReadFile(f.get(), head, sizeof head, &n, nullptr) || n != sizeof head) return 0;
    return uint32_t{head[16]} << 24 | uint32_t{head[17]} << 16 | uint32_t{head[18]} << 8 | head[19];
}

HistorySaveJob make_job(const std::string& stem, uint32_t millis, uint64_t keep, uint32_t w = 3, uint32_t h = 2) {
    HistorySaveJob job;
    job.stem = stem;
    job.millis = millis;
    job.keep = keep;
    job.width = w;
    job.height = h;
    job.pixels.reset(new uint32_t[static_cast<size_t>(w) * h]);
    for (uint32_t i = 0; i < w * h; ++i) job.pixels[i] = 0x00102030u * (i + 1);
    return job;
}

// LOCALAPPDATA and APPDATA point into a fresh folder while a test runs.
class HistoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        old_local_ = env_var("LOCALAPPDATA");
        old_roaming_ = env_var("APPDATA");
        old_history_ = SETTINGS.borrow()->history;
        root = join_path(temp_dir(), "oox-history-" + std::to_string(GetCurrentProcessId()) + "-" +
                                         std::to_string(GetTickCount64()));
        remove_tree(root);
        CreateDirectoryW(to_wide(root).c_str(), nullptr);
        SetEnvironmentVariableW(L"LOCALAPPDATA", to_wide(root).c_str());
        SetEnvironmentVariableW(L"APPDATA", to_wide(root).c_str());
        folder = join_path(join_path(root, "Ormick Oxel"), "History");
    }
    void TearDown() override {
        remove_tree(root);
        SetEnvironmentVariableW(L"LOCALAPPDATA", old_local_ ? to_wide(*old_local_).c_str() : nullptr);
        SetEnvironmentVariableW(L"APPDATA", old_roaming_ ? to_wide(*old_roaming_).c_str() : nullptr);
        SETTINGS.borrow()->history = old_history_;
    }
    std::string at(const std::string& name) const { return join_path(folder, name); }

    std::string root, folder;

private:
    std::optional<std::string> old_local_, old_roaming_;
    uint64_t old_history_ = 0;
};

}  // namespace

TEST_F(HistoryTest, FolderFollowsLocalAppData) {
    EXPECT_EQ(history_dir(), folder);
    EXPECT_TRUE(history_list().empty());  // no folder yet
    const std::string temp_folder = join_path(join_path(temp_dir(), "Ormick Oxel"), "History");
    for (const wchar_t* value : {static_cast<const wchar_t*>(nullptr), L""}) {
        SetEnvironmentVariableW(L"LOCALAPPDATA", value);
        EXPECT_EQ(history_dir(), temp_folder);
    }
}

TEST_F(HistoryTest, WorkerPrunesTheOldestIncludingHandMadeFiles) {
    history_save_worker(make_job("Ormick_20260108_093005", 1, 2));
    ASSERT_EQ(history_list(), std::vector<std::string>{at("Ormick_20260108_093005_001.png")});
    EXPECT_EQ(png_width(at("Ormick_20260108_093005_001.png")), 3u);

    // Placed by hand: A.PNG sorts first, Z.PNG last; the others take no part.
    for (const char* name : {"A.PNG", "Z.PNG", "notes.txt", ".png", "Ormick_20260108_093004_000.png.tmp"}) {
        touch(at(name));
    }
    history_save_worker(make_job("Ormick_20260108_093005", 2, 2));
    EXPECT_EQ(history_list(), (std::vector<std::string>{at("Ormick_20260108_093005_002.png"), at("Z.PNG")}));

    history_save_worker(make_job("Ormick_20260108_093006", 0, 1));
    EXPECT_EQ(history_list(), std::vector<std::string>{at("Z.PNG")});
    EXPECT_EQ(names_in(folder),
              (std::vector<std::string>{".png", "Ormick_20260108_093004_000.png.tmp", "Z.PNG", "notes.txt"}));
}

TEST_F(HistoryTest, WorkerThatCannotWriteLeavesEverythingAlone) {
    history_save_worker(make_job("Ormick_20260108_093005", 1, 5));
    history_save_worker(make_job("Ormick_20260108_093005", 2, 5));
    // A folder in the way of the file name: the write fails and nothing is pruned.
    CreateDirectoryW(to_wide(at("Ormick_20260108_093007_000.png")).c_str(), nullptr);
    history_save_worker(make_job("Ormick_20260108_093007", 0, 1));
    EXPECT_EQ(names_in(folder), (std::vector<std::string>{"Ormick_20260108_093005_001.png",
                                                          "Ormick_20260108_093005_002.png",
                                                          "Ormick_20260108_093007_000.png"}));
    // A file where the folder should be.
    remove_tree(join_path(root, "Ormick Oxel"));
    touch(join_path(root, "Ormick Oxel"));
    history_save_worker(make_job("Ormick_20260108_093008", 0, 1));
    EXPECT_TRUE(history_list().empty());
    EXPECT_EQ(names_in(root), std::vector<std::string>{"Ormick Oxel"});
}

TEST_F(HistoryTest, SaveWithHistoryOffCreatesNoFolder) {
    std::optional<DibBitmap> dib = DibBitmap::create(4, 4);
    ASSERT_TRUE(dib);
    SETTINGS.borrow()->history = 0;
    history_save(*dib);
    Sleep(200);
    EXPECT_FALSE(exists(join_path(root, "Ormick Oxel")));
}

TEST_F(HistoryTest, SaveKeepsOnlyTheNewestWithHistoryOne) {
    SETTINGS.borrow()->history = 1;
    // Widths 1, 2, 3 tell the captures apart.
    for (int32_t w = 1; w <= 3; ++w) {
        std::optional<DibBitmap> dib = DibBitmap::create(w, 2);
        ASSERT_TRUE(dib);
        history_save(*dib);
        Sleep(5);  // a new millisecond, so each capture has its own name
    }
    // The workers are detached: wait until the folder has settled on one finished file.
    std::vector<std::string> names;
    int stable = 0;
    for (int i = 0; i < 200 && stable < 10; ++i) {
        Sleep(25);
        const std::vector<std::string> now = names_in(folder);
        stable = (now == names && now.size() == 1) ? stable + 1 : 0;
        names = now;
    }
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].rfind("Ormick_", 0), 0u);
    EXPECT_EQ(names[0].size(), std::string("Ormick_20260108_093005_042.png").size());
    EXPECT_EQ(png_width(at(names[0])), 3u);
}
