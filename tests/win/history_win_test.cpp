#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "image/dib_bitmap_win.h"
#include "image/file_names.h"
#include "image/history_win.h"
#include "util/text.h"
#include "win/env.h"
#include "win/handles.h"

#include "support/test_support_win.h"

namespace {

using namespace test_support;

void touch(const std::string& path) { write_whole_file(path, ""); }

// The width in a PNG file's IHDR; 0 when unreadable.
uint32_t png_width(const std::string& path) {
    Handle f(CreateFileW(to_wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, 0, nullptr));
    uint8_t head[24] = {};
    DWORD n = 0;
    if (!f || !ReadFile(f.get(), head, sizeof head, &n, nullptr) || n != sizeof head) return 0;
    return uint32_t{head[16]} << 24 | uint32_t{head[17]} << 16 | uint32_t{head[18]} << 8 | head[19];
}

// True when the PNG file ends with its IEND chunk, as a finished file does.
bool png_is_whole(const std::string& path) {
    const std::string bytes = read_whole_file(path);
    static const std::string IEND("\0\0\0\0IEND\xAE\x42\x60\x82", 12);
    return bytes.size() > IEND.size() && bytes.compare(bytes.size() - IEND.size(), IEND.size(), IEND) == 0;
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
    std::string at(const std::string& name) const { return join_path(folder, name); }

    ScratchEnvFolder appdata_{"history", {"LOCALAPPDATA", "APPDATA"}};
    const std::string root = appdata_.path();
    const std::string folder = join_path(join_path(root, "Ormick Oxel"), "History");
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
    ASSERT_TRUE(history_save_worker(make_job("Ormick_20260108_093005", 1, 2)));
    ASSERT_EQ(history_list(), std::vector<std::string>{at("Ormick_20260108_093005_001.png")});
    EXPECT_EQ(png_width(at("Ormick_20260108_093005_001.png")), 3u);

    // Placed by hand: A.PNG sorts first, Z.PNG last; the others, a folder among them, take no part.
    for (const char* name : {"A.PNG", "Z.PNG", "notes.txt", ".png", "Ormick_20260108_093004_000.png.tmp"}) {
        touch(at(name));
    }
    ASSERT_TRUE(CreateDirectoryW(to_wide(at("zz.png")).c_str(), nullptr));
    ASSERT_TRUE(history_save_worker(make_job("Ormick_20260108_093005", 2, 2)));
    EXPECT_EQ(history_list(), (std::vector<std::string>{at("Ormick_20260108_093005_002.png"), at("Z.PNG")}));

    ASSERT_TRUE(history_save_worker(make_job("Ormick_20260108_093006", 0, 1)));
    EXPECT_EQ(history_list(), std::vector<std::string>{at("Z.PNG")});
    EXPECT_EQ(folder_names(folder),
              (std::vector<std::string>{".png", "Ormick_20260108_093004_000.png.tmp", "Z.PNG", "notes.txt", "zz.png"}));
}

TEST_F(HistoryTest, WorkerThatCannotWriteSaysWhereAndLeavesEverythingAlone) {
    ASSERT_TRUE(history_save_worker(make_job("Ormick_20260108_093005", 1, 5)));
    ASSERT_TRUE(history_save_worker(make_job("Ormick_20260108_093005", 2, 5)));
    // A folder in the way of the file name: the write fails and nothing is pruned.
    CreateDirectoryW(to_wide(at("Ormick_20260108_093007_000.png")).c_str(), nullptr);
    const Status blocked = history_save_worker(make_job("Ormick_20260108_093007", 0, 1));
    ASSERT_FALSE(blocked);
    EXPECT_EQ(blocked.error().message.rfind(folder + ": ", 0), 0u) << blocked.error().message;
    EXPECT_EQ(folder_names(folder), (std::vector<std::string>{"Ormick_20260108_093005_001.png",
                                                          "Ormick_20260108_093005_002.png",
                                                          "Ormick_20260108_093007_000.png"}));
    // A file where the folder should be.
    remove_tree(join_path(root, "Ormick Oxel"));
    touch(join_path(root, "Ormick Oxel"));
    const Status no_folder = history_save_worker(make_job("Ormick_20260108_093008", 0, 1));
    ASSERT_FALSE(no_folder);
    EXPECT_NE(no_folder.error().message.find("Ormick Oxel"), std::string::npos) << no_folder.error().message;
    EXPECT_TRUE(history_list().empty());
    EXPECT_EQ(folder_names(root), std::vector<std::string>{"Ormick Oxel"});
}

TEST_F(HistoryTest, SaveWithHistoryOffCreatesNoFolder) {
    std::optional<DibBitmap> dib = DibBitmap::create(4, 4);
    ASSERT_TRUE(dib);
    history_save(*dib, 0);
    Sleep(200);
    EXPECT_FALSE(path_exists(join_path(root, "Ormick Oxel")));
}

TEST_F(HistoryTest, SaveKeepsOnlyTheNewestWithHistoryOne) {
    // Widths 1, 2, 3 tell the captures apart.
    for (int32_t w = 1; w <= 3; ++w) {
        std::optional<DibBitmap> dib = DibBitmap::create(w, 2);
        ASSERT_TRUE(dib);
        history_save(*dib, 1);
        Sleep(5);  // a new millisecond, so each capture has its own name
    }
    // The workers are detached: wait until the folder has settled on one finished file.
    std::vector<std::string> names;
    int stable = 0;
    for (int i = 0; i < 200 && stable < 10; ++i) {
        Sleep(25);
        const std::vector<std::string> now = folder_names(folder);
        stable = (now == names && now.size() == 1) ? stable + 1 : 0;
        names = now;
    }
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].rfind("Ormick_", 0), 0u);
    EXPECT_EQ(names[0].size(), std::string("Ormick_20260108_093005_042.png").size());
    EXPECT_EQ(png_width(at(names[0])), 3u);
}

TEST_F(HistoryTest, WriteOfANameAnotherWriteIsUsingStillLands) {
    ASSERT_TRUE(create_folders(folder).ok());
    // A file beside the target, held open without sharing as a writer of the same name would.
    const std::string held = at("Ormick_20260108_093005_007.png.tmp");
    Handle other(CreateFileW(to_wide(held).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    ASSERT_TRUE(other);
    ASSERT_TRUE(history_save_worker(make_job("Ormick_20260108_093005", 7, 5, 4, 2)));
    EXPECT_EQ(png_width(at("Ormick_20260108_093005_007.png")), 4u);
    other.reset();
    EXPECT_EQ(folder_names(folder),
              (std::vector<std::string>{"Ormick_20260108_093005_007.png", "Ormick_20260108_093005_007.png.tmp"}));
}

TEST_F(HistoryTest, TwoWritesOfOneNameAtOnceLeaveOneWholeFile) {
    const std::string stem = "Ormick_20260108_093005";
    constexpr uint32_t ROUNDS = 30;
    std::vector<std::string> want;
    for (uint32_t round = 0; round < ROUNDS; ++round) {
        std::atomic<int> ready{0};
        // Both start together; widths tell the two captures apart.
        const auto write = [&](uint32_t width) {
            HistorySaveJob job = make_job(stem, round, 1000, width, 200);
            ++ready;
            while (ready.load() < 2) std::this_thread::yield();
            EXPECT_TRUE(history_save_worker(std::move(job)));
        };
        std::thread first(write, 300);
        std::thread second(write, 301);
        first.join();
        second.join();
        const std::string name = history_file_name(stem, round);
        const uint32_t width = png_width(at(name));
        EXPECT_TRUE(width == 300 || width == 301) << name << ": " << width;
        EXPECT_TRUE(png_is_whole(at(name))) << name;
        want.push_back(name);
    }
    // Nothing else: no temporary file is left behind.
    EXPECT_EQ(folder_names(folder), want);
}
